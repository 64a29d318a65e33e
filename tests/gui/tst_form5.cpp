// SPDX-License-Identifier: GPL-3.0-or-later
// "Edit Data fields": its buttons over the history editor (rules: tests/unit/tx).

#include "windowtest.h"

#include "ui/windows/form5.h"

class TestForm5 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void eachButtonOnce() {
        ScriptedDialogs dialogs;
        Form5 form(2, {"one", "two", "three"}, dialogs);
        auto* list = form.findChild<QListWidget*>("List1");
        list->setCurrentRow(1);
        dialogs.expectInput(QStringLiteral("Edit Line"), QStringLiteral("TWO"));
        run(form, "Command4");
        QCOMPARE(dialogs.shown.last().defaultText, QStringLiteral("two"));
        list->setCurrentRow(0);
        run(form, "Command6");
        for (int lines = 2; lines < 31; ++lines) {
            dialogs.expectInput(QStringLiteral("Add Line"), QStringLiteral("line %1").arg(lines));
            run(form, "Command5");
        }
        QCOMPARE(form.lines().mid(0, 2), (QStringList{"three", "TWO"}));
        QCOMPARE(list->count(), 31);
        QCOMPARE(list->item(30)->text(), QStringLiteral("line 30"));
        // Full: Add is off, and even called directly it asks nothing.
        QVERIFY(!form.findChild<QPushButton*>("Command5")->isEnabled());
        form.Command5_Click();
        QCOMPARE(form.lines().size(), 31);
        run(form, "Command2");
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
