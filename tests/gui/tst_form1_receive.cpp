// The receive side of the main window: the monitor as the poll tick fills it (its check boxes,
// clear button and length limit), the Filters menu and its label, the heard list with its
// buttons and menu items, and the alarm.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "platform/colors.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/editor.h"
#include "ui/monitortext.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kHelloShown =
    QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]\nHello\n\n");

// A running station whose start-up text has been taken.
bool startStation(ZenoFixture& f, Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"))) {
    f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
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

// The check marks of menu items 0, 1, 2, 3 and 5 (4 is the separator).
QString filterChecks(const ZenoFixture& f) {
    QString checks;
    for (int i : {0, 1, 2, 3, 5})
        checks += f.form1().controls().menufilters[i]->isChecked() ? 'X' : '.';
    return checks;
}

}  // namespace

class TestForm1Receive : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void startUpTextThenFramesInTheSettingsColoursAndViewData() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.headerColor = paletteColor(14);
        s.screenColor = paletteColor(1);
        QVERIFY(startStation(f, s));
        const QString init = f.state().link.EngineInitText;
        QVERIFY(init.startsWith(QLatin1String("AGWPE engine")));
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello", "N1ABC-7>APRS:>status"}));
        // The start-up text is a line of its own, without the NUL that ends it.
        QCOMPARE(f.monitorText(),
                 "\n" + init + "\n" + kHelloShown +
                     "Fm N1ABC-7 To APRS <UI pid=F0 Len=7 >[21:04:09]\n>status\n\n");
        QCOMPARE(f.find<QLabel>("Klok")->text(), QStringLiteral("21:04:09"));

        const auto* text = f.find<QPlainTextEdit>("Text1");
        QCOMPARE(text->palette().color(QPalette::Text), colorFromRgbNumber(paletteColor(14)));
        QCOMPARE(text->palette().color(QPalette::Base), colorFromRgbNumber(paletteColor(1)));
        QVERIFY(QFontInfo(text->font()).fixedPitch());

        // View Data: only the bodies of what comes next.
        f.find<QCheckBox>("Check3")->click();
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello"}));
        QVERIFY(f.monitorText().endsWith(">status\n\nHello\n\n"));
        f.find<QCheckBox>("Check3")->click();
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello"}));
        QVERIFY(f.monitorText().endsWith("Hello\n\n" + kHelloShown));
    }

    void stopMonitorDropsFramesWhileClockAndBeaconRun() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.beacon = -1;
        s.beaconInterval = 10;  // seconds: due after 41 ticks
        QVERIFY(startStation(f, s));
        f.find<QCheckBox>("Check2")->setChecked(true);
        const QString before = f.monitorText();
        f.server.clearReceived();

        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello", "N1ABC>CQ:second"}));
        f.platform.advance(3000);
        f.tick(45);
        QCOMPARE(f.monitorText(), before);
        QCOMPARE(f.find<QLabel>("Klok")->text(), QStringLiteral("21:04:12"));
        QCOMPARE(f.find<QListWidget>("List1")->count(), 0);
        // The beacon (a UI frame through the Via box) went out all the same.
        QVERIFY(QTest::qWaitFor(
            [&] { return f.server.countOfKind('V') + f.server.countOfKind('M') > 0; }, 5000));

        // What came while it was stopped is gone.
        f.find<QCheckBox>("Check2")->setChecked(false);
        f.tick(3);
        QCOMPARE(f.monitorText(), before);
    }

    void autoScrollFollowsTheNewestLine() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().show();
        auto* check = f.find<QCheckBox>("Check1");
        check->click();
        QCOMPARE(f.state().settings.autoScroll, 0);
        check->click();
        QCOMPARE(f.state().settings.autoScroll, 1);
        // The operator has selected something near the top.
        auto* text = f.find<QPlainTextEdit>("Text1");
        f.form1().replaceMonitorText(QString(200, QLatin1Char('\n')));
        QTextCursor selection(text->document());
        selection.setPosition(2);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        text->setTextCursor(selection);
        text->verticalScrollBar()->setValue(0);
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello"}));
        QVERIFY(f.monitorText().endsWith(kHelloShown));
        QCOMPARE(text->textCursor().position(), text->document()->characterCount() - 1);
        QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
    }

    // The limit counts CR LF as two characters; past 29000 the monitor keeps its last 26000.
    // It holds 3100 "y", a line end, a line of "x" and a line end; the frame adds 52.
    void trimBoundary_data() {
        QTest::addColumn<int>("xLength");
        QTest::addColumn<QString>("keptStart");
        QTest::addColumn<int>("keptLength");
        QTest::newRow("at the limit") << 25844 << "yyyyy" << 29000;
        QTest::newRow("one past: cut inside a line") << 25845 << "yyyyy" << 26000;
        QTest::newRow("cut before the CR") << 25944 << "\r\nxx" << 26000;
        QTest::newRow("cut between CR and LF: both go") << 25945 << "xx" << 25999;
        QTest::newRow("cut after the LF") << 25946 << "xx" << 26000;
    }

    void trimBoundary() {
        QFETCH(int, xLength);
        QFETCH(QString, keptStart);
        QFETCH(int, keptLength);
        ZenoFixture f;
        QVERIFY(startStation(f));
        const QString before = QString(3100, 'y') + "\r\n" + QString(xLength, 'x') + "\r\n";
        f.form1().replaceMonitorText(before);
        QVERIFY(hear(f, {"N0CALL>CQ:Hi"}));
        const QString model = f.monitorText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        QCOMPARE(model.size(), keptLength);
        QVERIFY2(model.startsWith(keptStart), qPrintable(model.left(20)));
        QVERIFY(model.endsWith("xx\r\nFm N0CALL To CQ <UI pid=F0 Len=2 >[21:04:09]\r\nHi\r\n\r\n"));
        QCOMPARE(MonitorTextBox(f.find<QPlainTextEdit>("Text1")).length(), keptLength);
    }

    void filterMenuChoosesWhatTheMonitorShows() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        const auto choose = [&](int item) {
            f.form1().controls().menufilters[item]->trigger();
            return f.find<QLabel>("Label13")->text() + ' ' + filterChecks(f);
        };
        const auto background = [&] {
            return f.find<QLabel>("Label13")->palette().color(QPalette::Window);
        };
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral(" cq"));
        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("rs0iss"));
        QCOMPARE(choose(2), QStringLiteral("RS0ISS ..X.."));
        QCOMPARE(choose(3), QStringLiteral("Digipeated ...X."));
        f.dialogs.expectInput(QStringLiteral("Filter Callsign/String"), QStringLiteral("dl1abc"));
        QCOMPARE(choose(5), QStringLiteral("DL1ABC ....X"));
        QCOMPARE(choose(0), QStringLiteral("No Filter X...."));
        QCOMPARE(background(), colorFromRgbNumber(paletteColor(7)));
        QCOMPARE(choose(1), QStringLiteral("CQ .X..."));
        QCOMPARE(background(), colorFromRgbNumber(paletteColor(10)));

        // The monitor shows what passes; the heard list sees every frame.
        f.find<QPlainTextEdit>("Text1")->clear();
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:shown", "DL1ABC>PCSAT,WIDE2-1:hidden"}));
        QVERIFY(f.monitorText().contains("\nshown\n"));
        QVERIFY(!f.monitorText().contains("hidden"));
        QCOMPARE(listed(f), (QStringList{"N0CALL", "DL1ABC"}));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void refusedChoiceAndClearingKeepTheFilter() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().controls().menufilters[3]->trigger();
        f.find<QComboBox>("Combo2")->setEditText(QStringLiteral("   "));
        f.form1().controls().menufilters[1]->trigger();  // the item checks itself when clicked
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("Digipeated"));
        QCOMPARE(filterChecks(f), QStringLiteral("...X."));

        // Clearing the monitor leaves the filter and the heard list.
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS*:Hello"}));
        f.find<QToolButton>("Command8")->click();
        QCOMPARE(f.monitorText(), QString());
        QCOMPARE(listed(f), QStringList{"N0CALL"});
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("Digipeated"));
    }

    void filterLabelOpensTheMenu() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().show();
        QTest::mouseClick(f.find<QLabel>("Label13"), Qt::LeftButton);
        QTRY_VERIFY(f.form1().controls().menufilter->isVisible());
        f.form1().controls().menufilter->hide();
    }

    void heardListButtonsAndMenu() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(hear(f, {"N0CALL>CQ:1", "PA3ABC-9>CQ:2", "N0CALL>CQ:3", "PA3ABC-9>CQ,RS0ISS*:4"}));
        QCOMPARE(listed(f), (QStringList{"N0CALL", "PA3ABC-9"}));
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("2"));

        f.find<QPushButton>("Command16")->click();
        QCOMPARE(f.platform.clipboard, QStringLiteral("N0CALL,PA3ABC-9,"));
        f.platform.clipboard.clear();
        f.form1().controls().menuoptions[4]->trigger();  // "Copy MHeard List to Clipboard"
        QCOMPARE(f.platform.clipboard, QStringLiteral("N0CALL,PA3ABC-9,"));

        f.dialogs.expectSaveFile(f.file(QStringLiteral("saved heard.txt")));
        f.find<QPushButton>("Command5")->click();
        QCOMPARE(f.dialogs.shown.last().defaultText, QStringLiteral("mheard.txt"));
        QCOMPARE(f.readFile(QStringLiteral("saved heard.txt")),
                 QByteArray("N0CALL\r\nPA3ABC-9\r\n\r\n"));

        f.find<QListWidget>("List1")->setCurrentRow(1);
        f.form1().List1_DblClick();
        QCOMPARE(f.find<QComboBox>("Combo5")->currentText(), QStringLiteral("PA3ABC-9"));

        f.form1().controls().menuoptions[2]->trigger();  // "View Heard Stations..."
        QCOMPARE(f.readFile(QStringLiteral("mheared.tmp")),
                 QByteArray("N0CALL\r\nPA3ABC-9\r\n\r\n"));
        auto* editor = f.form1().findChild<Editor*>(QStringLiteral("Editor"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Current Heard List"));
        // Again: the same window shows the list as it is now.
        QVERIFY(hear(f, {"DL1ABC>CQ:x"}));
        f.form1().controls().menuoptions[2]->trigger();
        QCOMPARE(f.form1().findChildren<Editor*>().size(), 1);
        QCOMPARE(editor->Text1->toPlainText(), QStringLiteral("N0CALL\nPA3ABC-9\nDL1ABC\n\n"));

        const QString monitor = f.monitorText();
        f.dialogs.expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::No)
            .expectMessage(QStringLiteral("Clear MHeard List"), MsgAnswer::Yes);
        f.find<QPushButton>("Command6")->click();
        QCOMPARE(listed(f).size(), 3);
        f.form1().controls().menuoptions[3]->trigger();  // "Clear MHeard List"
        QCOMPARE(listed(f), QStringList());
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QStringLiteral("0"));
        QCOMPARE(f.monitorText(), monitor);
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void alarmSoundsForTheChosenHeader() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.alarmMode = 1;
        s.alarmHeaderText = QStringLiteral("rs0iss*");
        QVERIFY(startStation(f, s));
        QVERIFY(hear(f, {"N0CALL>CQ,RS0ISS:not repeated", "N0CALL>CQ,RS0ISS*:repeated"}));
        const QString alarm = appFile(f.appPath(), QStringLiteral("alarm.wav"));
        QCOMPARE(f.platform.played, QStringList{alarm});
        QVERIFY2(QFile::exists(alarm), "the program ships its alarm sound");
    }
};

QTEST_MAIN(TestForm1Receive)
#include "tst_form1_receive.moc"
