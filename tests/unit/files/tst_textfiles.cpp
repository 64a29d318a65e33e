// The file helpers: reading with a limit, and writes that report why they failed and never
// leave a cut file behind.
#include "files/textfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;

class TestTextFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void readsLinesUpToTheLimit_data() {
        QTest::addColumn<qsizetype>("limit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("truncated");
        QTest::newRow("no limit") << qsizetype(0) << "ab\r\ncd\r\nef\r\n" << false;
        QTest::newRow("exactly the whole file") << qsizetype(12) << "ab\r\ncd\r\nef\r\n" << false;
        QTest::newRow("the line that passes it is kept") << qsizetype(5) << "ab\r\ncd\r\n" << true;
    }

    void readsLinesUpToTheLimit() {
        QFETCH(qsizetype, limit);
        QFETCH(QString, text);
        QFETCH(bool, truncated);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        QCOMPARE(writeTextFile(path, QStringLiteral("ab\ncd\r\nef")), QString());
        const TextFileRead read = readTextLines(path, limit);
        QCOMPARE(read.text, text);
        QCOMPARE(read.truncated, truncated);
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
