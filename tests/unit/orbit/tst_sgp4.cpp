// Element sets (columns, checksums, the epoch's century, files with damage) and SGP4 against
// the published verification run: every near-Earth set at every listed time, the early end
// of a run whose satellite decays, the refusal of deep-space sets.

#include "orbit/sgp4.h"
#include "support/testrows.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

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

}  // namespace

class TestSgp4 : public QObject {
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
        QList<QStringList> listed;
        for (const QString& line : out) {
            if (line.endsWith(QLatin1String(" xx")))  // "5 xx": the lines of satellite 5 follow
                listed.append(QStringList());
            else
                listed.last() << line;
        }
        const QStringList elements = sets.filter(QRegularExpression(QStringLiteral("^[12] ")));
        QCOMPARE(elements.size(), 2 * listed.size());
        for (int i = 0; i < listed.size(); ++i)
            row(qPrintable(QStringLiteral("%1 #%2").arg(elements[2 * i].mid(2, 5)).arg(i + 1)),
                elements.mid(2 * i, 2), listed[i]);
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
};

QTEST_GUILESS_MAIN(TestSgp4)
#include "tst_sgp4.moc"
