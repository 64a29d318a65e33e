// The popup: shown without blocking, one at a time, gone at its fifth tick.
#include "config/firstrun.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/meld.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

Meld* popupOf(const ZenoFixture& f) {
    return f.form1().findChild<Meld*>(QStringLiteral("Meld"));
}

// Deletes what deleteLater() left for the event loop.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestMeld : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void looksAsDesigned() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.form1().showPopup(QStringLiteral("Station N1AAA is paging you."));
        Meld* popup = popupOf(f);
        QVERIFY(popup);
        QCOMPARE(popup->windowTitle(), QStringLiteral("ZENO"));
        QCOMPARE(popup->Command1->text(), QStringLiteral("OK"));
        QCOMPARE(popup->Timer1->interval(), 1000);
        QVERIFY(popup->Timer1->isActive());
        QVERIFY(QFontInfo(popup->Label1->font()).fixedPitch());
        QVERIFY(!popup->isModal());
        QCOMPARE(popup->PopupSeconds, 0);
    }

    void closesItselfAtTheFifthTick() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.form1().showPopup(QStringLiteral("Disconnected from station N1AAA"));
        QPointer<Meld> popup = popupOf(f);
        QVERIFY(popup);
        for (int second = 1; second <= 4; ++second) {
            popup->Timer1_Timer();
            flushDeletes();
            QVERIFY2(popup && popup->isVisible(), qPrintable(QString::number(second)));
        }
        popup->Timer1_Timer();
        QVERIFY(popup->isHidden());
        flushDeletes();
        QVERIFY(popup.isNull());
    }

    void secondMessageKeepsTheCount() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.form1().showPopup(QStringLiteral("first"));
        QPointer<Meld> popup = popupOf(f);
        for (int i = 0; i < 3; ++i)
            popup->Timer1_Timer();
        f.form1().showPopup(QStringLiteral("second"));
        QCOMPARE(popupOf(f), popup.data());
        QCOMPARE(popup->Label1->text(), QStringLiteral("second"));
        popup->Timer1_Timer();
        QVERIFY(popup->isVisible());
        popup->Timer1_Timer();  // the fifth tick of the first message
        flushDeletes();
        QVERIFY(popup.isNull());

        // A message after that opens a new popup with a new count.
        f.form1().showPopup(QStringLiteral("third"));
        QPointer<Meld> next = popupOf(f);
        QVERIFY(next);
        QCOMPARE(next->PopupSeconds, 0);
        QCOMPARE(next->Label1->text(), QStringLiteral("third"));
    }

    void okClosesAtOnce() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.form1().showPopup(QStringLiteral("x"));
        QPointer<Meld> popup = popupOf(f);
        popup->Command1->click();
        QVERIFY(popup->isHidden());
        // A message before the closed popup is deleted gets a new one.
        f.form1().showPopup(QStringLiteral("y"));
        flushDeletes();
        QVERIFY(popup.isNull());
        QVERIFY(popupOf(f));
        QCOMPARE(popupOf(f)->Label1->text(), QStringLiteral("y"));
        QVERIFY(popupOf(f)->isVisible());
    }

    void runsOnItsOwnTimer() {
        ZenoFixture f;
        f.writeStationSettings();
        QVERIFY(f.start());
        f.form1().showPopup(QStringLiteral("x"));
        QPointer<Meld> popup = popupOf(f);
        popup->Timer1->setInterval(1);  // the real timer, quickly
        QTRY_VERIFY_WITH_TIMEOUT(popup.isNull(), 5000);
    }
};

QTEST_MAIN(TestMeld)
#include "tst_meld.moc"
