// The monitor filter: its test on header lines and the Filters menu.
#include "monitor/monitorfilter.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

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

class MonitorFilterTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

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
        QFETCH(QString, header);
        QFETCH(bool, shown);
        Menu m;
        m.to = m.via = text;
        if (item == MonitorFilter::EnteredText)
            m.dialogs.expectInput(kFilterTitle, text);
        QVERIFY(m.choose(item));
        QCOMPARE(m.filter.passes(header), shown);
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
        QFETCH(QString, filterText);
        QFETCH(QString, caption);
        QFETCH(int, background);
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
        QCOMPARE(m.filter.text(), filterText);
        QCOMPARE(m.filter.caption(), caption);
        QCOMPARE(m.filter.backgroundIndex(), background);
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
        QFETCH(QString, answer);
        QFETCH(bool, refused);
        QFETCH(QString, filterText);
        Menu m;
        QVERIFY(m.choose(MonitorFilter::CallTo));
        m.dialogs.expectInput(kFilterTitle, answer);
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
};

QTEST_APPLESS_MAIN(MonitorFilterTest)
#include "tst_monitorfilter.moc"
