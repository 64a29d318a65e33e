// The address and text rules every unconnected frame follows, the listener's silence, APRS
// message fields and numbers, the heard list as frames, and the APRS position: header,
// information field, the setup's checks and texts, the icons.
#include "config/settings.h"
#include "link/agwlink.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"
#include "tx/aprsmessage.h"
#include "tx/aprsposition.h"
#include "tx/messageacks.h"
#include "tx/producttag.h"
#include "tx/uiframe.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

CoordinateFields example() { return {"52", "58", "23", "N", "000", "02", "77", "W"}; }

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
const QString kAgain = QStringLiteral("Do you want to try to enter your coordinates again?");

}  // namespace

class TestTxFrames : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // The call field: upper case, a blank between destination and path, a question when both
    // are blank.
    void callString() {
        QCOMPARE(zeno::callString("cq", "wide1-1,rs0iss"), "CQ WIDE1-1,RS0ISS");
        QCOMPARE(zeno::callString("CQ", ""), "CQ ");
        QCOMPARE(zeno::callString("", "RS0ISS"), " RS0ISS");
        QVERIFY(!needsCallQuestion(" RS0ISS"));
        QVERIFY(needsCallQuestion(zeno::callString("  ", " ")));
    }

    void txText() {
        const QString eighty(80, QLatin1Char('a'));
        QCOMPARE(txTextPayload(""), " ");
        QCOMPARE(txTextPayload("x"), "x ");  // one character gets a blank
        QCOMPARE(txTextPayload("73"), "73");
        QCOMPARE(txTextPayload(eighty + 'b'), eighty);
    }

    void piecesOfNinety() {
        QString text;
        for (int i = 0; i < 91; ++i)
            text += QChar(u'A' + i % 26);
        QCOMPARE(monitorTextPieces(text), QStringList({text.left(90), text.mid(90)}));
        QCOMPARE(monitorTextPieces(text.left(90)), QStringList({text.left(90)}));
        QVERIFY(monitorTextPieces(QString()).isEmpty());
    }

    void addresseeIsNineWide() {
        QCOMPARE(messageInformation("CQ", "  a@b.c hi  "), ":CQ       :  a@b.c hi  ");
        QCOMPARE(messageInformation("PA3XYZ-12", "hi"), ":PA3XYZ-12:hi");
        QCOMPARE(messageInformation(" BLN1   ", "x"), ": BLN1    :x");  // trailing blanks go
        QCOMPARE(messageInformation("BLN0QSLSXYZ", "x"), ":BLN0QSLSX:x");
    }

    void heardListGroups_data() {
        columns<QStringList, bool, QString, QStringList>("entries", "bulletin", "tag", "texts");
        const QString tag = QStringLiteral("{ZENO30}");
        row("example", QStringList{"N0CALL", "PA3XYZ", " N0CALL-7 "}, false, tag,
            QStringList{"Heard:N0CALL,N0CALL-7,{ZENO30}"});
        row("own call only", QStringList{"PA3XYZ"}, true, tag, QStringList{});
        row("bulletin with the tag off ends in a comma", QStringList{"N0CALL"}, true, QString(),
            QStringList{":BLN0QSLs :N0CALL,"});

        // Eight characters and a comma each: the 8th call brings the group to 72.
        QStringList twelve;
        for (int i = 0; i < 12; ++i)
            twelve << QStringLiteral("PB%1ABC-%2").arg(i % 10).arg(1 + i / 10);
        const QStringList firstEight = twelve.mid(0, 8);
        row("twelve calls in two frames", twelve, true, tag,
            QStringList{":BLN0QSLs :" + firstEight.join(',') + ',',
                        ":BLN0QSLs :" + twelve.mid(8).join(',') + ",{ZENO30}"});

        const QStringList four(4, QStringLiteral("AAAAAAAAAA-1"));  // 13 with the comma
        const QString first = "Heard:" + four.join(',');
        row("65 closes the group", four + QStringList{"BBBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBBB-1,", "Heard:C,"});
        row("64 does not", four + QStringList{"BBBBBBBBB-1", "C"}, false, QString(),
            QStringList{first + ",BBBBBBBBB-1,C,"});
    }

    void heardListGroups() {
        QTEST(heardListTexts(fetched<QStringList>("entries"), QStringLiteral(" PA3XYZ "),
                             fetched<bool>("bulletin"), fetched<QString>("tag")),
              "texts");
    }

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

    void informationField() {
        const QString stored = kHeader + QStringLiteral("old comment {ZENO30}");
        const auto information = [&](const QString& comment, int zenoTag) {
            return positionInformation(stored, comment, transmittedProductTag(zenoTag));
        };
        QCOMPARE(information(QStringLiteral("73' Via Satellite"), 0),
                 kHeader + "73' Via Satellite {ZENO30}");
        QCOMPARE(information(QStringLiteral("  hi  "), -1), kHeader + "hi");
        QCOMPARE(information(QString(), 0), kHeader + " {ZENO30}");
    }

    // The eight boxes split at '|'; what is wrong: "lat", "lon" or nothing.
    void coordinateChecks() {
        const auto wrong = [](const QString& boxes) {
            const QStringList b = boxes.split(QLatin1Char('|'));
            const CoordinateFields f{b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]};
            return QString(latitudeWrong(f) ? "lat" : "") + (longitudeWrong(f) ? "lon" : "");
        };
        QCOMPARE(wrong("52|58|23|N|000|02|77|W"), "");
        QCOMPARE(wrong("52|58|23| s |000|02|77|e "), "");  // blank lower-case hemispheres
        QCOMPARE(wrong("52|58|5|N|000|02|77|W"), "lat");   // hundredths of one digit
        QCOMPARE(wrong("52|58|23|X|000|02|77|W"), "lat");
        QCOMPARE(wrong("5a|58|23|N|000|02|77|W"), "lat");
        QCOMPARE(wrong("90|00|00|S|180|00|00|E"), "");  // the pole and the date line
        QCOMPARE(wrong("90|00|01|N|180|00|00|E"), "lat");
        QCOMPARE(wrong("00|00|00|N|180|00|01|E"), "lon");
        QCOMPARE(wrong("52|58|23|N|000|60|77|W"), "lon");  // sixty minutes
        QCOMPARE(wrong("52|58|23|N|000|02|77|N"), "lon");
    }

    void wrongCoordinatesText() {
        const QString lat = QStringLiteral("The Latitude is not in the correct format.\r\r");
        const QString lon = QStringLiteral("The Longitude is not in the correct format.\r\r");
        QCOMPARE(coordinatesWrongText(true, false), lat + kAgain);
        QCOMPARE(coordinatesWrongText(false, true), "\r" + lon + kAgain);
        QCOMPARE(coordinatesWrongText(true, true), lat + lon + kAgain);
    }

    // Tested in the order 2, 8, 3 ... 11, 16, 18, 17, 19, 12 ... 15: the last one wins.
    void iconChoice() {
        const auto icon = [](const QList<int>& selected) {
            const AprsIcon chosen = chosenIcon(selected);
            return chosen.name + ' ' + chosen.table + chosen.code;
        };
        QCOMPARE(icon({}), " \\S");
        QCOMPARE(icon({3}), "Shuttle /S");
        QCOMPARE(icon({8, 2}), "Emergency \\!");
        QCOMPARE(icon({12, 19}), "WX Service /W");
        QCOMPARE(icon({17, 18}), "Node /n");
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

    void ownNumbersCountAcrossRuns() {
        QTemporaryDir dir;
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
        QCOMPARE(MessageNumberStore(dir.path()).next(), 2);
        QFile file(dir.filePath("msgnumber.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("99999\r\n") && file.flush());
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
    }

    void outgoingMessage_data() {
        columns<bool, QString, QString>("acking", "addressee", "information");
        row("numbered", true, "N2BBB", ":N2BBB    :hi{1");
        row("acknowledging off", false, "N2BBB", ":N2BBB    :hi");
        row("a bulletin", true, "BLN1", ":BLN1     :hi");
        row("an announcement", true, "NWS-WARN", ":NWS-WARN :hi");
    }

    void outgoingMessage() {
        QTemporaryDir dir;
        MessageNumberStore numbers(dir.path());
        const OutgoingMessage message = zeno::outgoingMessage(fetched<QString>("addressee"), "hi",
                                                              fetched<bool>("acking"), numbers);
        QTEST(message.information, "information");
        // A plain message uses up no number.
        QCOMPARE(message.number, QFile::exists(dir.filePath("msgnumber.txt")) ? 1 : 0);
    }

    void listenerNeverTransmits() {
        LinkValues values;
        FakePlatform platform;
        AgwLink link(values, platform, EngineAddress());
        QSignalSpy sent(&link, &AgwLink::sendRequested);
        UiSender sender(link);
        QVERIFY(sender.send("CQ RS0ISS", "one"));
        sender.enterListenerMode();
        QVERIFY(!sender.send("CQ RS0ISS", "two") && sender.isListening());
        QCOMPARE(sent, (QList<QVariantList>{{QChar('V'), "CQ RS0ISS", "one"}}));
    }
};

QTEST_GUILESS_MAIN(TestTxFrames)
#include "tst_txframes.moc"
