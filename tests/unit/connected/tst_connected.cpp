// Connected mode's rules: the remote commands, work around pauses, the senders' pieces, and what
// the public folder lets a station read (real files and links).
#include "config/appstate.h"
#include "connected/connectedview.h"
#include "connected/connection.h"
#include "support/fakeplatform.h"
#include "support/openwatch.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const char* const kLocked =
    "BBS Commands disabled. Please enter correct password: //PASSWORD xxxx\r";
const char* const kWrong = "Wrong password! Please enter correct password: //PASSWORD xxxxxx\r";
const char* const kAccess = "You have access... BBS Commands Enabled!\r";

// Connected to N2BBB on a temporary application path: the data of every 'D' joined, other
// frames and popups as events.
struct Rig : FrameSink, ConnectedView {
    QTemporaryDir dir;
    AppState state;
    FakePlatform platform;
    ScriptedDialogs dialogs;
    QString replies;
    QStringList events;
    Connection connection{state, *this, *this, dialogs, platform};

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    void send(QChar kind, const QString& call, const QString& data) override {
        kind == u'D' ? void(replies += data) : void(events << QString(kind) + u' ' + call);
    }
    void showPopup(const QString& text) override { events << QStringLiteral("popup ") + text; }
};

// Arguments that would lead out of the public folder, separated by "|".
const char* const kOutside =
    "../zeno.ini|..\\zeno.ini|/../zeno.ini|sub/../../zeno.ini|sub\\..\\..\\zeno.ini|"
    "sub/./../../zeno.ini|..|../|..\\*|../*.ini|../../outside/secret.txt|toapp/zeno.ini|"
    "TOAPP\\ZENO.INI|toapp|toapp/|toapp/*|toapp/public/readme.txt|sub/../toapp/zeno.ini|"
    "tosettings|tooutside/secret.txt|tooutside\\|broken|zeno.ini|C:\\zeno.ini|c:zeno.ini|"
    "\\\\?\\C:\\zeno.ini|%2e%2e/zeno.ini|~/zeno.ini|....//zeno.ini|readme.txt\r|sub\r\\deep.txt";

}  // namespace

class ConnectedTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // app/{zeno.ini, texts}, app/public/{readme.txt, sub/deep.txt, links out}, outside/.
        rig_.state.appPath = rig_.dir.path();
        rig_.state.link.LinkAddress = QStringLiteral("N2BBB");
        const QString pub = rig_.dir.filePath(QStringLiteral("public/"));
        QVERIFY(QDir(pub).mkpath(QStringLiteral("sub")) && QDir(out_.path()).mkdir("outside"));
        rig_.write(QStringLiteral("zeno.ini"), "[BBS Commands]\r\n 2 /SECRET\r\n");
        rig_.write(QStringLiteral("public/readme.txt"), "public\r\n");
        rig_.write(QStringLiteral("public/sub/deep.txt"), "deep\n");
        rig_.write(QStringLiteral("help.txt"), "help\r\n");
        rig_.write(QStringLiteral("info.txt"), "info 1\r\ninfo 2");
        rig_.write(QStringLiteral("bye.txt"), "73\n");
        rig_.state.settings.bbsPassword = QStringLiteral("SECRET");
        QVERIFY(QFile::link(rig_.dir.path(), pub + QStringLiteral("toapp")));
        QVERIFY(QFile::link(rig_.dir.filePath(QStringLiteral("zeno.ini")), pub + "tosettings"));
        QVERIFY(QFile::link(out_.filePath(QStringLiteral("outside")), pub + "tooutside"));
        QVERIFY(QFile::link(pub + QStringLiteral("gone"), pub + QStringLiteral("broken")));
        QVERIFY(watch_.watch(rig_.dir.path()) && watch_.watch(out_.filePath("outside")));
        QVERIFY(fileReply(rig_.dir.filePath(QStringLiteral("zeno.ini"))));  // the watch sees it
        QCOMPARE(watch_.opened(), QStringList{"zeno.ini"});
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // After a pause: first what the step added, then what was added meanwhile.
    void stepsAfterAPauseRunWhenItIsOver() {
        FakePlatform platform;
        platform.setRealPauses(true);
        StepQueue steps(platform);
        QStringList done;
        steps.add([&] {
            steps.pause(300);
            steps.add([&] { done << "after the pause"; });
        });
        steps.add([&] { done << "added meanwhile"; });
        QVERIFY(done.isEmpty() && steps.busy());
        QTRY_COMPARE(done, (QStringList{"after the pause", "added meanwhile"}));
    }

    void pieces() {
        const std::pair<int, QList<qsizetype>> cases[] = {
            {0, {}}, {255, {255}}, {256, {255, 1}}, {600, {255, 255, 90}}};
        for (const auto& [length, sizes] : cases) {
            QList<qsizetype> made;
            for (const QString& piece : replyPieces(QString(length, u'x')))
                made << piece.size();
            QCOMPARE(made, sizes);
        }
    }

    // Whatever leads out gets the not-found answers, and nothing outside is even opened.
    void outside_data() {
        columns<QString>("argument");
        for (const QString& argument : QString(kOutside).split(u'|'))
            QTest::newRow(qPrintable(argument)) << argument;
        row("absolute", rig_.dir.filePath(QStringLiteral("zeno.ini")));
        row("NUL", QStringLiteral("readme.txt") + QChar(0) + QStringLiteral("/.."));
    }

    void outside() {
        QFETCH(QString, argument);
        Senders& senders = rig_.connection.senders();
        senders.sendPublicFile(argument);
        QCOMPARE(rig_.state.ReplyText, fileErrorReply(argument));
        senders.StuurDir(argument);
        QCOMPARE(rig_.state.ReplyText, QStringLiteral("\rFile not found\r\r\n"));
        // Looking into the folder itself shows as an open of "public" in the application path.
        QCOMPARE(watch_.opened().filter(QRegularExpression(QStringLiteral("^(?!public$)"))),
                 QStringList());
    }

    // What a text gets back, and what else happens: disconnect requests and popups, the
    // flags, "!" for a beep, "~" for a sound played, then the pauses.
    void PackCommand_data() {
        columns<int, QString, QString, QString>("mode", "text", "reply", "effects");
        row("conversation", 0, "hello //H", "", "");
        row("mode 1, a command", 1, "//H", "Sorry, BBS Commands Disabled!\r", "");
        row("locked", 2, "//H", kLocked, "");
        row("password keyword without its blank", 2, "//PASSWORD", kLocked, "");
        row("wrong password", 2, "//PASSWORD guess", kWrong, "");
        row("password in any case", 2, "//password secret ", kAccess, "unlocked");
        row("ten characters count", 2, "//PASSWORD SECRET    X", kAccess, "unlocked");
        row("help, words after it", 0, "//HELP me", "\rhelp\r", "");
        row("info", 0, "//info", "\rinfo 1\rinfo 2\r", "");
        row("public file", 0, "//R  Readme.txt ", "\rpublic\r", "");
        row("missing file", 0, "//r nothing.txt", "Error: Could not find file 'NOTHING.TXT'!", "");
        row("file from the folder, any case", 0, "//R \\SUB\\Deep.txt", "\rdeep\r", "");
        row("listing", 0, "//DIR", "\r\n[sub]\r\nreadme.txt\r\n\r\n", "");
        row("the folder itself", 0, "//DIR /", "\r\n[sub]\r\nreadme.txt\r\n\r\n", "");
        row("a folder's own entry", 0, "//DIR SUB", "\r\n[sub]\r\n\r\n", "");
        row("a folder's contents", 0, "//DIR sub\\", "\r\ndeep.txt\r\n\r\n", "");
        row("wildcards", 0, "//DIR r??dme.T*", "\r\nreadme.txt\r\n\r\n", "");
        row("no match", 0, "//dir *.ini", "\rFile not found\r\r\n", "");
        row("echo", 0, "//ECHO   hi there  ", "hi there\r", "");
        row("version", 0, "//ver", " ZENO v. 3. 0. 1\r", "");
        row("version and more", 0, "//VER ", "", "");
        row("unknown", 0, "//XYZ", "", "");
        row("quit", 0, "//quit", "\r73\r", "d N2BBB|disconnected|!|1000|500");
        row("bell", 0, "//BELL", "Ring...ring...ring...\r",
            "popup Station N2BBB is paging you.|greeted|!|~~~|500|500");
    }

    void PackCommand() {
        rig_.state.connection = {};
        rig_.state.connection.IsConnected = true;
        rig_.state.settings.bbsMode = fetched<int>("mode");
        rig_.replies.clear();
        rig_.events.clear();
        rig_.platform = FakePlatform();
        rig_.connection.PackCommand(fetched<QString>("text"));
        QTEST(rig_.replies, "reply");

        const ConnectionState& c = rig_.state.connection;
        rig_.events << (c.BbsUnlocked ? "unlocked" : "") << (c.IsConnected ? "" : "disconnected")
                    << (c.GreetingSent ? "greeted" : "") << QString(rig_.platform.beeps, u'!')
                    << QString(rig_.platform.played.size(), u'~');
        for (int ms : rig_.platform.waits)
            rig_.events << QString::number(ms);
        rig_.events.removeAll(QString());
        QTEST(rig_.events.join(u'|'), "effects");
    }

private:
    QTemporaryDir out_;
    Rig rig_;
    OpenWatch watch_;
};

QTEST_GUILESS_MAIN(ConnectedTest)
#include "tst_connected.moc"
