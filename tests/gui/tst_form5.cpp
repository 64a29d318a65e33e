// "Edit Data fields": the three modes and the four editing buttons.

#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/form5.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QStringList shown(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

}  // namespace

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void captionPerMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("TX text") << 0 << "Edit TX-Data entries";
        QTest::newRow("APRS comment") << 1 << "Edit TX-APRS Pos/Data entries";
        QTest::newRow("APRS message") << 2 << "Edit TX APRS-Messages entries";
    }

    void captionPerMode() {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        ScriptedDialogs dialogs;
        Form5 form(mode, {}, dialogs);
        QCOMPARE(form.windowTitle(), caption);
        QVERIFY(form.isModal());
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Command5") << "Command5"
                                  << "Add Line"
                                  << "Add a empty line to enter text";
        QTest::newRow("Command4") << "Command4"
                                  << "Edit Line"
                                  << "Edit selected line";
        QTest::newRow("Command6") << "Command6"
                                  << "Remove Line"
                                  << "Remove one selected line";
        QTest::newRow("Command3") << "Command3"
                                  << "Remove All"
                                  << "Removes all history lines";
        QTest::newRow("Command1") << "Command1"
                                  << "OK"
                                  << "";
        QTest::newRow("Command2") << "Command2"
                                  << "Cancel"
                                  << "";
    }

    void buttons() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        ScriptedDialogs dialogs;
        Form5 form(0, {}, dialogs);
        auto* button = form.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);
    }

    void editing() {
        ScriptedDialogs dialogs;
        Form5 form(2, {" one ", "", "two", "three", "four", "five"}, dialogs);
        auto* list = form.findChild<QListWidget*>("List1");
        QCOMPARE(shown(list), (QStringList{"one", "two", "three", "four", "five"}));

        // Edit Line on the third: the edited text moves to the end.
        list->setCurrentRow(2);
        dialogs.expectInput(QStringLiteral("Edit Line"), QStringLiteral("THREE"));
        form.findChild<QPushButton*>("Command4")->click();
        QCOMPARE(dialogs.shown.last().text, QStringLiteral("Edit the text:"));
        QCOMPARE(dialogs.shown.last().defaultText, QStringLiteral("three"));
        QCOMPARE(shown(list), (QStringList{"one", "two", "four", "five", "THREE"}));

        dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("six"));
        form.findChild<QPushButton*>("Command5")->click();
        QCOMPARE(dialogs.shown.last().text, QStringLiteral("Type the text:"));
        QCOMPARE(dialogs.shown.last().defaultText, QString());
        QCOMPARE(shown(list).last(), QStringLiteral("six"));

        list->setCurrentRow(0);
        form.findChild<QPushButton*>("Command6")->click();
        QCOMPARE(shown(list), (QStringList{"two", "four", "five", "THREE", "six"}));
        form.findChild<QPushButton*>("Command6")->click();  // nothing selected now
        QCOMPARE(shown(list).size(), 5);

        QCOMPARE(form.lines(), shown(list));
        form.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(dialogs.problems().isEmpty());
    }

    void removeAllAndCancel() {
        ScriptedDialogs dialogs;
        Form5 form(0, {"a", "b"}, dialogs);
        form.findChild<QPushButton*>("Command3")->click();
        QCOMPARE(form.findChild<QListWidget*>("List1")->count(), 0);
        QVERIFY(form.lines().isEmpty());
        form.findChild<QPushButton*>("Command2")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }

    void addLineStopsAt31() {
        ScriptedDialogs dialogs;
        QStringList entries;
        for (int i = 0; i < 25; ++i)
            entries << QStringLiteral("line %1").arg(i);
        Form5 form(1, entries, dialogs);
        auto* add = form.findChild<QPushButton*>("Command5");
        for (int i = 25; i < 31; ++i) {
            QVERIFY(add->isEnabled());
            dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("line %1").arg(i));
            add->click();
        }
        QCOMPARE(form.lines().size(), 31);
        QVERIFY(!add->isEnabled());
        form.Command5_Click();  // even when called directly: no question, no line
        QCOMPARE(form.lines().size(), 31);
        form.findChild<QListWidget*>("List1")->setCurrentRow(30);
        form.findChild<QPushButton*>("Command6")->click();
        QVERIFY(add->isEnabled());
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
