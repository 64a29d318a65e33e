// SPDX-License-Identifier: GPL-3.0-or-later
// "APRS Received Messages": each control once (rules: tests/unit/tx/tst_messagelog.cpp).

#include "windowtest.h"

#include "ui/windows/form7.h"

namespace {

// The one messages window shown, or none.
Form7* openWindow() {
    QList<Form7*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form7*>(widget); form && form->isVisible())
            open << form;
    }
    return open.size() == 1 ? open.first() : nullptr;
}

}  // namespace

class TestForm7 : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void eachControlOnce() {
        ZenoFixture f;
        QVERIFY(f.startStation());
        Form7* form = nullptr;
        // As the poll tick hands a monitored frame over, heard through RS0ISS.
        const auto logMessage = [&](const QString& source, const QString& info) {
            f.form1().LogAPRSMessages("Fm " + source + " To APZ123 Via RS0ISS* <UI Len=20 >",
                                      info + "\r\n\r\n" + QChar(0));
        };
        const auto list = [&] { return form->findChild<QListWidget*>(QStringLiteral("List1")); };
        f.state().settings.logDigipeatedMessages = 1;
        logMessage("PA3XYZ-15", ":PA3XYZ   :call me");
        logMessage("N2DEF", ":BLN1     :bulletin");
        f.find<QToolButton>(QStringLiteral("Command18"))->click();
        f.find<QToolButton>(QStringLiteral("Command18"))->click();
        f.find<QAction>(QStringLiteral("menuoptions_0"))->trigger();
        QVERIFY((form = openWindow()));
        QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("Option8"))->isChecked());
        run(*form, "Option7");
        QCOMPARE(f.state().settings.logDigipeatedMessages, 0);
        run(*form, "Option8");
        QCOMPARE(f.state().settings.logDigipeatedMessages, 1);
        run(*form, "Option6");  // nothing for e-mail: the buttons act on the view, not the log
        f.dialogs.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                QStringLiteral("Nothing to clear"));
        run(*form, "Command3");
        run(*form, "Option3");
        QCOMPARE(list()->count(), 1);
        run(*form, "Command5");
        QCOMPARE(f.platform.clipboard, list()->item(0)->text() + "\r\n");
        run(*form, "Option2");
        logMessage("N3GHI", ":PA3XYZ   :pass");
        QVERIFY(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        form->Timer1_Timer();
        QCOMPARE(list()->count(), 2);
        logMessage("N4JKL", ":PA3XYZ   :again");
        run(*form, "Command2");
        QCOMPARE(list()->count(), 3);

        const QPoint first = list()->visualItemRect(list()->item(0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, first);
        QVERIFY(form->findChild<QLabel*>(QStringLiteral("Label1"))->text().contains("\n|"));
        run(*form, "Command8");
        QCOMPARE(f.platform.clipboard, list()->item(0)->text());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(f.find<QComboBox>(QStringLiteral("Combo5"))->currentText(), "PA3XYZ-15");

        f.dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes)
            .expectSaveFile(f.file(QStringLiteral("messages.txt")))
            .expectMessage(QStringLiteral("Clear All"), MsgAnswer::Yes);
        run(*form, "Command4");
        QCOMPARE(f.platform.printed.size(), 1);
        run(*form, "Command7");
        QVERIFY(QFile::exists(f.file(QStringLiteral("messages.txt"))));
        run(*form, "Command3");
        QCOMPARE(list()->count(), 0);

        // OK closes the window; the log lives on.
        QPointer<Form7> closed(form);
        run(*form, "Command1");
        QTRY_VERIFY(closed.isNull());
        logMessage("N1ABC", ":PA3XYZ   :while closed");
        f.form1().Command18_Click();
        QVERIFY((form = openWindow()));
        QCOMPARE(list()->count(), 1);
        QVERIFY2(f.dialogs.problems().isEmpty(), qPrintable(f.dialogs.problems().join('\n')));
    }
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
