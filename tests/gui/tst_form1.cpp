// The main window as the operator meets it: start-up and the orderly end, and every control
// and menu item reaching the part that does the work. The rules behind them are proven in the
// logic tests (tests/unit); here one case per path proves the wiring.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/settingsview.h"
#include "link/agwlink.h"
#include "monitor/monitorfilter.h"
#include "platform/colors.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "support/testrows.h"
#include "ui/common/widgets.h"
#include "ui/main/form1menus.h"
#include "ui/main/zenoprogram.h"
#include "ui/windows/editor.h"
#include "ui/windows/meld.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kCallTitle = QStringLiteral("ZENO Monitor: Your Call Sign please");
const QString kNoEngineTitle = QStringLiteral("ZENO: AGWPE Not running");
const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
using Sent = ZenoFixture::Sent;

QAction* item(const ZenoFixture& f, const QList<QAction*> Form1Menus::*array, int index) {
    return (f.form1().controls().menus.*array).at(index);
}

// Selects characters start to end of the monitor.
void select(const ZenoFixture& f, int start, int end) {
    QTextCursor cursor(f.find<QPlainTextEdit>("Text1")->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    f.find<QPlainTextEdit>("Text1")->setTextCursor(cursor);
}

// Clicks a button ("Command13") or runs a menu item ("menuedits_5").
void run(const ZenoFixture& f, const char* name) {
    auto* button = f.find<QToolButton>(QLatin1String(name));
    button ? button->click() : f.find<QAction>(QLatin1String(name))->trigger();
}

// A station with its APRS position set up and a 10 s beacon.
Settings aprsStation() {
    Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
    s.aprs = kHeader + QStringLiteral("73' Via Satellite {ZENO30}");
    s.aprsEnabled = -1;
    s.beaconInterval = 10;
    return s;
}

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // --- start-up and the end ------------------------------------------------------------

    void firstRunAsksForTheCallsign_data() {
        columns<QByteArray, bool>("settingsFile", "keepsABadCopy");
        row("no settings file", QByteArray(), false);
        row("MYCALL stored", QByteArray(";ZENO v.3.0.1\r\n;\r\n[Your Call Sign]\r\nMYCALL\r\n"),
            false);
        row("runaway callsign line",
            ";\r\n;\r\n[Your Call Sign]\r\n" + QByteArray(100000, 'A') + "\r\n", true);
    }

    void firstRunAsksForTheCallsign() {
        QFETCH(QByteArray, settingsFile);
        QFETCH(bool, keepsABadCopy);
        ZenoFixture f;
        if (!settingsFile.isEmpty())
            f.writeFile(QStringLiteral("zeno.ini"), settingsFile);
        // A call the engine cannot register is refused; the question comes again.
        f.dialogs.expectInput(kCallTitle, QStringLiteral("pa3xyz/mobile"))
            .expectMessage(QStringLiteral("Your Call"), MsgAnswer::Ok,
                           QStringLiteral("Invallid callsign!"))
            .expectInput(kCallTitle, QStringLiteral(" pa3xyz "));
        QVERIFY(f.start());
        QCOMPARE(f.find<QLabel>("Label4")->text(), QStringLiteral("PA3XYZ"));
        QVERIFY(f.readFile(QStringLiteral("zeno.ini")).contains("[Your Call Sign]\r\nPA3XYZ\r\n"));
        QCOMPARE(QFile::exists(f.file(QStringLiteral("zeno.ini.bad"))), keepsABadCopy);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void shortOrCancelledCallsignEndsSilently() {
        ZenoFixture f;
        f.dialogs.expectInput(kCallTitle, QStringLiteral("a "));
        QVERIFY(!f.start());
        QVERIFY(f.hasEnded());
        QVERIFY(!QFile::exists(f.file(QStringLiteral("zeno.ini"))));
        QCOMPARE(f.server.countOfKind('X'), 0);
    }

    void noEngine_data() {
        columns<bool>("runAnyway");
        row("No ends the program", false);
        row("Yes runs, and the engine is found when it starts", true);
    }

    void noEngine() {
        QFETCH(bool, runAnyway);
        ZenoFixture f;
        f.writeStationSettings();
        const quint16 enginePort = f.server.port();
        f.server.stop();
        f.dialogs.expectMessage(kNoEngineTitle, runAnyway ? MsgAnswer::Yes : MsgAnswer::No);
        QCOMPARE(f.start(), runAnyway);
        QCOMPARE(f.hasEnded(), !runAnyway);
        QCOMPARE(f.dialogs.shown.first().buttons, MsgButtons::YesNo);
        if (!runAnyway)
            return;
        QCOMPARE(f.monitorText(), QStringLiteral("RUNNING WITHOUT AGW PACKET ENGINE DETECTED!"));
        QCOMPARE(f.state().link.EngineInitText, QStringLiteral("No AGW Detected"));
        QCOMPARE(f.sent, (QList<Sent>{{'P', "PA3XYZ", ""}}));
        auto* status = f.find<QLabel>("linkStatus");
        QVERIFY(status->text().contains(QStringLiteral("trying again")));

        QVERIFY(f.server.listen(enginePort));
        QVERIFY(f.server.waitForFrame('X'));
        QTRY_VERIFY(status->text().contains(QStringLiteral("connected to 127.0.0.1")));
        QVERIFY(f.tickUntil([&] { return f.monitorText().contains(QStringLiteral("AGWPE")); }));
        QVERIFY(f.state().link.EngineInitText.startsWith(QStringLiteral("AGWPE engine")));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void closingSavesBeforeTheLinkCloses() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.savePosition = -1;
        s.hSize = 10580;
        s.vSize = 8330;
        QVERIFY(f.startStation(s));
        QTRY_VERIFY(f.find<QLabel>("linkStatus")->text().contains(QStringLiteral("connected")));
        f.form1().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form1()));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("apRS"));
        QByteArray fileWhenLinkCloses;
        QObject::connect(&f.link(), &AgwLink::closing, &f.link(),
                         [&] { fileWhenLinkCloses = f.readFile(QStringLiteral("zeno.ini")); });
        QTRY_VERIFY(f.form1().size() != QSize());
        QTest::qWait(0);  // the window settles its size once its frame is known
        f.close();
        QVERIFY(f.hasEnded());
        QVERIFY(fileWhenLinkCloses.contains("[To call]\r\nAPRS\r\n"));
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("APRS"));
        // The window's size round-trips: it does not grow by its frame at every start.
        QVERIFY2(fileWhenLinkCloses.contains("[h-size]\r\n 10580\r\n[v-size]\r\n 8330\r\n"),
                 fileWhenLinkCloses.constData());
        QVERIFY(f.server.waitForClients(0));
    }

    void exitWithAnUnwritableSettingsFileReportsAndStillEnds() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        // A directory in the file's place cannot be replaced by a file, even by root.
        QVERIFY(QFile::remove(f.file(QStringLiteral("zeno.ini"))));
        QVERIFY(QDir(f.appPath()).mkdir(QStringLiteral("zeno.ini")));
        f.dialogs.expectMessage(kProgramTitle);
        item(f, &Form1Menus::menufiles, int(FileItem::Exit))->trigger();
        QVERIFY(f.hasEnded());
        f.program().shutdown();  // ending twice writes nothing more
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // --- receive side --------------------------------------------------------------------

    void monitorShowsWhatIsHeard() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.screenColor = paletteColor(1);
        QVERIFY(f.startStation(s));
        QCOMPARE(f.find<QTimer>("Timer1")->interval(), 250);
        const QString init = f.state().link.EngineInitText;
        QVERIFY(f.hear({"N0CALL>CQ,RS0ISS*:Hello"}));
        QCOMPARE(
            f.monitorText(),
            "\n" + init + "\nFm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]\nHello\n\n");
        QCOMPARE(f.find<QLabel>("Klok")->text(), QStringLiteral("21:04:09"));
        QCOMPARE(f.heardCalls(), QStringList{"N0CALL"});
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("1"));
        const auto* text = f.find<QPlainTextEdit>("Text1");
        QCOMPARE(text->palette().color(QPalette::Base), colorFromRgbNumber(paletteColor(1)));

        f.find<QCheckBox>("Check3")->click();  // View Data: bodies only
        QVERIFY(f.hear({"N1ABC>CQ:data only"}));
        QVERIFY(f.monitorText().endsWith("\n\ndata only\n\n"));
        f.find<QCheckBox>("Check2")->click();  // Stop Monitor: dropped for good
        QVERIFY(f.hear({"N2ABC>CQ:dropped"}));
        QVERIFY(!f.monitorText().contains(QStringLiteral("dropped")));
        f.find<QCheckBox>("Check1")->click();  // AutoScroll off, kept in the settings
        QCOMPARE(f.state().settings.autoScroll, 0);
        f.find<QToolButton>("Command8")->click();
        QCOMPARE(f.monitorText(), QString());

        // A flood beyond the link's queue: what it had to drop is counted on the status bar.
        f.find<QCheckBox>("Check2")->click();
        for (int i = 0; i < kReceiveQueueCapacity + 3; ++i)
            f.server.sendHeard(QStringLiteral("N0CALL>CQ:%1").arg(i));
        QTRY_COMPARE(f.link().droppedFrames(), qint64(3));
        const auto* dropped = f.find<QLabel>("droppedFrames");
        QVERIFY(dropped->isHidden());
        f.tick();
        QVERIFY(!dropped->isHidden());
        QCOMPARE(dropped->text(), QStringLiteral("3 frames dropped"));
    }

    void filterMenuAndLabel() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("rs0iss"));
        const QList<QAction*>& filters = f.form1().controls().menus.filters.menufilters;
        filters[MonitorFilter::DigipeaterVia]->trigger();
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("RS0ISS"));
        QVERIFY(filters[MonitorFilter::DigipeaterVia]->isChecked());
        QVERIFY(!filters[MonitorFilter::NoFilters]->isChecked());
        f.find<QPlainTextEdit>("Text1")->clear();
        QVERIFY(f.hear({"N0CALL>CQ,RS0ISS*:shown", "DL1ABC>CQ,WIDE2-1:hidden"}));
        QVERIFY(f.monitorText().contains(QStringLiteral("\nshown\n")));
        QVERIFY(!f.monitorText().contains(QStringLiteral("hidden")));
        QCOMPARE(f.heardCalls(), (QStringList{"N0CALL", "DL1ABC"}));

        f.form1().show();
        QTest::mouseClick(f.find<QLabel>("Label13"), Qt::LeftButton);
        QTRY_VERIFY(f.form1().controls().menus.filters.menufilter->isVisible());
        f.form1().controls().menus.filters.menufilter->hide();
    }

    void heardListButtonsAndMenu() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        QVERIFY(f.hear({"N0CALL>CQ:1", "PA3ABC-9>CQ:2"}));
        f.find<QPushButton>("Command16")->click();
        QCOMPARE(f.platform.clipboard, QStringLiteral("N0CALL,PA3ABC-9,"));
        f.platform.clipboard.clear();
        item(f, &Form1Menus::menuoptions, int(OptionItem::CopyHeardList))->trigger();
        QCOMPARE(f.platform.clipboard, QStringLiteral("N0CALL,PA3ABC-9,"));

        f.dialogs.expectSaveFile(f.file(QStringLiteral("heard.txt")));
        f.find<QPushButton>("Command5")->click();
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("mheard.txt"));
        QCOMPARE(f.readFile(QStringLiteral("heard.txt")), QByteArray("N0CALL\r\nPA3ABC-9\r\n\r\n"));

        f.find<QListWidget>("List1")->setCurrentRow(1);
        f.form1().List1_DblClick();
        QCOMPARE(f.find<QComboBox>("Combo5")->currentText(), QStringLiteral("PA3ABC-9"));

        item(f, &Form1Menus::menuoptions, int(OptionItem::ViewHeardStations))->trigger();
        auto* editor = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Current Heard List"));
        QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("N0CALL\nPA3ABC-9\n\n"));

        f.dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::No)
            .expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::Yes);
        f.find<QPushButton>("Command6")->click();
        QCOMPARE(f.heardCalls().size(), 2);
        item(f, &Form1Menus::menuoptions, int(OptionItem::ClearHeardList))->trigger();
        QCOMPARE(f.heardCalls(), QStringList());
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("0"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void messageForUsStandsOutUntilRead() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        QVERIFY(f.hear({"N2BBB>APRS,RS0ISS*::PA3XYZ   :hello{42"}));
        auto* button = f.find<QToolButton>("Command18");
        QCOMPARE(button->toolTip(), QStringLiteral("View received APRS Messages (1 unread)"));
        QVERIFY(!button->styleSheet().isEmpty());
        QCOMPARE(f.form1().findChild<Meld*>()->Label1->text(),
                 QStringLiteral("Message from N2BBB: hello"));
        f.form1().Command18_Click();
        QCOMPARE(button->toolTip(), QStringLiteral("View received APRS Messages"));
        QVERIFY(button->styleSheet().isEmpty());
    }

    void sendWithoutEngineLinkSaysSo() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        const QString port = QString::number(f.server.port());
        f.server.stop();
        QTRY_VERIFY(!f.link().isUp());
        const QString monitor = f.monitorText();
        f.form1().Command2_Click();
        QCOMPARE(f.find<QLabel>("noticeStatus")->text(),
                 "Not sent: no engine link (127.0.0.1:" + port + ")");
        QCOMPARE(f.monitorText(), monitor);
    }

    // --- transmit side -------------------------------------------------------------------

    void eachSendReachesTheLink_data() {
        columns<QString, QStringList>("how", "data");
        const QString position = kHeader + QStringLiteral("portable {ZENO30}");
        const QString message = QStringLiteral(":N0CALL   :hello{1");  // acks on: numbered
        const QString heard = QStringLiteral("Heard:N0CALL,{ZENO30}");
        row("Command2", "Command2", QStringList{"typed text"});
        row("Enter in Combo1", "Combo1", QStringList{"typed text"});
        row("UI Data", "menusends_1", QStringList{"typed text"});
        row("UI Header only", "menusends_0", QStringList{""});
        row("Command9", "Command9", QStringList{position});
        row("Enter in Combo4", "Combo4", QStringList{position});
        row("APRS Position and Data", "menusends_2", QStringList{position});
        row("Command7", "Command7", QStringList{message});
        row("Enter in Combo6", "Combo6", QStringList{message});
        row("APRS Message", "menusends_3", QStringList{message});
        row("MHeard Stations", "menusends_8", QStringList{heard});
        row("MHeard as bulletin", "menusends_9", QStringList{":BLN0QSLs :N0CALL,{ZENO30}"});
    }

    void eachSendReachesTheLink() {
        QFETCH(QString, how);
        QFETCH(QStringList, data);
        ZenoFixture f;
        QVERIFY(f.startStation(aprsStation()));
        QVERIFY(f.hear({"N0CALL>CQ:1"}));
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("typed text"));
        f.find<QComboBox>("Combo4")->setEditText(QStringLiteral("portable"));
        f.find<QComboBox>("Combo5")->setEditText(QStringLiteral("N0CALL"));
        f.find<QComboBox>("Combo6")->setEditText(QStringLiteral("hello"));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("aprs"));
        if (auto* button = f.find<QPushButton>(how))
            button->click();
        else if (auto* box = f.find<QComboBox>(how))
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        else
            f.form1().findChild<QAction*>(how)->trigger();
        QList<Sent> expected;
        for (const QString& d : data)
            expected << Sent{'V', "APRS RS0ISS", d};
        QCOMPARE(f.sentUiFrames(), expected);
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("APRS"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void blankToAndViaAskForTheCall() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral(" "));
        f.find<QComboBox>("Combo3")->setEditText(QString());
        f.dialogs.expectInput(kProgramTitle, QStringLiteral("pa3abc rs0iss"))
            .expectInput(kProgramTitle, QString());
        f.form1().Command2_Click();
        f.form1().Command2_Click();  // Cancel: nothing goes out
        QCOMPARE(f.sentUiFrames().size(), 1);
        QCOMPARE(f.sentUiFrames().first().callField, QStringLiteral("PA3ABC RS0ISS"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void enterInToViaAndForRecords() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        for (const char* name : {"Combo2", "Combo3", "Combo5"}) {
            auto* box = f.find<QComboBox>(name);
            box->setEditText(QStringLiteral("PA3NEW"));
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            QCOMPARE(box->itemText(box->count() - 1), QStringLiteral("PA3NEW"));
        }
        QCOMPARE(f.find<QComboBox>("Combo6")->toolTip(),
                 QStringLiteral("Message contents to transmit For:PA3NEW"));
    }

    void historyEditorsOpenOnTheirList_data() {
        columns<QString, QString>("how", "caption");
        row("Command12", "Command12", "Edit TX-Data entries");
        row("Command11", "Command11", "Edit TX-APRS Pos/Data entries");
        row("Command17", "Command17", "Edit TX APRS-Messages entries");
        row("Setup menu 3", "menusetups_3", "Edit TX-Data entries");
        row("Setup menu 4", "menusetups_4", "Edit TX-APRS Pos/Data entries");
        row("Setup menu 5", "menusetups_5", "Edit TX APRS-Messages entries");
    }

    void historyEditorsOpenOnTheirList() {
        QFETCH(QString, how);
        QFETCH(QString, caption);
        ZenoFixture f;
        QVERIFY(f.startStation());
        QString shown;
        whenModal(QStringLiteral("Form5"), [&](QDialog* form) {
            shown = form->windowTitle();
            form->findChild<QPushButton*>("Command3")->click();  // Remove All
            form->findChild<QPushButton*>("Command1")->click();  // OK
        });
        run(f, qPrintable(how));
        QCOMPARE(shown, caption);
        const Settings& s = f.state().settings;
        QCOMPARE(s.txDataHistory.isEmpty() + s.aprsDataHistory.isEmpty() +
                     s.messageTextHistory.isEmpty(),
                 1);
    }

    void aprsSetupEnablesThePosition() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        auto* sendMenu = item(f, &Form1Menus::menusends, int(SendItem::AprsPosition));
        QVERIFY(!f.find<QPushButton>("Command9")->isEnabled() && !sendMenu->isEnabled());
        f.find<QComboBox>("Combo4")->setEditText(QStringLiteral("portable"));
        f.dialogs.expectMessage(QStringLiteral("APRS Setup complete"), MsgAnswer::Yes);
        whenModal(QStringLiteral("Form2"), [](QDialog* form) {
            form->findChild<QLineEdit*>("Text6")->setText(QStringLiteral("52"));
            form->findChild<QComboBox*>("Combo2")->setEditText(QStringLiteral("w"));
            form->findChild<QPushButton*>("Command1")->click();
        });
        item(f, &Form1Menus::menusetups, int(SetupItem::AprsPosition))->trigger();
        QVERIFY(f.state().settings.aprs.endsWith(QStringLiteral("portable {ZENO30}")));
        QVERIFY(f.find<QPushButton>("Command9")->isEnabled() && sendMenu->isEnabled());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void beaconLabelAndTimedBeacon() {
        ZenoFixture f;
        QVERIFY(f.startStation(aprsStation()));
        auto* label = f.find<ClickableLabel>("Label6");
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("Beacon ON"));
        QCOMPARE(f.state().settings.beacon, -1);
        f.tick(41);  // ten seconds of ticks and one more
        QCOMPARE(f.sentUiFrames().size(), 1);
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("Beacon OFF"));

        // The timed beacon switches it on at the start time.
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("22:00:00"));
        f.find<QLineEdit>("Text6")->setText(QStringLiteral("23:00:00"));
        f.find<QCheckBox>("Check4")->setChecked(true);
        f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(22, 0, 0)));
        f.tick();
        QCOMPARE(label->text(), QStringLiteral("Beacon ON"));
    }

    void editAndFindOnTheReadOnlyMonitor() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.form1().replaceMonitorText(QStringLiteral("Fm N0CALL To CQ\nHello"));
        select(f, 3, 9);
        run(f, "Command14");
        QCOMPARE(f.platform.clipboard, QStringLiteral("N0CALL"));
        f.platform.clipboard = QStringLiteral("PA3XYZ-1");
        for (const char* step : {"Command13", "Command15", "menuedits_5", "menuedits_1"})
            run(f, step);  // cut, paste what was copied, select all, copy
        QCOMPARE(f.platform.clipboard, QStringLiteral("Fm N0CALL To CQ\r\nHello"));
        const std::tuple<const char*, int, int> cutPasteDelete[] = {
            {"menuedits_0", 0, 3}, {"menuedits_2", 0, 0}, {"menuedits_3", 3, 6}};
        for (const auto& [step, from, to] : cutPasteDelete) {
            select(f, from, to);
            run(f, step);
        }
        QCOMPARE(f.monitorText(), QStringLiteral("Fm ALL To CQ\nHello"));
        run(f, "menuedits_6");  // Clear All
        QCOMPARE(f.monitorText(), QString());
        for (bool editable : {true, false}) {
            QCOMPARE(f.find<QPlainTextEdit>("Text1")->isReadOnly(), editable);
            run(f, "menuedits_8");
            QCOMPARE(f.find<QAction>("menuedits_8")->isChecked(), editable);
        }

        f.form1().replaceMonitorText(QStringLiteral("CQ de N0CALL\ncq again"));
        f.dialogs.expectInput(QStringLiteral("Find"), QStringLiteral("cq"));
        run(f, "findmenu");
        run(f, "findnextmenu");
        QCOMPARE(f.find<QPlainTextEdit>("Text1")->textCursor().selectionStart(), 13);  // line 2
        f.form1().replaceMonitorText(QStringLiteral("73"));
        f.dialogs.expectMessage(kProgramTitle, MsgAnswer::Ok, QStringLiteral("Nothing found"));
        run(f, "findnextmenu");
        QVERIFY(!f.find<QAction>("findnextmenu")->isEnabled());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void monitorFilesReportAndPrinting() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.form1().replaceMonitorText(QStringLiteral("Fm N0CALL To CQ\nHello there"));
        const QString out = f.file(QStringLiteral("out.txt"));
        select(f, 0, 15);
        f.dialogs.expectMessage(QStringLiteral("Save"), MsgAnswer::Yes).expectSaveFile(out);
        run(f, "menufiles_2");
        select(f, 0, 10);  // too short to ask about: the whole monitor, but no overwrite
        f.dialogs.expectSaveFile(out).expectMessage(QStringLiteral("File already exists"));
        run(f, "Command1");
        QCOMPARE(f.readFile(QStringLiteral("out.txt")), QByteArray("Fm N0CALL To CQ"));

        select(f, 16, 27);  // the report of the selection
        f.dialogs.expectMessage(QStringLiteral("Save"), MsgAnswer::Yes).expectSaveFile(f.file("r"));
        run(f, "menufiles_3");
        QVERIFY(f.readFile(QStringLiteral("r")).contains("---\r\nHello there\r\n\r\n***"));

        f.state().files.FileName.clear();
        f.dialogs.expectOpenFile(out).expectOpenFile(out);
        run(f, "menufiles_1");
        QCOMPARE(f.platform.editorFiles, QStringList{out});
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("ZENO001.TXT"));
        run(f, "menufiles_0");
        QCOMPARE(f.form1().findChild<Editor*>(QStringLiteral("Editor"))->currentFile(), out);
        for (const QByteArray& tail : {QByteArray(), QByteArray("y")}) {  // 30000, then one more
            f.writeFile(QStringLiteral("big.txt"),
                        (QByteArray(28, 'x') + "\r\n").repeated(1000) + tail);
            f.dialogs.expectOpenFile(f.file(QStringLiteral("big.txt")));
            if (!tail.isEmpty())
                f.dialogs.expectMessage(QStringLiteral("File to long"));
            run(f, "Command3");
            QCOMPARE(f.state().ReplyText.size(), 30000 + 3 * tail.size());
            QCOMPARE(f.monitorText(), QString(f.state().ReplyText).replace("\r\n", "\n"));
        }

        select(f, 3, 9);
        f.dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes,
                                QStringLiteral("Do you want to print the selected tekst?"));
        run(f, "Command4");
        QCOMPARE(f.platform.printed.last().text, QStringLiteral("xxxxxx"));
        f.platform.setHasPrinter(false);  // the monitor goes to a PDF file instead
        f.dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        run(f, "menufiles_5");
        QVERIFY(f.readFile(QStringLiteral("ZENO Monitor.pdf")).startsWith("%PDF"));
        QVERIFY(f.form1().statusBar()->currentMessage().contains(QStringLiteral("Monitor.pdf")));
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
