// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/sgp4.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeno {

namespace {

using std::numbers::pi;
constexpr double kTwoPi = 2.0 * pi;
constexpr double kTwoThirds = 2.0 / 3.0;

// WGS-72, the constants the elements are fitted with.
constexpr double kMu = 398600.8;           // km^3/s^2
constexpr double kEarthRadius = 6378.135;  // km
constexpr double kJ2 = 0.001082616;
constexpr double kJ3 = -0.00000253881;
constexpr double kJ4 = -0.00000165597;
constexpr double kJ3OverJ2 = kJ3 / kJ2;
const double kXke = 60.0 / std::sqrt(kEarthRadius * kEarthRadius * kEarthRadius / kMu);  // 1/min
const double kKmPerSecond = kEarthRadius * kXke / 60.0;

constexpr double kMinutesPerDay = 1440.0;
// From this period up the Sun's and Moon's pull needs the deep-space model. The improved
// operation mode differs from the AFSPC one only in the sidereal time at epoch and in the
// deep-space periodics, so the near-Earth path below is the same in both.
constexpr double kDeepSpacePeriodMinutes = 225.0;

double pow4(double x) { return x * x * x * x; }

}  // namespace

QString sgp4ErrorText(Sgp4Error error) {
    switch (error) {
        case Sgp4Error::None:
            return QString();
        case Sgp4Error::Eccentricity:
            return QStringLiteral(
                "The eccentricity is out of range (below -0.001 or 1 and above).");
        case Sgp4Error::MeanMotion:
            return QStringLiteral("The mean motion is not positive.");
        case Sgp4Error::SemiLatusRectum:
            return QStringLiteral(
                "The semi-latus rectum is negative: the orbit is not an ellipse.");
        case Sgp4Error::Decayed:
            return QStringLiteral(
                "The satellite has decayed: its orbit is below the Earth's surface.");
        case Sgp4Error::DeepSpace:
            return QStringLiteral(
                "Deep-space orbit (period of 225 minutes or more): ZENO predicts near-Earth orbits "
                "only.");
    }
    return QString();
}

