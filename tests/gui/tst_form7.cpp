// The "APRS Received Messages" window: opening it, the view options, reading, clearing,
// printing, saving and copying the log, the reply into the main window, and the setting that
// decides what is logged.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form7.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
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

    void newMessagesShowAtTheNextRefresh() {
        logMessage("N1ABC", ":PA3XYZ   :first{1");
        open();
        QCOMPARE(listed(), QStringList{kStamp + "N1ABC     | To: PA3XYZ    | Message: first{1"});
        logMessage("N2DEF-12", ":BLN1     :second");
        QCOMPARE(listed().size(), 1);
        QVERIFY(form_->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        form_->Timer1_Timer();
        QCOMPARE(listed().last(), kStamp + "N2DEF-12  | To: BLN1      | Message: second");
        logMessage("N3GHI", ":SAT      :third");
        click("Command2");
        QCOMPARE(listed().size(), 3);
    }

    void viewOptionsChooseTheGroup() {
        logMessage("N1AAA", ":PA3XYZ-7 :hello");
        logMessage("N1BBB", ":BLNX     :bulletin");
        logMessage("N1CCC", ":NWS-WARN :storm");
        logMessage("N1DDD", ":SAT      :pass");
        logMessage("N1EEE", ":EMAIL    :a@b.c hi");
        logMessage("N1FFF", ":N0CALL   :other");
        open();
        const QList<std::pair<const char*, QStringList>> views{
            {"Option2", {"N1AAA"}},
            {"Option3", {"N1BBB"}},
            {"Option4", {"N1CCC"}},
            {"Option5", {"N1DDD"}},
            {"Option6", {"N1EEE"}},
            {"Option1", {"N1AAA", "N1BBB", "N1CCC", "N1DDD", "N1EEE", "N1FFF"}}};
        for (const auto& [option, senders] : views) {
            auto* radio = form_->findChild<QRadioButton*>(QLatin1String(option));
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
            QCOMPARE(sendersListed(), senders);
            form_->Timer1_Timer();  // the refresh keeps the chosen view
            QCOMPARE(sendersListed(), senders);
        }
    }

    void clickShowsTheMessageInTwoLines() {
        logMessage("N1ABC", ":PA3XYZ   :meet | at 8");
        open();
        auto* label = form_->findChild<QLabel*>(QStringLiteral("Label1"));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(0));
        QCOMPARE(label->text(), kStamp + "N1ABC     | To: PA3XYZ    \n| Message: meet | at 8");
        form_->Timer1_Timer();  // a refresh starts over
        QVERIFY(label->text().isEmpty());
    }

    void doubleClickAnswersTheSender() {
        logMessage("PA3XYZ-15", ":PA3XYZ   :call me");  // nine characters, kept whole
        open();
        // A real double click: press, release, then the second press.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(0));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, itemCentre(0));
        QCOMPARE(f_->find<QComboBox>(QStringLiteral("Combo5"))->currentText(),
                 QStringLiteral("PA3XYZ-15"));
    }

    void emptyListRefuses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* button, const char* text) {
            QTest::newRow(name) << QString(button) << QString(text);
        };
        row("Clear All", "Command3", "Nothing to clear");
        row("Print", "Command4", "Nothing to print");
        row("Save", "Command7", "Nothing to save");
        row("Copy Selected", "Command8", "Please select a message first");
    }

    void emptyListRefuses() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        // Messages that the view does not list count as none.
        logMessage("N1ABC", ":N2XYZ    :not for me");
        open();
        click("Option2");
        f_->platform.clipboard = QStringLiteral("before");
        f_->dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, text);
        click(qPrintable(button));
        QVERIFY(f_->platform.printed.isEmpty());
        QCOMPARE(f_->platform.clipboard, QStringLiteral("before"));
        QCOMPARE(f_->state().files.FileName, QString());
        QCOMPARE(f_->dialogs.shown.size(), 1);
    }

    void copyTakesTheSelectedOrTheListedMessages() {
        logMessage("N1ABC", ":PA3XYZ   :one");
        logMessage("N1ABC", ":BLN2     :two");
        logMessage("N1ABC", ":PA3XYZ-1 :three");
        open();
        click("Option2");
        click("Command5");
        QCOMPARE(f_->platform.clipboard, kStamp + "N1ABC     | To: PA3XYZ    | Message: one\r\n" +
                                             kStamp +
                                             "N1ABC     | To: PA3XYZ-1  | Message: three\r\n");
        f_->dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                  QStringLiteral("Please select a message first"));
        click("Command8");
        list()->setCurrentRow(1);
        click("Command8");
        QCOMPARE(f_->platform.clipboard, kStamp + "N1ABC     | To: PA3XYZ-1  | Message: three");
        // An empty view empties the clipboard.
        click("Option4");
        click("Command5");
        QCOMPARE(f_->platform.clipboard, QString());
    }

    void clearAllAsksFirst() {
        logMessage("N1ABC", ":PA3XYZ   :one");
        logMessage("N1ABC", ":PA3XYZ   :two");
        open();
        const QString question =
            QStringLiteral("Do you want remove all the received APRS messages?");
        f_->dialogs.expectMessage(QStringLiteral("Clear All"), MsgAnswer::No, question)
            .expectMessage(QStringLiteral("Clear All"), MsgAnswer::Yes, question);
        click("Command3");
        QCOMPARE(listed().size(), 2);
        click("Command3");
        QCOMPARE(f_->dialogs.shown.last().icon, MsgIcon::Question);
        QCOMPARE(listed().size(), 0);
        form_->Timer1_Timer();
        QCOMPARE(listed().size(), 0);
        // A cleared message is logged again when it comes back.
        logMessage("N1ABC", ":PA3XYZ   :one");
        form_->Timer1_Timer();
        QCOMPARE(listed().size(), 1);
    }

    void printAsksThenPrintsTheWholeLog() {
        logMessage("N1ABC", ":PA3XYZ   :one");
        logMessage("N2DEF", ":BLN1     :two");
        open();
        click("Option2");
        f_->dialogs
            .expectMessage(QStringLiteral("Print"), MsgAnswer::No,
                           QStringLiteral("Do you want to print the received APRS messages?"))
            .expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        click("Command4");
        QVERIFY(f_->platform.printed.isEmpty());
        click("Command4");
        QCOMPARE(f_->platform.printed.size(), 1);
        QCOMPARE(f_->platform.printed.first().text,
                 "ZENO 3.0.1\r\n\r\n" + kStamp + "N1ABC     | To: PA3XYZ    | Message: one\r\n" +
                     kStamp + "N2DEF     | To: BLN1      | Message: two\r\n");
        QCOMPARE(f_->platform.beeps, 0);

        f_->platform.setPrinterReady(false);
        f_->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes)
            .expectMessage(QStringLiteral("Print error"), MsgAnswer::Ok,
                           QStringLiteral("Printer not ready"));
        click("Command4");
        QCOMPARE(f_->dialogs.shown.last().icon, MsgIcon::Exclamation);
        QCOMPARE(f_->platform.beeps, 1);
    }

    void saveWritesTheListedMessages() {
        logMessage("N1ABC", ":PA3XYZ   :one");
        logMessage("N1ABC", ":BLN2     :two");
        open();
        click("Option3");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("messages.txt"));
        f_->dialogs.expectSaveFile(path);
        click("Command7");
        QCOMPARE(f_->dialogs.shown.last().defaultText, QStringLiteral("ZENO_APRS_Messages001.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 (kStamp + "N1ABC     | To: BLN2      | Message: two\r\n").toLatin1());

        const QString bad = dir.filePath(QStringLiteral("no such folder/messages.txt"));
        f_->dialogs.expectSaveFile(bad).expectMessage("File: " + bad, MsgAnswer::Ok,
                                                      QStringLiteral("Could not write the file."));
        click("Command7");
    }

    void logOptionsShowAndSetTheSetting() {
        f_->state().settings.logDigipeatedMessages = 1;
        open();
        QVERIFY(form_->findChild<QRadioButton*>(QStringLiteral("Option8"))->isChecked());
        QVERIFY(form_->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
        logMessage("N1ABC", ":PA3XYZ   :direct", QString());
        logMessage("N1ABC", ":PA3XYZ   :repeated");
        click("Option7");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 0);
        logMessage("N1ABC", ":PA3XYZ   :direct again", QString());
        form_->Timer1_Timer();
        QCOMPARE(listed().size(), 2);
        QVERIFY(listed().first().endsWith(QLatin1String("Message: repeated")));
        click("Option8");
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 1);
        f_->state().settings.logDigipeatedMessages = 0;
        form_->Form_Load();
        QVERIFY(form_->findChild<QRadioButton*>(QStringLiteral("Option7"))->isChecked());
    }

    void logOutlivesTheWindow() {
        logMessage("N1ABC", ":PA3XYZ   :kept");
        open();
        QPointer<Form7> closed(form_);
        click("Command1");
        QVERIFY(!closed->isVisible());
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

    // As the poll tick hands a monitored frame over; heard through RS0ISS unless via is empty.
    void logMessage(const QString& source, const QString& info,
                    const QString& via = QStringLiteral(" Via RS0ISS*")) {
        f_->form1().LogAPRSMessages("Fm " + source + " To APZ123" + via + " <UI Len=20 >",
                                    info + "\r\n\r\n" + QChar(0));
    }

    QListWidget* list() const { return form_->findChild<QListWidget*>(QStringLiteral("List1")); }
    void click(const char* name) {
        form_->findChild<QAbstractButton*>(QLatin1String(name))->click();
    }
    QPoint itemCentre(int row) const { return list()->visualItemRect(list()->item(row)).center(); }

    QStringList listed() const {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i)
            lines << list()->item(i)->text();
        return lines;
    }
    QStringList sendersListed() const {
        QStringList calls;
        for (const QString& line : listed())
            calls << line.mid(kStamp.size(), 5);
        return calls;
    }

    std::unique_ptr<ZenoFixture> f_;
    Form7* form_ = nullptr;
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
