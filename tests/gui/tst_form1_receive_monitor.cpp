// The monitor of the main window as the poll tick fills it: the text the operator sees, the
// check boxes above it, the clear button and the length limit.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/colors.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/monitortext.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QDateTime kStartTime(QDate(2024, 5, 1), QTime(21, 4, 9));
const QString kHelloShown =
    QStringLiteral("Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]\nHello\n\n");

// A running station whose start-up text has been taken.
bool startStation(ZenoFixture& f, Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"))) {
    f.platform.setNow(kStartTime);
    f.writeSettings(settings);
    return f.start() && f.tickUntil([&] { return !f.state().link.EngineInitText.isEmpty(); });
}

// The monitor as the program counts it: CR LF line ends.
QString monitorModel(const ZenoFixture& f) {
    return f.monitorText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// Lets the engine's frames reach the link, then ticks until the link has none left.
bool drain(ZenoFixture& f, int frames) {
    if (!QTest::qWaitFor([&] { return f.link().pendingFrames() >= frames; }, 5000))
        return false;
    while (f.link().pendingFrames() > 0)
        f.tick();
    return true;
}

}  // namespace

class TestForm1ReceiveMonitor : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void startUpTextThenFrames() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        QVERIFY(f.state().link.EngineInitText.startsWith(QLatin1String("AGWPE engine")));
        // The start-up text is a line of its own, without the NUL that ends it.
        QCOMPARE(f.monitorText(), "\n" + f.state().link.EngineInitText + "\n");

        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        f.server.sendHeard(QStringLiteral("N1ABC-7>APRS:>status"));
        QVERIFY(drain(f, 2));
        QCOMPARE(f.monitorText(),
                 "\n" + f.state().link.EngineInitText + "\n" + kHelloShown +
                     "Fm N1ABC-7 To APRS <UI pid=F0 Len=7 >[21:04:09]\n>status\n\n");
        QVERIFY(!f.monitorText().contains(QChar(0)));
        QCOMPARE(f.find<QLabel>("Klok")->text(), QStringLiteral("21:04:09"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    void viewDataShowsBodiesOnly() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.find<QCheckBox>("Check3")->click();
        f.find<QPlainTextEdit>("Text1")->clear();
        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        QVERIFY(drain(f, 1));
        QCOMPARE(f.monitorText(), QStringLiteral("Hello\n\n"));
        // The heard list still saw the header.
        QCOMPARE(f.find<QListWidget>("List1")->item(0)->text(), QStringLiteral("N0CALL"));

        f.find<QCheckBox>("Check3")->click();
        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        QVERIFY(drain(f, 1));
        QCOMPARE(f.monitorText(), "Hello\n\n" + kHelloShown);
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

        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        f.server.sendHeard(QStringLiteral("N1ABC>CQ:second"));
        QVERIFY(drain(f, 2));
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

    void autoScrollClickIsStored() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        auto* check = f.find<QCheckBox>("Check1");
        QVERIFY(check->isChecked());
        check->click();
        QCOMPARE(f.state().settings.autoScroll, 0);
        check->click();
        QCOMPARE(f.state().settings.autoScroll, 1);
    }

    void autoScrollFollowsTheNewestLine_data() {
        QTest::addColumn<bool>("autoScroll");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void autoScrollFollowsTheNewestLine() {
        QFETCH(bool, autoScroll);
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.form1().show();
        auto* text = f.find<QPlainTextEdit>("Text1");
        f.find<QCheckBox>("Check1")->setChecked(autoScroll);
        // The operator has selected something near the top.
        f.form1().replaceMonitorText(QString(200, QLatin1Char('\n')));
        QTextCursor selection(text->document());
        selection.setPosition(2);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        text->setTextCursor(selection);
        text->verticalScrollBar()->setValue(0);

        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        QVERIFY(drain(f, 1));
        QVERIFY(f.monitorText().endsWith(kHelloShown));
        if (autoScroll) {
            QCOMPARE(text->textCursor().position(), text->document()->characterCount() - 1);
            QVERIFY(text->verticalScrollBar()->value() > 0);
            QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
        } else {
            QCOMPARE(text->textCursor().selectionStart(), 2);
            QCOMPARE(text->textCursor().selectionEnd(), 5);
            QCOMPARE(text->verticalScrollBar()->value(), 0);
        }
    }

    void clearEmptiesTheMonitorOnly() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        f.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello"));
        QVERIFY(drain(f, 1));
        f.form1().controls().menufilters[3]->trigger();
        f.find<QToolButton>("Command8")->click();
        QCOMPARE(f.monitorText(), QString());
        QCOMPARE(f.find<QListWidget>("List1")->count(), 1);
        QCOMPARE(f.find<QLabel>("Label13")->text(), QStringLiteral("Digipeated"));
        QVERIFY(f.dialogs.problems().isEmpty());
    }

    // The limit counts CR LF as two characters; past 29000 the monitor keeps its last 26000.
    void trimBoundary_data() {
        QTest::addColumn<int>("cutAfterFirstLine");  // where the cut falls, from the line's end
        QTest::addColumn<QString>("keptStart");
        QTest::addColumn<int>("keptLength");
        QTest::newRow("inside a line") << -5 << "yyyyy\r\nxx" << 26000;
        QTest::newRow("before the CR") << 0 << "\r\nxx" << 26000;
        QTest::newRow("between CR and LF: both go") << 1 << "xx" << 25999;
        QTest::newRow("after the LF") << 2 << "xx" << 26000;
    }

    void trimBoundary() {
        QFETCH(int, cutAfterFirstLine);
        QFETCH(QString, keptStart);
        QFETCH(int, keptLength);
        ZenoFixture f;
        QVERIFY(startStation(f));
        const QString added = QStringLiteral(
            "Fm N0CALL To CQ <UI pid=F0 Len=2 >[21:04:09]\r\nHi\r\n\r\n");  // 52 characters
        // 3100 + 2 + x + 2 + 52 - 26000 = 3100 + cutAfterFirstLine
        const QString before = QString(3100, QLatin1Char('y')) + "\r\n" +
                               QString(25944 + cutAfterFirstLine, QLatin1Char('x')) + "\r\n";
        f.form1().replaceMonitorText(before);
        QCOMPARE(MonitorTextBox(f.find<QPlainTextEdit>("Text1")).length(), before.size());

        f.server.sendHeard(QStringLiteral("N0CALL>CQ:Hi"));
        QVERIFY(drain(f, 1));
        const QString model = monitorModel(f);
        QCOMPARE(model.size(), keptLength);
        QVERIFY2(model.startsWith(keptStart), qPrintable(model.left(20)));
        QVERIFY(model.endsWith("xx\r\n" + added));
        QCOMPARE(MonitorTextBox(f.find<QPlainTextEdit>("Text1")).length(), keptLength);
    }

    void atTheLimitNothingIsCut() {
        ZenoFixture f;
        QVERIFY(startStation(f));
        // 28948 + 52 = 29000: not past the limit.
        const QString before = QString(28946, QLatin1Char('x')) + "\r\n";
        f.form1().replaceMonitorText(before);
        f.server.sendHeard(QStringLiteral("N0CALL>CQ:Hi"));
        QVERIFY(drain(f, 1));
        QCOMPARE(monitorModel(f).size(), 29000);
        QVERIFY(monitorModel(f).startsWith(before));
    }

    void coloursAndFontFromTheSettings() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.headerColor = paletteColor(14);
        s.screenColor = paletteColor(1);
        QVERIFY(startStation(f, s));
        const QPalette palette = f.find<QPlainTextEdit>("Text1")->palette();
        QCOMPARE(palette.color(QPalette::Text), colorFromRgbNumber(paletteColor(14)));
        QCOMPARE(palette.color(QPalette::Base), colorFromRgbNumber(paletteColor(1)));
        QVERIFY(QFontInfo(f.find<QPlainTextEdit>("Text1")->font()).fixedPitch());
    }
};

QTEST_MAIN(TestForm1ReceiveMonitor)
#include "tst_form1_receive_monitor.moc"
