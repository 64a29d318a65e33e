// "Edit Data fields": the four editing buttons over the history editor's lines.

#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/form5.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QStringList shown(const Form5& form) {
    const auto* list = form.findChild<QListWidget*>("List1");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void click(const Form5& form, const char* button) {
    form.findChild<QPushButton*>(QLatin1String(button))->click();
}

void selectRow(const Form5& form, int row) {
    form.findChild<QListWidget*>("List1")->setCurrentRow(row);
}

}  // namespace

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void editing() {
        ScriptedDialogs dialogs;
        Form5 form(2, {" one ", "", "two", "three", "four", "five"}, dialogs);
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit TX APRS-Messages entries"));
        QCOMPARE(shown(form), (QStringList{"one", "two", "three", "four", "five"}));

        // Edit Line on the third: the edited text moves to the end.
        selectRow(form, 2);
        dialogs.expectInput(QStringLiteral("Edit Line"), QStringLiteral("THREE"));
        click(form, "Command4");
        QCOMPARE(dialogs.shown.last().text, QStringLiteral("Edit the text:"));
        QCOMPARE(dialogs.shown.last().defaultText, QStringLiteral("three"));
        QCOMPARE(shown(form), (QStringList{"one", "two", "four", "five", "THREE"}));

        dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("six"));
        click(form, "Command5");
        QCOMPARE(dialogs.shown.last().text, QStringLiteral("Type the text:"));
        QCOMPARE(shown(form).last(), QStringLiteral("six"));

        selectRow(form, 0);
        click(form, "Command6");
        click(form, "Command6");  // nothing selected now
        QCOMPARE(shown(form), (QStringList{"two", "four", "five", "THREE", "six"}));
        QCOMPARE(form.lines(), shown(form));
        click(form, "Command1");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(dialogs.problems().isEmpty());
    }

    void addLineStopsAt31ThenRemoveAllAndCancel() {
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
        click(form, "Command3");
        QVERIFY(shown(form).isEmpty());
        QVERIFY(form.lines().isEmpty());
        QVERIFY(add->isEnabled());
        click(form, "Command2");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
