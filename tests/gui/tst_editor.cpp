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

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failOnUnexpectedWarnings();
        dialogs_.reset();
    }

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
        Editor editor(dialogs_);
        editor.loadFile(writeFile(file));
        QCOMPARE(editor.Text1->toPlainText(), shown);
        QVERIFY(!editor.isChanged());
        QVERIFY(dialogs_.shown.isEmpty());
    }

    void typingMarksItChangedAndAMissingFileShowsNothing() {
        Editor editor(dialogs_);
        editor.loadFile(writeFile("x\r\n"));
        editor.Text1->insertPlainText(QStringLiteral("more"));
        QVERIFY(editor.isChanged());
        editor.loadFile(QStringLiteral("/nonexistent/zeno/notes.txt"));
        QCOMPARE(editor.Text1->toPlainText(), QString());
        QVERIFY(!editor.isChanged());
        QVERIFY(dialogs_.shown.isEmpty());
    }

    void largeFileIsCutWithAWarning_data() {
        QTest::addColumn<int>("lines");  // of 98 characters, 100 with the line end
        QTest::addColumn<bool>("cut");
        // 600 lines make 60000 characters, not over the limit: the next line still loads.
        QTest::newRow("60000 and one more line") << 601 << false;
        QTest::newRow("60100 and one more line") << 1000 << true;
    }

    void largeFileIsCutWithAWarning() {
        QFETCH(int, lines);
        QFETCH(bool, cut);
        QByteArray file;
        for (int i = 0; i < lines; ++i)
            file += QByteArray(98, char('a' + i % 26)) + "\r\n";
        if (cut) {
            dialogs_.expectMessage(
                QStringLiteral("File to large"), MsgAnswer::Ok,
                QStringLiteral("Size of the file is to large. Opened only the first 60000 bytes."));
        }
        Editor editor(dialogs_);
        editor.loadFile(writeFile(file));
        QVERIFY2(dialogs_.problems().isEmpty(), qPrintable(dialogs_.problems().join('\n')));
        const QStringList shown = editor.Text1->toPlainText().split(QLatin1Char('\n'));
        // With the warning in place of line 602, and the empty text after the last line end.
        QCOMPARE(shown.size(), cut ? 603 : lines + 1);
        QCOMPARE(shown[600], QString(98, QLatin1Char('a' + 600 % 26)));
        if (cut) {
            QCOMPARE(dialogs_.shown.first().icon, MsgIcon::Exclamation);
            QCOMPARE(shown[601],
                     QStringLiteral("!!!File loaded only for the first 60000 characters!!! "
                                    "Do not save the file or you will loose all info over "
                                    "the 60000 bytes loaded!!!"));
        }
        QVERIFY(!editor.isChanged());
    }

private:
    QString writeFile(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("notes.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            qFatal("cannot write the notebook file");
        return path;
    }

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