Sgp4::Sgp4(const Tle& tle) : epochJulian_(tle.epochJulian) {
    constexpr double degree = pi / 180.0;
    bstar_ = tle.bstar;
    ecco_ = tle.eccentricity;
    inclo_ = tle.inclinationDeg * degree;
    nodeo_ = tle.raanDeg * degree;
    argpo_ = tle.argPerigeeDeg * degree;
    mo_ = tle.meanAnomalyDeg * degree;
    const double kozaiMeanMotion = tle.meanMotion * kTwoPi / kMinutesPerDay;  // rad/min

    auto refuse = [this](Sgp4Error e) { refusal_ = error_ = e; };
    if (!(kozaiMeanMotion > 0.0)) {
        refuse(Sgp4Error::MeanMotion);
        return;
    }
    if (!(ecco_ >= 0.0 && ecco_ < 1.0)) {
        refuse(Sgp4Error::Eccentricity);
        return;
    }

    // Recover the original (Brouwer) mean motion and semi-major axis from the Kozai mean
    // motion the elements carry.
    cosio_ = std::cos(inclo_);
    sinio_ = std::sin(inclo_);
    const double cosio2 = cosio_ * cosio_;
    const double omeosq = 1.0 - ecco_ * ecco_;
    const double rteosq = std::sqrt(omeosq);
    const double ak = std::pow(kXke / kozaiMeanMotion, kTwoThirds);
    const double d1 = 0.75 * kJ2 * (3.0 * cosio2 - 1.0) / (rteosq * omeosq);
    double del = d1 / (ak * ak);
    const double adel = ak * (1.0 - del * del - del * (1.0 / 3.0 + 134.0 * del * del / 81.0));
    del = d1 / (adel * adel);
    no_ = kozaiMeanMotion / (1.0 + del);
    ao_ = std::pow(kXke / no_, kTwoThirds);

    if (kTwoPi / no_ >= kDeepSpacePeriodMinutes) {
        refuse(Sgp4Error::DeepSpace);
        return;
    }

    const double po = ao_ * omeosq;
    const double con42 = 1.0 - 5.0 * cosio2;
    con41_ = 3.0 * cosio2 - 1.0;
    const double posq = po * po;
    const double rp = ao_ * (1.0 - ecco_);  // perigee radius, earth radii

    // The atmosphere's density parameters s and q0: fixed above 156 km perigee, lowered
    // with it below (never under 20 km).
    simplifiedDrag_ = rp < 220.0 / kEarthRadius + 1.0;
    double sfour = 78.0 / kEarthRadius + 1.0;
    double qzms24 = pow4((120.0 - 78.0) / kEarthRadius);
    const double perigeeKm = (rp - 1.0) * kEarthRadius;
    if (perigeeKm < 156.0) {
        const double s = perigeeKm < 98.0 ? 20.0 : perigeeKm - 78.0;
        qzms24 = pow4((120.0 - s) / kEarthRadius);
        sfour = s / kEarthRadius + 1.0;
    }

    // Drag coefficients.
    const double pinvsq = 1.0 / posq;
    const double tsi = 1.0 / (ao_ - sfour);
    eta_ = ao_ * ecco_ * tsi;
    const double etasq = eta_ * eta_;
    const double eeta = ecco_ * eta_;
    const double psisq = std::fabs(1.0 - etasq);
    const double coef = qzms24 * pow4(tsi);
    const double coef1 = coef / std::pow(psisq, 3.5);
    const double cc2 = coef1 * no_ *
                       (ao_ * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
                        0.375 * kJ2 * tsi / psisq * con41_ * (8.0 + 3.0 * etasq * (8.0 + etasq)));
    cc1_ = bstar_ * cc2;
    // Below 1e-4 the eccentricity terms of drag are dropped, as they divide by it.
    const double cc3 = ecco_ > 1.0e-4 ? -2.0 * coef * tsi * kJ3OverJ2 * no_ * sinio_ / ecco_ : 0.0;
    x1mth2_ = 1.0 - cosio2;
    cc4_ = 2.0 * no_ * coef1 * ao_ * omeosq *
           (eta_ * (2.0 + 0.5 * etasq) + ecco_ * (0.5 + 2.0 * etasq) -
            kJ2 * tsi / (ao_ * psisq) *
                (-3.0 * con41_ * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                 0.75 * x1mth2_ * (2.0 * etasq - eeta * (1.0 + etasq)) * std::cos(2.0 * argpo_)));
    cc5_ = 2.0 * coef1 * ao_ * omeosq * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);

    // Secular rates of the mean anomaly, the perigee and the node from J2 and J4.
    const double cosio4 = cosio2 * cosio2;
    const double temp1 = 1.5 * kJ2 * pinvsq * no_;
    const double temp2 = 0.5 * temp1 * kJ2 * pinvsq;
    const double temp3 = -0.46875 * kJ4 * pinvsq * pinvsq * no_;
    mdot_ = no_ + 0.5 * temp1 * rteosq * con41_ +
            0.0625 * temp2 * rteosq * (13.0 - 78.0 * cosio2 + 137.0 * cosio4);
    argpdot_ = -0.5 * temp1 * con42 + 0.0625 * temp2 * (7.0 - 114.0 * cosio2 + 395.0 * cosio4) +
               temp3 * (3.0 - 36.0 * cosio2 + 49.0 * cosio4);
    const double xhdot1 = -temp1 * cosio_;
    nodedot_ = xhdot1 +
               (0.5 * temp2 * (4.0 - 19.0 * cosio2) + 2.0 * temp3 * (3.0 - 7.0 * cosio2)) * cosio_;
    omgcof_ = bstar_ * cc3 * std::cos(argpo_);
    xmcof_ = ecco_ > 1.0e-4 ? -kTwoThirds * coef * bstar_ / eeta : 0.0;
    nodecf_ = 3.5 * omeosq * xhdot1 * cc1_;
    t2cof_ = 1.5 * cc1_;

    // Long-period periodics; the 1 + cos i divisor is kept off zero for retrograde equatorial
    // orbits.
    const double onePlusCos = std::fabs(cosio_ + 1.0) > 1.5e-12 ? 1.0 + cosio_ : 1.5e-12;
    xlcof_ = -0.25 * kJ3OverJ2 * sinio_ * (3.0 + 5.0 * cosio_) / onePlusCos;
    aycof_ = -0.5 * kJ3OverJ2 * sinio_;
    const double delmotemp = 1.0 + eta_ * std::cos(mo_);
    delmo_ = delmotemp * delmotemp * delmotemp;
    sinmao_ = std::sin(mo_);
    x7thm1_ = 7.0 * cosio2 - 1.0;

    // The higher-order drag terms, left out for perigees below 220 km.
    if (!simplifiedDrag_) {
        const double cc1sq = cc1_ * cc1_;
        d2_ = 4.0 * ao_ * tsi * cc1sq;
        const double temp = d2_ * tsi * cc1_ / 3.0;
        d3_ = (17.0 * ao_ + sfour) * temp;
        d4_ = 0.5 * temp * ao_ * tsi * (221.0 * ao_ + 31.0 * sfour) * cc1_;
        t3cof_ = d2_ + 2.0 * cc1sq;
        t4cof_ = 0.25 * (3.0 * d3_ + cc1_ * (12.0 * d2_ + 10.0 * cc1sq));
        t5cof_ = 0.2 * (3.0 * d4_ + 12.0 * cc1_ * d3_ + 6.0 * d2_ * d2_ +
                        15.0 * cc1sq * (2.0 * d2_ + cc1sq));
    }
    error_ = propagate(0.0).error;
}

