// SPDX-License-Identifier: GPL-3.0-or-later
// The file helpers: reading with a limit, writes that report why they failed and never leave a
// cut file behind, and the notebook's file: loaded line by line whatever its line ends, cut
// with a warning line past its limit, saved with CR LF line ends.
#include "files/notebooktext.h"
#include "files/textfiles.h"
#include "support/testrows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

class TestTextFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsLinesUpToTheLimit_data() {
        columns<qsizetype, QString, bool>("limit", "text", "truncated");
        row("no limit", qsizetype(0), "ab\r\ncd\r\nef\r\n", false);
        row("exactly the whole file", qsizetype(12), "ab\r\ncd\r\nef\r\n", false);
        row("the line that passes it is kept", qsizetype(5), "ab\r\ncd\r\n", true);
    }

    void readsLinesUpToTheLimit() {
        QCOMPARE(writeTextFile(path(), QStringLiteral("ab\ncd\r\nef")), QString());
        const TextFileRead read = readTextLines(path(), fetched<qsizetype>("limit"));
        QTEST(read.text, "text");
        QTEST(read.truncated, "truncated");
        QVERIFY(read.error.isEmpty());
        QVERIFY(!readTextLines(dir_.filePath(QStringLiteral("missing.txt"))).error.isEmpty());
    }

    void aFailedWriteSaysWhyAndKeepsTheOldFile() {
        QCOMPARE(writeTextFile(path(), QStringLiteral("old")), QString());
        QVERIFY(
            !writeTextFile(dir_.filePath(QStringLiteral("no such folder/x.txt")), {}).isEmpty());
        // A folder in the way of the replacement: the write fails, the old text stays readable.
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.txt")));
        QVERIFY(!writeTextFile(dir_.filePath(QStringLiteral("folder.txt")), {}).isEmpty());
        QVERIFY(!FileExists(dir_.filePath(QStringLiteral("folder.txt"))));
        QCOMPARE(readTextLines(path()).text, QStringLiteral("old\r\n"));
    }

    void notebookLoadsLineByLine_data() {
        columns<QByteArray, QString>("file", "text");
        row("CR LF", QByteArray("one\r\ntwo\r\n"), "one\r\ntwo\r\n");
        row("last line without line end", QByteArray("one\r\ntwo"), "one\r\ntwo\r\n");
        row("LF and CR alone", QByteArray("one\ntwo\rthree"), "one\r\ntwo\r\nthree\r\n");
        row("empty lines", QByteArray("\r\n\r\nx\r\n"), "\r\n\r\nx\r\n");
        row("empty file", QByteArray(""), "");
        row("missing file", QByteArray(), "");  // null: no file at all
        row("8-bit text", QByteArray("Gr\xfc\xdf\x65\r\n"), "Gr\u00fc\u00dfe\r\n");
    }

    void notebookLoadsLineByLine() {
        QFETCH(QByteArray, file);
        const NotebookRead read =
            readNotebookFile(file.isNull() ? dir_.filePath("none") : put(file));
        QTEST(read.text, "text");
        QVERIFY(!read.cut);
    }

    // Lines of 98 characters, 100 with the line end: 600 make 60000 characters, not over the
    // limit, so line 601 still loads and the warning takes the place of line 602.
    void notebookCutPastTheLimitAndLineEnds() {
        QByteArray file;
        for (int i = 0; i < 1000; ++i)
            file += QByteArray(98, char('a' + i % 26)) + "\r\n";
        const NotebookRead read = readNotebookFile(put(file));
        QVERIFY(read.cut);
        const QStringList lines = read.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 603);  // with the empty text after the last line end
        QCOMPARE(lines[600], QString(98, QLatin1Char('a' + 600 % 26)));
        QCOMPARE(lines[601], QStringLiteral("!!!File loaded only for the first 60000 characters!!! "
                                            "Do not save the file or you will loose all info over "
                                            "the 60000 bytes loaded!!!"));
        // A file that ends with the line that passes the limit is whole.
        QVERIFY(!readNotebookFile(put(file.left(601 * 100))).cut);
        QCOMPARE(notebookBoxText(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(notebookFileText(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    }

private:
    QString path() const { return dir_.filePath(QStringLiteral("t.txt")); }
    QString put(const QByteArray& bytes) {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            qFatal("cannot write the file");
        return path();
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
