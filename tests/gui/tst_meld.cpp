// The popup: shown without blocking, one at a time, gone at its fifth tick.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/windows/meld.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestMeld : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failOnUnexpectedWarnings();
        f_ = std::make_unique<ZenoFixture>();
        f_->writeStationSettings();
        QVERIFY(f_->start());
    }

    void cleanup() { f_.reset(); }

    // A second message takes the open popup and keeps its count.
    void showsWithoutBlockingAndClosesAtTheFifthTick() {
        QVERIFY(f_->tickUntil([&] { return !f_->state().link.EngineInitText.isEmpty(); }));
        QPointer<Meld> popup = show("Station N1AAA is paging you.");
        popup->Timer1->stop();  // the test counts its seconds
        QVERIFY(!popup->isModal());
        // The window goes on: frames are still taken while it is open.
        f_->server.sendHeard(QStringLiteral("N0CALL>CQ:x"));
        QVERIFY(f_->tickUntil([&] { return f_->find<QListWidget>("List1")->count() == 1; }));
        for (int second = 1; second <= 3; ++second)
            popup->Timer1_Timer();
        QCOMPARE(show("second"), popup.data());
        popup->Timer1_Timer();
        flushDeletes();
        QVERIFY(popup && popup->isVisible());
        popup->Timer1_Timer();
        flushDeletes();
        QVERIFY(popup.isNull());
    }

    void okClosesAtOnceAndTheNextMessageGetsANewPopup() {
        QPointer<Meld> popup = show("x");
        popup->Command1->click();
        QVERIFY(popup->isHidden());
        QPointer<Meld> next = show("y");  // before the closed one is deleted
        QVERIFY(next != popup);
        QCOMPARE(next->PopupSeconds, 0);
        next->Timer1->setInterval(1);  // its own timer, quickly
        QTRY_VERIFY_WITH_TIMEOUT(popup.isNull() && next.isNull(), 5000);
    }

    // A long text wrapped within two thirds of the screen, all of it in sight; Esc closes it.
    void wholeTextWithinTwoThirdsOfTheScreen() {
        Meld* popup =
            show(QByteArray("Message from G4XYZ: 73 and thanks ").repeated(12).constData());
        QLabel* label = popup->Label1;
        QTRY_VERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(popup->frameGeometry().width() <=
                popup->screen()->availableGeometry().width() * 2 / 3);
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(popup->isUnloaded());
    }

private:
    // Shows a message as the main window does; returns the one popup open.
    Meld* show(const char* text) {
        f_->form1().showPopup(QString::fromLatin1(text));
        QList<Meld*> open = f_->form1().findChildren<Meld*>(QStringLiteral("Meld"));
        open.removeIf([](const Meld* popup) { return popup->isHidden(); });
        if (open.size() != 1 || open.first()->Label1->text() != QLatin1String(text))
            qFatal("not one popup with the message");
        return open.first();
    }

    // Deletes what deleteLater() left for the event loop.
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<ZenoFixture> f_;
};

QTEST_MAIN(TestMeld)
#include "tst_meld.moc"
