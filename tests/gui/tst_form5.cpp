// "Edit Data fields": the editing buttons over the history editor's lines.

#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/windows/form5.h"

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

    // Remove All and OK are pressed in the main window's test; the line rules are the history
    // editor's.
    void editRemoveAddAndCancel() {
        ScriptedDialogs dialogs;
        Form5 form(2, {"one", "two", "three"}, dialogs);
        auto* list = form.findChild<QListWidget*>("List1");
        list->setCurrentRow(1);
        dialogs.expectInput(QStringLiteral("Edit Line"), QStringLiteral("TWO"))
            .expectInput(QStringLiteral("Add Line"), QStringLiteral("four"));
        click(form, "Command4");
        QCOMPARE(dialogs.shown.last().defaultText, QStringLiteral("two"));
        list->setCurrentRow(0);
        click(form, "Command6");
        click(form, "Command5");
        QCOMPARE(shown(form), (QStringList{"three", "TWO", "four"}));
        QCOMPARE(form.lines(), shown(form));
        click(form, "Command2");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.problems().isEmpty());
    }

    void addStopsWhenFull() {
        ScriptedDialogs dialogs;
        Form5 form(1, QStringList(25, QStringLiteral("line")), dialogs);
        for (int i = 25; i < 31; ++i) {
            dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("line %1").arg(i));
            click(form, "Command5");
        }
        QVERIFY(!form.findChild<QPushButton*>("Command5")->isEnabled());
        form.Command5_Click();  // even when called directly: no question, no line
        QCOMPARE(form.lines().size(), 31);
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
