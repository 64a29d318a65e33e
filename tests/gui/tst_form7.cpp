// The "APRS Received Messages" window: opening it, its controls, the view options, reading,
// clearing, printing, saving and copying the log, the reply into the main window, and the
// setting that decides what is logged.
#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form7.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
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

Q_DECLARE_METATYPE(zeno::MsgAnswer)

namespace {

const QString kStamp = QStringLiteral("12-06-2026 - 12:00:00 | From: ");
const QString kTitle = QStringLiteral("ZENO");

// The texts the poll tick hands over for a monitored frame.
QString header(const QString& source, const QString& via = QStringLiteral("RS0ISS*")) {
    QString h = QStringLiteral("Fm ") + source + QStringLiteral(" To APZ123");
    if (!via.isEmpty())
        h += QStringLiteral(" Via ") + via;
    return h + QStringLiteral(" <UI pid=F0 Len=20 >[12:00:00]");
}

QString body(const QString& info) {
    return info + QStringLiteral("\r\n\r\n") + QChar(0);
}

Form7* openWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form7*>(widget);
        if (form && form->isVisible())
            return form;
    }
    return nullptr;
}

int openWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Form7*>(widget) && widget->isVisible())
            ++count;
    return count;
}

QStringList listed(Form7* form) {
    auto* list = form->findChild<QListWidget*>(QStringLiteral("List1"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
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
        if (f_)
            QVERIFY2(f_->dialogs.problems().isEmpty(),
                     qPrintable(f_->dialogs.problems().join('\n')));
        f_.reset();
    }

    void opensFromTheButtonAndTheMenu_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("Options menu") << true;
    }

    void opensFromTheButtonAndTheMenu() {
        QFETCH(bool, fromMenu);
        auto* menuItem = f_->find<QAction>(QStringLiteral("menuoptions_0"));
        QVERIFY(menuItem);
        QCOMPARE(menuItem->text(), QStringLiteral("Received APRS Messages..."));
        QCOMPARE(menuItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
        for (int i = 0; i < 2; ++i) {
            if (fromMenu)
                menuItem->trigger();
            else
                f_->find<QToolButton>(QStringLiteral("Command18"))->click();
        }
        QCOMPARE(openWindows(), 1);
        Form7* form = openWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("APRS Received Messages"));
        QVERIFY(form->isWindow());
    }

    void controlsCarryTheirCaptionsAndTips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Option1") << "Option1"
                                 << "All"
                                 << "Show all messages";
        QTest::newRow("Option2") << "Option2"
                                 << "Mine"
                                 << "show only messages for you";
        QTest::newRow("Option3") << "Option3"
                                 << "BLN"
                                 << "Show only Bulletin messages";
        QTest::newRow("Option4") << "Option4"
                                 << "NWS"
                                 << "Show only News messages";
        QTest::newRow("Option5") << "Option5"
                                 << "SAT"
                                 << "Show only Sat messages*";
        QTest::newRow("Option6") << "Option6"
                                 << "EMAIL"
                                 << "Show only E-mail messages";
        QTest::newRow("Option7") << "Option7"
                                 << "All"
                                 << "Log all messages (also those who are not digipeated)";
        QTest::newRow("Option8") << "Option8"
                                 << "Only digipeated"
                                 << "Log only digipeated messages";
        QTest::newRow("Frame1") << "Frame1"
                                << "View Messages"
                                << "Select APRS messages type you want listed";
        QTest::newRow("Frame2") << "Frame2"
                                << "Log Messages"
                                << "";
        QTest::newRow("List1") << "List1"
                               << ""
                               << "Double click station to send message...";
        QTest::newRow("Label1") << "Label1"
                                << ""
                                << "";
        QTest::newRow("Command1") << "Command1"
                                  << "OK"
                                  << "";
        QTest::newRow("Command2") << "Command2"
                                  << "Refresh Manual Now"
                                  << "Refresh now manual (automatic refresh every 10 seconds)";
        QTest::newRow("Command3") << "Command3"
                                  << "Clear All"
                                  << "Erase all messages";
        QTest::newRow("Command4") << "Command4"
                                  << "Print"
                                  << "Print Messages";
        QTest::newRow("Command5") << "Command5"
                                  << "Copy All"
                                  << "Copy all messages to clipboard";
        QTest::newRow("Command7") << "Command7"
                                  << "Save..."
                                  << "Save Messages";
        QTest::newRow("Command8") << "Command8"
                                  << "Copy Selected"
                                  << "Copy selected message to clipboard";
    }

    void controlsCarryTheirCaptionsAndTips() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        Form7* form = open();
        auto* widget = form->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->toolTip(), tip);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frame->title(), caption);
        if (name.startsWith(QLatin1String("Option")) && name < QLatin1String("Option7"))
            QCOMPARE(widget->parent(), form->findChild<QGroupBox*>(QStringLiteral("Frame1")));
        if (name == QLatin1String("Option7") || name == QLatin1String("Option8"))
            QCOMPARE(widget->parent(), form->findChild<QGroupBox*>(QStringLiteral("Frame2")));
    }

    void listFontIsFixedWidth() {
        Form7* form = open();
        QVERIFY(
            QFontInfo(form->findChild<QListWidget*>(QStringLiteral("List1"))->font()).fixedPitch());
    }

    void newMessagesShowAtTheNextRefresh() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :first{1"));
        Form7* form = open();
        QCOMPARE(listed(form),
                 QStringList{kStamp + "N1ABC     | To: PA3XYZ    | Message: first{1"});

        logMessage(QStringLiteral("N2DEF-12"), QStringLiteral(":BLN1     :second"));
        QCOMPARE(listed(form).size(), 1);
        auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 10000);
        form->Timer1_Timer();
        QCOMPARE(listed(form).last(), kStamp + "N2DEF-12  | To: BLN1      | Message: second");

        logMessage(QStringLiteral("N3GHI"), QStringLiteral(":SAT      :third"));
        form->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QCOMPARE(listed(form).size(), 3);
    }

    void viewOptionsChooseTheGroup_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("senders");
        QTest::newRow("All") << "Option1" << QStringList{"N1AAA", "N1BBB", "N1CCC", "N1DDD",
                                                         "N1EEE", "N1FFF", "N1GGG"};
        QTest::newRow("Mine, with and without SSID") << "Option2" << QStringList{"N1AAA", "N1BBB"};
        QTest::newRow("BLN, any bulletin group") << "Option3" << QStringList{"N1CCC", "N1GGG"};
        QTest::newRow("NWS") << "Option4" << QStringList{"N1DDD"};
        QTest::newRow("SAT") << "Option5" << QStringList{"N1EEE"};
        QTest::newRow("EMAIL") << "Option6" << QStringList{"N1FFF"};
    }

    void viewOptionsChooseTheGroup() {
        QFETCH(QString, option);
        QFETCH(QStringList, senders);
        logMessage(QStringLiteral("N1AAA"), QStringLiteral(":PA3XYZ   :hello"));
        logMessage(QStringLiteral("N1BBB"), QStringLiteral(":PA3XYZ-7 :hello ssid"));
        logMessage(QStringLiteral("N1CCC"), QStringLiteral(":BLNX     :bulletin"));
        logMessage(QStringLiteral("N1DDD"), QStringLiteral(":NWS-WARN :storm"));
        logMessage(QStringLiteral("N1EEE"), QStringLiteral(":SAT      :pass"));
        logMessage(QStringLiteral("N1FFF"), QStringLiteral(":EMAIL    :a@b.c hi"));
        logMessage(QStringLiteral("N1GGG"),
                   QStringLiteral(":N0CALL   :see to: bln1"));  // found in the text
        Form7* form = open();
        auto* radio = form->findChild<QRadioButton*>(option);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        QVERIFY(radio->isChecked());
        const auto senders_of = [&] {
            QStringList calls;
            for (const QString& line : listed(form))
                calls << line.mid(kStamp.size(), 5);
            return calls;
        };
        QCOMPARE(senders_of(), senders);
        // The timer keeps the chosen view.
        form->Timer1_Timer();
        QCOMPARE(senders_of(), senders);
    }

    void clickShowsTheMessageInTwoLines() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :meet | at 8"));
        Form7* form = open();
        auto* list = form->findChild<QListWidget*>(QStringLiteral("List1"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 kStamp + QStringLiteral("N1ABC     | To: PA3XYZ    \n| Message: meet | at 8"));
        // A refresh starts over.
        form->Timer1_Timer();
        QVERIFY(form->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());
    }

    void doubleClickAnswersTheSender_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("short call") << "N1ABC";
        QTest::newRow("nine characters") << "PA3XYZ-15";
    }

    void doubleClickAnswersTheSender() {
        QFETCH(QString, source);
        logMessage(source, QStringLiteral(":PA3XYZ   :call me"));
        Form7* form = open();
        auto* list = form->findChild<QListWidget*>(QStringLiteral("List1"));
        const QPoint at = list->visualItemRect(list->item(0)).center();
        // A real double click: press, release, then the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f_->find<QComboBox>(QStringLiteral("Combo5"))->currentText(), source);
    }

    void emptyListRefuses_data() {
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

    void emptyListRefuses() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        // Messages that the view does not list count as none.
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":N2XYZ    :not for me"));
        Form7* form = open();
        form->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        f_->platform.clipboard = QStringLiteral("before");
        f_->dialogs.expectMessage(kTitle, MsgAnswer::Ok, text);
        form->findChild<QPushButton*>(button)->click();
        QVERIFY(f_->platform.printed.isEmpty());
        QCOMPARE(f_->platform.clipboard, QStringLiteral("before"));
        QCOMPARE(f_->state().files.FileName, QString());
    }

    void copySelectedNeedsASelection() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :two"));
        Form7* form = open();
        f_->dialogs.expectMessage(kTitle, MsgAnswer::Ok,
                                  QStringLiteral("Please select a message first"));
        form->Command8_Click();
        auto* list = form->findChild<QListWidget*>(QStringLiteral("List1"));
        list->setCurrentRow(1);
        form->Command8_Click();
        QCOMPARE(f_->platform.clipboard,
                 kStamp + QStringLiteral("N1ABC     | To: PA3XYZ    | Message: two"));
    }

    void copyAllTakesTheListedMessages() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":BLN2     :two"));
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ-1 :three"));
        Form7* form = open();
        form->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        form->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        QCOMPARE(f_->platform.clipboard,
                 kStamp + QStringLiteral("N1ABC     | To: PA3XYZ    | Message: one\r\n") + kStamp +
                     QStringLiteral("N1ABC     | To: PA3XYZ-1  | Message: three\r\n"));
        // An empty view empties the clipboard.
        form->findChild<QRadioButton*>(QStringLiteral("Option4"))->click();
        form->Command5_Click();
        QCOMPARE(f_->platform.clipboard, QString());
    }

    void clearAllAsksFirst_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("yes") << MsgAnswer::Yes;
        QTest::newRow("no") << MsgAnswer::No;
    }

    void clearAllAsksFirst() {
        QFETCH(MsgAnswer, answer);
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :two"));
        Form7* form = open();
        f_->dialogs.expectMessage(
            QStringLiteral("Clear All"), answer,
            QStringLiteral("Do you want remove all the received APRS messages?"));
        form->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        QCOMPARE(f_->dialogs.shown.last().icon, MsgIcon::Question);
        const int left = answer == MsgAnswer::Yes ? 0 : 2;
        QCOMPARE(listed(form).size(), left);
        form->Timer1_Timer();
        QCOMPARE(listed(form).size(), left);
        // A cleared message is logged again when it comes back.
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        form->Timer1_Timer();
        QCOMPARE(listed(form).size(), left == 0 ? 1 : 2);
    }

    void printSendsHeadingAndEveryMessage() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        logMessage(QStringLiteral("N2DEF"), QStringLiteral(":BLN1     :two"));
        Form7* form = open();
        f_->dialogs.expectMessage(
            QStringLiteral("Print"), MsgAnswer::No,
            QStringLiteral("Do you want to print the received APRS messages?"));
        form->Command4_Click();
        QVERIFY(f_->platform.printed.isEmpty());

        f_->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        form->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        QCOMPARE(f_->platform.printed.size(), 1);
        QCOMPARE(f_->platform.printed.first().text,
                 QStringLiteral("ZENO 3.0.1\r\n\r\n") + kStamp +
                     QStringLiteral("N1ABC     | To: PA3XYZ    | Message: one\r\n") + kStamp +
                     QStringLiteral("N2DEF     | To: BLN1      | Message: two\r\n"));
        QCOMPARE(f_->platform.beeps, 0);
    }

    void printWithoutPrinterSaysSo() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        Form7* form = open();
        f_->platform.setPrinterReady(false);
        f_->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        f_->dialogs.expectMessage(QStringLiteral("Print error"), MsgAnswer::Ok,
                                  QStringLiteral("Printer not ready"));
        form->Command4_Click();
        QCOMPARE(f_->dialogs.shown.last().icon, MsgIcon::Exclamation);
        QCOMPARE(f_->platform.beeps, 1);
    }

    void saveWritesTheListedMessages() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":BLN2     :two"));
        Form7* form = open();
        form->findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("messages.txt"));
        f_->dialogs.expectSaveFile(path);
        form->findChild<QPushButton*>(QStringLiteral("Command7"))->click();
        QCOMPARE(f_->dialogs.shown.last().kind, ScriptedDialogs::Kind::SaveFile);
        QCOMPARE(f_->dialogs.shown.last().defaultText, QStringLiteral("ZENO_APRS_Messages001.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readAll(),
            (kStamp + QStringLiteral("N1ABC     | To: BLN2      | Message: two\r\n")).toLatin1());
    }

    void saveThatCannotWriteSaysSo() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :one"));
        Form7* form = open();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no such folder/messages.txt"));
        f_->dialogs.expectSaveFile(path);
        f_->dialogs.expectMessage(QStringLiteral("File: ") + path, MsgAnswer::Ok,
                                  QStringLiteral("Could not write the file."));
        form->Command7_Click();
        QCOMPARE(listed(form).size(), 1);
    }

    void logOptionsShowAndSetTheSetting_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("checked");
        QTest::newRow("all") << 0 << "Option7";
        QTest::newRow("only digipeated") << 1 << "Option8";
    }

    void logOptionsShowAndSetTheSetting() {
        QFETCH(int, stored);
        QFETCH(QString, checked);
        f_->state().settings.logDigipeatedMessages = stored;
        Form7* form = open();
        QVERIFY(form->findChild<QRadioButton*>(checked)->isChecked());
        QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
        QCOMPARE(f_->state().settings.logDigipeatedMessages, stored);

        form->findChild<QRadioButton*>(QStringLiteral("Option8"))->click();
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 1);
        f_->form1().LogAPRSMessages(header(QStringLiteral("N1ABC"), QString()),
                                    body(QStringLiteral(":PA3XYZ   :direct")));
        f_->form1().LogAPRSMessages(header(QStringLiteral("N1ABC")),
                                    body(QStringLiteral(":PA3XYZ   :repeated")));
        form->Timer1_Timer();
        QCOMPARE(listed(form).size(), 1);
        QVERIFY(listed(form).first().endsWith(QStringLiteral("repeated")));

        form->findChild<QRadioButton*>(QStringLiteral("Option7"))->click();
        QCOMPARE(f_->state().settings.logDigipeatedMessages, 0);
        f_->form1().LogAPRSMessages(header(QStringLiteral("N1ABC"), QString()),
                                    body(QStringLiteral(":PA3XYZ   :direct")));
        form->Timer1_Timer();
        QCOMPARE(listed(form).size(), 2);
    }

    void logOutlivesTheWindow() {
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :kept"));
        Form7* form = open();
        QPointer<Form7> closed(form);
        form->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QVERIFY(!form->isVisible());
        QTRY_VERIFY(closed.isNull());
        logMessage(QStringLiteral("N1ABC"), QStringLiteral(":PA3XYZ   :while closed"));
        form = open();
        QCOMPARE(listed(form).size(), 2);
    }

private:
    Form7* open() {
        f_->form1().Command18_Click();
        Form7* form = openWindow();
        if (!form)
            qFatal("the received messages window did not open");
        return form;
    }

    void logMessage(const QString& source, const QString& info) {
        f_->form1().LogAPRSMessages(header(source), body(info));
    }

    std::unique_ptr<ZenoFixture> f_;
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
