// SPDX-License-Identifier: GPL-3.0-or-later
// The monitor box repaints only what an append touches, and its scroll bar only when it looks
// different: the screen after each append must be exactly a full paint of the box.

#include "windowtest.h"

#include "ui/common/monitorbox.h"

#include <QScreen>

class TestMonitorBox : public QObject {
    Q_OBJECT

private slots:
    void init() { zeno::test::failOnUnexpectedWarnings(); }

    void screenMatchesAFullPaintAfterEveryAppend() {
        QPlainTextEdit edit;
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
        for (const QString& text : appends) {
            box.appendLater(text);
            box.scrollToEnd();
            box.flush();
            QCoreApplication::processEvents();
            const QImage onScreen = QGuiApplication::primaryScreen()
                                        ->grabWindow(edit.winId())
                                        .toImage()
                                        .convertToFormat(QImage::Format_RGB32);
            const QImage painted = edit.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(onScreen.size(), painted.size());
            QVERIFY2(onScreen == painted, qPrintable(text));
        }
    }
};

QTEST_MAIN(TestMonitorBox)
#include "tst_monitorbox.moc"