StateVector Sgp4::at(double minutesSinceEpoch) const {
    if (refusal_ != Sgp4Error::None)
        return StateVector{{}, {}, refusal_};
    const StateVector s = propagate(minutesSinceEpoch);
    error_ = s.error;
    return s;
}

StateVector Sgp4::atUtc(const QDateTime& utc) const {
    return at((julianDate(utc) - epochJulian_) * kMinutesPerDay);
}

StateVector Sgp4::propagate(double t) const {
    StateVector out;
    auto failed = [&out](Sgp4Error e) {
        out.error = e;
        return out;
    };

    // Secular gravity and drag.
    const double xmdf = mo_ + mdot_ * t;
    const double argpdf = argpo_ + argpdot_ * t;
    const double nodedf = nodeo_ + nodedot_ * t;
    double argpm = argpdf;
    double mm = xmdf;
    const double t2 = t * t;
    double nodem = nodedf + nodecf_ * t2;
    double tempa = 1.0 - cc1_ * t;
    double tempe = bstar_ * cc4_ * t;
    double templ = t2cof_ * t2;
    if (!simplifiedDrag_) {
        const double delomg = omgcof_ * t;
        const double delmtemp = 1.0 + eta_ * std::cos(xmdf);
        const double delm = xmcof_ * (delmtemp * delmtemp * delmtemp - delmo_);
        const double dragShift = delomg + delm;
        mm = xmdf + dragShift;
        argpm = argpdf - dragShift;
        const double t3 = t2 * t;
        const double t4 = t3 * t;
        tempa = tempa - d2_ * t2 - d3_ * t3 - d4_ * t4;
        tempe = tempe + bstar_ * cc5_ * (std::sin(mm) - sinmao_);
        templ = templ + t3cof_ * t3 + t4 * (t4cof_ + t * t5cof_);
    }
    const double am = std::pow(kXke / no_, kTwoThirds) * tempa * tempa;
    const double nm = kXke / std::pow(am, 1.5);
    double em = ecco_ - tempe;
    if (em >= 1.0 || em < -0.001)
        return failed(Sgp4Error::Eccentricity);
    em = std::max(em, 1.0e-6);  // keeps the divisions by e finite
    mm = mm + no_ * templ;
    double xlm = mm + argpm + nodem;
    nodem = std::fmod(nodem, kTwoPi);
    argpm = std::fmod(argpm, kTwoPi);
    xlm = std::fmod(xlm, kTwoPi);
    mm = std::fmod(xlm - argpm - nodem, kTwoPi);

    // Long-period periodics.
    const double axnl = em * std::cos(argpm);
    double temp = 1.0 / (am * (1.0 - em * em));
    const double aynl = em * std::sin(argpm) + temp * aycof_;
    const double xl = mm + argpm + nodem + temp * xlcof_ * axnl;

    // Kepler's equation for the eccentric longitude, Newton steps capped at 0.95 rad.
    const double u = std::fmod(xl - nodem, kTwoPi);
    double eo1 = u;
    double sineo1 = 0;
    double coseo1 = 0;
    double step = 9999.9;
    for (int k = 0; std::fabs(step) >= 1.0e-12 && k < 10; ++k) {
        sineo1 = std::sin(eo1);
        coseo1 = std::cos(eo1);
        step = (u - aynl * coseo1 + axnl * sineo1 - eo1) / (1.0 - coseo1 * axnl - sineo1 * aynl);
        step = std::clamp(step, -0.95, 0.95);
        eo1 += step;
    }

    // Short-period preliminaries.
    const double ecose = axnl * coseo1 + aynl * sineo1;
    const double esine = axnl * sineo1 - aynl * coseo1;
    const double el2 = axnl * axnl + aynl * aynl;
    const double pl = am * (1.0 - el2);
    if (pl < 0.0)
        return failed(Sgp4Error::SemiLatusRectum);
    const double rl = am * (1.0 - ecose);
    const double rdotl = std::sqrt(am) * esine / rl;
    const double rvdotl = std::sqrt(pl) / rl;
    const double betal = std::sqrt(1.0 - el2);
    temp = esine / (1.0 + betal);
    const double sinu = am / rl * (sineo1 - aynl - axnl * temp);
    const double cosu = am / rl * (coseo1 - axnl + aynl * temp);
    double su = std::atan2(sinu, cosu);
    const double sin2u = (cosu + cosu) * sinu;
    const double cos2u = 1.0 - 2.0 * sinu * sinu;
    temp = 1.0 / pl;
    const double temp1 = 0.5 * kJ2 * temp;
    const double temp2 = temp1 * temp;

    // Short-period periodics.
    const double mrt = rl * (1.0 - 1.5 * temp2 * betal * con41_) + 0.5 * temp1 * x1mth2_ * cos2u;
    if (mrt < 1.0)
        return failed(Sgp4Error::Decayed);
    su = su - 0.25 * temp2 * x7thm1_ * sin2u;
    const double xnode = nodem + 1.5 * temp2 * cosio_ * sin2u;
    const double xinc = inclo_ + 1.5 * temp2 * cosio_ * sinio_ * cos2u;
    const double mvt = rdotl - nm * temp1 * x1mth2_ * sin2u / kXke;
    const double rvdot = rvdotl + nm * temp1 * (x1mth2_ * cos2u + 1.5 * con41_) / kXke;

    // Orientation: U along the radius, V along the track.
    const double sinsu = std::sin(su);
    const double cossu = std::cos(su);
    const double snod = std::sin(xnode);
    const double cnod = std::cos(xnode);
    const double sini = std::sin(xinc);
    const double cosi = std::cos(xinc);
    const double xmx = -snod * cosi;
    const double xmy = cnod * cosi;
    const std::array<double, 3> uvec{xmx * sinsu + cnod * cossu, xmy * sinsu + snod * cossu,
                                     sini * sinsu};
    const std::array<double, 3> vvec{xmx * cossu - cnod * sinsu, xmy * cossu - snod * sinsu,
                                     sini * cossu};
    for (int i = 0; i < 3; ++i) {
        out.position[i] = mrt * uvec[i] * kEarthRadius;
        out.velocity[i] = (mvt * uvec[i] + rvdot * vvec[i]) * kKmPerSecond;
    }
    return out;
}

}  // namespace zeno
