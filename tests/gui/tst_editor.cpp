// The notebook window as far as it goes now: it loads a file and shows it.
#include "support/qtwarnings.h"
#include "support/scripteddialogs.h"
#include "ui/editor.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void loadsLineByLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << "one\ntwo\n";
        QTest::newRow("last line without line end") << QByteArray("one\r\ntwo") << "one\ntwo\n";
        QTest::newRow("LF and CR alone") << QByteArray("one\ntwo\rthree") << "one\ntwo\nthree\n";
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << "\n\nx\n";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("8-bit text") << QByteArray(
                                           "Gr\xfc\xdf"
                                           "e\r\n")
                                    << "Gr\u00fc\u00dfe\n";
    }

    void loadsLineByLine() {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Editor editor(dialogs);
        editor.loadFile(writeFile(dir, file));
        QCOMPARE(editor.Text1->toPlainText(), shown);
        QVERIFY(!editor.isChanged());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void missingFileShowsNothing() {
        ScriptedDialogs dialogs;
        Editor editor(dialogs);
        editor.Text1->setPlainText(QStringLiteral("old"));
        editor.loadFile(QStringLiteral("/nonexistent/zeno/notes.txt"));
        QCOMPARE(editor.Text1->toPlainText(), QString());
        QVERIFY(!editor.isChanged());
        QVERIFY(dialogs.shown.isEmpty());
    }

    void typingMarksItChanged() {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Editor editor(dialogs);
        editor.loadFile(writeFile(dir, "x\r\n"));
        editor.Text1->insertPlainText(QStringLiteral("more"));
        QVERIFY(editor.isChanged());
        editor.loadFile(writeFile(dir, "x\r\n"));
        QVERIFY(!editor.isChanged());
    }

    void largeFileIsCutWithAWarning() {
        // 1000 lines of 98 characters: 100 with the line end.
        QByteArray file;
        for (int i = 0; i < 1000; ++i)
            file += QByteArray(98, char('a' + i % 26)) + "\r\n";
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(
            QStringLiteral("File to large"), MsgAnswer::Ok,
            QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."));
        Editor editor(dialogs);
        editor.loadFile(writeFile(dir, file));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n')));
        QCOMPARE(dialogs.shown.first().icon, MsgIcon::Exclamation);
        const QStringList lines = editor.Text1->toPlainText().split(QLatin1Char('\n'));
        // 601 lines make 60100 characters, over the limit: the warning replaces line 602.
        QCOMPARE(lines.size(), 603);  // and the empty text after the last line end
        QCOMPARE(lines[600], QString(98, QLatin1Char('a' + 600 % 26)));
        QCOMPARE(lines[601], QStringLiteral("!!!File loaded only for the first 60000 characters!!! "
                                            "Do not save the file or you will loose all info over "
                                            "the 60000 bytes loaded!!!"));
        QVERIFY(!editor.isChanged());
    }

    void exactlyTheLimitLoadsWhole() {
        QByteArray file;
        for (int i = 0; i < 600; ++i)
            file += QByteArray(98, 'x') + "\r\n";  // 60000 characters: not over the limit
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        Editor editor(dialogs);
        editor.loadFile(writeFile(dir, file + "last\r\n"));
        QVERIFY(editor.Text1->toPlainText().endsWith(QStringLiteral("\nlast\n")));
        QVERIFY(dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
