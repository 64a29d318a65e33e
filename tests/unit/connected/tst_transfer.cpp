// The senders' pieces and texts, and what the public folder lets a station read: real files
// in a temporary application path, with symbolic links pointing out of the folder.
#include "connected/transfer.h"
#include "connectedrig.h"
#include "support/openwatch.h"
#include "support/testrows.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kNotFound = QStringLiteral("\rFile not found\r\r\n");

}  // namespace

class TransferTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // app/zeno.ini, app/public/{readme.txt, sub/deep.txt, links}, and a folder beside app.
        QVERIFY(QDir(outside_.path()).mkdir(QStringLiteral("outside")));
        QFile secret(outside_.filePath(QStringLiteral("outside/secret.txt")));
        QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("outside\r\n") > 0);
        rig_.write(QStringLiteral("zeno.ini"), "[BBS Commands]\r\n 2 /SECRET\r\n");
        QVERIFY(QDir(rig_.dir.path()).mkpath(QStringLiteral("public/sub")));
        rig_.write(QStringLiteral("public/readme.txt"), "public\r\n");
        rig_.write(QStringLiteral("public/sub/deep.txt"), "deep\n");
        const QString pub = rig_.dir.filePath(QStringLiteral("public/"));
        QVERIFY(QFile::link(rig_.dir.path(), pub + QStringLiteral("toapp")));
        QVERIFY(QFile::link(rig_.dir.filePath(QStringLiteral("zeno.ini")), pub + "tosettings"));
        QVERIFY(QFile::link(outside_.filePath(QStringLiteral("outside")), pub + "tooutside"));
        QVERIFY(QFile::link(pub + QStringLiteral("gone"), pub + QStringLiteral("broken")));
        QVERIFY(watch_.watch(rig_.dir.path()) && watch_.watch(outside_.filePath("outside")));
        QVERIFY(fileReply(rig_.dir.filePath(QStringLiteral("zeno.ini"))));
        QCOMPARE(watch_.opened(), QStringList{rig_.dir.filePath(QStringLiteral("zeno.ini"))});
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void pieces_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("sizes");
        row("nothing", 0, QList<int>{});
        row("one full piece", 255, QList<int>{255});
        row("one more", 256, QList<int>{255, 1});
        row("three", 600, QList<int>{255, 255, 90});
    }

    void pieces() {
        QFETCH(int, length);
        QList<int> sizes;
        for (const QString& piece : replyPieces(QString(length, u'x')))
            sizes << int(piece.size());
        QTEST(sizes, "sizes");
    }

    // What a station gets for //R and //DIR arguments that stay inside the folder.
    void inside_data() {
        QTest::addColumn<bool>("listing");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("reply");
        row("file", false, QString("readme.txt"), QString("\rpublic\r"));
        row("file in other case", false, QString("README.TXT"), QString("\rpublic\r"));
        row("backslashes from the folder", false, QString("\\sub\\deep.txt"), QString("\rdeep\r"));
        row("slashes and dots", false, QString("/sub/./deep.txt"), QString("\rdeep\r"));
        row("empty lists the folder", true, QString(), QString("\r\n[sub]\r\nreadme.txt\r\n\r\n"));
        row("the folder itself", true, QString("\\"), QString("\r\n[sub]\r\nreadme.txt\r\n\r\n"));
        row("a folder's own entry", true, QString("SUB"), QString("\r\n[sub]\r\n\r\n"));
        row("a folder's contents", true, QString("sub/"), QString("\r\ndeep.txt\r\n\r\n"));
        row("wildcards", true, QString("r??dme.T*"), QString("\r\nreadme.txt\r\n\r\n"));
        row("no match", true, QString("*.ini"), kNotFound);
    }

    void inside() {
        QFETCH(bool, listing);
        QFETCH(QString, argument);
        Senders& senders = rig_.connection->senders();
        listing ? senders.StuurDir(argument) : senders.sendPublicFile(argument);
        QTEST(rig_.state.ReplyText, "reply");
    }

    // Whatever leads out gets the not-found answers, and nothing outside is even opened.
    void outside_data() {
        QTest::addColumn<QString>("argument");
        const QString app = rig_.dir.path();
        const QString nul(QChar(0));
        for (const char* argument : {"../zeno.ini",
                                     "..\\zeno.ini",
                                     "/../zeno.ini",
                                     "sub/../../zeno.ini",
                                     "sub\\..\\..\\zeno.ini",
                                     "sub/./../../zeno.ini",
                                     "..",
                                     "../",
                                     "..\\*",
                                     "../*.ini",
                                     "../../outside/secret.txt",
                                     "toapp/zeno.ini",
                                     "TOAPP\\ZENO.INI",
                                     "toapp",
                                     "toapp/",
                                     "toapp/*",
                                     "toapp/public/readme.txt",
                                     "sub/../toapp/zeno.ini",
                                     "tosettings",
                                     "tooutside/secret.txt",
                                     "tooutside\\",
                                     "broken",
                                     "zeno.ini",
                                     "C:\\zeno.ini",
                                     "c:zeno.ini",
                                     "\\\\?\\C:\\zeno.ini",
                                     "%2e%2e/zeno.ini",
                                     "~/zeno.ini",
                                     "....//zeno.ini",
                                     "readme.txt\r",
                                     "sub\r\\deep.txt"})
            QTest::newRow(argument) << QString::fromLatin1(argument);
        QTest::newRow("absolute path") << app + QStringLiteral("/zeno.ini");
        QTest::newRow("absolute outside") << outside_.filePath("outside/secret.txt");
        QTest::newRow("NUL") << QStringLiteral("readme.txt") + nul + QStringLiteral("../zeno.ini");
        QTest::newRow("NUL in a listing") << QStringLiteral("sub") + nul + QStringLiteral("/../");
    }

    void outside() {
        QFETCH(QString, argument);
        Senders& senders = rig_.connection->senders();
        senders.sendPublicFile(argument);
        QCOMPARE(rig_.state.ReplyText, fileErrorReply(argument));
        senders.StuurDir(argument);
        QCOMPARE(rig_.state.ReplyText, kNotFound);
        const QString folder = rig_.dir.filePath(QStringLiteral("public"));
        // Looking into the folder itself shows as an open of "public" in the application path.
        QCOMPARE(watch_.opened().filter(QRegularExpression(
                     QStringLiteral("^(?!%1$)").arg(QRegularExpression::escape(folder)))),
                 QStringList());
    }

    void fileReplies_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reply");
        row("two lines", QByteArray("one\r\ntwo\r\n"), QString("\rone\rtwo\r"));
        row("line ends of this system", QByteArray("one\ntwo"), QString("\rone\rtwo\r"));
        row("empty file", QByteArray(), QString("\r"));
    }

    void fileReplies() {
        QFETCH(QByteArray, bytes);
        rig_.write(QStringLiteral("file.txt"), bytes);
        QTEST(fileReply(rig_.dir.filePath(QStringLiteral("file.txt"))).value_or("-"), "reply");
    }

private:
    QTemporaryDir outside_;
    ConnectedRig rig_;
    OpenWatch watch_;
};

QTEST_GUILESS_MAIN(TransferTest)
#include "tst_transfer.moc"
