// The "APRS Received Messages" window: each control once. What the log keeps and how a view
// filters it are proven in tests/unit/tx/tst_messagelog.cpp.
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
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kStamp = QStringLiteral("12-06-2026 - 12:00:00 | From: ");

QList<Form7*> openWindows() {
    QList<Form7*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form7*>(widget); form && form->isVisible())
            open << form;
    }
    return open;
}

}  // namespace

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

    void opensOnceFromTheButtonAndTheMenu() {
        f_->find<QToolButton>(QStringLiteral("Command18"))->click();
        f_->find<QToolButton>(QStringLiteral("Command18"))->click();
        f_->find<QAction>(QStringLiteral("menuoptions_0"))->trigger();
        QCOMPARE(openWindows().size(), 1);
    }

    void refreshViewsAndReply() {
        logMessage("PA3XYZ-15", ":PA3XYZ   :call me");
        open();
        QCOMPARE(listed(), QStringList{kStamp + "PA3XYZ-15  | To: PA3XYZ    | Message: call me"});
        logMessage("N2DEF", ":BLN1     :bulletin");
        QVERIFY(form_->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        form_->Timer1_Timer();
        QCOMPARE(listed().size(), 2);
        logMessage("N3GHI", ":SAT      :pass");
        click("Command2");
        QCOMPARE(listed().size(), 3);
        click("Option3");
        QCOMPARE(listed(), QStringList{kStamp + "N2DEF     | To: BLN1      | Message: bulletin"});
        click("Option1");

        auto* label = form_->findChild<QLabel*>(QStringLiteral("Label1"));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(0));
        QCOMPARE(label->text(), kStamp + "PA3XYZ-15  | To: PA3XYZ    \n| Message: call me");
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(0));
        QCOMPARE(f_->find<QComboBox>(QStringLiteral("Combo5"))->currentText(),
                 QStringLiteral("PA3XYZ-15"));
    }

    void emptyViewRefuses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Clear All") << "Command3"
                                   << "Nothing to clear";
        QTest::newRow("Print") << "Command4"
                               << "Nothing to print";
        QTest::newRow("Save") << "Command7"
                              << "Nothing to save";
        QTest::newRow("Copy Selected") << "Command8"
                                       << "Please select a message first";
    }

    void emptyViewRefuses() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        logMessage("N1ABC", ":N2XYZ    :not for me");  // not listed in the "Mine" view
        open();
        click("Option2");
        f_->dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, text);
        click(qPrintable(button));
        QVERIFY(f_->platform.printed.isEmpty());
        QCOMPARE(f_->platform.clipboard, QString());
    }

    void buttonsActOnTheListedMessages() {
        logMessage("N1ABC", ":PA3XYZ   :one");
        logMessage("N2DEF", ":BLN2     :two");
        open();
        click("Option2");
        const QString one = kStamp + "N1ABC     | To: PA3XYZ    | Message: one";
        click("Command5");
        QCOMPARE(f_->platform.clipboard, one + "\r\n");
        list()->setCurrentRow(0);
        click("Command8");
        QCOMPARE(f_->platform.clipboard, one);

        f_->dialogs.expectSaveFile(f_->file(QStringLiteral("messages.txt")));
        click("Command7");
        QCOMPARE(f_->dialogs.shown.last().defaultText, QStringLiteral("ZENO_APRS_Messages001.txt"));
        QCOMPARE(f_->readFile(QStringLiteral("messages.txt")), (one + "\r\n").toLatin1());

        // Printing takes the whole log, whatever the view lists.
        f_->dialogs.expectMessage(
            QStringLiteral("Print"), MsgAnswer::Yes,
            QStringLiteral("Do you want to print the received APRS messages?"));
        click("Command4");
        QCOMPARE(f_->platform.printed.size(), 1);
        QVERIFY(f_->platform.printed.first().text.startsWith("ZENO 3.0.1\r\n\r\n" + one));
        QVERIFY(f_->platform.printed.first().text.contains(QStringLiteral("Message: two")));
        f_->platform.setPrinterReady(false);
        f_->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes)
            .expectMessage(QStringLiteral("Print error"), MsgAnswer::Ok,
                           QStringLiteral("Printer not ready"));
        click("Command4");
        QCOMPARE(f_->platform.beeps, 1);

        f_->dialogs
            .expectMessage(QStringLiteral("Clear All"), MsgAnswer::No,
                           QStringLiteral("Do you want remove all the received APRS messages?"))
            .expectMessage(QStringLiteral("Clear All"), MsgAnswer::Yes);
        click("Command3");
        QCOMPARE(listed().size(), 1);
        click("Command3");
        form_->Timer1_Timer();
        QCOMPARE(listed().size(), 0);
    }

    void logOptionsSetTheSetting() {
        f_->state().settings.logDigipeatedMessages = 1;
        open();
        QVERIFY(form_->findChild<QRadioButton*>(QStringLiteral("Option8"))->isChecked());
        click("Option7");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 0);
        click("Option8");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 1);
    }

    void logOutlivesTheWindow() {
        logMessage("N1ABC", ":PA3XYZ   :kept");
        open();
        QPointer<Form7> closed(form_);
        click("Command1");
        QTRY_VERIFY(closed.isNull());
        logMessage("N1ABC", ":PA3XYZ   :while closed");
        open();
        QCOMPARE(listed().size(), 2);
    }

private:
    void open() {
        f_->form1().Command18_Click();
        const QList<Form7*> windows = openWindows();
        if (windows.size() != 1)
            qFatal("the received messages window did not open");
        form_ = windows.first();
    }

    // As the poll tick hands a monitored frame over, heard through RS0ISS.
    void logMessage(const QString& source, const QString& info) {
        f_->form1().LogAPRSMessages("Fm " + source + " To APZ123 Via RS0ISS* <UI Len=20 >",
                                    info + "\r\n\r\n" + QChar(0));
    }

    QListWidget* list() const { return form_->findChild<QListWidget*>(QStringLiteral("List1")); }
    void click(const char* name) {
        auto* button = form_->findChild<QAbstractButton*>(QLatin1String(name));
        if (qobject_cast<QRadioButton*>(button))
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        else
            button->click();
    }
    QPoint itemCentre(int row) const { return list()->visualItemRect(list()->item(row)).center(); }

    QStringList listed() const {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines << list()->item(i)->text();
        return lines;
    }

    std::unique_ptr<ZenoFixture> f_;
    Form7* form_ = nullptr;
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
