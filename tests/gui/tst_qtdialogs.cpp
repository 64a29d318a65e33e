// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs and the real printing path, driven the way an operator would answer them.

#include "windowtest.h"

#include "ui/common/desktopplatform.h"
#include "ui/common/qtdialogs.h"
#include "ui/windows/form8.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPrinterInfo>

namespace {

// Runs `answer` on the modal dialog as soon as it is up.
template <typename Dialog>
void whenShown(const std::function<void(Dialog*)>& answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

}  // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The text, title and icon shown, and the button clicked; Escape on a question means No.
    void messageBoxReturnsTheButton() {
        QtDialogs dialogs;
        QString seen;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            seen = QStringLiteral("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon());
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(dialogs.message(QStringLiteral("First line\rSecond line"), QStringLiteral("Clear"),
                                 MsgIcon::Exclamation, MsgButtons::YesNo),
                 MsgAnswer::Yes);
        QCOMPARE(seen,
                 QStringLiteral("Clear|First line\nSecond line|%1").arg(QMessageBox::Warning));
        whenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
        QCOMPARE(dialogs.askYesNo(QStringLiteral("Sure?"), QStringLiteral("Q")), false);
    }

    void inputBoxReturnsTheTextOrEmptyOnCancel() {
        QtDialogs dialogs;
        QString proposed;
        whenShown<QInputDialog>([&](QInputDialog* box) {
            proposed = box->textValue();
            box->setTextValue(QStringLiteral("pa3xyz"));
            box->accept();
        });
        QCOMPARE(dialogs.input("Enter the callsign or string:", "Filter", "RS0ISS*"), "pa3xyz");
        QCOMPARE(proposed, "RS0ISS*");
        whenShown<QInputDialog>([](QInputDialog* box) {
            box->setTextValue(QStringLiteral("typed, then cancelled"));
            box->reject();
        });
        QCOMPARE(dialogs.input("Prompt", "Title", QString()), QString());
    }

    void fontChooserReturnsTheChosenFamily() {
        QtDialogs dialogs;
        QString first;
        whenShown<Form8>([&](Form8* form) {
            auto* list = form->findChild<QListWidget*>("List1");
            auto* ok = form->findChild<QPushButton*>("Command1");
            QVERIFY(list->count() > 0 && !ok->isEnabled());
            first = list->item(0)->text();
            list->setCurrentRow(0);
            form->List1_Click();
            ok->click();
        });
        QCOMPARE(dialogs.chooseFont(QString()), first);

        whenShown<Form8>([](Form8* form) {
            form->findChild<QCheckBox*>("Check1")->click();  // "Fixedsys"
            QCOMPARE(form->chosenFont(), QStringLiteral("Fixedsys"));
            form->findChild<QPushButton*>("Command2")->click();
        });
        QCOMPARE(dialogs.chooseFont(QString()), QString());
    }

    void printingWithoutAPrinterOffersAPdf() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here; this case is for none");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("monitor.pdf"));
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        dialogs.expectSaveFile(pdf);
        DesktopPlatform platform(dialogs);
        QCOMPARE(platform.printText("ZENO Monitor", "Fm N0CALL To CQ\r\nHello\r\n"),
                 PrintOutcome::Printed);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5).startsWith("%PDF"));

        // Declining the PDF is "not ready"; cancelling the file dialog is "cancelled".
        dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::No);
        QCOMPARE(platform.printText("x", "y"), PrintOutcome::NotReady);
        dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes);
        dialogs.expectSaveFile(QString());
        QCOMPARE(platform.printText("x", "y"), PrintOutcome::Cancelled);
        QVERIFY(dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
