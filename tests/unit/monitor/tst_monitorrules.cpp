// SPDX-License-Identifier: GPL-3.0-or-later
// The monitor's rules: a frame split and added, APRS message lines, the alarm, the heard list,
// the filter, own frames heard back; find, save, print and the station report.
#include "config/settings.h"
#include "files/filedialogs.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfiles.h"
#include "monitor/monitorfilter.h"
#include "monitor/monitorfind.h"
#include "monitor/monitorrules.h"
#include "monitor/ownframes.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QString header(const QString& call) {
    return QStringLiteral("Fm %1 To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]").arg(call);
}

const QString kFilterTitle = QStringLiteral("Filter Callsign/String");
const QString kIssHeader = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
const QString kDirectHeader = QStringLiteral("Fm N3DEF To BEACON <UI pid=F0 Len=13 >");

const QString kNul(QChar(0));
const QString kWhole = QStringLiteral("Fm N0CALL To CQ <UI>\r\nHello\r\n");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Dialogs whose script must be used up when the test ends.
struct Scripted {
    ScriptedDialogs dialogs;
    ~Scripted() {
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
    }
};

// The save dialog answered with a fresh file, after Yes or No to the selection question if any.
struct Saving : Scripted {
    QTemporaryDir dir;
    FileDialogState files;
    QString path = dir.filePath(QStringLiteral("saved.txt"));
    Saving(const QString& ask, const QString& answer) {
        if (!answer.isEmpty())
            dialogs.expectMessage("Save", answer == "Yes" ? MsgAnswer::Yes : MsgAnswer::No, ask);
        dialogs.expectSaveFile(path);
    }
};

}  // namespace

class MonitorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void split_data() {
        // length: the frame's dataLength, -1 for all of the data
        columns<QString, int, QString, QString, QString>("data", "length", "header", "firstLine",
                                                         "body");
        row("UI frame", " 1:Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >\rHello\r\r" + kNul, -1,
            "Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >", "", "Hello\r\n\r\n" + kNul);
        row("header without body", " 1:Fm A To B <RR R1 >\r" + kNul, -1, "Fm A To B <RR R1 >", "",
            kNul);
        // Only ":Fm " at characters 3 to 6 makes a monitor header.
        row(":Fm one character late", "  1:Fm A To B\rx", -1, "", "  1:Fm A To B", "\r\nx");
        row("lower-case fm", " 1:fm A To B\rx", -1, "", " 1:fm A To B", "\r\nx");
        row("connected data", "hello from A\rsecond\r", -1, "", "hello from A", "\r\nsecond\r\n");
        // No CR: the first line is all of it, and the body takes the whole data once more.
        row("start-up text, no CR", "AGWPE engine" + kNul, -1, "", "AGWPE engine",
            "\r\nAGWPE engine" + kNul);
        // Codes 0 to 12 vanish from the first line before the header test; later lines keep them.
        row("codes below 13 in the first line", "\n 1:Fm N\7B\1D To C\13Q\14\11\nX\rb\7\1\n", -1,
            "Fm NBD To CQX", "", "b\7\1\n");
        row("codes 14 to 31 stay", " 1:Fm A\x0e\x1b\rx", -1, "Fm A\x0e\x1b", "", "x");
        row("CRs in the body get LFs, a lone LF stays", " 1:Fm A\r\rline\r\n\ra\nb", -1, "Fm A", "",
            "\r\nline\r\n\n\r\na\nb");
        row("only dataLength counts", " 1:Fm A\rHello\rnot part of it", 14, "Fm A", "",
            "Hello\r\n");
        row("dataLength past the data", " 1:Fm A\rx", 5000, "Fm A", "", "x");
        row("negative dataLength", " 1:Fm A\rx", -3, "", "", "\r\n");
    }

    void split() {
        QFETCH(QString, data);
        QFETCH(int, length);
        const SplitFrame s = splitFrame(data, length == -1 ? int(data.size()) : length);
        QTEST(s.HeaderLine, "header");
        QTEST(s.firstLine, "firstLine");
        QTEST(s.BodyText, "body");
    }

    void addition_data() {
        // last: the monitor's last character before
        columns<QString, bool, QChar, QString>("data", "headersOff", "last", "expected");
        const QString ui = " 1:Fm N0CALL To CQ <UI Len=5 >\rHello\r\r" + kNul;
        const QString rr = " 1:Fm A To B <RR R1 >\r" + kNul;
        const QChar lf(u'\n');
        // The engine's text already ends its lines: header, information, one blank line.
        row("UI frame", ui, false, lf, "Fm N0CALL To CQ <UI Len=5 >\r\nHello\r\n\r\n");
        row("View Data: body only", ui, true, lf, "Hello\r\n\r\n");
        row("empty body, header shown: one line", rr, false, lf, "Fm A To B <RR R1 >\r\n");
        row("empty body, header hidden: nothing", rr, true, lf, "");
        // The monitor must not go on inside its last line.
        row("nothing shown, monitor ends inside a line", rr, true, QChar(u'x'), "\r\n");
        row("start-up text", "AGWPE engine" + kNul, false, QChar(), "\r\nAGWPE engine\r\n");
        // Without a NUL the body gets a line end of its own.
        row("connected data: body text only", "hello from A\rsecond line\r", false, lf,
            "\r\nsecond line\r\n\r\n");
        // A NUL inside the body (an engine that does not cut at it) loses nothing after it.
        row("NUL inside the body", " 1:Fm A\rbad" + kNul + "call\r" + kNul, false, lf,
            "Fm A\r\nbadcall\r\n");
    }

    void addition() {
        QFETCH(QString, data);
        const SplitFrame s = splitFrame(data, int(data.size()));
        QTEST(monitorAddition(s.HeaderLine, s.BodyText, fetched<bool>("headersOff"),
                              fetched<QChar>("last")),
              "expected");
    }

    void aprsMessageLine() {
        QVERIFY(isAprsMessageLine(":PA3XYZ   :Good morning{01\r\n"));
        QVERIFY(isAprsMessageLine(":123456789:"));
        QVERIFY(!isAprsMessageLine(":123456789"));
        QVERIFY(!isAprsMessageLine(":PA3XYZ  :Hi"));      // second colon one early
        QVERIFY(!isAprsMessageLine("\r\n:PA3XYZ   :x"));  // a connected-mode body
    }

    // Mode 1 looks for the header text in the header, mode 2 for the data text in the body.
    void alarm() {
        const auto due = [](int mode, const QString& text, const QString& header,
                            const QString& body) {
            Settings settings;
            settings.alarmMode = mode;
            // The other mode's text stays empty, which any non-empty line holds.
            (mode == 1 ? settings.alarmHeaderText : settings.alarmDataText) = text;
            return alarmDue(settings, header, body);
        };
        QVERIFY(due(1, "RS0ISS*", kIssHeader, "Hello"));
        QVERIFY(due(1, "rs0iss*", "Fm n0call To cq Via Rs0Iss*", ""));  // case ignored
        QVERIFY(!due(1, "RS0ISS*", "Fm A To CQ Via RS0ISS", "RS0ISS*"));
        QVERIFY(due(2, "Hello", kIssHeader, "Hello\r\n"));
        QVERIFY(!due(2, "Hello", kIssHeader, "HELLO\r\n"));  // case counts
        QVERIFY(due(1, "", kIssHeader, ""));                 // an empty text: any line
        QVERIFY(!due(1, "", "", "x"));                       // but not an empty one
        QVERIFY(!due(2, "", kIssHeader, ""));
        QVERIFY(!due(0, "RS0ISS*", kIssHeader, "RS0ISS*"));
        QVERIFY(!alarmDue(Settings(), "Fm A", "x"));  // a first run has no alarm line at all
    }

    void firstHeardOrderWithoutDuplicates() {
        HeardList list;
        QStringList added;
        for (const QString& line :
             {header("PA3XYZ"), header("N0CALL"), header("PA3XYZ"), header("N0CALL-7"),
              header("n0call"), QString("fM N0CALL To CQ"),
              // No blank within the 10 characters taken: those 10 characters are the call.
              header("ABCDEFGHIJKLMNOP"), QString("Fm AB"),
              // Not a sender: connected data, nothing after "Fm".
              QString(), QString("Fm  To CQ"), QString("Fm")}) {
            if (const auto call = list.update(line))
                added << *call;
        }
        // Letter case and SSID make a different station.
        const QStringList expected{"PA3XYZ", "N0CALL", "N0CALL-7", "n0call", "ABCDEFGHIJ", "AB"};
        QCOMPARE(added, expected);
        QCOMPARE(list.entries(), expected);
        QCOMPARE(list.HeardCount(), 6);
    }

    void callsBeyond350() {
        const auto nthCall = [](int n) { return QString("N%1AB").arg(n, 4, 10, QChar('0')); };
        HeardList list;
        for (int n = 0; n < 350; ++n)
            QVERIFY(list.update(header(nthCall(n))));
        QVERIFY(!list.update(header(nthCall(349))));
        // The 351st call takes slot 350; the count stays and the list grows.
        QVERIFY(list.update(header("LATE1")));
        QCOMPARE(list.HeardCount(), 350);
        QVERIFY(!list.update(header("LATE1")));
        // The next new call overwrites its slot; it is still known as heard.
        QVERIFY(list.update(header("LATE2")));
        QCOMPARE(list.HeardCalls(350), "LATE2");
        QVERIFY(!list.update(header("LATE1")));
        QVERIFY(!list.update(header(nthCall(200))));
        QCOMPARE(list.entries().mid(349), (QStringList{nthCall(349), "LATE1", "LATE2"}));
    }

    void copySaveAndClear() {
        HeardList list;
        Scripted s;
        FakePlatform platform;
        platform.clipboard = "keep me";
        s.dialogs
            .expectMessage("Empty MHeard List", MsgAnswer::Ok, "No heard list to copy to clipboard")
            .expectMessage("Clear Heard List", MsgAnswer::Ok,
                           "No stations heard. Nothing to clear");
        QVERIFY(!copyHeardList(list, s.dialogs, platform) && platform.clipboard == "keep me");
        QVERIFY(!clearHeardList(list, s.dialogs));
        QCOMPARE(list.saveText(), "\r\n");
        list.update(header("QZ9ZZZ"));
        list.update(header("N0CALL-7"));
        QVERIFY(copyHeardList(list, s.dialogs, platform));
        QCOMPARE(platform.clipboard, "QZ9ZZZ,N0CALL-7,");
        QCOMPARE(list.saveText(), "QZ9ZZZ\r\nN0CALL-7\r\n\r\n");
        const QString question = "Do you want to erase the Heard Stations List?";
        s.dialogs.expectMessage("Clear MHeard List", MsgAnswer::No, question)
            .expectMessage("Clear MHeard List", MsgAnswer::Yes, question);
        QVERIFY(!clearHeardList(list, s.dialogs) && list.entries().size() == 2);
        QVERIFY(clearHeardList(list, s.dialogs) && list.entries().isEmpty());
        QCOMPARE(list.HeardCount(), 0);
        QVERIFY(list.update(header("QZ9ZZZ")));  // forgotten calls are new again
        QCOMPARE(s.dialogs.shown.at(0).icon, MsgIcon::Exclamation);
        QCOMPARE(s.dialogs.shown.at(1).icon, MsgIcon::Information);
        QCOMPARE(s.dialogs.shown.at(2).buttons, MsgButtons::YesNo);
    }

    // Each item chosen while a typed filter "QZ9ZZZ" is on; box: the To and Via boxes or the
    // typed answer; label: caption/background; shown: do the ISS, direct, data headers pass.
    void filterMenu_data() {
        columns<int, QString, QString, QString, QString>("item", "box", "filterText", "label",
                                                         "shown");
        const QString keep = QStringLiteral("QZ9ZZZ");  // a choice that is not made
        row("No Filters", 0, "", "", "No Filter/7", "111");
        row("Call (To)", 1, "  cq ", "CQ", "CQ/10", "100");
        row("Call (To) not in the header", 1, "n1aaa", "N1AAA", "N1AAA/10", "000");
        row("Call (To) from a blank box", 1, "   ", keep, keep + "/10", "000");
        row("Digipeater Call (Via)", 2, "rs0iss", "RS0ISS", "RS0ISS/10", "100");
        row("Only Digipeated Packets", 3, "", "*", "Digipeated/10", "100");
        row("the separator", 4, "", keep, keep + "/10", "000");
        // Typed text is upper-cased: it finds calls, never the engine's mixed-case words.
        row("typed part of a call", 5, "3de", "3DE", "3DE/10", "010");
        row("typed word of the header", 5, "To", "TO", "TO/10", "000");
        row("typed and trimmed", 5, "  rs0iss* ", "RS0ISS*", "RS0ISS*/10", "100");
        row("typed 40 characters", 5, QString(40, 'a'), QString(40, 'A'), QString(40, 'A') + "/10",
            "000");
        row("typed 41 characters: refused", 5, QString(41, 'a'), keep, keep + "/10", "000");
        row("Cancel", 5, "", keep, keep + "/10", "000");
        row("typed blanks only", 5, "    ", keep, keep + "/10", "000");
    }

    void filterMenu() {
        QFETCH(int, item);
        QFETCH(QString, box);
        QFETCH(QString, filterText);
        Scripted s;
        MonitorFilter filter;
        s.dialogs.expectInput(kFilterTitle, QStringLiteral("qz9zzz"));
        QVERIFY(menufiltersChoice(filter, MonitorFilter::EnteredText, {}, {}, s.dialogs));
        const bool refused = box.size() > 40;
        if (item == MonitorFilter::EnteredText)
            s.dialogs.expectInput(kFilterTitle, box);
        if (refused)
            s.dialogs.expectMessage("Filter", MsgAnswer::Ok,
                                    "Search string to long. Maximum 40 characters");
        const bool changed = filterText != QLatin1String("QZ9ZZZ");
        QCOMPARE(menufiltersChoice(filter, item, box, box, s.dialogs), changed);
        QCOMPARE(int(filter.checkedItem()), changed ? item : int(MonitorFilter::EnteredText));
        QCOMPARE(filter.text(), filterText);
        QTEST(filter.caption() + '/' + QString::number(filter.backgroundIndex()), "label");
        QString shown;
        for (const QString& header : {kIssHeader, kDirectHeader, QString()})
            shown += filter.passes(header) ? '1' : '0';
        QTEST(shown, "shown");
        if (item == MonitorFilter::EnteredText)  // proposed from the filter before
            QCOMPARE(s.dialogs.shown.at(1).defaultText, QStringLiteral("QZ9ZZZ"));
        if (refused)
            QCOMPARE(s.dialogs.shown.last().icon, MsgIcon::Exclamation);
    }

    void repeatedBy_data() {
        columns<int, QString, QString, QString>("kind", "from", "via", "repeatedBy");
        row("satellite", int('U'), "N1AAA-7", "RS0ISS*", "RS0ISS");
        row("last marked station", int('U'), "N1AAA", "N2BBB*,N3CCC*,WIDE2-1", "N3CCC");
        row("alias used up after the station", int('U'), "N1AAA", "N2BBB*,WIDE1*", "N2BBB");
        row("only an alias", int('U'), "N1AAA", "WIDE1*", "WIDE1");
        row("not repeated", int('U'), "N1AAA", "RS0ISS", "");
        row("another station", int('U'), "N1AAAB", "RS0ISS*", "");
        row("what the engine sends", int('T'), "N1AAA", "RS0ISS*", "");
    }

    void repeatedBy() {
        const QString header = "Fm " + fetched<QString>("from") + " To CQ Via " +
                               fetched<QString>("via") + " <UI pid=F0 Len=2 >[12:03:44]";
        const auto frame = repeatedOwnFrame(fetched<int>("kind"), header, "hi", "n1aaa");
        QTEST(frame ? frame->digipeater : QString(), "repeatedBy");
    }

    void countedOncePerFrameAndDay() {
        const QDateTime noon(QDate(2024, 5, 1), QTime(12, 3, 44));
        RepeatCount count;
        const RepeatedFrame a{"RS0ISS", "N1AAA>CQ:a"};
        QVERIFY(count.take(a, noon));
        QVERIFY(!count.take({"N2BBB", a.key}, noon.addSecs(30)));  // second digipeater
        QVERIFY(count.take({"RS0ISS", "N1AAA>CQ:b"}, noon.addSecs(40)));
        QVERIFY(count.take(a, noon.addSecs(61)));  // sent again
        QCOMPARE(count.count(noon.date()), 3);
        QCOMPARE(count.count(noon.date().addDays(1)), 0);
        QCOMPARE(repeatedNotice("RS0ISS", noon), QStringLiteral("Repeated by RS0ISS at 12:03:44"));
    }

    // Letter case ignored; after the last match Find Next shows the first again; a miss ends it.
    void findAndFindNext() {
        MonitorFind find;
        const auto shown = [](const MonitorFind::Match& m) {
            return QStringLiteral("%1+%2").arg(m.found ? m.start : -1).arg(m.length);
        };
        const QString text = QStringLiteral("CQ x cq");
        QCOMPARE(shown(find.find(QStringLiteral("Cq"), text)), "0+2");
        QCOMPARE(shown(find.findNext(text)), "5+2");
        QCOMPARE(shown(find.findNext(text)), "0+2");
        QVERIFY(find.canFindNext());
        QCOMPARE(shown(find.find(QStringLiteral("QRZ"), text)), "-1+0");
        QVERIFY(!find.canFindNext());
    }

    // answer: to "Do you want to save the selected text only?", empty when not asked
    void saveMonitor_data() {
        columns<QString, QString, QString>("selection", "answer", "written");
        row("ten selected: not asked", QString("0123456789"), QString(), kWhole);
        row("eleven selected, Yes", QString("0123456789A"), QString("Yes"), QString("0123456789A"));
        row("eleven selected, No", QString("0123456789A"), QString("No"), kWhole);
    }
    void saveMonitor() {
        Saving s(QStringLiteral("Do you want to save the selected text only?"),
                 fetched<QString>("answer"));
        QVERIFY(saveMonitorText(s.files, s.dialogs, {kWhole, fetched<QString>("selection")}));
        QCOMPARE(s.dialogs.shown.last().defaultText, QStringLiteral("ZENO001.txt"));
        QCOMPARE(readAll(s.path), fetched<QString>("written").toLatin1());
    }

    void reportFile_data() {
        columns<QString, int, QStringList, QString>("golden", "swlMode", "heard", "selection");
        row("station, nothing selected", QString("report-station.txt"), 0,
            QStringList{"N0CALL", " PA3ABC-9 "}, QString());
        row("listener, the selection only", QString("report-listener.txt"), 1, QStringList{},
            QString("selected part"));
    }
    void reportFile() {
        QFETCH(QString, selection);
        Saving s(QStringLiteral("Do you want to save the selected text in this report only?"),
                 selection.isEmpty() ? QString() : QStringLiteral("Yes"));
        Settings settings;
        settings.callsign = QStringLiteral("PA3XYZ");
        settings.swlMode = fetched<int>("swlMode");
        QVERIFY(saveStationReport(s.files, s.dialogs, {kWhole, selection}, settings,
                                  fetched<QStringList>("heard"),
                                  QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9))));
        QCOMPARE(s.dialogs.shown.last().defaultText, QStringLiteral("ZENOReport.txt"));
        QCOMPARE(readAll(s.path),
                 readAll(QFINDTESTDATA("../../data/report/" + fetched<QString>("golden"))));
    }

    // printed: empty when nothing is
    void printText_data() {
        columns<QString, bool, QString, QString>("selection", "yes", "question", "printed");
        const QString selected = QStringLiteral("Do you want to print the selected tekst?");
        row("nothing selected", QString(), true,
            QString("Do you want to print the entire monitor window?"), kWhole);
        row("a selection", QString("sel"), true, selected, QString("sel"));
        row("No", QString("sel"), false, selected, QString());
    }
    void printText() {
        Scripted s;
        const MsgAnswer answer = fetched<bool>("yes") ? MsgAnswer::Yes : MsgAnswer::No;
        s.dialogs.expectMessage("Print", answer, fetched<QString>("question"));
        const auto printed = monitorPrintText(s.dialogs, {kWhole, fetched<QString>("selection")});
        QTEST(printed.value_or(QString()), "printed");
    }
};

QTEST_GUILESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
