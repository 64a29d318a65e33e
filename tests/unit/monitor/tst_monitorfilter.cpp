// The monitor filter: its test on header lines and the Filters menu.
#include "monitor/monitorfilter.h"
#include "support/scripteddialogs.h"

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
};

}  // namespace

class MonitorFilterTest : public QObject {
    Q_OBJECT

private slots:
    void passes_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");  // box text or typed answer
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("shown");
        const auto row = [](const char* name, int item, const QString& text, const QString& header,
                            bool shown) { QTest::newRow(name) << item << text << header << shown; };
        row("no filter: headers", 0, "", kDirectHeader, true);
        row("no filter: connected data", 0, "", "", true);
        row("to call in the header", 1, "cq", kIssHeader, true);
        row("to call elsewhere", 1, "QZ9ZZZ", kIssHeader, false);
        row("any filter hides connected data", 1, "CQ", "", false);
        row("via call", 2, "rs0iss", kIssHeader, true);
        row("digipeated: star anywhere", 3, "", "Fm A* To B", true);
        row("digipeated: repeated", 3, "", kIssHeader, true);
        row("digipeated: direct", 3, "", kDirectHeader, false);
        // Typed text is upper-cased: it finds calls, never the engine's mixed-case words.
        row("typed call", 5, "n3def", kDirectHeader, true);
        row("typed word of the header", 5, "To", kDirectHeader, false);
        row("typed part of a call", 5, "3DE", kDirectHeader, true);
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
        QVERIFY2(m.dialogs.problems().isEmpty(), qPrintable(m.dialogs.problems().join('\n')));
    }

    void menuItems_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("filterText");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("background");
        const auto row = [](const char* name, int item, const char* text, const char* caption,
                            int background) {
            QTest::newRow(name) << item << QString(text) << QString(caption) << background;
        };
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

    void refusedChoiceLeavesTheOldFilter_data() {
        QTest::addColumn<int>("item");
        QTest::newRow("empty To box") << 1;
        QTest::newRow("empty Via box") << 2;
        QTest::newRow("separator") << 4;
        QTest::newRow("unknown item") << 6;
    }

    void refusedChoiceLeavesTheOldFilter() {
        QFETCH(int, item);
        Menu m;
        QVERIFY(m.choose(MonitorFilter::OnlyDigipeated));
        m.to = m.via = QStringLiteral("   ");
        QVERIFY(!m.choose(item));
        QCOMPARE(m.filter.checkedItem(), MonitorFilter::OnlyDigipeated);
        QCOMPARE(m.filter.text(), QStringLiteral("*"));
    }

    void enteredText_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("refused");  // the "to long" message
        QTest::addColumn<QString>("filterText");
        QTest::newRow("40 characters") << QString(40, 'a') << false << QString(40, 'A');
        QTest::newRow("41 characters") << QString(41, 'a') << true << "CQ";
        QTest::newRow("41 with blanks counts the blanks")
            << QString(38, 'a') + "   " << true << "CQ";
        QTest::newRow("trimmed and upper-cased") << "  rs0iss* " << false << "RS0ISS*";
        QTest::newRow("Cancel") << "" << false << "CQ";
        QTest::newRow("blanks only") << "    " << false << "CQ";
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
        QVERIFY2(m.dialogs.problems().isEmpty(), qPrintable(m.dialogs.problems().join('\n')));
        if (refused)
            QCOMPARE(m.dialogs.shown.last().icon, MsgIcon::Exclamation);
    }
};

QTEST_APPLESS_MAIN(MonitorFilterTest)
#include "tst_monitorfilter.moc"
