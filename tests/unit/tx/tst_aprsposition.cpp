// The APRS position: header, information field, the setup's checks and texts, the icons.

#include "config/settings.h"
#include "support/testrows.h"
#include "tx/aprsposition.h"
#include "tx/producttag.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

CoordinateFields example() { return {"52", "58", "23", "N", "000", "02", "77", "W"}; }

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
const QString kAgain = QStringLiteral("Do you want to try to enter your coordinates again?");

}  // namespace

class TestAprsPosition : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void theExample() {
        const AprsIcon home = aprsIcons().at(4 - 2);
        QCOMPARE(home.name, QStringLiteral("Home"));
        CoordinateFields f = example();
        f.northSouth = QStringLiteral(" n");  // normalised in the header and the question
        QCOMPARE(positionHeader(f, home.table, home.code), kHeader);
        QCOMPARE(setupConfirmationText(f, home.name),
                 QStringLiteral("Your latitude is: 52.58.23N\rYour longitude is: 000.02.77W\r"
                                "Your selected Icon is: Home\r\rIs this correct?"));

        // The stored value gives the setup the same fields back.
        const auto stored = storedPosition(kHeader + QStringLiteral("comment"));
        QVERIFY(stored);
        QCOMPARE(positionHeader(stored->fields, stored->table, stored->code), kHeader);
        QCOMPARE(storedPosition(QStringLiteral("=5258.23n/00002.77w-"))->fields.eastWest,
                 QStringLiteral("W"));
        QVERIFY(!storedPosition(kHeader.left(19)));
    }

    void informationField_data() {
        columns<QString, QString, int, QString>("stored", "comment", "zenoTag", "information");
        const QString stored = kHeader + QStringLiteral("old comment {ZENO30}");
        const QString comment = QStringLiteral("73' Via Satellite");
        row("comment and tag", stored, comment, 0, kHeader + comment + " {ZENO30}");
        row("comment trimmed, tag dropped", stored, QStringLiteral("  hi  "), -1, kHeader + "hi");
        row("empty comment, tag after the header", stored, QString(), 0, kHeader + " {ZENO30}");
    }

    void informationField() {
        QFETCH(QString, stored);
        QFETCH(QString, comment);
        QFETCH(int, zenoTag);
        QFETCH(QString, information);
        QCOMPARE(positionInformation(stored, comment, transmittedProductTag(zenoTag)), information);
    }

    void coordinateChecks_data() {
        columns<QString, bool, bool>("boxes", "latWrong", "lonWrong");  // boxes split at '|'
        row("example", "52|58|23|N|000|02|77|W", false, false);
        row("blank lower-case hemispheres", "52|58|23| s |000|02|77|e ", false, false);
        row("hundredths of one digit", "52|58|5|N|000|02|77|W", true, false);
        row("hemisphere X", "52|58|23|X|000|02|77|W", true, false);
        row("degrees not digits", "5a|58|23|N|000|02|77|W", true, false);
        row("the pole and the date line", "90|00|00|S|180|00|00|E", false, false);
        row("past the pole", "90|00|01|N|180|00|00|E", true, false);
        row("past the date line", "00|00|00|N|180|00|01|E", false, true);
        row("sixty minutes", "52|58|23|N|000|60|77|W", false, true);
        row("hemisphere N on longitude", "52|58|23|N|000|02|77|N", false, true);
    }

    void coordinateChecks() {
        QFETCH(QString, boxes);
        QFETCH(bool, latWrong);
        QFETCH(bool, lonWrong);
        const QStringList b = boxes.split(QLatin1Char('|'));
        const CoordinateFields f{b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]};
        QCOMPARE(latitudeWrong(f), latWrong);
        QCOMPARE(longitudeWrong(f), lonWrong);
    }

    void wrongCoordinatesText_data() {
        columns<bool, bool, QString>("lat", "lon", "text");
        row("latitude", true, false, "The Latitude is not in the correct format.\r\r" + kAgain);
        row("longitude", false, true, "\rThe Longitude is not in the correct format.\r\r" + kAgain);
        row("both", true, true,
            "The Latitude is not in the correct format.\r\r"
            "The Longitude is not in the correct format.\r\r" +
                kAgain);
    }

    void wrongCoordinatesText() {
        QFETCH(bool, lat);
        QFETCH(bool, lon);
        QFETCH(QString, text);
        QCOMPARE(coordinatesWrongText(lat, lon), text);
    }

    void iconChoice_data() {
        columns<QList<int>, QString, QString>("selected", "name", "symbol");
        row("nothing selected", QList<int>{}, "", "\\S");
        row("shuttle", QList<int>{3}, "Shuttle", "/S");
        // Tested in the order 2, 8, 3 ... 11, 16, 18, 17, 19, 12 ... 15: the last one wins.
        row("emergency after satellite", QList<int>{8, 2}, "Emergency", "\\!");
        row("WX Service after Repeater", QList<int>{12, 19}, "WX Service", "/W");
        row("Node after HF Gateway", QList<int>{17, 18}, "Node", "/n");
    }

    void iconChoice() {
        QFETCH(QList<int>, selected);
        QFETCH(QString, name);
        QFETCH(QString, symbol);
        const AprsIcon icon = chosenIcon(selected);
        QCOMPARE(icon.name, name);
        QCOMPARE(QString(icon.table) + icon.code, symbol);
    }

    void everyIconIsFoundByItsSymbol() {
        QCOMPARE(aprsIcons().size(), 18);
        for (const AprsIcon& icon : aprsIcons())
            QCOMPARE(picturesFor(icon.table, icon.code), QList<int>{icon.picture});
        QVERIFY(picturesFor(u'/', u'x').isEmpty());
    }

    void sendingNeedsHeaderAndSwitch() {
        Settings s;
        s.aprs = kHeader;
        s.aprsEnabled = -1;
        QVERIFY(aprsSendingAvailable(s));
        s.aprsEnabled = 0;
        QVERIFY(!aprsSendingAvailable(s));
        s.aprsEnabled = -1;
        s.aprs.chop(1);
        QVERIFY(!aprsSendingAvailable(s));
    }
};

QTEST_GUILESS_MAIN(TestAprsPosition)
#include "tst_aprsposition.moc"
