// SPDX-License-Identifier: GPL-3.0-or-later
// Element sets (columns, checksums, the epoch's century, damaged files); SGP4 against the
// published verification run (every near-Earth set at every listed time, a decaying run's early
// end, deep-space sets refused); look angles against geometry and published sidereal times;
// passes checked by the elevation itself around each time reported.

#include "orbit/passes.h"
#include "orbit/sgp4.h"
#include "support/testrows.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <cmath>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kLine1("1 25544U 98067A   26340.51782407  .00012345  00000-0  22137-3 0  9992");
const QString kLine2("2 25544  51.6321 187.4415 0007214 312.0913  47.9611 15.49912374543211");

// Debian's python3-sgp4 ships the paper's files; only their data is read.
QStringList dataLines(const char* name) {
    QFile f(QStringLiteral("/usr/lib/python3/dist-packages/sgp4/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly)
               ? QString::fromLatin1(f.readAll()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts)
               : QStringList();
}

// A line with text put at a column (1-based) and a right checksum again (digits count their
// value, '-' counts 1); the verification file's last sets are edited copies that need it too.
QString resealed(const QString& line, int column = 1, const QString& text = {}) {
    const QString out =
        (line.left(column - 1) + text + line.mid(column - 1 + text.size())).left(68);
    int sum = 0;
    for (QChar c : out)
        sum += c.isDigit() ? c.digitValue() : c == u'-';
    return out + QChar(u'0' + sum % 10);
}

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

class TestOrbit : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsEveryField() {
        const Tle tle = parseTle(QStringLiteral(" ISS (ZARYA) "), kLine1, kLine2).value();
        QCOMPARE(tle.name + " " + QString::number(tle.catalogNumber), QString("ISS (ZARYA) 25544"));
        // Day 340.51782407 of 2026: 6 December, 12:25:39.9996.
        QCOMPARE(tle.epoch, QDateTime(QDate(2026, 12, 6), QTime(12, 25, 40), Qt::UTC));
        QVERIFY(qAbs(tle.epochJulian - 2461381.01782407) < 1e-8);
        QCOMPARE((QList<double>{tle.meanMotionDot, tle.meanMotionDdot, tle.bstar,
                                tle.inclinationDeg, tle.raanDeg, tle.eccentricity,
                                tle.argPerigeeDeg, tle.meanAnomalyDeg, tle.meanMotion}),
                 (QList<double>{0.00012345, 0, 0.22137e-3, 51.6321, 187.4415, 0.0007214, 312.0913,
                                47.9611, 15.49912374}));
    }

    void refusesBrokenSets_data() {
        // refusal: a word of the reason, empty when the set is read; year: the epoch's year
        columns<QString, QString, QString, int>("line1", "line2", "refusal", "year");
        row("trailing blanks", kLine1 + "  ", kLine2 + "\t", QString(), 2026);
        row("'-' counts 1", resealed(resealed(kLine1, 34, "-"), 54, "-"), kLine2, QString(), 2026);
        row("57 is 1957", resealed(kLine1, 19, "57"), kLine2, QString(), 1957);
        row("56 is 2056", resealed(kLine1, 19, "56"), kLine2, QString(), 2056);
        row("checksum of line 1", kLine1.left(68) + '3', kLine2, QString("checksum of line 1"), 0);
        row("checksum of line 2", kLine1, kLine2.left(68) + '0', QString("checksum of line 2"), 0);
        row("short line", kLine1.left(68), kLine2, QString("not 69"), 0);
        row("letter in a number", kLine1, resealed(kLine2, 14, "X"), QString("inclination"), 0);
        row("another satellite", kLine1, resealed(kLine2, 7, "5"), QString("another"), 0);
    }
    void refusesBrokenSets() {
        QFETCH(QString, refusal);
        QString why;
        const std::optional<Tle> tle =
            parseTle(QString(), fetched<QString>("line1"), fetched<QString>("line2"), &why);
        QVERIFY2(tle.has_value() == refusal.isEmpty() && why.contains(refusal), qPrintable(why));
        if (tle)
            QTEST(tle->epochYear, "year");
    }

    void readsADamagedFile() {
        const QString text = "ISS\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n\r\n" + kLine1 + "\n" +
                             kLine2 + "\nsome garbage\nBROKEN\n" + kLine1.left(68) + "7\n" +
                             kLine2 + "\n" + kLine2 + "\nNO ELEMENTS";  // and no last newline
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(text.toLatin1()) > 0 && file.flush());
        const TleFile read = readTleFile(file.fileName());
        QCOMPARE(read.sets.size(), 2);
        QCOMPARE(read.sets[0].name + read.sets[1].name, QString("ISS25544"));  // one nameless
        QCOMPARE(read.errors, (QStringList{"line 7: \"some garbage\" has no element lines",
                                           "line 8 (BROKEN): the checksum of line 1 is wrong",
                                           "line 11: line 2 without its line 1",
                                           "line 12: \"NO ELEMENTS\" has no element lines"}));
        QVERIFY(!readTleFile(file.fileName() + ".missing").ok());
    }

    void matchesTheVerificationRun_data() {
        const QStringList sets = dataLines("SGP4-VER.TLE");
        const QStringList out = dataLines("tcppver.out");
        if (sets.isEmpty() || out.isEmpty())
            QSKIP("python3-sgp4 is not installed (tools/setup): no SGP4 verification files");
        // set: line 1, line 2 followed by the run's start, stop and step;
        // listed: the run's lines "minutes x y z vx vy vz ..." (km, km/s)
        columns<QStringList, QStringList>("set", "listed");
        static const QRegularExpression head(
            QStringLiteral("\\d+ xx(\\n|$)"));  // "5 xx": satellite 5
        const QStringList runs = out.join(u'\n').split(head, Qt::SkipEmptyParts);
        const QStringList elements = sets.filter(QRegularExpression(QStringLiteral("^[12] ")));
        QCOMPARE(elements.size(), 2 * runs.size());
        for (int i = 0; i < runs.size(); ++i)
            row(qPrintable(QStringLiteral("%1 #%2").arg(elements[2 * i].mid(2, 5)).arg(i + 1)),
                elements.mid(2 * i, 2), runs[i].split(u'\n', Qt::SkipEmptyParts));
    }

    void matchesTheVerificationRun() {
        QFETCH(QStringList, set);
        QFETCH(QStringList, listed);
        const Tle tle = parseTle({}, resealed(set[0].left(69)), resealed(set[1].left(69))).value();
        const Sgp4 sgp4(tle);
        if (tle.meanMotion < 1440.0 / 225.0) {  // deep space: refused
            QCOMPARE(sgp4.errorCode(), Sgp4Error::DeepSpace);
            QVERIFY(!sgp4.error().isEmpty() && !sgp4.at(0).ok());
            return;
        }
        double t = 0;
        for (const QString& line : listed) {
            const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
            t = f[0].toDouble();
            const StateVector s = sgp4.at(t);
            for (int i = 0; i < 3; ++i)  // within 1 m and 1 mm/s
                QVERIFY2(qAbs(s.position[i] - f[1 + i].toDouble()) < 1e-3 &&
                             qAbs(s.velocity[i] - f[4 + i].toDouble()) < 1e-6,
                         qPrintable(f[0]));
        }
        // A run listed only up to before its stop ended where the satellite decayed or its
        // elements went out of range: ZENO's ends at the next step too.
        const QStringList run = set[1].mid(69).split(u' ', Qt::SkipEmptyParts);
        if (t < run[1].toDouble() - 1e-6)
            QVERIFY(!sgp4.at(t + run[2].toDouble()).ok() && !sgp4.ok() && !sgp4.error().isEmpty());
    }

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
        const QStringList iss{kLine1, kLine2};
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

QTEST_GUILESS_MAIN(TestOrbit)
#include "tst_orbit.moc"
