// SPDX-License-Identifier: GPL-3.0-or-later
// The notebook window; the file's line rules are the notebook text's (tests/unit/files).

#include "windowtest.h"

#include "ui/windows/editor.h"

namespace {

void typeAtEnd(Editor& editor, const QString& text) {
    editor.Text1->moveCursor(QTextCursor::End);
    editor.Text1->insertPlainText(text);
}

}  // namespace

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

    // The file's rules are the notebook text's: the window shows the text and tells of a cut.
    void loadTellsOfACut() {
        Editor editor(dialogs_);
        editor.Text1->insertPlainText(QStringLiteral("more"));
        dialogs_.expectMessage(
            QStringLiteral("File to large"), MsgAnswer::Ok,
            QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."));
        editor.loadFile(writeFile(QByteArray(Editor::kLoadLimit + 1, 'x') + "\r\nend\r\n"));
        QVERIFY(editor.Text1->toPlainText().endsWith(u"the 60000 bytes loaded!!!\n"));
        QCOMPARE(dialogs_.shown.first().icon, MsgIcon::Exclamation);
        QVERIFY(!editor.isChanged());
    }

    // Saved with the button first, or at Exit after the question; the file holds the box.
    void saveAndExit_data() {
        columns<bool, bool, MsgAnswer, QByteArray>("edit", "save", "answer", "saved");
        row("unchanged", false, false, MsgAnswer::Ok, QByteArray("x\r\n"));
        row("changed, No discards", true, false, MsgAnswer::No, QByteArray("x\r\n"));
        row("changed, Yes saves", true, false, MsgAnswer::Yes, QByteArray("x\r\nmor\xe9"));
        row("saved by the button", true, true, MsgAnswer::Ok, QByteArray("x\r\nmor\xe9"));
    }

    void saveAndExit() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("x\r\n"));
        editor.show();
        if (fetched<bool>("edit"))
            typeAtEnd(editor, QStringLiteral("mor\u00e9"));
        if (fetched<bool>("save"))
            editor.findChild<QToolButton*>(QStringLiteral("Command1"))->click();
        else if (editor.isChanged())
            dialogs_.expectMessage(QStringLiteral("NoteBook"), fetched<MsgAnswer>("answer"),
                                   QStringLiteral("You made changes. Do you want to save it?"));
        editor.findChild<QAction*>(QStringLiteral("menuexit"))->trigger();
        QVERIFY(!editor.isVisible());
        QTEST(readFile(), "saved");
        QVERIFY(!editor.isChanged());
    }

    // At the end of the program: notes not saved are kept beside the file.
    void keepChangesLeavesNothingBehind() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("x\r\n"));
        typeAtEnd(editor, QStringLiteral("typed"));
        dialogs_.expectMessage(QStringLiteral("NoteBook"), MsgAnswer::No);
        editor.keepChanges();
        QCOMPARE(readFile(), QByteArray("x\r\n"));
        QCOMPARE(readFile(QStringLiteral("notes.txt.unsaved")), QByteArray("x\r\ntyped"));
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

    // Caps change only a selection; find selects the first match whatever its case.
    void capsAndFind() {
        Editor editor(dialogs_, platform_, files_);
        editor.loadFile(writeFile("Hello World"));
        const auto caps = [&](const char* item, int from, int to) {
            QTextCursor cursor = editor.Text1->textCursor();
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            editor.Text1->setTextCursor(cursor);
            editor.findChild<QAction*>(QLatin1String(item))->trigger();
        };
        dialogs_.expectMessage(
            QStringLiteral("ZENO"), MsgAnswer::Ok,
            QStringLiteral("Please make a selection of text to change the caps."));
        caps("menucapsU", 3, 3);
        QVERIFY(!editor.isChanged());
        caps("menucapsU", 0, 5);
        caps("menucapsL", 6, 11);
        QCOMPARE(editor.Text1->toPlainText(), QStringLiteral("HELLO world\n"));
        QVERIFY(editor.isChanged());

        auto* findNext = editor.findChild<QAction*>(QStringLiteral("NedHelpZoekVerder"));
        dialogs_.expectInput(QStringLiteral("Find"), QStringLiteral("LO WO"))
            .expectInput(QStringLiteral("Find"), QStringLiteral("qrt"))
            .expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, QStringLiteral("Nothing found"));
        editor.findChild<QAction*>(QStringLiteral("NedHelpZoeken"))->trigger();
        QCOMPARE(editor.Text1->textCursor().selectedText(), QStringLiteral("LO wo"));
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

    QByteArray readFile(const QString& name = QStringLiteral("notes.txt")) const {
        QFile file(dir_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    FakePlatform platform_;
    FileDialogState files_;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
