// The "APRS Received Messages" window: each control reaches its rule once. What the log keeps,
// the views and the buttons' rules are proven in tests/unit/tx/tst_messagelog.cpp.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/windows/form7.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestForm7 : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failOnUnexpectedWarnings();
        f_ = std::make_unique<ZenoFixture>();
        f_->writeStationSettings(QStringLiteral("PA3XYZ"));
        QVERIFY(f_->start());
    }

    void cleanup() {
        QVERIFY2(f_->dialogs.problems().isEmpty(), qPrintable(f_->dialogs.problems().join('\n')));
        f_.reset();
    }

    void eachControlOnce() {
        f_->state().settings.logDigipeatedMessages = 1;
        logMessage("PA3XYZ-15", ":PA3XYZ   :call me");
        logMessage("N2DEF", ":BLN1     :bulletin");
        f_->find<QToolButton>(QStringLiteral("Command18"))->click();
        f_->find<QToolButton>(QStringLiteral("Command18"))->click();
        f_->find<QAction>(QStringLiteral("menuoptions_0"))->trigger();
        QVERIFY(openWindow());
        QVERIFY(form_->findChild<QRadioButton*>(QStringLiteral("Option8"))->isChecked());
        click("Option7");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 0);
        click("Option8");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 1);
        click("Option6");  // nothing for e-mail: the buttons act on the view, not the log
        f_->dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                  QStringLiteral("Nothing to clear"));
        click("Command3");
        click("Option3");
        QCOMPARE(list()->count(), 1);
        click("Command5");
        QCOMPARE(f_->platform.clipboard, list()->item(0)->text() + "\r\n");
        click("Option2");
        logMessage("N3GHI", ":PA3XYZ   :pass");
        QVERIFY(form_->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        form_->Timer1_Timer();
        QCOMPARE(list()->count(), 2);
        logMessage("N4JKL", ":PA3XYZ   :again");
        click("Command2");
        QCOMPARE(list()->count(), 3);

        const QPoint first = list()->visualItemRect(list()->item(0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, first);
        QVERIFY(form_->findChild<QLabel*>(QStringLiteral("Label1"))->text().contains("\n|"));
        click("Command8");
        QCOMPARE(f_->platform.clipboard, list()->item(0)->text());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(f_->find<QComboBox>(QStringLiteral("Combo5"))->currentText(), "PA3XYZ-15");

        f_->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes)
            .expectSaveFile(f_->file(QStringLiteral("messages.txt")))
            .expectMessage(QStringLiteral("Clear All"), MsgAnswer::Yes);
        click("Command4");
        QCOMPARE(f_->platform.printed.size(), 1);
        click("Command7");
        QVERIFY(QFile::exists(f_->file(QStringLiteral("messages.txt"))));
        click("Command3");
        QCOMPARE(list()->count(), 0);

        // OK closes the window; the log lives on.
        QPointer<Form7> closed(form_);
        click("Command1");
        QTRY_VERIFY(closed.isNull());
        logMessage("N1ABC", ":PA3XYZ   :while closed");
        f_->form1().Command18_Click();
        QVERIFY(openWindow());
        QCOMPARE(list()->count(), 1);
    }

private:
    // The one window open, or false.
    bool openWindow() {
        QList<Form7*> open;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<Form7*>(widget); form && form->isVisible())
                open << form;
        }
        form_ = open.size() == 1 ? open.first() : nullptr;
        return form_ != nullptr;
    }

    // As the poll tick hands a monitored frame over, heard through RS0ISS.
    void logMessage(const QString& source, const QString& info) {
        f_->form1().LogAPRSMessages("Fm " + source + " To APZ123 Via RS0ISS* <UI Len=20 >",
                                    info + "\r\n\r\n" + QChar(0));
    }

    QListWidget* list() const { return form_->findChild<QListWidget*>(QStringLiteral("List1")); }
    void click(const char* name) {
        form_->findChild<QAbstractButton*>(QLatin1String(name))->click();
    }

    std::unique_ptr<ZenoFixture> f_;
    Form7* form_ = nullptr;
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
