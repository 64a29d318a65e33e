// Look angles against geometry (satellites straight overhead, on the horizon) and published
// sidereal times; passes checked by the elevation itself around each time reported.

#include "orbit/passes.h"
#include "support/testrows.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr double kA = 6378.137, kB = 6356.7523142;  // WGS-84 equator and pole, km
const QDateTime kJ2000(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC);

// A state given Earth-fixed (position, velocity over the ground) at J2000.0, in TEME: turned
// by that moment's sidereal time, 280.46061837 degrees, plus the Earth's turn under it.
StateVector fromEcef(const QList<double>& r, const QList<double>& v = {0, 0, 0}) {
    const double g = 280.46061837 * M_PI / 180, c = std::cos(g), s = std::sin(g), w = 7.2921159e-5;
    const std::array<double, 3> p{c * r[0] - s * r[1], s * r[0] + c * r[1], r[2]};
    return {p, {c * v[0] - s * v[1] - w * p[1], s * v[0] + c * v[1] + w * p[0], v[2]}};
}

}  // namespace

class TestPasses : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void lookAngles_data() {
        // observer lat, lon, alt m; satellite Earth-fixed x, y, z km, vx, vy, vz km/s; seen:
        // az (NaN straight up), el, range km, range rate km/s
        columns<QList<double>>("c");
        const double up = qQNaN();
        row("over the equator", QList<double>{0, 0, 0, kA + 400, 0, 0, 0, 7, 0, up, 90, 400, 0});
        row("over the pole, 1 km up",
            QList<double>{90, 0, 1e3, 0, 0, kB + 400, 0, 0, -2, up, 90, 399, -2});
        row("over 90 east", QList<double>{0, 90, 0, 0, kA + 400, 0, 0, 0, 0, up, 90, 400, 0});
        row("north on the horizon", QList<double>{0, 0, 0, kA, 0, 1e3, 0, 0, 1, 0, 0, 1e3, 1});
        row("west, 45 up",
            QList<double>{0, 0, 0, kA + 1e3, -1e3, 0, 0, 0, 0, 270, 45, 1e3 * M_SQRT2, 0});
    }
    void lookAngles() {
        QFETCH(QList<double>, c);
        const LookAngles got =
            zeno::lookAngles(Observer{c[0], c[1], c[2]}, fromEcef(c.mid(3), c.mid(6)), kJ2000);
        QVERIFY(std::isnan(c[9]) || qAbs(std::remainder(got.azimuthDeg - c[9], 360)) < 1e-4);
        QVERIFY(qAbs(got.elevationDeg - c[10]) < 1e-4 && qAbs(got.rangeKm - c[11]) < 1e-6);
        QVERIFY(qAbs(got.rangeRateKmS - c[12]) < 1e-6);
    }

    void siderealTimeGroundAndDoppler() {
        const double vallado = 2448855.0097222222;  // 1992-08-20 12:14 UT1: 152.578787810 degrees
        QVERIFY(qAbs(greenwichMeanSiderealTime(vallado) * 180 / M_PI - 152.57878781) < 1e-7);
        const GeodeticPoint south = subSatellitePoint(fromEcef({0, 0, -kB - 800}), kJ2000);
        QVERIFY(qAbs(south.latitudeDeg + 90) < 1e-6 && qAbs(south.altitudeKm - 800) < 1e-6);
        const GeodeticPoint west = subSatellitePoint(fromEcef({0, -kA - 400, 0}), kJ2000);
        QVERIFY(qAbs(west.longitudeDeg + 90) < 1e-6 && qAbs(west.altitudeKm - 400) < 1e-6);
        QVERIFY(qAbs(footprintRadiusKm(400) - 2200.8) < 0.1);  // the horizon 19.79 degrees away
        QVERIFY(qAbs(dopplerShiftHz(145.825e6, -2.0) - 972.84) < 0.01);  // approaching 2 km/s
    }

    void findsEveryPass_data() {
        columns<QStringList, QList<double>, double>("set", "observer", "minEl");
        const QStringList iss{
            "1 25544U 98067A   26340.51782407  .00012345  00000-0  22137-3 0  9992",
            "2 25544  51.6321 187.4415 0007214 312.0913  47.9611 15.49912374543211"};
        const QStringList no44{
            "1 26931U 01043C   26340.37214520  .00000098  00000-0  63412-4 0  9995",
            "2 26931  67.0483 112.3904 0006931 241.5521 118.4867 14.30819732301232"};
        row("ISS, Amsterdam", iss, QList<double>{52.37, 4.90, 0}, 0.0);
        // One pass tops out at 0.7019 degrees: above 0.701 it lasts six seconds, between samples.
        row("ISS, Tromso: six seconds up", iss, QList<double>{69.65, 18.96, 0}, 0.701);
        row("ISS, Quito", iss, QList<double>{-0.18, -78.47, 2850}, 0.0);
        row("NO-44, South Pole", no44, QList<double>{-90, 0, 2835}, 0.0);
        row("NO-44, Kampala", no44, QList<double>{0.35, 32.58, 1190}, 5.0);
    }
    void findsEveryPass() {
        QFETCH(QStringList, set);
        QFETCH(QList<double>, observer);
        QFETCH(double, minEl);
        const Tle tle = *parseTle(QString(), set[0], set[1]);
        const Observer site{observer[0], observer[1], observer[2]};
        const Sgp4 sgp4(tle);
        auto above = [&](const QDateTime& t) {
            return zeno::lookAngles(site, sgp4.atUtc(t), t).elevationDeg - minEl;
        };
        const QDateTime from(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC);
        const QList<Pass> passes = predictPasses(tle, site, from, 48, minEl);
        QDateTime clear = from;  // nothing is up from here to the next AOS
        for (const Pass& p : passes) {
            QVERIFY(above(p.aos.addSecs(-1)) < 0 && above(p.aos.addSecs(1)) > 0);
            QVERIFY(above(p.los.addSecs(-1)) > 0 && above(p.los.addSecs(1)) < 0);
            const double top = above(p.tca);
            QVERIFY(above(p.tca.addSecs(-1)) <= top && above(p.tca.addSecs(1)) <= top);
            // Completeness, by samples far finer than the search's own step.
            for (QDateTime t = clear; t < p.aos.addSecs(-1); t = t.addSecs(10))
                QVERIFY2(above(t) < 0, qPrintable(t.toString(Qt::ISODate)));
            clear = p.los.addSecs(1);
        }
        for (QDateTime t = clear; t < from.addSecs(48 * 3600); t = t.addSecs(10))
            QVERIFY(above(t) < 0);
        // Started during a pass, the search gives that pass whole, AOS before the start.
        const QList<Pass> upNow = predictPasses(tle, site, passes.value(0).tca, 1, minEl);
        QVERIFY(!upNow.isEmpty() && qAbs(upNow[0].aos.msecsTo(passes[0].aos)) < 1000);
    }
};

QTEST_GUILESS_MAIN(TestPasses)
#include "tst_passes.moc"
