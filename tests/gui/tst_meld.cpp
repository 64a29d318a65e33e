// SPDX-License-Identifier: GPL-3.0-or-later
// The popup: shown without blocking, one at a time, gone at its fifth tick.
#include "windowtest.h"

#include "ui/windows/meld.h"

#include <QScreen>

namespace {

// Shows a message as the main window does; returns the one popup open.
Meld* show(const ZenoFixture& f, const char* text) {
    f.form1().showPopup(QString::fromLatin1(text));
    QList<Meld*> open = f.form1().findChildren<Meld*>(QStringLiteral("Meld"));
    open.removeIf([](const Meld* popup) { return popup->isHidden(); });
    if (open.size() != 1 || open.first()->Label1->text() != QLatin1String(text))
        qFatal("not one popup with the message");
    return open.first();
}

// Deletes what deleteLater() left for the event loop.
void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class TestMeld : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // A second message takes the open popup and its count; after OK the next gets a new one.
    void showsWithoutBlockingAndClosesAtTheFifthTick() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        QPointer<Meld> popup = show(f, "Station N1AAA is paging you.");
        popup->Timer1->stop();  // the test counts its seconds
        QVERIFY(!popup->isModal());
        // The window goes on: frames are still taken while it is open.
        QVERIFY(f.hear({"N0CALL>CQ:x"}));
        for (int second = 1; second <= 3; ++second)
            popup->Timer1_Timer();
        QCOMPARE(show(f, "second"), popup.data());
        popup->Timer1_Timer();
        flushDeletes();
        QVERIFY(popup && popup->isVisible());
        popup->Timer1_Timer();
        flushDeletes();
        QVERIFY(popup.isNull());

        popup = show(f, "x");
        popup->Command1->click();
        QVERIFY(popup->isHidden());
        QPointer<Meld> next = show(f, "y");  // before the closed one is deleted
        QVERIFY(next != popup);
        QCOMPARE(next->PopupSeconds, 0);
        next->Timer1->setInterval(1);  // its own timer, quickly
        QTRY_VERIFY_WITH_TIMEOUT(popup.isNull() && next.isNull(), 5000);
    }

    // A long text wrapped within two thirds of the screen, all of it in sight; Esc closes it.
    void wholeTextWithinTwoThirdsOfTheScreen() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        Meld* popup =
            show(f, QByteArray("Message from G4XYZ: 73 and thanks ").repeated(12).constData());
        QLabel* label = popup->Label1;
        QTRY_VERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(popup->frameGeometry().width() <=
                popup->screen()->availableGeometry().width() * 2 / 3);
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(popup->isUnloaded());
    }
};

QTEST_MAIN(TestMeld)
#include "tst_meld.moc"
