// The monitor text as the operator works on it from the main window: the Edit menu and the
// buttons on a read-only monitor, find, the File menu, save, print and the station report.

#include "config/appstate.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/editor.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestMonitorSide : public QObject {
    Q_OBJECT

    // A station whose monitor holds text, with a part of it selected.
    std::unique_ptr<ZenoFixture> f;
    QPlainTextEdit* text1 = nullptr;
    void start(const QString& text) {
        f = std::make_unique<ZenoFixture>();
        QVERIFY(f->startStation());
        f->form1().replaceMonitorText(text);
        text1 = f->find<QPlainTextEdit>(QStringLiteral("Text1"));
    }
    void select(int start, int end) {
        QTextCursor cursor(text1->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        text1->setTextCursor(cursor);
    }
    // A button ("Command13") or a menu item ("menuedits_5").
    void run(const char* name) {
        if (auto* button = f->find<QToolButton>(QLatin1String(name)))
            button->click();
        else
            f->find<QAction>(QLatin1String(name))->trigger();
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() {
        QVERIFY(f && f->dialogs.problems().isEmpty());
        f.reset();
    }

    void editsChangeTheReadOnlyMonitor() {
        start(QStringLiteral("Fm N0CALL To CQ\nHello"));
        select(3, 9);
        for (const char* copy : {"Command14", "Command13"}) {
            f->platform.clipboard.clear();
            run(copy);
            QCOMPARE(f->platform.clipboard, QStringLiteral("N0CALL"));
        }
        f->platform.clipboard = QStringLiteral("PA3XYZ-1");
        for (const char* step : {"Command15", "menuedits_5", "menuedits_1"})  // paste, all, copy
            run(step);
        QCOMPARE(f->platform.clipboard, QStringLiteral("Fm PA3XYZ-1 To CQ\r\nHello"));
        const std::tuple<const char*, int, int> cutPasteDelete[] = {
            {"menuedits_0", 0, 3}, {"menuedits_2", 0, 0}, {"menuedits_3", 3, 6}};
        for (const auto& [step, from, to] : cutPasteDelete) {
            select(from, to);
            run(step);
        }
        QCOMPARE(f->monitorText(), QStringLiteral("Fm XYZ-1 To CQ\nHello"));
        run("menuedits_6");  // Clear All
        QCOMPARE(f->monitorText(), QString());
        for (bool editable : {true, false}) {
            QCOMPARE(text1->isReadOnly(), editable);
            run("menuedits_8");
            QCOMPARE(f->find<QAction>(QStringLiteral("menuedits_8"))->isChecked(), editable);
        }
    }

    void findAndFindNext() {
        start(QStringLiteral("CQ de N0CALL\ncq again"));
        f->dialogs.expectInput(QStringLiteral("Find"), QStringLiteral("cq"));
        run("findmenu");
        QCOMPARE(text1->textCursor().selectedText(), QStringLiteral("CQ"));
        run("findnextmenu");
        QCOMPARE(text1->textCursor().selectionStart(), 13);  // past the line end
        f->form1().replaceMonitorText(QStringLiteral("73"));
        f->dialogs.expectMessage(kProgramTitle, MsgAnswer::Ok, QStringLiteral("Nothing found"));
        run("findnextmenu");
        QVERIFY(!f->find<QAction>(QStringLiteral("findnextmenu"))->isEnabled());
    }

    void saveOpenAndReport() {
        start(QStringLiteral("Fm N0CALL To CQ\nHello there"));
        const QString out = f->file(QStringLiteral("out.txt"));
        select(0, 15);
        f->dialogs.expectMessage(QStringLiteral("Save"), MsgAnswer::Yes).expectSaveFile(out);
        run("menufiles_2");
        select(0, 3);  // too short to ask about: the whole monitor, but the overwrite is declined
        f->dialogs.expectSaveFile(out).expectMessage(QStringLiteral("File already exists"));
        run("Command1");
        QCOMPARE(f->readFile(QStringLiteral("out.txt")), QByteArray("Fm N0CALL To CQ"));

        select(16, 27);  // the report with the selection
        f->dialogs.expectMessage(QStringLiteral("Save"), MsgAnswer::Yes).expectSaveFile(out);
        f->dialogs.expectMessage(QStringLiteral("File already exists"), MsgAnswer::Yes);
        run("menufiles_3");
        QVERIFY(f->readFile(QStringLiteral("out.txt"))
                    .endsWith("---\r\nHello there\r\n\r\n***"
                              " End of ZENO Report ***\r\n"));

        f->state().files.FileName.clear();
        f->dialogs.expectOpenFile(out).expectOpenFile(out).expectOpenFile(out);
        run("menufiles_1");
        QCOMPARE(f->platform.editorFiles, QStringList{out});
        QCOMPARE(f->dialogs.shown.last().defaultText, QStringLiteral("ZENO001.TXT"));
        run("menufiles_0");
        QCOMPARE(f->form1().findChild<Editor*>(QStringLiteral("Editor"))->currentFile(), out);
        run("Command3");
        QCOMPARE(f->state().ReplyText, QString::fromLatin1(f->readFile(QStringLiteral("out.txt"))));
        QCOMPARE(f->monitorText(), QString(f->state().ReplyText).replace("\r\n", "\n"));
    }

    void printingWithAndWithoutAPrinter() {
        start(QStringLiteral("Fm N0CALL To CQ\nHello"));
        select(3, 9);
        f->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes,
                                 QStringLiteral("Do you want to print the selected tekst?"));
        run("Command4");
        QCOMPARE(f->platform.printed.last().text, QStringLiteral("N0CALL"));
        f->platform.setHasPrinter(false);
        select(0, 0);
        f->dialogs.expectMessage(QStringLiteral("Print"), MsgAnswer::Yes,
                                 QStringLiteral("Do you want to print the entire monitor window?"));
        run("menufiles_5");
        QVERIFY(f->readFile(QStringLiteral("ZENO Monitor.pdf")).startsWith("%PDF"));
        QVERIFY(f->form1().statusBar()->currentMessage().contains(QStringLiteral("Monitor.pdf")));
    }
};

QTEST_MAIN(TestMonitorSide)
#include "tst_monitorside.moc"
