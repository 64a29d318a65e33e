// The monitor's rules: a fetched frame split into header line, first line and body, what it
// adds to the monitor, APRS message lines, the alarm, the heard stations list (the 350
// remembered calls, copy, save and clear), the filter with its menu and own frames heard
// back.
#include "config/settings.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/monitorrules.h"
#include "monitor/ownframes.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

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

struct Menu {
    MonitorFilter filter;
    ScriptedDialogs dialogs;
    QString to = QStringLiteral("CQ");
    QString via = QStringLiteral("RS0ISS");

    bool choose(int index) { return menufiltersChoice(filter, index, to, via, dialogs); }
    ~Menu() { QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n'))); }
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
        const QString nul(QChar(0));
        row("UI frame", " 1:Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >\rHello\r\r" + nul, -1,
            "Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >", "", "Hello\r\n\r\n" + nul);
        row("header without body", " 1:Fm A To B <RR R1 >\r" + nul, -1, "Fm A To B <RR R1 >", "",
            nul);
        // Only ":Fm " at characters 3 to 6 makes a monitor header.
        row(":Fm one character late", "  1:Fm A To B\rx", -1, "", "  1:Fm A To B", "\r\nx");
        row("lower-case fm", " 1:fm A To B\rx", -1, "", " 1:fm A To B", "\r\nx");
        row("connected data", "hello from A\rsecond\r", -1, "", "hello from A", "\r\nsecond\r\n");
        // No CR: the first line is all of it, and the body takes the whole data once more.
        row("start-up text, no CR", "AGWPE engine" + nul, -1, "", "AGWPE engine",
            "\r\nAGWPE engine" + nul);
        // Codes 0 to 12 vanish from the first line before the header test; later lines keep them.
        row("codes below 13 in the first line",
            QStringLiteral("\x0a 1:Fm N\x07"
                           "B\x01"
                           "D To C\x0bQ\x0c\x09\nX\rb\x07\x01\n"),
            -1, "Fm NBD To CQX", "", QStringLiteral("b\x07\x01\n"));
        row("codes 14 to 31 stay", QStringLiteral(" 1:Fm A\x0e\x1b\rx"), -1,
            QStringLiteral("Fm A\x0e\x1b"), "", "x");
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
        const QString nul(QChar(0));
        const QString ui = " 1:Fm N0CALL To CQ <UI Len=5 >\rHello\r\r" + nul;
        const QString rr = " 1:Fm A To B <RR R1 >\r" + nul;
        const QChar lf(u'\n');
        // The engine's text already ends its lines: header, information, one blank line.
        row("UI frame", ui, false, lf, "Fm N0CALL To CQ <UI Len=5 >\r\nHello\r\n\r\n");
        row("View Data: body only", ui, true, lf, "Hello\r\n\r\n");
        row("empty body, header shown: one line", rr, false, lf, "Fm A To B <RR R1 >\r\n");
        row("empty body, header hidden: nothing", rr, true, lf, "");
        // The monitor must not go on inside its last line.
        row("nothing shown, monitor ends inside a line", rr, true, QChar(u'x'), "\r\n");
        row("start-up text", "AGWPE engine" + nul, false, QChar(), "\r\nAGWPE engine\r\n");
        // Without a NUL the body gets a line end of its own.
        row("connected data: body text only", "hello from A\rsecond line\r", false, lf,
            "\r\nsecond line\r\n\r\n");
        // A NUL inside the body (an engine that does not cut at it) loses nothing after it.
        row("NUL inside the body", " 1:Fm A\rbad" + nul + "call\r" + nul, false, lf,
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
        const QString iss = QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >");
        QVERIFY(due(1, "RS0ISS*", iss, "Hello"));
        QVERIFY(due(1, "rs0iss*", "Fm n0call To cq Via Rs0Iss*", ""));  // case ignored
        QVERIFY(!due(1, "RS0ISS*", "Fm A To CQ Via RS0ISS", "RS0ISS*"));
        QVERIFY(due(2, "Hello", iss, "Hello\r\n"));
        QVERIFY(!due(2, "Hello", iss, "HELLO\r\n"));  // case counts
        QVERIFY(due(1, "", iss, ""));                 // an empty text: any line
        QVERIFY(!due(1, "", "", "x"));                // but not an empty one
        QVERIFY(!due(2, "", iss, ""));
        QVERIFY(!due(0, "RS0ISS*", iss, "RS0ISS*"));
    }

    void alarmPlaysTheApplicationsFile() {
        Settings unset;  // a first run has no alarm line at all
        QVERIFY(!alarmDue(unset, QStringLiteral("Fm A"), QStringLiteral("x")));
        FakePlatform platform;
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));
        PlayAlarm(platform, QStringLiteral("/opt/zeno"));  // again while playing: starts again
        QCOMPARE(platform.played,
                 QStringList(2, appFile(QStringLiteral("/opt/zeno"), "alarm.wav")));
    }

    void firstHeardOrderWithoutDuplicates() {
        HeardList list;
        QStringList added;
        for (const QString& line :
             {header("PA3XYZ"), header("N0CALL"), header("PA3XYZ"), header("N0CALL-7"),
              header("n0call"), QStringLiteral("fM N0CALL To CQ"),
              // No blank within the 10 characters taken: those 10 characters are the call.
              header("ABCDEFGHIJKLMNOP"), QStringLiteral("Fm AB"),
              // Not a sender: connected data, nothing after "Fm".
              QString(), QStringLiteral("Fm  To CQ"), QStringLiteral("Fm")}) {
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
        const auto nthCall = [](int n) {
            return QStringLiteral("N%1AB").arg(n, 4, 10, QChar('0'));
        };
        HeardList list;
        for (int n = 0; n < 350; ++n)
            QVERIFY(list.update(header(nthCall(n))));
        QVERIFY(!list.update(header(nthCall(349))));
        // The 351st call takes slot 350; the count stays and the list grows.
        QVERIFY(list.update(header("LATE1")));
        QCOMPARE(list.HeardCount(), 350);
        QVERIFY(!list.update(header("LATE1")));
        // The next new call overwrites it, so the one before is forgotten and listed again.
        QVERIFY(list.update(header("LATE2")));
        QVERIFY(list.update(header("LATE1")));
        QVERIFY(!list.update(header(nthCall(200))));  // the first 350 are still remembered
        QCOMPARE(list.entries().mid(349), (QStringList{nthCall(349), "LATE1", "LATE2", "LATE1"}));
    }

    void copySaveAndClear() {
        HeardList list;
        ScriptedDialogs dialogs;
        FakePlatform platform;
        platform.clipboard = QStringLiteral("keep me");
        dialogs.expectMessage(QStringLiteral("Empty MHeard List"), MsgAnswer::Ok,
                              QStringLiteral("No heard list to copy to clipboard"));
        QVERIFY(!copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("keep me"));
        dialogs.expectMessage(QStringLiteral("Clear Heard List"), MsgAnswer::Ok,
                              QStringLiteral("No stations heard. Nothing to clear"));
        QVERIFY(!clearHeardList(list, dialogs));
        QCOMPARE(list.saveText(), QStringLiteral("\r\n"));

        list.update(header("QZ9ZZZ"));
        list.update(header("N0CALL-7"));
        QVERIFY(copyHeardList(list, dialogs, platform));
        QCOMPARE(platform.clipboard, QStringLiteral("QZ9ZZZ,N0CALL-7,"));
        QCOMPARE(list.saveText(), QStringLiteral("QZ9ZZZ\r\nN0CALL-7\r\n\r\n"));

        const QString question = QStringLiteral("Do you want to erase the Heard Stations List?");
        dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::No, question);
        QVERIFY(!clearHeardList(list, dialogs));
        QCOMPARE(list.entries().size(), 2);
        dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::Yes, question);
        QVERIFY(clearHeardList(list, dialogs));
        QVERIFY(list.entries().isEmpty());
        QCOMPARE(list.HeardCount(), 0);
        QVERIFY(list.update(header("QZ9ZZZ")));  // forgotten calls are new again
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
        QCOMPARE(dialogs.shown.at(0).icon, MsgIcon::Exclamation);
        QCOMPARE(dialogs.shown.at(1).icon, MsgIcon::Information);
        QCOMPARE(dialogs.shown.at(2).buttons, MsgButtons::YesNo);
    }

    void passes_data() {
        // text: the box text or the typed answer
        columns<int, QString, QString, bool>("item", "text", "header", "shown");
        row("no filter: headers", 0, "", kDirectHeader, true);
        row("no filter: connected data", 0, "", "", true);
        row("to call in the header", 1, "cq", kIssHeader, true);
        row("to call elsewhere", 1, "QZ9ZZZ", kIssHeader, false);
        row("any filter hides connected data", 1, "CQ", "", false);
        row("digipeated: repeated", 3, "", kIssHeader, true);
        row("digipeated: direct", 3, "", kDirectHeader, false);
        // Typed text is upper-cased: it finds calls, never the engine's mixed-case words.
        row("typed word of the header", 5, "To", kDirectHeader, false);
        row("typed part of a call", 5, "3de", kDirectHeader, true);
    }

    void passes() {
        QFETCH(int, item);
        QFETCH(QString, text);
        Menu m;
        m.to = m.via = text;
        if (item == MonitorFilter::EnteredText)
            m.dialogs.expectInput(kFilterTitle, text);
        QVERIFY(m.choose(item));
        QTEST(m.filter.passes(fetched<QString>("header")), "shown");
    }

    void menuItems_data() {
        columns<int, QString, QString, int>("item", "filterText", "caption", "background");
        row("No Filters", 0, "", "No Filter", 7);
        row("Call (To)", 1, "CQ", "CQ", 10);
        row("Digipeater Call (Via)", 2, "RS0ISS", "RS0ISS", 10);
        row("Only Digipeated Packets", 3, "*", "Digipeated", 10);
        row("Enter Call/String...", 5, "PCSAT", "PCSAT", 10);
    }

    void menuItems() {
        QFETCH(int, item);
        Menu m;
        m.to = QStringLiteral("  cq ");
        m.via = QStringLiteral("rs0iss");
        // Start from another filter, which the typed text is proposed from.
        m.dialogs.expectInput(kFilterTitle, QStringLiteral("QZ9ZZZ"));
        QVERIFY(m.choose(MonitorFilter::EnteredText));
        if (item == MonitorFilter::EnteredText)
            m.dialogs.expectInput(kFilterTitle, QStringLiteral("pcsat"));
        QVERIFY(m.choose(item));
        if (item == MonitorFilter::EnteredText)
            QCOMPARE(m.dialogs.shown.last().defaultText, QStringLiteral("QZ9ZZZ"));
        QCOMPARE(int(m.filter.checkedItem()), item);
        QTEST(m.filter.text(), "filterText");
        QTEST(m.filter.caption(), "caption");
        QTEST(m.filter.backgroundIndex(), "background");
    }

    void enteredText_data() {
        // refused: the "to long" message; CQ is the filter before
        columns<QString, bool, QString>("answer", "refused", "filterText");
        row("40 characters", QString(40, 'a'), false, QString(40, 'A'));
        row("41 characters", QString(41, 'a'), true, "CQ");
        row("trimmed and upper-cased", "  rs0iss* ", false, "RS0ISS*");
        row("Cancel", "", false, "CQ");
        row("blanks only", "    ", false, "CQ");
    }

    void enteredText() {
        QFETCH(bool, refused);
        QFETCH(QString, filterText);
        Menu m;
        QVERIFY(m.choose(MonitorFilter::CallTo));
        m.dialogs.expectInput(kFilterTitle, fetched<QString>("answer"));
        if (refused) {
            m.dialogs.expectMessage(QStringLiteral("Filter"), MsgAnswer::Ok,
                                    QStringLiteral("Search string to long. Maximum 40 characters"));
        }
        const bool changed = m.choose(MonitorFilter::EnteredText);
        QCOMPARE(changed, filterText != QLatin1String("CQ"));
        QCOMPARE(m.filter.text(), filterText);
        QCOMPARE(m.filter.checkedItem(),
                 changed ? MonitorFilter::EnteredText : MonitorFilter::CallTo);
        if (refused)
            QCOMPARE(m.dialogs.shown.last().icon, MsgIcon::Exclamation);
        // A choice that cannot be made leaves the filter as it was.
        m.to = QStringLiteral("   ");
        QVERIFY(!m.choose(MonitorFilter::CallTo));
        QVERIFY(!m.choose(4));  // the separator
        QCOMPARE(m.filter.text(), filterText);
    }

    void repeatedBy_data() {
        columns<int, QString, QString>("kind", "via", "repeatedBy");
        row("satellite", int('U'), QStringLiteral("Fm N1AAA-7 To CQ Via RS0ISS*"), "RS0ISS");
        row("last marked station", int('U'),
            QStringLiteral("Fm N1AAA To CQ Via N2BBB*,N3CCC*,WIDE2-1"), "N3CCC");
        row("alias used up after the station", int('U'),
            QStringLiteral("Fm N1AAA To CQ Via N2BBB*,WIDE1*"), "N2BBB");
        row("only an alias", int('U'), QStringLiteral("Fm N1AAA To CQ Via WIDE1*"), "WIDE1");
        row("not repeated", int('U'), QStringLiteral("Fm N1AAA To CQ Via RS0ISS"), "");
        row("another station", int('U'), QStringLiteral("Fm N1AAAB To CQ Via RS0ISS*"), "");
        row("what the engine sends", int('T'), QStringLiteral("Fm N1AAA To CQ Via RS0ISS*"), "");
    }

    void repeatedBy() {
        QFETCH(int, kind);
        QFETCH(QString, via);
        QFETCH(QString, repeatedBy);
        const auto frame =
            repeatedOwnFrame(kind, via + " <UI pid=F0 Len=2 >[12:03:44]", "hi", "n1aaa");
        QCOMPARE(frame ? frame->digipeater : QString(), repeatedBy);
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
};

QTEST_APPLESS_MAIN(MonitorRulesTest)
#include "tst_monitorrules.moc"
