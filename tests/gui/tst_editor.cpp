// The notebook window: loading, saving exactly what the box holds, the question before changes
// go, reading the file again, caps and find. The file's line rules are the notebook text's.
#include "support/fakeplatform.h"
#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"
#include "ui/windows/editor.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failOnUnexpectedWarnings();
        dialogs_.reset();
    }
    void cleanup() {
        QVERIFY2(dialogs_.problems().isEmpty(), qPrintable(dialogs_.problems().join('\n')));
    }

    // The file's rules are the notebook text's: the window shows the text, unchanged, and
    // tells when it was cut.
    void loadShowsTheFileAndTellsOfACut() {
        Editor editor(dialogs_);
        editor.loadFile(writeFile("one\r\ntwo"));
        QCOMPARE(editor.Text1->toPlainText(), QStringLiteral("one\ntwo\n"));
        editor.Text1->insertPlainText(QStringLiteral("more"));
        dialogs_.expectMessage(
            QStringLiteral("File to large"), MsgAnswer::Ok,
            QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."));
        editor.loadFile(writeFile(QByteArray(Editor::kLoadLimit + 1, 'x') + "\r\nend\r\n"));
        QVERIFY(editor.Text1->toPlainText().endsWith(u"the 60000 bytes loaded!!!\n"));
        QCOMPARE(dialogs_.shown.first().icon, MsgIcon::Exclamation);
        QVERIFY(!editor.isChanged());
    }

    void saveWritesTheBoxExactly() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("one\ntwo\r\n"));
        editor.Text1->moveCursor(QTextCursor::End);
        editor.Text1->insertPlainText(QStringLiteral("thr\u00e9e"));
        editor.findChild<QToolButton*>(QStringLiteral("Command1"))->click();
        // Line ends as CR LF, Latin-1, and no line end added after the last line.
        QCOMPARE(readFile(), QByteArray("one\r\ntwo\r\nthr\xe9"
                                        "e"));
        QVERIFY(!editor.isChanged());
    }

    void closeAsksOnlyAboutChanges_data() {
        columns<bool, MsgAnswer, QByteArray>("edit", "answer", "saved");
        row("unchanged", false, MsgAnswer::Ok, QByteArray("x\r\n"));
        row("changed, No discards", true, MsgAnswer::No, QByteArray("x\r\n"));
        row("changed, Yes saves", true, MsgAnswer::Yes, QByteArray("x\r\nmore"));
    }

    void closeAsksOnlyAboutChanges() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("x\r\n"));
        editor.show();
        if (fetched<bool>("edit")) {
            editor.Text1->moveCursor(QTextCursor::End);
            editor.Text1->insertPlainText(QStringLiteral("more"));
            dialogs_.expectMessage(QStringLiteral("NoteBook"), fetched<MsgAnswer>("answer"),
                                   QStringLiteral("You made changes. Do you want to save it?"));
        }
        editor.findChild<QAction*>(QStringLiteral("menuexit"))->trigger();
        QVERIFY(!editor.isVisible());
        QTEST(readFile(), "saved");
        QVERIFY(!editor.isChanged());
    }

    // At the end of the program: notes not saved are kept beside the file.
    void keepChangesLeavesNothingBehind() {
        Editor editor(dialogs_, platform_, files_);
        const QString path = writeFile("x\r\n");
        editor.loadFile(path);
        editor.Text1->moveCursor(QTextCursor::End);
        editor.Text1->insertPlainText(QStringLiteral("typed"));
        dialogs_.expectMessage(QStringLiteral("NoteBook"), MsgAnswer::No);
        editor.keepChanges();
        QCOMPARE(readFile(), QByteArray("x\r\n"));
        QFile unsaved(path + QStringLiteral(".unsaved"));
        QVERIFY(unsaved.open(QIODevice::ReadOnly));
        QCOMPARE(unsaved.readAll(), QByteArray("x\r\ntyped"));
    }

    void activationReadsTheFileUnlessChanged() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("one\r\n"));
        writeFile("two\r\n");
        editor.Form_Activate();
        QCOMPARE(editor.Text1->toPlainText(), QStringLiteral("two\n"));
        editor.Text1->insertPlainText(QStringLiteral("mine "));
        writeFile("three\r\n");
        editor.Form_Activate();
        QCOMPARE(editor.Text1->toPlainText(), QStringLiteral("mine two\n"));
    }

    void capsChangeOnlyASelection_data() {
        columns<QString, int, int, QString>("item", "from", "to", "shown");
        row("upper", "menucapsU", 0, 5, "HELLO World\n");
        row("lower", "menucapsL", 6, 11, "Hello world\n");
        row("nothing selected", "menucapsU", 3, 3, "Hello World\n");
    }

    void capsChangeOnlyASelection() {
        QFETCH(int, from);
        QFETCH(int, to);
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("Hello World"));
        QTextCursor cursor = editor.Text1->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.Text1->setTextCursor(cursor);
        if (from == to)
            dialogs_.expectMessage(
                QStringLiteral("ZENO"), MsgAnswer::Ok,
                QStringLiteral("Please make a selection of text to change the caps."));
        editor.findChild<QAction*>(fetched<QString>("item"))->trigger();
        QTEST(editor.Text1->toPlainText(), "shown");
        QCOMPARE(editor.isChanged(), from != to);
    }

    void findSelectsTheFirstMatchIgnoringCase() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("cq cq de PA3XYZ"));
        auto* findNext = editor.findChild<QAction*>(QStringLiteral("NedHelpZoekVerder"));
        dialogs_.expectInput(QStringLiteral("Find"), QStringLiteral("CQ DE"))
            .expectInput(QStringLiteral("Find"), QStringLiteral("qrt"))
            .expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, QStringLiteral("Nothing found"));
        editor.findChild<QAction*>(QStringLiteral("NedHelpZoeken"))->trigger();
        QCOMPARE(editor.Text1->textCursor().selectedText(), QStringLiteral("cq de"));
        QVERIFY(findNext->isEnabled());
        findNext->trigger();  // asks again
        QVERIFY(!editor.Text1->textCursor().hasSelection());
        QVERIFY(!findNext->isEnabled());
    }

private:
    QString writeFile(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("notes.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            qFatal("cannot write the notebook file");
        return path;
    }

    QByteArray readFile() const {
        QFile file(dir_.filePath(QStringLiteral("notes.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    FakePlatform platform_;
    FileDialogState files_;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
