// Element set rules: columns, checksums, the epoch's century, and files with damage.

#include "orbit/tle.h"
#include "support/testrows.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kLine1 =
    QStringLiteral("1 25544U 98067A   26340.51782407  .00012345  00000-0  22137-3 0  9992");
const QString kLine2 =
    QStringLiteral("2 25544  51.6321 187.4415 0007214 312.0913  47.9611 15.49912374543211");

}  // namespace

class TestTle : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsEveryField() {
        const std::optional<Tle> tle = parseTle(QStringLiteral(" ISS (ZARYA) "), kLine1, kLine2);
        QVERIFY(tle);
        QCOMPARE(tle->name, QStringLiteral("ISS (ZARYA)"));
        QCOMPARE(tle->catalogNumber, 25544);
        QCOMPARE(tle->internationalDesignator, QStringLiteral("98067A"));
        // Day 340.51782407 of 2026: 6 December, 12:25:39.9996.
        QCOMPARE(tle->epoch, QDateTime(QDate(2026, 12, 6), QTime(12, 25, 40), Qt::UTC));
        QVERIFY(qAbs(tle->epochJulian - 2461381.01782407) < 1e-8);
        QCOMPARE((QList<double>{tle->meanMotionDot, tle->meanMotionDdot, tle->bstar,
                                tle->inclinationDeg, tle->raanDeg, tle->eccentricity,
                                tle->argPerigeeDeg, tle->meanAnomalyDeg, tle->meanMotion}),
                 (QList<double>{0.00012345, 0, 0.22137e-3, 51.6321, 187.4415, 0.0007214, 312.0913,
                                47.9611, 15.49912374}));
        QCOMPARE((QList<int>{tle->elementSetNumber, tle->revolutionNumber}),
                 (QList<int>{999, 54321}));
    }

    void refusesBrokenSets_data() {
        // refusal: a word of the reason, empty when the set is read; year: the epoch's year
        columns<QString, QString, QString, int>("line1", "line2", "refusal", "year");
        row("good", kLine1, kLine2, QString(), 2026);
        row("trailing blanks", kLine1 + "  ", kLine2 + "\t", QString(), 2026);
        row("'-' counts 1",
            QString("1 25544U 98067A   26340.51782407 -.00012345  00000-0  22137-3 0  9993"),
            kLine2, QString(), 2026);
        row("negative drag term",
            QString("1 25544U 98067A   26340.51782407  .00012345  00000-0 -22137-3 0  9993"),
            kLine2, QString(), 2026);
        row("57 is 1957",
            QString("1 25544U 98067A   57340.51782407  .00012345  00000-0  22137-3 0  9996"),
            kLine2, QString(), 1957);
        row("56 is 2056",
            QString("1 25544U 98067A   56340.51782407  .00012345  00000-0  22137-3 0  9995"),
            kLine2, QString(), 2056);
        row("checksum of line 1", kLine1.left(68) + "3", kLine2, QString("checksum of line 1"), 0);
        row("checksum of line 2", kLine1, kLine2.left(68) + "0", QString("checksum of line 2"), 0);
        row("short line", kLine1.left(68), kLine2, QString("not 69"), 0);
        row("letter in a number", kLine1,
            QString("2 25544  51.6X21 187.4415 0007214 312.0913  47.9611 15.49912374543218"),
            QString("inclination"), 0);
        row("another satellite", kLine1,
            QString("2 25545  51.6321 187.4415 0007214 312.0913  47.9611 15.49912374543212"),
            QString("another satellite"), 0);
        row("lines swapped", kLine2, kLine1, QString("start"), 0);
    }

    void refusesBrokenSets() {
        QFETCH(QString, refusal);
        QString why;
        const std::optional<Tle> tle = parseTle(QStringLiteral("ISS"), fetched<QString>("line1"),
                                                fetched<QString>("line2"), &why);
        QCOMPARE(tle.has_value(), refusal.isEmpty());
        QVERIFY2(why.contains(refusal), qPrintable(why));
        if (tle)
            QTEST(tle->epochYear, "year");
    }

    void readsADamagedFile() {
        const QString nameless = kLine1 + "\n" + kLine2;
        const QString text = "ISS\r\n" + kLine1 + "\r\n" + kLine2 + "\r\n\r\n" + nameless +
                             "\nsome garbage\nBROKEN\n" + kLine1.left(68) + "7\n" + kLine2 + "\n" +
                             kLine2 + "\nNO ELEMENTS";  // no last newline
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("tle.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) > 0);
        file.close();
        const TleFile read = readTleFile(file.fileName());
        QCOMPARE(read.sets.size(), 2);
        QCOMPARE(read.sets[0].name, QStringLiteral("ISS"));
        QCOMPARE(read.sets[1].name, QStringLiteral("25544"));  // a two-line set
        QCOMPARE(read.errors,
                 (QStringList{QStringLiteral("line 7: \"some garbage\" has no element lines"),
                              QStringLiteral("line 8 (BROKEN): the checksum of line 1 is wrong"),
                              QStringLiteral("line 11: line 2 without its line 1"),
                              QStringLiteral("line 12: \"NO ELEMENTS\" has no element lines")}));
        QVERIFY(!readTleFile(dir.filePath(QStringLiteral("missing.txt"))).ok());
    }
};

QTEST_GUILESS_MAIN(TestTle)
#include "tst_tle.moc"
