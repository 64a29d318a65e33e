// The file helpers: reading with a limit, and writes that report why they failed and never
// leave a cut file behind.
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
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        QCOMPARE(writeTextFile(path, QStringLiteral("ab\ncd\r\nef")), QString());
        const TextFileRead read = readTextLines(path, fetched<qsizetype>("limit"));
        QTEST(read.text, "text");
        QTEST(read.truncated, "truncated");
        QVERIFY(read.error.isEmpty());
        QVERIFY(!readTextLines(dir.filePath(QStringLiteral("missing.txt"))).error.isEmpty());
    }

    void aFailedWriteSaysWhyAndKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.txt"));
        QCOMPARE(writeTextFile(path, QStringLiteral("old")), QString());
        QVERIFY(!writeTextFile(dir.filePath(QStringLiteral("no such folder/x.txt")), {}).isEmpty());
        // A folder in the way of the replacement: the write fails, the old text stays readable.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
        QVERIFY(!writeTextFile(dir.filePath(QStringLiteral("folder.txt")), {}).isEmpty());
        QVERIFY(!FileExists(dir.filePath(QStringLiteral("folder.txt"))));
        QCOMPARE(readTextLines(path).text, QStringLiteral("old\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
