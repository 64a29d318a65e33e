// SPDX-License-Identifier: GPL-3.0-or-later
// What goes out unconnected: addresses, texts, APRS messages and positions, the heard list as
// frames, the beacon's time; the six transmit boxes' histories and Enter rules; the history editor.
#include "config/settings.h"
#include "link/agwlink.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"
#include "tx/aprsmessage.h"
#include "tx/aprsposition.h"
#include "tx/beacon.h"
#include "tx/enterrules.h"
#include "tx/histories.h"
#include "tx/historyeditor.h"
#include "tx/messageacks.h"
#include "tx/producttag.h"
#include "tx/uiframe.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

Q_DECLARE_METATYPE(zeno::HistoryBox)
Q_DECLARE_METATYPE(zeno::EnterSend)

namespace {

const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
const QString kAgain = QStringLiteral("Do you want to try to enter your coordinates again?");

void row(const char* name, HistoryBox box, const QStringList& before, const QString& boxText,
         const QStringList& after, const QString& boxAfter) {
    QTest::newRow(name) << box << before << boxText << after << boxAfter;
}

QStringList numbered(const QString& stem, int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << stem + QString::number(i);
    return list;
}

}  // namespace

class TestTxFrames : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // The call field: upper case, a blank between destination and path, a question when both
    // are blank. The TX text: 2 to 80 characters. A long text: pieces of 90.
    void callStringAndTexts() {
        QCOMPARE(zeno::callString("cq", "wide1-1,rs0iss"), "CQ WIDE1-1,RS0ISS");
        QCOMPARE(zeno::callString("CQ", ""), "CQ ");
        QCOMPARE(zeno::callString("", "RS0ISS"), " RS0ISS");
        QVERIFY(!needsCallQuestion(" RS0ISS"));
        QVERIFY(needsCallQuestion(zeno::callString("  ", " ")));
        const QString eighty(80, QLatin1Char('a'));
        QCOMPARE(txTextPayload(""), " ");
        QCOMPARE(txTextPayload("x"), "x ");  // one character gets a blank
        QCOMPARE(txTextPayload("73"), "73");
        QCOMPARE(txTextPayload(eighty + 'b'), eighty);
        const QString text = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ").repeated(4).left(91);
        QCOMPARE(monitorTextPieces(text), QStringList({text.left(90), text.mid(90)}));
        QCOMPARE(monitorTextPieces(text.left(90)), QStringList({text.left(90)}));
        QVERIFY(monitorTextPieces(QString()).isEmpty());
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
        const QStringList twelve = numbered("PB1ABC-", 12);
        row("twelve calls in two frames", twelve, true, tag,
            QStringList{":BLN0QSLs :" + twelve.mid(0, 8).join(',') + ',',
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

    // The example position: its header, the setup's question, the stored value read back, the
    // information field with and without the tag, and when it can be sent.
    void theExample() {
        const AprsIcon home = aprsIcons().at(4 - 2);
        QCOMPARE(home.name, "Home");
        // " n" is normalised in the header and the question.
        const CoordinateFields f{"52", "58", "23", " n", "000", "02", "77", "W"};
        QCOMPARE(positionHeader(f, home.table, home.code), kHeader);
        QCOMPARE(setupConfirmationText(f, home.name),
                 QStringLiteral("Your latitude is: 52.58.23N\rYour longitude is: 000.02.77W\r"
                                "Your selected Icon is: Home\r\rIs this correct?"));
        const auto stored = storedPosition(kHeader + "comment");
        QVERIFY(stored);
        QCOMPARE(positionHeader(stored->fields, stored->table, stored->code), kHeader);
        QCOMPARE(storedPosition("=5258.23n/00002.77w-")->fields.eastWest, "W");
        QVERIFY(!storedPosition(kHeader.left(19)));

        const auto information = [](const QString& comment, int zenoTag) {
            return positionInformation(kHeader + "old comment {ZENO30}", comment,
                                       transmittedProductTag(zenoTag));
        };
        QCOMPARE(information("73' Via Satellite", 0), kHeader + "73' Via Satellite {ZENO30}");
        QCOMPARE(information("  hi  ", -1), kHeader + "hi");
        QCOMPARE(information(QString(), 0), kHeader + " {ZENO30}");
        Settings s;
        s.aprs = kHeader.chopped(1);
        s.aprsEnabled = -1;
        QVERIFY(!aprsSendingAvailable(s));
        s.aprs = kHeader;
        QVERIFY(aprsSendingAvailable(s));
        s.aprsEnabled = 0;
        QVERIFY(!aprsSendingAvailable(s));
    }

    // The eight boxes split at '|'; what is wrong: "lat", "lon" or nothing; and the question.
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
        const QString lat = "The Latitude is not in the correct format.\r\r";
        const QString lon = "The Longitude is not in the correct format.\r\r";
        QCOMPARE(coordinatesWrongText(true, false), lat + kAgain);
        QCOMPARE(coordinatesWrongText(false, true), "\r" + lon + kAgain);
        QCOMPARE(coordinatesWrongText(true, true), lat + lon + kAgain);
    }

    // Tested in the order 2, 8, 3 ... 11, 16, 18, 17, 19, 12 ... 15: the last one wins.
    void iconChoice() {
        QStringList icons;
        for (const QList<int>& selected : {QList<int>{}, {3}, {8, 2}, {12, 19}, {17, 18}}) {
            const AprsIcon chosen = chosenIcon(selected);
            icons << chosen.name + ' ' + chosen.table + chosen.code;
        }
        QCOMPARE(icons,
                 (QStringList{" \\S", "Shuttle /S", "Emergency \\!", "WX Service /W", "Node /n"}));
    }

    void ownNumbersCountAcrossRuns() {
        QTemporaryDir dir;
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
        QCOMPARE(MessageNumberStore(dir.path()).next(), 2);
        QFile file(dir.filePath("msgnumber.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("99999\r\n") && file.flush());
        QCOMPARE(MessageNumberStore(dir.path()).next(), 1);
    }

    // The addressee loses its trailing blanks and fills nine characters; the text stays as typed.
    void outgoingMessage_data() {
        columns<bool, QString, QString, QString>("acking", "addressee", "text", "information");
        row("numbered", true, "N2BBB", "hi", ":N2BBB    :hi{1");
        row("acknowledging off", false, "N2BBB", "hi", ":N2BBB    :hi");
        row("a bulletin", true, "BLN1", "hi", ":BLN1     :hi");
        row("an announcement", true, "NWS-WARN", "hi", ":NWS-WARN :hi");
        row("text with blanks", false, "CQ", "  a@b.c hi  ", ":CQ       :  a@b.c hi  ");
        row("nine characters", false, "PA3XYZ-12", "hi", ":PA3XYZ-12:hi");
        row("trailing blanks go", false, " BLN1   ", "x", ": BLN1    :x");
        row("cut to nine", false, "BLN0QSLSXYZ", "x", ":BLN0QSLSX:x");
    }

    void outgoingMessage() {
        QTemporaryDir dir;
        MessageNumberStore numbers(dir.path());
        const OutgoingMessage message =
            zeno::outgoingMessage(fetched<QString>("addressee"), fetched<QString>("text"),
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

    // Beacon time in poll ticks: 4 a second, at least 10 s, kept while the beacon is off. due:
    // the first two ticks it is due at, counted from the end of the pause.
    void beaconComesDue_data() {
        columns<int, int, QList<int>>("interval", "onBeforeOff", "due");
        row("10 s", 10, 0, QList{41, 82});
        row("60 s", 60, 0, QList{241, 482});
        row("5 s counts as 10", 5, 0, QList{41, 82});
        row("off at 30 then on", 10, 30, QList{11, 52});
    }

    void beaconComesDue() {
        QFETCH(int, interval);
        BeaconCounter counter;
        for (int i = 0; i < fetched<int>("onBeforeOff"); ++i)
            QVERIFY(!counter.tick(true, interval));
        for (int i = 0; i < 500; ++i)
            QVERIFY(!counter.tick(false, interval));  // off: nothing counts
        QList<int> due;
        for (int tick = 1; due.size() < 2 && tick < 1000; ++tick)
            if (counter.tick(true, interval))
                due << tick;
        QTEST(due, "due");
    }

    // "on", "off", both or neither at this time of day.
    void timedBeacon() {
        const auto action = [](const char* start, const char* stop, QTime now) {
            const TimedBeaconAction a = timedBeaconAction(start, stop, now);
            return QString(a.switchOn ? "on" : "") + (a.switchOff ? "off" : "");
        };
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 0)), "on");
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 30)), "off");
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 10)), "");
        QCOMPARE(action("08:05:09", "08:05:09", QTime(8, 5, 9)), "onoff");
        QCOMPARE(action("8:05:09", "", QTime(8, 5, 9)), "");   // no leading zero never matches
        QCOMPARE(action("13:00:00", "", QTime(13, 0)), "on");  // 24 hours
    }

    void addOneEntry_data() {
        columns<HistoryBox, QStringList, QString, QStringList, QString>("box", "before", "boxText",
                                                                        "after", "boxAfter");
        using B = HistoryBox;
        using L = QStringList;
        const QString tx80(80, QLatin1Char('t')), tx81 = tx80 + QLatin1Char('u');
        const L t24 = numbered("t", 24), t25 = numbered("t", 25);
        const L v10 = numbered("V", 10), v11 = numbered("V", 11), m25 = numbered("m", 25);

        // TX text: lower case and trailing blanks do not make it new; the box keeps its text.
        row("TX same but case", B::TxData, {"hello"}, "Hello", {"hello"}, "Hello");
        row("TX same but trailing blanks", B::TxData, {"hello  "}, "hello", {"hello  "}, "hello");
        row("TX leading blank is new, blanks kept", B::TxData, {"hello"}, " hello ",
            {"hello", " hello "}, " hello ");
        row("TX cut to 80", B::TxData, {}, tx81, {tx80}, tx80);
        row("TX empty never added", B::TxData, {"a"}, "", {"a"}, "");
        row("TX 24 takes one more", B::TxData, t24, "new", t24 + L{"new"}, "new");
        row("TX full list keeps out the new one", B::TxData, t25, "new", t25, "new");

        // APRS comment: trimmed, compared in lower case.
        row("comment trimmed", B::AprsData, {}, "  73 all  ", {"73 all"}, "  73 all  ");
        row("comment same but case", B::AprsData, {" 73 ALL"}, "73 all", {" 73 ALL"}, "73 all");

        // To: upper case, oldest gives way at 10.
        row("To upper case", B::To, {"CQ"}, " pa3xyz ", {"CQ", "PA3XYZ"}, "PA3XYZ");
        row("To cut to 10", B::To, {}, "abcdefghijkl", {"ABCDEFGHIJ"}, "ABCDEFGHIJ");
        row("To full drops the oldest", B::To, v10, "NEW", v10.mid(1) + L{"NEW"}, "NEW");
        // A longer list (from the settings file): an equal entry past the first 10 is not seen.
        row("To compares the first 10", B::To, numbered("T", 12), "T11",
            numbered("T", 12).mid(1) + L{"T11"}, "T11");

        // Via: trimmed both sides; the empty first entry stays when the list is full.
        row("Via present", B::Via, {"RS0ISS", ""}, " rs0iss ", {"RS0ISS", ""}, "RS0ISS");
        row("Via empty is present", B::Via, {"RS0ISS"}, "", {"RS0ISS"}, "");
        row("Via full drops the oldest", B::Via, v11, "NEW", v11.mid(1) + L{"NEW"}, "NEW");
        row("Via full keeps an empty first entry", B::Via, L{""} + v10, "NEW",
            L{""} + v10.mid(1) + L{"NEW"}, "NEW");

        // Addressee and message: case kept.
        row("For trimmed and cut to 9", B::MessageFor, {}, " BLN0QSLSXY ", {"BLN0QSLSX"},
            "BLN0QSLSX");
        row("For case kept", B::MessageFor, {"email"}, "EMAIL", {"email", "EMAIL"}, "EMAIL");
        row("message present", B::MessageText, {"Hello"}, " Hello ", {"Hello"}, "Hello");
        row("message full drops the oldest", B::MessageText, m25, "new", m25.mid(1) + L{"new"},
            "new");
    }

    void addOneEntry() {
        QFETCH(QStringList, before);
        QStringList list = before;
        const HistoryUpdate update =
            addToHistory(fetched<HistoryBox>("box"), list, fetched<QString>("boxText"));
        QTEST(list, "after");
        QTEST(update.boxText, "boxAfter");
        if (list != before)
            QVERIFY(update.listChanged);
    }

    void enterRule_data() {
        columns<HistoryBox, int, EnterSend, int, QString>("box", "cutTo", "sends", "next", "tip");
        using B = HistoryBox;
        row("TX text", B::TxData, 80, EnterSend::TxText, -1, "");
        row("To", B::To, 10, EnterSend::Nothing, -1, "");
        row("Via", B::Via, 50, EnterSend::Nothing, -1, "");
        row("APRS comment", B::AprsData, 60, EnterSend::Position, -1, "");
        row("addressee", B::MessageFor, 9, EnterSend::Nothing, int(B::MessageText),
            "Message contents to transmit For:");
        row("message", B::MessageText, 70, EnterSend::Message, -1, "");
    }

    // Each box records into its own history; only the addressee moves the keyboard on.
    void enterRule() {
        QFETCH(HistoryBox, box);
        const EnterRule rule = zeno::enterRule(box);
        QTEST(rule.cutTo, "cutTo");
        QCOMPARE(rule.history, box);
        QTEST(rule.sends, "sends");
        QTEST(rule.next ? int(*rule.next) : -1, "next");
        QTEST(rule.nextTip, "tip");
    }

    void addAndEditLine_data() {
        columns<bool, int, QString, QStringList>("edit", "selected", "answer", "lines");
        const QStringList three{"1", "2", "3"};
        row("add at the end", false, -1, "4", three + QStringList{"4"});
        row("add the selected line", false, 1, "2", three);
        row("add another line again", false, 1, "1", three + QStringList{"1"});
        row("edit moves the line to the end", true, 1, "two", QStringList{"1", "3", "two"});
        row("edit unchanged", true, 1, "2", three);
        row("edit cancelled", true, 1, "", three);
        row("edit with nothing selected adds", true, -1, "4", three + QStringList{"4"});
    }

    void addAndEditLine() {
        QFETCH(QString, answer);
        HistoryEditor editor({"1", "2", "3"});
        editor.select(fetched<int>("selected"));
        fetched<bool>("edit") ? editor.editLine(answer) : editor.addLine(answer);
        QTEST(editor.lines(), "lines");
    }

    // Loading, Remove Line, Remove All and the 31-line limit.
    void editorLines() {
        QCOMPARE(historyEditorMode(2)->box, HistoryBox::MessageText);
        QVERIFY(!historyEditorMode(3));
        const HistoryEditor loaded(QStringList{" one ", "", "   ", "two"} + numbered("x", 30));
        QCOMPARE(loaded.lines().mid(0, 2), (QStringList{"one", "two"}));
        QCOMPARE(loaded.lines().size(), 2 + 21);  // 25 entries looked at, 2 of them blank
        QCOMPARE(loaded.lines().last(), "x20");

        HistoryEditor editor({"1", "2", "3"});
        QVERIFY(!editor.removeLine());  // nothing selected
        editor.select(1);
        QVERIFY(editor.removeLine());
        QCOMPARE(editor.lines(), (QStringList{"1", "3"}));
        QVERIFY(!editor.removeLine());  // the selection went with the line
        editor.select(2);               // beyond the end selects nothing
        QCOMPARE(editor.selected(), -1);
        editor.removeAll();
        QVERIFY(editor.lines().isEmpty());
        for (const QString& line : numbered("line ", 40))
            editor.addLine(line);
        QCOMPARE(editor.lines().size(), 31);
        QCOMPARE(editor.lines().last(), "line 30");
        // Editing a selected line keeps the count; with nothing selected there is no room.
        editor.select(0);
        QVERIFY(editor.editLine("edited") && !editor.editLine("one more"));
        QCOMPARE(editor.lines().size(), 31);
    }
};

QTEST_GUILESS_MAIN(TestTxFrames)
#include "tst_txframes.moc"
