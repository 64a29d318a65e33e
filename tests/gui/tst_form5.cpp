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

}  // namespace

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void editing() {
        ScriptedDialogs dialogs;
        Form5 form(2, {" one ", "", "two", "three"}, dialogs);
        QCOMPARE(form.windowTitle(), QStringLiteral("Edit TX APRS-Messages entries"));
        QCOMPARE(shown(form), (QStringList{"one", "two", "three"}));
        // Edit Line on the second: the edited text moves to the end.
        form.findChild<QListWidget*>("List1")->setCurrentRow(1);
        dialogs.expectInput(QStringLiteral("Edit Line"), QStringLiteral("TWO"));
        click(form, "Command4");
        QCOMPARE(dialogs.shown.last().defaultText, QStringLiteral("two"));
        form.findChild<QListWidget*>("List1")->setCurrentRow(0);
        click(form, "Command6");
        QCOMPARE(shown(form), (QStringList{"three", "TWO"}));
        QCOMPARE(form.lines(), shown(form));
        click(form, "Command1");
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(dialogs.problems().isEmpty());
    }

    void addLineStopsAt31ThenRemoveAllAndCancel() {
        ScriptedDialogs dialogs;
        Form5 form(1, QStringList(25, QStringLiteral("line")), dialogs);
        auto* add = form.findChild<QPushButton*>("Command5");
        for (int i = 25; i < 31; ++i) {
            QVERIFY(add->isEnabled());
            dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("line %1").arg(i));
            add->click();
        }
        QCOMPARE(shown(form).last(), QStringLiteral("line 30"));
        QVERIFY(!add->isEnabled());
        form.Command5_Click();  // even when called directly: no question, no line
        QCOMPARE(form.lines().size(), 31);
        click(form, "Command3");
        QVERIFY(shown(form).isEmpty() && form.lines().isEmpty());
        QVERIFY(add->isEnabled());
        click(form, "Command2");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
