// SPDX-License-Identifier: GPL-3.0-or-later
// The monitor box repaints only what an append touches, its scroll bar only when it looks
// different: after each append the screen is exactly a full paint of the box at once, the bar's
// handle within a second, an operator's scroll at once; cells paint what the stock box paints.

#include "windowtest.h"

#include "ui/common/monitorbox.h"
#include "ui/common/monitoredit.h"
#include "ui/common/widgets.h"

#include <QScreen>
#include <QScrollBar>
#include <functional>
#include <memory>
#include <vector>

class TestMonitorBox : public QObject {
    Q_OBJECT

private slots:
    void init() { zeno::test::failOnUnexpectedWarnings(); }

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

    // Lines of cells are placed, and the bars set, without a layout: the view stands and looks as
    // the stock box's through appends (hidden and shown), cuts, a scroll and editing. Heights a
    // few pixels apart meet every way the last line can fit.
    void viewStandsWhereTheStockBoxStands_data() {
        QTest::addColumn<int>("height");
        for (int height = 200; height < 218; height += 3)
            QTest::addRow("%d px", height) << height;
    }
    void viewStandsWhereTheStockBoxStands() {
        QFETCH(int, height);
        QPlainTextEdit stock;
        zeno::MonitorEdit monitor;
        const std::initializer_list<QPlainTextEdit*> edits{&stock, &monitor};
        std::vector<std::unique_ptr<MonitorTextBox>> boxes;
        for (QPlainTextEdit* edit : edits) {
            edit->setReadOnly(true);
            edit->setFont(zeno::fontForFamily(QStringLiteral("Fixedsys")));
            edit->resize(420, height);
            boxes.push_back(std::make_unique<MonitorTextBox>(edit));  // the font: plain glyphs
            boxes.back()->append(
                QStringLiteral("1:Fm PA3XYZ-9 To APRS Via RS0ISS* <UI pid=F0 Len=40 >[12:34:56]\r\n"
                               "=5212.34N/00612.34E-Rig: FT-817, Ant: Arrow; {R}@~|\r\n"
                               "\u00c4\u00d6\u00dc \u00e9\u00e8 \u00df\u00f1 \u00b0 \u00bd\r\n"
                               "tab\there \u0001 \u20ac euro\r\n") +  // no cells: the stock way
                QString(90, QLatin1Char('R')));                       // wraps
        }
        QCOMPARE(monitor.grab().toImage(), stock.grab().toImage());
        for (QPlainTextEdit* edit : edits) {
            edit->show();
            QVERIFY(QTest::qWaitForWindowExposed(edit));
        }
        const auto step = [&](const std::function<void(MonitorTextBox&)>& act) {
            for (auto& box : boxes)
                act(*box);
            QCoreApplication::processEvents();
            for (const auto bar :
                 {&QPlainTextEdit::verticalScrollBar, &QPlainTextEdit::horizontalScrollBar}) {
                const QScrollBar* a = (stock.*bar)();
                const QScrollBar* b = (monitor.*bar)();
                QCOMPARE(QList<int>({b->maximum(), b->pageStep(), b->value()}),
                         QList<int>({a->maximum(), a->pageStep(), a->value()}));
            }
            QCOMPARE(monitor.viewport()->grab().toImage(), stock.viewport()->grab().toImage());
        };
        const auto appended = [](const QString& text, bool scroll = true) {
            return [=](MonitorTextBox& box) {
                box.appendLater(text);
                if (scroll)
                    box.scrollToEnd();
                box.flush();
            };
        };
        for (int n = 0; n < 40; ++n)  // the first goes on after the R's
            step(appended(QStringLiteral("PA%1ABC>CQ,RS0ISS*:line %1\r\n").arg(n)));
        for (const int count : {400, 600, 4000})  // the top past the end, then all of it
            step([count](MonitorTextBox& box) { box.cutFront(count); });
        for (int n = 0; n < 30; ++n)
            step(appended(QStringLiteral("again %1\r\n").arg(n)));
        for (QPlainTextEdit* edit : edits)
            edit->verticalScrollBar()->setValue(3);
        step(appended(QStringLiteral("while the operator reads\r\n"), false));
        for (QPlainTextEdit* edit : edits)
            edit->setReadOnly(false);  // painted the stock way, its own background too
        step([](MonitorTextBox&) {});
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
