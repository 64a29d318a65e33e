// The receive side of the main window around the monitor: the Filters menu and its label,
// the heard list with its buttons and menu items, the alarm and the popup.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "platform/colors.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/editor.h"
#include "ui/meld.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QDateTime kStartTime(QDate(2024, 5, 1), QTime(21, 4, 9));

bool startStation(ZenoFixture& f, Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"))) {
    f.platform.setNow(kStartTime);
    f.writeSettings(settings);
    return f.start() && f.tickUntil([&] { return !f.state().link.EngineInitText.isEmpty(); });
}

// Sends the frames as heard on the air and ticks until the program has taken them all.
bool hear(ZenoFixture& f, const QStringList& tnc2) {
    for (const QString& frame : tnc2)
        f.server.sendHeard(frame);
    if (!QTest::qWaitFor([&] { return f.link().pendingFrames() >= tnc2.size(); }, 5000))
        return false;
    while (f.link().pendingFrames() > 0)
        f.tick();
    return true;
}

QStringList listed(const ZenoFixture& f) {
    QStringList calls;
    const auto* list = f.find<QListWidget>("List1");
    for (int i = 0; i < list->count(); ++i)
        calls << list->item(i)->text();
    return calls;
}

QList<bool> filterChecks(const ZenoFixture& f) {
    QList<bool> checks;
    for (int i : {0, 1, 2, 3, 5})
        checks << f.form1().controls().menufilters[i]->isChecked();
    return checks;
}

const QStringList kTraffic{
    QStringLiteral("N0CALL>CQ,RS0ISS*:via the ISS"),
    QStringLiteral("N1ABC-7>APRS,RS0ISS:direct to us"),
    QStringLiteral("DL1ABC>PCSAT,WIDE2-1:other digi"),
};

}  // namespace

