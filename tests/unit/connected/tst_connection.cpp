// The remote commands and the order of connected-mode work around its pauses.
#include "connectedrig.h"
#include "support/testrows.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kLocked =
    QStringLiteral("BBS Commands disabled. Please enter correct password: //PASSWORD xxxx\r");
const QString kWrong =
    QStringLiteral("Wrong password! Please enter correct password: //PASSWORD xxxxxx\r");
const QString kDisabled = QStringLiteral("Sorry, BBS Commands Disabled!\r");

// A platform whose pauses end only when the test says so.
struct LaterPlatform : FakePlatform {
    QList<std::function<void()>> due;
    void after(int milliseconds, QObject*, std::function<void()> next) override {
        waits << milliseconds;
        due << std::move(next);
    }
};

}  // namespace

class ConnectionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // What a text gets back (the data of every frame, joined) and what else happens: the
    // disconnect requests and popups in order, then the flags, sounds and pauses.
    void PackCommand_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("effects");
        const QString pw = QStringLiteral("SECRET");
        row("conversation", 0, pw, QString("hello //H"), QString(), QString());
        row("mode 1 answers every command", 1, pw, QString("//H"), kDisabled, QString());
        row("mode 1 leaves conversation alone", 1, pw, QString("hi"), QString(), QString());
        row("locked", 2, pw, QString("//H"), kLocked, QString());
        row("password keyword without its blank", 2, pw, QString("//PASSWORD"), kLocked, QString());
        row("wrong password", 2, pw, QString("//PASSWORD guess"), kWrong, QString());
        row("right password in lower case", 2, pw, QString("//password secret "),
            QString("You have access... BBS Commands Enabled!\r"), QString("unlocked"));
        row("only ten characters are compared", 2, QString("ABCDEFGHIJK"),
            QString("//PASSWORD ABCDEFGHIJK"), kWrong, QString());
        row("help", 0, pw, QString("//H"), QString("\rhelp\r"), QString());
        row("words after the keywords", 0, pw, QString("//HELP me"), QString("\rhelp\r"),
            QString());
        row("info", 0, pw, QString("//info"), QString("\rinfo 1\rinfo 2\r"), QString());
        row("a file of the public folder", 0, pw, QString("//R  Readme.txt "),
            QString("\rpublic\r"), QString());
        row("a missing file", 0, pw, QString("//r nothing.txt"),
            QString("Error: Could not find file 'NOTHING.TXT'!"), QString());
        row("listing", 0, pw, QString("//DIR"), QString("\r\nreadme.txt\r\n\r\n"), QString());
        row("echo without its blanks", 0, pw, QString("//ECHO   hi there  "), QString("hi there\r"),
            QString());
        row("version", 0, pw, QString("//ver"), QString(" ZENO v. 3. 0. 1\r"), QString());
        row("version with anything after it", 0, pw, QString("//VER "), QString(), QString());
        row("unknown command", 0, pw, QString("//XYZ"), QString(), QString());
        row("quit in any case and longer", 0, pw, QString("//quit"), QString("\r73\r"),
            QString("d N2BBB | disconnected | beeps 1 | waits 1000 500"));
        row("bell", 0, pw, QString("//BELL"), QString("Ring...ring...ring...\r"),
            QString("popup Station N2BBB is paging you. | greeted | beeps 1 | "
                    "plays 3 | waits 500 500"));
    }

    void PackCommand() {
        QFETCH(int, mode);
        QFETCH(QString, password);
        QFETCH(QString, text);
        ConnectedRig rig;
        rig.state.settings.bbsMode = mode;
        rig.state.settings.bbsPassword = password;
        rig.write(QStringLiteral("help.txt"), "help\r\n");
        rig.write(QStringLiteral("info.txt"), "info 1\r\ninfo 2");
        rig.write(QStringLiteral("bye.txt"), "73\n");
        rig.write(QStringLiteral("public/readme.txt"), "public\r\n");
        rig.write(QStringLiteral("zeno.ini"), "[BBS Commands]\r\n 2 /SECRET\r\n");

        rig.connection->PackCommand(text);
        QTEST(rig.replies, "reply");
        QStringList effects = rig.events;
        const ConnectionState& c = rig.state.connection;
        if (c.BbsUnlocked)
            effects << QStringLiteral("unlocked");
        if (!c.IsConnected)
            effects << QStringLiteral("disconnected");
        if (c.GreetingSent)
            effects << QStringLiteral("greeted");
        if (rig.platform.beeps)
            effects << QStringLiteral("beeps %1").arg(rig.platform.beeps);
        if (!rig.platform.played.isEmpty())
            effects << QStringLiteral("plays %1").arg(rig.platform.played.size());
        if (!rig.platform.waits.isEmpty()) {
            QStringList waits;
            for (int ms : rig.platform.waits)
                waits << QString::number(ms);
            effects << QStringLiteral("waits ") + waits.join(u' ');
        }
        QTEST(effects.join(QStringLiteral(" | ")), "effects");
    }

    // Only the first line of a frame can be a command: the rest is shown, not answered.
    void dataEventAnswersTheFirstLineOnly() {
        ConnectedRig rig;
        rig.write(QStringLiteral("info.txt"), "info\r\n");
        rig.connection->dataEvent(QStringLiteral("//I"), QStringLiteral("\r\n//H\r\n"));
        QCOMPARE(rig.replies, QStringLiteral("\rinfo\r"));
        QCOMPARE(rig.terminal, QStringLiteral("//I\r\ninfo\r\n\r\n//H\r\n\r\n"));
    }

    // What comes after a pause waits for it, work added meanwhile waits its turn, and what a
    // step adds runs before that.
    void stepsAfterAPauseRunWhenItIsOver() {
        LaterPlatform platform;
        StepQueue steps(platform);
        QStringList done;
        steps.add([&] {
            done << "a";
            steps.pause(300);
            steps.add([&] { done << "b"; });
        });
        steps.add([&] { done << "c"; });
        QCOMPARE(done, QStringList{"a"});
        QVERIFY(steps.busy());
        platform.due.takeFirst()();
        QCOMPARE(done, (QStringList{"a", "b", "c"}));
        QVERIFY(!steps.busy());
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "tst_connection.moc"
