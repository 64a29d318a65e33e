// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: one case per control or menu path, and its own flows (rules: tests/unit).

#include "windowtest.h"

#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/colors.h"
#include "ui/common/widgets.h"
#include "ui/windows/editor.h"
#include "ui/windows/meld.h"

#include <QMenu>

namespace {

const QString kNoEngineTitle = QStringLiteral("ZENO: AGWPE Not running");
const QString kHeader = QStringLiteral("=5258.23N/00002.77W-");
using Sent = ZenoFixture::Sent;

// Selects characters start to end of the monitor.
void select(const ZenoFixture& f, int start, int end) {
    QTextCursor cursor(f.find<QPlainTextEdit>("Text1")->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    f.find<QPlainTextEdit>("Text1")->setTextCursor(cursor);
}

void run(const ZenoFixture& f, const QString& name) { zeno::test::run(f.form1(), name); }

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

    // Without an engine it runs on, says why nothing goes out, and finds the engine later.
    void noEngineRunsAnywayAndFindsItLater() {
        ZenoFixture f;
        f.writeStationSettings();
        const quint16 enginePort = f.server.port();
        f.server.stop();
        f.dialogs.expectMessage(kNoEngineTitle, MsgAnswer::Yes);
        QVERIFY(f.start());
        QCOMPARE(f.monitorText(), QStringLiteral("RUNNING WITHOUT AGW PACKET ENGINE DETECTED!"));
        auto* status = f.find<QLabel>("linkStatus");
        QVERIFY(status->text().contains(QStringLiteral("trying again")));
        f.form1().Command2_Click();
        QCOMPARE(f.find<QLabel>("noticeStatus")->text(),
                 QStringLiteral("Not sent: no engine link (127.0.0.1:%1)").arg(enginePort));

        QVERIFY(f.server.listen(enginePort));
        QTRY_VERIFY(status->text().contains(QStringLiteral("connected to 127.0.0.1")));
        QVERIFY(f.tickUntil([&] { return f.monitorText().contains(QStringLiteral("AGWPE")); }));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void exitSavesTheWindowAndEnds() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.savePosition = -1;
        s.hSize = 10580;
        s.vSize = 8330;
        QVERIFY(f.startStation(s));
        f.form1().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form1()));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("apRS"));
        QTRY_VERIFY(f.form1().size() != QSize());
        QTest::qWait(0);  // the window settles its size once its frame is known
        run(f, "menufiles_7");
        QVERIFY(f.hasEnded());
        const QByteArray file = f.readFile(QStringLiteral("zeno.ini"));
        QVERIFY(file.contains("[To call]\r\nAPRS\r\n"));
        // The window's size round-trips: it does not grow by its frame at every start.
        QVERIFY2(file.contains("[h-size]\r\n 10580\r\n[v-size]\r\n 8330\r\n"), file.constData());
        QVERIFY(f.server.waitForClients(0));
    }

    // The monitor, the clock, the heard list, a message for us and the monitor's switches.
    void monitorShowsWhatIsHeard() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.screenColor = paletteColor(1);
        QVERIFY(f.startStation(s));
        QCOMPARE(f.form1().windowTitle(), QStringLiteral("ZENO v3.0.1 - PA3XYZ"));
        QVERIFY(f.hear({"N0CALL>CQ,RS0ISS*:Hello", "PA3ABC-9>CQ:2"}));
        QVERIFY(f.hear({"N2BBB>APRS,RS0ISS*::PA3XYZ   :hello{42"}));  // for us: it stands out
        QVERIFY(
            f.monitorText().contains("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]"
                                     "\nHello\n\n"));
        QCOMPARE(f.find<QLabel>("Klok")->text(), QStringLiteral("21:04:09"));
        QCOMPARE(f.heardCalls(), (QStringList{"N0CALL", "PA3ABC-9", "N2BBB"}));
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("3"));
        auto* messages = f.find<QToolButton>("Command18");
        QCOMPARE(messages->toolTip(), QStringLiteral("View received APRS Messages (1 unread)"));
        QVERIFY(!messages->styleSheet().isEmpty());
        QCOMPARE(f.form1().findChild<Meld*>()->Label1->text(),
                 QStringLiteral("Message from N2BBB: hello"));
        f.form1().Command18_Click();
        QVERIFY(messages->styleSheet().isEmpty());
        QCOMPARE(messages->toolTip(), QStringLiteral("View received APRS Messages"));
        const auto* text = f.find<QPlainTextEdit>("Text1");
        QCOMPARE(text->palette().color(QPalette::Base), colorFromRgbNumber(paletteColor(1)));
        auto* list = f.find<QListWidget>("List1");
        list->setCurrentRow(1);
        emit list->itemDoubleClicked(list->currentItem());
        QCOMPARE(f.find<QComboBox>("Combo5")->currentText(), QStringLiteral("PA3ABC-9"));
        run(f, "menuoptions_2");
        auto* editor = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Current Heard List"));

        f.find<QCheckBox>("Check3")->click();  // View Data: bodies only
        QVERIFY(f.hear({"N1ABC>CQ:data only"}));
        QVERIFY(f.monitorText().endsWith("\n\ndata only\n\n"));
        f.find<QCheckBox>("Check2")->click();  // Stop Monitor: dropped for good
        QVERIFY(f.hear({"N2ABC>CQ:dropped"}));
        QVERIFY(!f.monitorText().contains(QStringLiteral("dropped")));
        f.find<QCheckBox>("Check1")->click();  // AutoScroll off, kept in the settings
        QCOMPARE(f.state().settings.autoScroll, 0);

        // A flood beyond the link's queue: what it had to drop is counted on the status bar.
        f.find<QCheckBox>("Check2")->click();
        for (int i = 0; i < kReceiveQueueCapacity + 3; ++i)
            f.server.sendHeard(QStringLiteral("N0CALL>CQ:%1").arg(i));
        QTRY_COMPARE(f.link().droppedFrames(), qint64(3));
        f.tick();
        const auto* dropped = f.find<QLabel>("droppedFrames");
        QVERIFY(!dropped->isHidden() && dropped->text() == QStringLiteral("3 frames dropped"));
    }

    // Thousands of stations: the newest row is where painting, the mouse and the keys find it.
    void heardListReachesItsNewestRow() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.form1().show();
        auto* list = f.find<QListWidget>("List1");
        QStringList calls;
        for (int n = 0; n < 3000; ++n)
            calls.append(QStringLiteral("N%1XY").arg(n));
        list->addItems(calls);
        QVERIFY(f.hear({"PA3ABC>CQ:new"}));
        QListWidgetItem* newest = list->item(3000);
        QCOMPARE(newest->text(), QStringLiteral("PA3ABC"));
        list->scrollToBottom();
        const QRect shown = list->visualItemRect(newest);
        QVERIFY(list->viewport()->rect().contains(shown));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, shown.center());
        QCOMPARE(list->currentItem(), newest);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 2999);
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(list->itemAt(QPoint(1, 1)), list->item(0));
    }

    void filterMenuAndLabel() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("rs0iss"));
        run(f, "menufilters_2");
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("RS0ISS"));
        QVERIFY(f.hear({"N0CALL>CQ,RS0ISS*:shown", "DL1ABC>CQ,WIDE2-1:hidden"}));
        QVERIFY(f.monitorText().contains("shown") && !f.monitorText().contains("hidden"));

        f.form1().show();
        QTest::mouseClick(f.find<QLabel>("Label13"), Qt::LeftButton);
        QTRY_VERIFY(f.form1().controls().menus.filters.menufilter->isVisible());
        f.form1().controls().menus.filters.menufilter->hide();
    }

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
        QFETCH(QStringList, data);
        ZenoFixture f;
        QVERIFY(f.startStation(aprsStation()));
        QVERIFY(f.hear({"N0CALL>CQ:1"}));
        f.find<QComboBox>("Combo1")->setEditText(QStringLiteral("typed text"));
        f.find<QComboBox>("Combo4")->setEditText(QStringLiteral("portable"));
        f.find<QComboBox>("Combo5")->setEditText(QStringLiteral("N0CALL"));
        f.find<QComboBox>("Combo6")->setEditText(QStringLiteral("hello"));
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("aprs"));
        run(f, fetched<QString>("how"));
        QList<Sent> expected;
        for (const QString& d : data)
            expected << Sent{'V', "APRS RS0ISS", d};
        QCOMPARE(f.sentUiFrames(), expected);
        QCOMPARE(f.find<QComboBox>("Combo2")->currentText(), QStringLiteral("APRS"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // Enter in To, Via and For records the box; a blank To and Via ask for the call.
    void toViaAndForBoxes() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        for (const char* name : {"Combo2", "Combo3", "Combo5"}) {
            auto* box = f.find<QComboBox>(name);
            box->setEditText(QStringLiteral("PA3NEW"));
            run(f, name);
            QCOMPARE(box->itemText(box->count() - 1), QStringLiteral("PA3NEW"));
        }
        QCOMPARE(f.find<QComboBox>("Combo6")->toolTip(),
                 QStringLiteral("Message contents to transmit For:PA3NEW"));
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
        ZenoFixture f;
        QVERIFY(f.startStation());
        QString shown;
        whenModal(QStringLiteral("Form5"), [&](QDialog* form) {
            shown = form->windowTitle();
            form->findChild<QPushButton*>("Command3")->click();  // Remove All
            form->findChild<QPushButton*>("Command1")->click();  // OK
        });
        run(f, fetched<QString>("how"));
        QTEST(shown, "caption");
        const Settings& s = f.state().settings;
        QCOMPARE(s.txDataHistory.isEmpty() + s.aprsDataHistory.isEmpty() +
                     s.messageTextHistory.isEmpty(),
                 1);
    }

    void aprsSetupEnablesThePosition() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        const Form1Menus& menus = f.form1().controls().menus;
        auto* sendMenu = menuItem(menus.menusends, SendItem::AprsPosition);
        QVERIFY(!f.find<QPushButton>("Command9")->isEnabled() && !sendMenu->isEnabled());
        f.find<QComboBox>("Combo4")->setEditText(QStringLiteral("portable"));
        f.dialogs.expectMessage(QStringLiteral("APRS Setup complete"), MsgAnswer::Yes);
        whenModal(QStringLiteral("Form2"), [](QDialog* form) {
            form->findChild<QLineEdit*>("Text6")->setText(QStringLiteral("52"));
            form->findChild<QComboBox*>("Combo2")->setEditText(QStringLiteral("w"));
            form->findChild<QPushButton*>("Command1")->click();
        });
        menuItem(menus.menusetups, SetupItem::AprsPosition)->trigger();
        QVERIFY(f.state().settings.aprs.endsWith(QStringLiteral("portable {ZENO30}")));
        QVERIFY(f.find<QPushButton>("Command9")->isEnabled() && sendMenu->isEnabled());
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void beaconLabelAndTimedBeacon() {
        ZenoFixture f;
        QVERIFY(f.startStation(aprsStation()));
        auto* label = f.find<ClickableLabel>("Label6");
        QTest::mouseDClick(label, Qt::LeftButton);
        f.tick(41);  // ten seconds of ticks and one more
        QVERIFY(f.state().settings.beacon == -1 && f.sentUiFrames().size() == 1);
        QTest::mouseDClick(label, Qt::LeftButton);
        QCOMPARE(f.state().settings.beacon, 0);

        // The timed beacon switches it on at the start time.
        f.find<QLineEdit>("Text5")->setText(QStringLiteral("22:00:00"));
        f.find<QLineEdit>("Text6")->setText(QStringLiteral("23:00:00"));
        f.find<QCheckBox>("Check4")->setChecked(true);
        f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(22, 0, 0)));
        f.tick();
        QCOMPARE(f.state().settings.beacon, -1);
    }

    // steps: run on "Fm N0CALL To CQ" with "N0CALL" selected and "X" on the clipboard
    void editPaths_data() {
        columns<QStringList, QString, QString>("steps", "monitor", "clipboard");
        const QString text = QStringLiteral("Fm N0CALL To CQ");
        row("Command13 cut", QStringList{"Command13"}, "Fm  To CQ", "N0CALL");
        row("Command14 copy", QStringList{"Command14"}, text, "N0CALL");
        row("Command15 paste", QStringList{"Command15"}, "Fm X To CQ", "X");
        row("Cut", QStringList{"menuedits_0"}, "Fm  To CQ", "N0CALL");
        row("Copy", QStringList{"menuedits_1"}, text, "N0CALL");
        row("Paste", QStringList{"menuedits_2"}, "Fm X To CQ", "X");
        row("Delete", QStringList{"menuedits_3"}, "Fm  To CQ", "X");
        row("Select All", QStringList{"menuedits_5", "Command14"}, text, text);
        row("Clear All", QStringList{"menuedits_6"}, "", "X");
        row("Command8 clear", QStringList{"Command8"}, "", "X");
    }
    void editPaths() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        f.form1().replaceMonitorText(QStringLiteral("Fm N0CALL To CQ"));
        select(f, 3, 9);
        f.platform.clipboard = QStringLiteral("X");
        for (const QString& step : fetched<QStringList>("steps"))
            run(f, step);
        QTEST(f.monitorText(), "monitor");
        QTEST(f.platform.clipboard, "clipboard");
    }

    // The first box of each path, answered No or Cancel; shown: its title or the name offered.
    void eachPathShowsItsBox_data() {
        using K = ScriptedDialogs::Kind;
        columns<QString, int, QString>("how", "kind", "shown");
        row("Command16", "Command16", int(K::Message), "Empty MHeard List");
        row("Copy MHeard List", "menuoptions_4", int(K::Message), "Empty MHeard List");
        row("Command6", "Command6", int(K::Message), "Clear Heard List");
        row("Clear MHeard List", "menuoptions_3", int(K::Message), "Clear Heard List");
        row("Command5", "Command5", int(K::SaveFile), "mheard.txt");
        row("Save", "menufiles_2", int(K::SaveFile), "ZENO001.txt");
        row("Save Report", "menufiles_3", int(K::SaveFile), "ZENOReport.txt");
        row("Print", "menufiles_5", int(K::Message), "Print");
        row("Enter Call/String", "menufilters_5", int(K::Input), "Filter Callsign/String");
    }
    void eachPathShowsItsBox() {
        using K = ScriptedDialogs::Kind;
        QFETCH(int, kind);
        QFETCH(QString, shown);
        ZenoFixture f;
        QVERIFY(f.startStation());
        if (K(kind) == K::Message)
            f.dialogs.expectMessage(shown, MsgAnswer::No);
        else if (K(kind) == K::Input)
            f.dialogs.expectInput(shown, QString());
        else
            f.dialogs.expectSaveFile(QString());
        run(f, fetched<QString>("how"));
        QCOMPARE(f.dialogs.shown.size(), 1);
        const ScriptedDialogs::Box& box = f.dialogs.shown.first();
        QCOMPARE(K(kind) == K::SaveFile ? box.defaultText : box.title, shown);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // Open in its three modes, save and print the selection, find, and the edit mode.
    void monitorFilesFindAndEditMode() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        const QString in = f.file(QStringLiteral("in.txt"));
        f.writeFile(QStringLiteral("in.txt"), "CQ de N0CALL\r\ncq again\r\n");
        f.dialogs.expectOpenFile(in).expectOpenFile(in).expectOpenFile(in);
        run(f, "menufiles_1");
        QCOMPARE(f.platform.editorFiles, QStringList{in});
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("ZENO001.TXT"));
        run(f, "menuoptionsopens_7");  // Edit BBS/Terminal Files: 'Send Text' Nr 3
        QCOMPARE(f.platform.editorFiles.last(), f.file(QStringLiteral("sendtxt3.txt")));
        run(f, "menufiles_0");
        QCOMPARE(f.form1().findChild<Editor*>(QStringLiteral("Editor"))->currentFile(), in);
        run(f, "Command3");
        QCOMPARE(f.monitorText(), QStringLiteral("CQ de N0CALL\ncq again\n"));

        f.dialogs.expectInput(QStringLiteral("Find"), QStringLiteral("cq"));
        run(f, "findmenu");
        run(f, "findnextmenu");
        QCOMPARE(f.find<QPlainTextEdit>("Text1")->textCursor().selectionStart(), 13);  // line 2
        QVERIFY(f.find<QAction>("findnextmenu")->isEnabled());

        select(f, 0, 12);
        f.dialogs.expectMessage(QStringLiteral("Save"), MsgAnswer::Yes)
            .expectSaveFile(f.file(QStringLiteral("out.txt")));
        run(f, "Command1");
        QCOMPARE(f.readFile(QStringLiteral("out.txt")), QByteArray("CQ de N0CALL"));
        f.dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        run(f, "Command4");
        QCOMPARE(f.platform.printed.last().text, QStringLiteral("CQ de N0CALL"));
        for (bool editable : {true, false}) {
            run(f, "menuedits_8");
            QCOMPARE(f.find<QPlainTextEdit>("Text1")->isReadOnly(), !editable);
            QCOMPARE(f.find<QAction>("menuedits_8")->isChecked(), editable);
        }
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