class TestForm1Receive : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // --- filters ---

    void filterMenuChoosesWhatTheMonitorShows_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("shown");  // info texts in the monitor

        QTest::newRow("No Filters")
            << 0 << ""
            << "No Filter" << QStringList{"via the ISS", "direct to us", "other digi"};
        QTest::newRow("Call (To)") << 1 << ""
                                   << "CQ" << QStringList{"via the ISS"};
        QTest::newRow("Digipeater Call (Via)")
            << 2 << ""
            << "RS0ISS" << QStringList{"via the ISS", "direct to us"};
        QTest::newRow("Only Digipeated Packets") << 3 << ""
                                                 << "Digipeated" << QStringList{"via the ISS"};
        QTest::newRow("Enter Call/String...") << 5 << "dl1abc"
                                              << "DL1ABC" << QStringList{"other digi"};
    }

    void filterMenuChoosesWhatTheMonitorShows() {
        QFETCH(int, item);
        QFETCH(QString, typed);
        QFETCH(QString, caption);
        QFETCH(QStringList, shown);
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral(" cq"));
        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("rs0iss"));
        if (item == 5)
            f.dialogs.expectInput(QStringLiteral("Filter Callsign/String"), typed);
        f.form1().controls().menufilters[item]->trigger();

        const auto* label = f.find<QLabel>("Label13");
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->palette().color(QPalette::Window),
                 colorFromRgbNumber(paletteColor(item == 0 ? 7 : 10)));
        QList<bool> checks(5, false);
        checks[item == 5 ? 4 : item] = true;
        QCOMPARE(filterChecks(f), checks);

        f.find<QPlainTextEdit>("Text1")->clear();
        QVERIFY(hear(f, kTraffic));
        for (const QString& frame : kTraffic) {
            const QString info = frame.section(QLatin1Char(':'), 1);
            QCOMPARE(f.monitorText().contains(info), shown.contains(info));
        }
        // The heard list sees every frame whatever the filter.
        QCOMPARE(listed(f), (QStringList{"N0CALL", "N1ABC-7", "DL1ABC"}));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void emptyToBoxKeepsTheFilter() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().controls().menufilters[3]->trigger();
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("   "));
        f.form1().controls().menufilters[1]->trigger();
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("Digipeated"));
        QCOMPARE(filterChecks(f), (QList<bool>{false, false, false, true, false}));

        f.form1().controls().menufilters[0]->trigger();
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("No Filter"));
        QCOMPARE(filterChecks(f), (QList<bool>{true, false, false, false, false}));
    }

    void typedFilterOfFortyOneIsRefused() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.dialogs.expectInput(QStringLiteral("Filter Callsign/String"), QString(41, 'A'))
            .expectMessage(QStringLiteral("Filter"), MsgAnswer::Ok,
                           QStringLiteral("Search string to long. Maximum 40 characters"));
        f.form1().controls().menufilters[5]->trigger();
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("No Filter"));
        QCOMPARE(filterChecks(f), (QList<bool>{true, false, false, false, false}));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void filterLabelOpensTheMenu() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().show();
        QTest::mouseClick(f.find<QLabel>("Label13"), Qt::LeftButton);
        QMenu* menu = f.form1().controls().menufilter;
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    // --- heard list ---

    void heardListInFirstHeardOrder() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:1", "PA3ABC>CQ:2", "N0CALL>CQ:3", "N0CALL-7>CQ:4",
                         "PA3ABC>CQ,RS0ISS*:5"}));
        QCOMPARE(listed(f), (QStringList{"N0CALL", "PA3ABC", "N0CALL-7"}));
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("3"));
    }

    void copyPutsTheListOnTheClipboard() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"QZ9ZZZ>CQ:x"}));
        f.find<QPushButton>("Command16")->click();
        QCOMPARE(f.platform.clipboard, QStringLiteral("QZ9ZZZ,"));
        QVERIFY(hear(f, {"N0CALL-7>CQ:x"}));
        f.platform.clipboard.clear();
        f.form1().controls().menuoptions[4]->trigger();  // "Copy MHeard List to Clipboard"
        QCOMPARE(f.platform.clipboard, QStringLiteral("QZ9ZZZ,N0CALL-7,"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void clearAsksFirst() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:x", "PA3ABC>CQ:x"}));
        const QString monitor = f.monitorText();
        f.dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::No);
        f.find<QPushButton>("Command6")->click();
        QCOMPARE(listed(f).size(), 2);

        f.dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::Yes);
        f.form1().controls().menuoptions[3]->trigger();  // "Clear MHeard List"
        QCOMPARE(listed(f), QStringList());
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("0"));
        QCOMPARE(f.monitorText(), monitor);
        // Cleared calls count as new again.
        QVERIFY(hear(f, {"PA3ABC>CQ:again"}));
        QCOMPARE(listed(f), QStringList{"PA3ABC"});
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("1"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void saveWritesTheChosenFile() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:x", "PA3ABC-9>CQ:x"}));
        const QString path = f.file(QStringLiteral("saved heard.txt"));
        f.dialogs.expectSaveFile(path);
        f.find<QPushButton>("Command5")->click();
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("mheard.txt"));
        QCOMPARE(f.readFile(QStringLiteral("saved heard.txt")),
                 QByteArray("N0CALL\r\nPA3ABC-9\r\n\r\n"));

        // Cancel writes nothing.
        QFile::remove(path);
        f.dialogs.expectSaveFile(QString());
        f.find<QPushButton>("Command5")->click();
        QVERIFY(!QFile::exists(path));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void viewShowsTheListInTheNotebookWindow() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:x", "PA3ABC-9>CQ:x"}));
        f.form1().controls().menuoptions[2]->trigger();  // "View Heard Stations..."
        QCOMPARE(f.readFile(QStringLiteral("mheared.tmp")),
                 QByteArray("N0CALL\r\nPA3ABC-9\r\n\r\n"));
        auto* editor = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Current Heard List"));
        QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("N0CALL\nPA3ABC-9\n\n"));
        QVERIFY(!editor->isChanged());

        // Again: the same window shows the list as it is now.
        QVERIFY(hear(f, {"DL1ABC>CQ:x"}));
        f.form1().controls().menuoptions[2]->trigger();
        QCOMPARE(f.form1().findChildren<Editor*>().size(), 1);
        QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("N0CALL\nPA3ABC-9\nDL1ABC\n\n"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void doubleClickAddressesAMessage() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:x", "PA3ABC-9>CQ:x"}));
        auto* list = f.find<QListWidget>("List1");
        list->setCurrentRow(1);
        f.form1().List1_DblClick();
        QCOMPARE(f.find<QComboBox>("Combo5")->currentText(), QStringLiteral("PA3ABC-9"));
    }

    // --- alarm and popup ---

    void alarmSoundsForTheChosenHeader() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.alarmMode = 1;
        s.alarmHeaderText = QStringLiteral("rs0iss*");
        QVERIFY(startStation(f, s));
        QVERIFY(hear(
            f, {"N0CALL>CQ,RS0ISS:not repeated", "N0CALL>CQ,RS0ISS*:repeated", "N1ABC>CQ:direct"}));
        const QString alarm = appFile(f.appPath(), QStringLiteral("alarm.wav"));
        QCOMPARE(f.platform.played, QStringList{alarm});
        QVERIFY2(QFile::exists(alarm), "the program ships its alarm sound");
        f.form1().PlayAlarm();
        QCOMPARE(f.platform.played, (QStringList{alarm, alarm}));
    }

    void popupShowsWithoutBlocking() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().showPopup(QStringLiteral("Station N1AAA is paging you."));
        auto* popup = f.form1().findChild<Meld*>(QStringLiteral("Meld"));
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->Label1->text(), QStringLiteral("Station N1AAA is paging you."));
        // The window goes on: frames are still taken while it is open.
        QVERIFY(hear(f, {"N0CALL>CQ:x"}));
        QCOMPARE(listed(f), QStringList{"N0CALL"});
        f.form1().showPopup(QStringLiteral("Disconnected from station N1AAA"));
        QCOMPARE(f.form1().findChildren<Meld*>().size(), 1);
        QCOMPARE(popup->Label1->text(), QStringLiteral("Disconnected from station N1AAA"));
    }
};

QTEST_MAIN(TestForm1Receive)
#include "tst_form1_receive.moc"
