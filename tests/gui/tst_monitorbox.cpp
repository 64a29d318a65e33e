// SPDX-License-Identifier: GPL-3.0-or-later
// The monitor box repaints only what an append touches, and its scroll bar only when it looks
// different: the text on the screen after each append must be exactly a full paint of the box
// at once, the scroll bar's handle within a second; an operator's scroll shows at once. The
// text it paints from cells is what the stock box paints.

#include "windowtest.h"

#include "ui/common/monitorbox.h"
#include "ui/common/monitoredit.h"
#include "ui/common/widgets.h"

#include <QScreen>
#include <QScrollBar>

class TestMonitorBox : public QObject {
    Q_OBJECT

private slots:
    void init() { zeno::test::failOnUnexpectedWarnings(); }

    void paintsWhatTheStockBoxPaints() {
        const QString text =
            QStringLiteral(
                "1:Fm PA3XYZ-9 To APRS Via RS0ISS* <UI pid=F0 Len=40 >[12:34:56]\r\n"
                "=5212.34N/00612.34E-Rig: FT-817, Ant: Arrow; {R}@~|\r\n"
                "\u00c4\u00d6\u00dc \u00e9\u00e8 \u00df\u00f1 \u00b0 \u00bd\r\n"
                "tab\there \u0001 \u20ac euro\r\n") +  // no cells: the stock way
            QString(90, QLatin1Char('R'));             // wraps
        const QFont font = zeno::fontForFamily(QStringLiteral("Fixedsys"));
        QPlainTextEdit stock;
        zeno::MonitorEdit monitor;
        for (QPlainTextEdit* edit : std::initializer_list<QPlainTextEdit*>{&stock, &monitor}) {
            edit->setReadOnly(true);
            edit->resize(420, 240);
            edit->setFont(font);
            MonitorTextBox box(edit);  // the monitor's font: plain glyphs
            box.append(text);
        }
        QCOMPARE(monitor.grab().toImage(), stock.grab().toImage());
        for (QPlainTextEdit* edit : std::initializer_list<QPlainTextEdit*>{&stock, &monitor})
            edit->setReadOnly(false);  // painted the stock way, its own background too
        QCOMPARE(monitor.grab().toImage(), stock.grab().toImage());
    }

    void screenMatchesAFullPaintAfterEveryAppend() {
        zeno::MonitorEdit edit;
        edit.setReadOnly(true);
        edit.resize(420, 200);
        MonitorTextBox box(&edit);
        for (int n = 0; n < 60; ++n)
            box.append(QStringLiteral("PA%1ABC>CQ,RS0ISS*:line %1\r\n").arg(n));
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        box.scrollToEnd();
        const QStringList appends{
            QStringLiteral("one line\r\n"),
            QStringLiteral("three\r\nlines\r\nat once\r\n"),
            QStringLiteral("half a line, "),
            QStringLiteral("the rest\r\n"),
            QString(300, QLatin1Char('w')) + QStringLiteral("\r\n"),  // wraps
            QStringLiteral("lone CR\rlone LF\n"),
        };
        const auto onScreen = [&edit] {
            return QGuiApplication::primaryScreen()
                ->grabWindow(edit.winId())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const auto painted = [&edit] {
            return edit.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QRect text = edit.viewport()->geometry();
        for (const QString& appended : appends) {
            box.appendLater(appended);
            box.scrollToEnd();
            box.flush();
            QCoreApplication::processEvents();
            QVERIFY2(onScreen().copy(text) == painted().copy(text), qPrintable(appended));
            QTRY_VERIFY2_WITH_TIMEOUT(onScreen() == painted(), qPrintable(appended), 1500);
        }
        edit.verticalScrollBar()->setValue(0);
        QCoreApplication::processEvents();
        QVERIFY(onScreen() == painted());
    }

    // A cut counts the text as CR LF lines and never leaves half a line end.
    void cutsTheFrontAsTheCrLfTextCounts_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("left");
        QTest::newRow("inside the first line") << 2 << QStringLiteral("e\r\ntwo\r\nthree");
        QTest::newRow("up to a CR") << 3 << QStringLiteral("\r\ntwo\r\nthree");
        QTest::newRow("between CR and LF") << 4 << QStringLiteral("two\r\nthree");
        QTest::newRow("a whole line") << 5 << QStringLiteral("two\r\nthree");
        QTest::newRow("inside a later line") << 11 << QStringLiteral("hree");
        QTest::newRow("all of it") << 15 << QStringLiteral("");
        QTest::newRow("more than there is") << 40 << QStringLiteral("");
    }
    void cutsTheFrontAsTheCrLfTextCounts() {
        QFETCH(int, count);
        QFETCH(QString, left);
        QPlainTextEdit edit;
        MonitorTextBox box(&edit);
        box.append(QStringLiteral("one\r\ntwo\r\nthree"));
        box.cutFront(count);
        QCOMPARE(box.text(), left);
        QCOMPARE(box.length(), left.size());
    }

    // The bars still come and go with the text, though a range that only grows lays out nothing.
    void barComesWithTheTextAndGoesWithIt() {
        QPlainTextEdit edit;
        edit.resize(300, 120);
        MonitorTextBox box(&edit);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        for (int n = 0; n < 40; ++n)
            box.append(QStringLiteral("line %1\r\n").arg(n));
        QTRY_VERIFY(edit.verticalScrollBar()->isVisible());
        box.clear();
        QTRY_VERIFY(!edit.verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestMonitorBox)
#include "tst_monitorbox.moc"
