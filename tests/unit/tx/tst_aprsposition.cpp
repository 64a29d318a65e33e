// The APRS position: header, information field, the setup's checks and texts, the icons.

#include "config/settings.h"
#include "tx/aprsposition.h"
#include "tx/producttag.h"

#include <QtTest>

using namespace zeno;

namespace {

CoordinateFields example() {
    CoordinateFields f;
    f.latDegrees = QStringLiteral("52");
    f.latMinutes = QStringLiteral("58");
    f.latHundredths = QStringLiteral("23");
    f.northSouth = QStringLiteral("N");
    f.lonDegrees = QStringLiteral("000");
    f.lonMinutes = QStringLiteral("02");
    f.lonHundredths = QStringLiteral("77");
    f.eastWest = QStringLiteral("W");
    return f;
}

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");

}  // namespace

class TestAprsPosition : public QObject {
    Q_OBJECT

private slots:
    void headerOfTheExample() {
        const AprsIcon home = aprsIcons().at(4 - 2);
        QCOMPARE(home.name, QStringLiteral("Home"));
        QCOMPARE(positionHeader(example(), home.table, home.code), kHeader);
        QCOMPARE(kHeader.size(), kPositionHeaderLength);
    }

    void informationField_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("zenoTag");
        QTest::addColumn<QString>("information");
        const QString stored = kHeader + QStringLiteral("old comment {ZENO30}");
        QTest::newRow("comment and tag")
            << stored << "73' Via Satellite" << 0 << kHeader + "73' Via Satellite {ZENO30}";
        QTest::newRow("tag dropped")
            << stored << "73' Via Satellite" << -1 << kHeader + "73' Via Satellite";
        QTest::newRow("comment trimmed") << stored << "  hi  " << -1 << kHeader + "hi";
        QTest::newRow("empty comment, tag right after header")
            << stored << "" << 0 << kHeader + " {ZENO30}";
        QTest::newRow("only the header") << kHeader << "" << -1 << kHeader;
    }

    void informationField() {
        QFETCH(QString, stored);
        QFETCH(QString, comment);
        QFETCH(int, zenoTag);
        QFETCH(QString, information);
        QCOMPARE(positionInformation(stored, comment, transmittedProductTag(zenoTag)), information);
    }

    void coordinateChecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("latWrong");
        QTest::addColumn<bool>("lonWrong");
        QTest::newRow("example") << ""
                                 << "" << false << false;
        QTest::newRow("hundredths of one digit") << "latHundredths"
                                                 << "5" << true << false;
        QTest::newRow("lower-case n") << "northSouth"
                                      << "n" << false << false;
        QTest::newRow("blank around S") << "northSouth"
                                        << " S " << false << false;
        QTest::newRow("hemisphere X") << "northSouth"
                                      << "X" << true << false;
        QTest::newRow("hemisphere empty") << "northSouth"
                                          << "" << true << false;
        QTest::newRow("degrees not digits") << "latDegrees"
                                            << "5a" << true << false;
        QTest::newRow("negative minutes") << "latMinutes"
                                          << "-1" << true << false;
        QTest::newRow("latitude beyond the pole") << "latDegrees"
                                                  << "91" << true << false;
        QTest::newRow("sixty minutes") << "lonMinutes"
                                       << "60" << false << true;
        QTest::newRow("longitude two digits") << "lonDegrees"
                                              << "01" << false << true;
        QTest::newRow("longitude 181") << "lonDegrees"
                                       << "181" << false << true;
        QTest::newRow("longitude 180 exactly") << "lonDegrees"
                                               << "180" << false << true;  // 180°02.77'
        QTest::newRow("lower-case e") << "eastWest"
                                      << "e" << false << false;
        QTest::newRow("hemisphere N on longitude") << "eastWest"
                                                   << "N" << false << true;
    }

    void coordinateChecks() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, latWrong);
        QFETCH(bool, lonWrong);
        CoordinateFields f = example();
        const std::map<QString, QString*> fields = {
            {"latDegrees", &f.latDegrees},       {"latMinutes", &f.latMinutes},
            {"latHundredths", &f.latHundredths}, {"northSouth", &f.northSouth},
            {"lonDegrees", &f.lonDegrees},       {"lonMinutes", &f.lonMinutes},
            {"lonHundredths", &f.lonHundredths}, {"eastWest", &f.eastWest}};
        if (!field.isEmpty())
            *fields.at(field) = value;
        QCOMPARE(latitudeWrong(f), latWrong);
        QCOMPARE(longitudeWrong(f), lonWrong);
    }

    void polesAndDatelineAreOnTheGlobe() {
        CoordinateFields f;
        f.latDegrees = QStringLiteral("90");
        f.lonDegrees = QStringLiteral("180");
        QVERIFY(!latitudeWrong(f));
        QVERIFY(!longitudeWrong(f));
        f.latHundredths = QStringLiteral("01");
        QVERIFY(latitudeWrong(f));
    }

    void wrongCoordinatesText_data() {
        QTest::addColumn<bool>("lat");
        QTest::addColumn<bool>("lon");
        QTest::addColumn<QString>("text");
        QTest::newRow("latitude") << true << false
                                  << "The Latitude is not in the correct format.\r\r"
                                     "Do you want to try to enter your coordinates again?";
        QTest::newRow("longitude") << false << true
                                   << "\rThe Longitude is not in the correct format.\r\r"
                                      "Do you want to try to enter your coordinates again?";
        QTest::newRow("both") << true << true
                              << "The Latitude is not in the correct format.\r\r"
                                 "The Longitude is not in the correct format.\r\r"
                                 "Do you want to try to enter your coordinates again?";
    }

    void wrongCoordinatesText() {
        QFETCH(bool, lat);
        QFETCH(bool, lon);
        QFETCH(QString, text);
        QCOMPARE(coordinatesWrongText(lat, lon), text);
    }

    void confirmationText() {
        CoordinateFields f = example();
        f.northSouth = QStringLiteral(" n");
        QCOMPARE(setupConfirmationText(f, QStringLiteral("Home")),
                 QStringLiteral("Your latitude is: 52.58.23N\rYour longitude is: 000.02.77W\r"
                                "Your selected Icon is: Home\r\rIs this correct?"));
        QCOMPARE(positionHeader(f, u'/', u'-'), kHeader);  // the hemisphere is normalised
    }

    void storedValueFillsTheSetup() {
        const auto stored = storedPosition(kHeader + QStringLiteral("comment"));
        QVERIFY(stored);
        const CoordinateFields f = stored->fields;
        const CoordinateFields e = example();
        QCOMPARE(QStringList({f.latDegrees, f.latMinutes, f.latHundredths, f.northSouth}),
                 QStringList({e.latDegrees, e.latMinutes, e.latHundredths, e.northSouth}));
        QCOMPARE(QStringList({f.lonDegrees, f.lonMinutes, f.lonHundredths, f.eastWest}),
                 QStringList({e.lonDegrees, e.lonMinutes, e.lonHundredths, e.eastWest}));
        QCOMPARE(stored->table, QChar(u'/'));
        QCOMPARE(stored->code, QChar(u'-'));
        QCOMPARE(storedPosition(QStringLiteral("=5258.23n/00002.77w-"))->fields.eastWest,
                 QStringLiteral("W"));
        QVERIFY(!storedPosition(kHeader.left(19)));
        QVERIFY(!storedPosition(QString()));
    }

    void iconChoice_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("nothing selected") << QList<int>{} << ""
                                          << "\\S";
        QTest::newRow("satellite") << QList<int>{2} << "Satellite"
                                   << "\\S";
        QTest::newRow("shuttle") << QList<int>{3} << "Shuttle"
                                 << "/S";
        QTest::newRow("repeater") << QList<int>{19} << "Repeater"
                                  << "/m";
        QTest::newRow("home HF") << QList<int>{16} << "Home HF"
                                 << "\\-";
        // Tested in the order 2, 8, 3, 4 ... 16, 18, 17, 19, 12 ... 15: the last one wins.
        QTest::newRow("emergency after satellite") << QList<int>{8, 2} << "Emergency"
                                                   << "\\!";
        QTest::newRow("WX Service after Repeater") << QList<int>{12, 19} << "WX Service"
                                                   << "/W";
        QTest::newRow("Node after HF Gateway") << QList<int>{17, 18} << "Node"
                                               << "/n";
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

    void sendingNeedsHeaderAndSwitch_data() {
        QTest::addColumn<QString>("aprs");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<bool>("available");
        QTest::newRow("set up") << kHeader << -1 << true;
        QTest::newRow("switched off") << kHeader << 0 << false;
        QTest::newRow("19 characters") << kHeader.left(19) << -1 << false;
        QTest::newRow("nothing stored") << QString() << -1 << false;
    }

    void sendingNeedsHeaderAndSwitch() {
        QFETCH(QString, aprs);
        QFETCH(int, enabled);
        QFETCH(bool, available);
        Settings s;
        s.aprs = aprs;
        s.aprsEnabled = enabled;
        QCOMPARE(aprsSendingAvailable(s), available);
    }
};

QTEST_GUILESS_MAIN(TestAprsPosition)
#include "tst_aprsposition.moc"
