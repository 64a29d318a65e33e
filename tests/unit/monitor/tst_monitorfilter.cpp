// The monitor filter: its test on header lines and the Filters menu.
#include "monitor/monitorfilter.h"
#include "support/scripteddialogs.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kFilterTitle = QStringLiteral("Filter Callsign/String");
const QString kIssHeader =
    QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]");
const QString kDirectHeader = QStringLiteral("Fm N3DEF To BEACON <UI pid=F0 Len=13 >[21:04:09]");

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
    void passes_data();
    void passes();
    void menuItems_data();
    void menuItems();
    void emptyBoxLeavesTheOldFilter_data();
    void emptyBoxLeavesTheOldFilter();
    void enteredText_data();
    void enteredText();
    void enteredTextProposesTheCurrentFilter();
    void separatorAndUnknownItemsDoNothing();
};

void MonitorFilterTest::passes_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");  // box text or typed answer
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("shown");

    QTest::newRow("no filter: headers") << 0 << "" << kDirectHeader << true;
    QTest::newRow("no filter: connected data") << 0 << ""
                                               << "" << true;
    QTest::newRow("to call in the header") << 1 << "cq" << kIssHeader << true;
    QTest::newRow("to call elsewhere") << 1 << "QZ9ZZZ" << kIssHeader << false;
    QTest::newRow("any filter hides connected data") << 1 << "CQ"
                                                     << "" << false;
    QTest::newRow("via call") << 2 << "rs0iss" << kIssHeader << true;
    QTest::newRow("digipeated: star anywhere") << 3 << ""
                                               << "Fm A* To B" << true;
    QTest::newRow("digipeated: repeated") << 3 << "" << kIssHeader << true;
    QTest::newRow("digipeated: direct") << 3 << "" << kDirectHeader << false;
    // Typed text is upper-cased: it finds calls, never the engine's mixed-case words.
    QTest::newRow("typed call") << 5 << "n3def" << kDirectHeader << true;
    QTest::newRow("typed word of the header") << 5 << "To" << kDirectHeader << false;
    QTest::newRow("typed part of a call") << 5 << "3DE" << kDirectHeader << true;
}

void MonitorFilterTest::passes() {
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QString, header);
    QFETCH(bool, shown);
    Menu m;
    m.to = text;
    m.via = text;
    if (item == MonitorFilter::EnteredText)
        m.dialogs.expectInput(kFilterTitle, text);
    QVERIFY(m.choose(item));
    QCOMPARE(m.filter.passes(header), shown);
    QVERIFY2(m.dialogs.problems().isEmpty(), qPrintable(m.dialogs.problems().join('\n')));
}

void MonitorFilterTest::menuItems_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("filterText");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("background");

    QTest::newRow("No Filters") << 0 << ""
                                << "No Filter" << 7;
    QTest::newRow("Call (To)") << 1 << "CQ"
                               << "CQ" << 10;
    QTest::newRow("Digipeater Call (Via)") << 2 << "RS0ISS"
                                           << "RS0ISS" << 10;
    QTest::newRow("Only Digipeated Packets") << 3 << "*"
                                             << "Digipeated" << 10;
    QTest::newRow("Enter Call/String...") << 5 << "PCSAT"
                                          << "PCSAT" << 10;
}

void MonitorFilterTest::menuItems() {
    QFETCH(int, item);
    QFETCH(QString, filterText);
    QFETCH(QString, caption);
    QFETCH(int, background);
    Menu m;
    m.to = QStringLiteral("  cq ");
    m.via = QStringLiteral("rs0iss");
    m.dialogs.expectInput(kFilterTitle, QStringLiteral("QZ9ZZZ"));
    QVERIFY(m.choose(MonitorFilter::EnteredText));  // start from another filter
    if (item == MonitorFilter::EnteredText)
        m.dialogs.expectInput(kFilterTitle, QStringLiteral("pcsat"));
    QVERIFY(m.choose(item));
    QCOMPARE(int(m.filter.checkedItem()), item);
    QCOMPARE(m.filter.text(), filterText);
    QCOMPARE(m.filter.caption(), caption);
    QCOMPARE(m.filter.backgroundIndex(), background);
}

void MonitorFilterTest::emptyBoxLeavesTheOldFilter_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("To box") << 1;
    QTest::newRow("Via box") << 2;
}

void MonitorFilterTest::emptyBoxLeavesTheOldFilter() {
    QFETCH(int, item);
    Menu m;
    QVERIFY(m.choose(MonitorFilter::OnlyDigipeated));
    m.to = m.via = QStringLiteral("   ");
    QVERIFY(!m.choose(item));
    QCOMPARE(m.filter.checkedItem(), MonitorFilter::OnlyDigipeated);
    QCOMPARE(m.filter.text(), QStringLiteral("*"));
}

void MonitorFilterTest::enteredText_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("refused");  // the "to long" message
    QTest::addColumn<QString>("filterText");

    QTest::newRow("40 characters")
        << QString(40, QLatin1Char('a')) << false << QString(40, QLatin1Char('A'));
    QTest::newRow("41 characters") << QString(41, QLatin1Char('a')) << true << "CQ";
    QTest::newRow("41 with blanks counts the blanks")
        << QString(38, QLatin1Char('a')) + "   " << true << "CQ";
    QTest::newRow("trimmed and upper-cased") << "  rs0iss* " << false << "RS0ISS*";
    QTest::newRow("Cancel") << "" << false << "CQ";
    QTest::newRow("blanks only") << "    " << false << "CQ";
}

void MonitorFilterTest::enteredText() {
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
    QCOMPARE(m.filter.checkedItem(), changed ? MonitorFilter::EnteredText : MonitorFilter::CallTo);
    QVERIFY2(m.dialogs.problems().isEmpty(), qPrintable(m.dialogs.problems().join('\n')));
    if (refused)
        QCOMPARE(m.dialogs.shown.last().icon, MsgIcon::Exclamation);
}

void MonitorFilterTest::enteredTextProposesTheCurrentFilter() {
    Menu m;
    QVERIFY(m.choose(MonitorFilter::DigipeaterVia));
    m.dialogs.expectInput(kFilterTitle, QString());
    QVERIFY(!m.choose(MonitorFilter::EnteredText));
    const ScriptedDialogs::Box& box = m.dialogs.shown.first();
    QCOMPARE(box.defaultText, QStringLiteral("RS0ISS"));
    QCOMPARE(box.text,
             QStringLiteral("Type the call or any header string that you\rwant to monitor the "
                            "traffic From and To.\rThis can be any text or part of a word in the "
                            "header!\rExamples:\rRS0ISS*, CQ, GATE, QZ9ZZZ, APRS, ID, "
                            "BEACON...\r\rEnter the callsign or string:"));
}

void MonitorFilterTest::separatorAndUnknownItemsDoNothing() {
    Menu m;
    QVERIFY(m.choose(MonitorFilter::OnlyDigipeated));
    for (int item : {4, 6, -1})
        QVERIFY(!m.choose(item));
    QCOMPARE(m.filter.checkedItem(), MonitorFilter::OnlyDigipeated);
}

QTEST_APPLESS_MAIN(MonitorFilterTest)
#include "tst_monitorfilter.moc"
