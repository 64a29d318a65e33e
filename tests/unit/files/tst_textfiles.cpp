// The file helpers: reading with a limit, a file loaded into the monitor, and writes that
// report why they failed and never leave a cut file behind.
#include "files/filedialogs.h"
#include "files/textfiles.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

struct Monitor : OpenTextTargets {
    QString text;
    void loadIntoMonitor(const QString& loaded) override { text = loaded; }
    void openInNotebook(const QString&) override {}
    void setBusy(bool) override {}
};

}  // namespace

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

    // 999 lines of 28 characters and their line ends, then the tail.
    void monitorTakes30000Characters_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("loaded");
        QTest::newRow("exactly 30000") << QByteArray(28, 'x') + "\r\n" << 30000;
        QTest::newRow("one more: up to the line that passed") << QByteArray(29, 'x') + "\nnot\n"
                                                              << 30001;
    }
    void monitorTakes30000Characters() {
        QFETCH(QByteArray, tail);
        QFETCH(int, loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.txt"));
        QVERIFY(replaceFile(path, (QByteArray(28, 'x') + "\r\n").repeated(999) + tail).isEmpty());
        ScriptedDialogs dialogs;
        dialogs.expectOpenFile(path);
        if (loaded > kMonitorFileLimit)
            dialogs.expectMessage(QStringLiteral("File to long"));
        FileDialogState files{QString(), QString(), false, kOpenIntoMonitor};
        QString ReplyText;
        FakePlatform platform;
        Monitor monitor;
        OpenTextFile(files, ReplyText, dialogs, platform, monitor);
        QCOMPARE(monitor.text.size(), loaded);
        QVERIFY(ReplyText == monitor.text && dialogs.problems().isEmpty());
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
