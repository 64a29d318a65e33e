// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/observer.h"

#include "orbit/observersite.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeno {

namespace {

using std::numbers::pi;
constexpr double kDegree = pi / 180.0;
constexpr double kTwoPi = 2.0 * pi;

// WGS-84.
constexpr double kEquatorKm = 6378.137;
constexpr double kFlattening = 1.0 / 298.257223563;
constexpr double kEccentricitySq = kFlattening * (2.0 - kFlattening);

constexpr double kMeanEarthRadiusKm = 6371.0088;
constexpr double kEarthRotationRadS = 7.292115146706979e-5;
constexpr double kLightKmS = 299792.458;

}  // namespace

double greenwichMeanSiderealTime(double julianDateUt1) {
    const double t = (julianDateUt1 - 2451545.0) / 36525.0;  // centuries from J2000.0
    const double seconds = -6.2e-6 * t * t * t + 0.093104 * t * t +
                           (876600.0 * 3600.0 + 8640184.812866) * t + 67310.54841;
    double gmst = std::fmod(seconds * kDegree / 240.0, kTwoPi);  // 240 s of time per degree
    return gmst < 0.0 ? gmst + kTwoPi : gmst;
}

std::array<double, 3> temeToEcef(const std::array<double, 3>& teme, double gmstRadians) {
    const double c = std::cos(gmstRadians);
    const double s = std::sin(gmstRadians);
    return {c * teme[0] + s * teme[1], -s * teme[0] + c * teme[1], teme[2]};
}

ObserverSite::ObserverSite(const Observer& observer) {
    const double lat = observer.latitudeDeg * kDegree;
    const double lon = observer.longitudeDeg * kDegree;
    sinLat = std::sin(lat);
    cosLat = std::cos(lat);
    sinLon = std::sin(lon);
    cosLon = std::cos(lon);
    const double n = kEquatorKm / std::sqrt(1.0 - kEccentricitySq * sinLat * sinLat);
    const double h = observer.altitudeM / 1000.0;
    ecef = {(n + h) * cosLat * cosLon, (n + h) * cosLat * sinLon,
            (n * (1.0 - kEccentricitySq) + h) * sinLat};
}

LookAngles ObserverSite::look(const StateVector& teme, double julianDateUt1) const {
    LookAngles out;
    if (!teme.ok()) {
        out.elevationDeg = -90.0;
        return out;
    }
    const double gmst = greenwichMeanSiderealTime(julianDateUt1);
    const std::array<double, 3> r = temeToEcef(teme.position, gmst);
    std::array<double, 3> v = temeToEcef(teme.velocity, gmst);
    // Seen from the turning Earth the satellite also moves by the rotation under it.
    v[0] += kEarthRotationRadS * r[1];
    v[1] -= kEarthRotationRadS * r[0];

    const std::array<double, 3> d{r[0] - ecef[0], r[1] - ecef[1], r[2] - ecef[2]};
    const double east = -sinLon * d[0] + cosLon * d[1];
    const double north = -sinLat * cosLon * d[0] - sinLat * sinLon * d[1] + cosLat * d[2];
    const double up = cosLat * cosLon * d[0] + cosLat * sinLon * d[1] + sinLat * d[2];
    out.rangeKm = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    out.elevationDeg = std::asin(std::clamp(up / out.rangeKm, -1.0, 1.0)) / kDegree;
    double az = std::atan2(east, north) / kDegree;
    if (az < 0.0)
        az += 360.0;
    out.azimuthDeg = az >= 360.0 ? az - 360.0 : az;  // a hair west of north rounds to 360
    out.rangeRateKmS = (d[0] * v[0] + d[1] * v[1] + d[2] * v[2]) / out.rangeKm;
    return out;
}

LookAngles lookAngles(const Observer& observer, const StateVector& teme, const QDateTime& utc) {
    return ObserverSite(observer).look(teme, julianDate(utc));
}

GeodeticPoint subSatellitePoint(const StateVector& teme, const QDateTime& utc) {
    const std::array<double, 3> r =
        temeToEcef(teme.position, greenwichMeanSiderealTime(julianDate(utc)));
    const double p = std::hypot(r[0], r[1]);
    // Fixed-point iteration on the latitude; six rounds reach a micro-degree at any height.
    double lat = std::atan2(r[2], p * (1.0 - kEccentricitySq));
    double sinLat = std::sin(lat);
    for (int i = 0; i < 6; ++i) {
        const double n = kEquatorKm / std::sqrt(1.0 - kEccentricitySq * sinLat * sinLat);
        lat = std::atan2(r[2] + kEccentricitySq * n * sinLat, p);
        sinLat = std::sin(lat);
    }
    GeodeticPoint out;
    out.latitudeDeg = lat / kDegree;
    const double lon = std::atan2(r[1], r[0]) / kDegree;
    out.longitudeDeg = lon >= 180.0 ? lon - 360.0 : lon;
    out.altitudeKm = p * std::cos(lat) + r[2] * sinLat -
                     kEquatorKm * std::sqrt(1.0 - kEccentricitySq * sinLat * sinLat);
    return out;
}

double footprintRadiusKm(double altitudeKm, double minElevationDeg) {
    if (altitudeKm <= 0.0)
        return 0.0;
    const double e = minElevationDeg * kDegree;
    const double centralAngle =
        std::acos(kMeanEarthRadiusKm * std::cos(e) / (kMeanEarthRadiusKm + altitudeKm)) - e;
    return std::max(0.0, kMeanEarthRadiusKm * centralAngle);
}

double dopplerShiftHz(double frequencyHz, double rangeRateKmS) {
    return -frequencyHz * rangeRateKmS / kLightKmS;
}

}  // namespace zeno
