// Connected mode's rules: the remote commands, the connection's events, work around pauses, and
// what the public folder lets a station read (real files and links).
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
const char* const kNewCaller = "New connection with your station";
// A station's link comes up.
const char* const kCaptions = "!|main caption ZENO ->N3CCC|caption Connected to N3CCC on Channel 1";

// ZENO with N2BBB as its last station, on the test's application path: the data of every 'D'
// joined in replies; other frames, popups, captions and received text, "!" a beep, "~" a
// sound and pauses in ms in order in log. The terminal's own wiring is the window test's.
struct Rig : FrameSink, ConnectedView, FakePlatform {
    AppState state;
    ScriptedDialogs dialogs;
    QString replies;
    int frames = 0;
    QStringList log;
    Connection connection{state, *this, *this, dialogs, *this};

    explicit Rig(const QString& appPath) {
        state.appPath = appPath;
        state.MainCaption = QStringLiteral("ZENO");
        state.settings.bbsPassword = QStringLiteral("SECRET");
        state.link.LinkAddress = state.connection.RemoteStation = QStringLiteral("N2BBB");
    }
    QString flags() const {
        const ConnectionState& c = state.connection;
        return QStringList{state.link.LinkAddress + u'/' + c.RemoteStation,
                           c.IsConnected ? "connected" : "", c.GreetingSent ? "greeted" : "",
                           c.IgnoreNextDisconnect ? "ignore" : "", c.BbsUnlocked ? "unlocked" : ""}
            .filter(QRegularExpression(QStringLiteral(".")))
            .join(u' ');
    }

    void send(QChar kind, const QString& call, const QString& data) override {
        if (kind != u'D')
            return void(log << QString(kind) + u' ' + call);
        replies += data;
        ++frames;
    }
    void setTerminalCaption(const QString& text) override { log << "caption " + text; }
    void showReceived(const QString& text) override { log << "received " + text; }
    void setMainCaption(const QString& text) override { log << "main caption " + text; }
    void showPopup(const QString& text) override { log << "popup " + text; }
    void showSent(const QString& text, const QString&) override { history += text; }
    QString history;

    void beep() override { log << "!"; }
    void playWave(const QString&) override { log << "~"; }
    void after(int ms, QObject*, std::function<void()> next) override {
        log << QString::number(ms);
        next();
    }
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

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase() {
        // app/{zeno.ini, texts}, app/public/{readme.txt, sub/deep.txt, links out}, outside/.
        const QString pub = dir_.filePath(QStringLiteral("public/"));
        QVERIFY(QDir(pub).mkpath(QStringLiteral("sub")) && QDir(out_.path()).mkdir("outside"));
        write(QStringLiteral("zeno.ini"), "[BBS Commands]\r\n 2 /SECRET\r\n");
        write(QStringLiteral("public/readme.txt"), "public\r\n");
        write(QStringLiteral("public/sub/deep.txt"), "deep\n");
        write(QStringLiteral("help.txt"), "help\r\n");
        write(QStringLiteral("info.txt"), "info 1\r\ninfo 2");
        write(QStringLiteral("bye.txt"), "73\n");
        write(QStringLiteral("ctext.txt"), "Hello\r\n");
        QVERIFY(QFile::link(dir_.path(), pub + QStringLiteral("toapp")));
        QVERIFY(QFile::link(dir_.filePath(QStringLiteral("zeno.ini")), pub + "tosettings"));
        QVERIFY(QFile::link(out_.filePath(QStringLiteral("outside")), pub + "tooutside"));
        QVERIFY(QFile::link(pub + QStringLiteral("gone"), pub + QStringLiteral("broken")));
        QVERIFY(watch_.watch(dir_.path()) && watch_.watch(out_.filePath("outside")));
        QVERIFY(fileReply(dir_.filePath(QStringLiteral("zeno.ini"))));  // the watch sees it
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

    // The file an argument names and what it lists ("|" between entries). Whatever leads out
    // is not there, and nothing outside is even opened.
    void publicFolder_data() {
        columns<QString, QString, QString>("argument", "file", "listing");
        for (const QString& argument : QString(kOutside).split(u'|'))
            QTest::newRow(qPrintable(argument)) << argument << QString() << QString();
        row("absolute", dir_.filePath(QStringLiteral("zeno.ini")), "", "");
        row("NUL", QStringLiteral("readme.txt") + QChar(0) + QStringLiteral("/.."), "", "");
        row("in a folder, any case", "\\SUB\\Deep.txt", "sub/deep.txt", "deep.txt");
        row("the folder", "", "", "[sub]|readme.txt");
        row("the folder itself", "/", "", "[sub]|readme.txt");
        row("a folder's own entry", "SUB", "", "[sub]");
        row("wildcards", "r??dme.T*", "", "readme.txt");
    }

    void publicFolder() {
        QFETCH(QString, argument);
        const PublicFolder folder(dir_.path());
        const QString root = QFileInfo(folder.path()).canonicalFilePath() + u'/';
        QTEST(folder.findFile(argument).value_or(root).mid(root.size()), "file");
        QTEST(folder.list(argument).join(u'|'), "listing");
        // Looking into the folder itself shows as an open of "public" in the application path.
        QCOMPARE(watch_.opened().filter(QRegularExpression(QStringLiteral("^(?!public$)"))),
                 QStringList());
    }

    // What a text gets back, in how many frames, whether the commands are open after it, and
    // what else happens.
    void commands_data() {
        columns<int, bool, QString, QString, int, bool, QString>(
            "mode", "unlocked", "text", "reply", "frames", "unlockedAfter", "log");
        const QString x254(254, u'x');
        row("conversation", 0, false, "hello //H", "", 0, false, "");
        row("mode 1, a command", 1, true, "//H", "Sorry, BBS Commands Disabled!\r", 1, true, "");
        row("locked", 2, false, "//H", kLocked, 1, false, "");
        row("password keyword without its blank", 2, false, "//PASSWORD", kLocked, 1, false, "");
        row("wrong password", 2, false, "//PASSWORD guess", kWrong, 1, false, "");
        row("password in any case", 2, false, "//password secret ", kAccess, 1, true, "");
        row("ten characters count", 2, false, "//PASSWORD     SECRETX", kAccess, 1, true, "");
        row("unlocked", 2, true, "//ECHO hi", "hi\r", 1, true, "");
        row("help, words after it", 0, false, "//HELP me", "\rhelp\r", 1, false, "");
        row("info", 0, false, "//i", "\rinfo 1\rinfo 2\r", 1, false, "");
        row("public file", 0, false, "//R  Readme.txt ", "\rpublic\r", 1, false, "");
        row("missing file", 0, false, "//r nothing.txt",
            "Error: Could not find file 'NOTHING.TXT'!", 1, false, "");
        row("listing", 0, false, "//DIR sub\\", "\r\ndeep.txt\r\n\r\n", 1, false, "");
        row("empty listing", 0, false, "//dir *.ini", "\rFile not found\r\r\n", 1, false, "");
        row("echo", 0, false, "//ECHO   hi there  ", "hi there\r", 1, false, "");
        row("255 characters, one frame", 0, false, "//ECHO " + x254, x254 + "\r", 1, false, "");
        row("256 characters, two", 0, false, "//ECHO x" + x254, x254 + "x\r", 2, false, "");
        row("version", 0, false, "//ver", " ZENO v. 3. 0. 1\r", 1, false, "");
        row("version and more", 0, false, "//VER ", "", 0, false, "");
        row("unknown", 0, false, "//XYZ", "", 0, false, "");
        row("quit", 0, false, "//quit", "\r73\r", 1, false, "1000|!|d N2BBB|500|not connected");
        row("bell", 0, false, "//BELL", "Ring...ring...ring...\r", 1, false,
            "~|500|~|500|~|popup Station N2BBB is paging you.|!|greeted");
    }

    void commands() {
        Rig rig(dir_.path());
        ConnectionState& c = rig.state.connection;
        c.IsConnected = true;
        c.BbsUnlocked = fetched<bool>("unlocked");
        rig.state.settings.bbsMode = fetched<int>("mode");
        rig.connection.commands().PackCommand(fetched<QString>("text"));
        QTEST(rig.replies, "reply");
        QTEST(rig.frames, "frames");
        QTEST(c.BbsUnlocked, "unlockedAfter");
        rig.log << (c.IsConnected ? "" : "not connected") << (c.GreetingSent ? "greeted" : "");
        QTEST(rig.log.filter(QRegularExpression(QStringLiteral("."))).join(u'|'), "log");
    }

    // Flags before ("connected", "greeted", "unlocked", "ignore", "refuse", "disabled"), one
    // event ("caller|N3CCC" a connect event, "gone" a disconnect event, "data|pending|line",
    // the operator's "connect|to|via" and "disconnect"), the answer to a second caller; then
    // what happened ("tick ends": the poll tick stops after the event), the data sent and the
    // flags after.
    void connection_data() {
        columns<QString, QString, QString, QString, QString, QString>("before", "event", "answer",
                                                                      "log", "replies", "after");
        const QString greeted = kCaptions + QStringLiteral("|~|1000|~");
        const QString both = QStringLiteral("N3CCC/N3CCC connected greeted");
        row("a caller", "", QStringLiteral("caller|N3CCC") + QChar(0) + "xyz", "", greeted,
            "\rHello\r", both);
        row("a caller, commands disabled", "disabled", "caller|N3CCC", "", greeted,
            "\rHello\rSorry, BBS Commands Disabled!\r", both);
        row("the station ZENO called", "greeted", "caller|N3CCC", "", kCaptions, "", both);
        row("refused caller", "connected greeted unlocked refuse", "caller|N4DDD", "",
            "popup Station N4DDD has tried to connect you.\rAuto Disconnected executed.|"
            "d N4DDD|tick ends",
            "", "N2BBB/N2BBB");
        row("second caller, No", "connected greeted", "caller|N3CCC", "No", "!|!|d N3CCC|tick ends",
            "", "N2BBB/N2BBB connected greeted ignore");
        row("second caller, Yes", "connected greeted", "caller|N3CCC", "Yes",
            "!|!|d N2BBB|300|caption Connected to N3CCC on Channel 1|300", "\rHello\r",
            both + " ignore");
        row("the station leaves", "connected greeted unlocked", "gone|n2bbb", "",
            "!|main caption ZENO|popup Disconnected from station N2BBB|caption Disconnected", "",
            "N2BBB/N2BBB unlocked");
        row("a station ZENO dropped leaves", "connected greeted ignore", "gone|N3CCC", "",
            "!|main caption ZENO", "", "N2BBB/N2BBB connected greeted");
        row("data, equal texts taken once", "", "data|//ECHO a|//ECHO a", "", "received //ECHO a",
            "a\r", "N2BBB/N2BBB connected");
        row("data, both texts", "", "data|//ECHO a|//ECHO b", "",
            "received //ECHO a|received //ECHO b\r\n", "a\rb\r", "N2BBB/N2BBB connected");
        row("data, no pending text", "", "data||//ECHO b", "", "received //ECHO b\r\n", "b\r",
            "N2BBB/N2BBB connected");
        row("calling", "", "connect|n3ccc|rs0iss", "", "v N3CCC RS0ISS", "",
            "N3CCC RS0ISS/N2BBB greeted");
        row("disconnect", "connected greeted unlocked", "disconnect", "", "d N2BBB", "",
            "N2BBB/N2BBB");
    }

    void connection() {
        Rig rig(dir_.path());
        QFETCH(QString, before);
        ConnectionState& c = rig.state.connection;
        c.IsConnected = before.contains("connected");
        c.GreetingSent = before.contains("greeted");
        c.BbsUnlocked = before.contains("unlocked");
        c.IgnoreNextDisconnect = before.contains("ignore");
        c.RefuseIncoming = before.contains("refuse");
        rig.state.settings.bbsMode = before.contains("disabled") ? 1 : 0;
        if (const QString answer = fetched<QString>("answer"); !answer.isEmpty())
            rig.dialogs.expectMessage(kNewCaller, answer == "Yes" ? MsgAnswer::Yes : MsgAnswer::No);
        const QStringList event = fetched<QString>("event").split(u'|');  // what, then texts
        const QString what = event[0];
        if (what == "caller" && !rig.connection.connectEvent(event.value(1)))
            rig.log << "tick ends";
        if (what == "gone")
            rig.connection.disconnectEvent(event.value(1));
        if (what == "data")
            rig.connection.dataEvent(event.value(1), event.value(2));
        if (what == "connect")
            rig.connection.ConnectStation(event.value(1), event.value(2));
        if (what == "disconnect")
            rig.connection.DisConnecting();
        QTEST(rig.log.join(u'|'), "log");
        QTEST(rig.replies, "replies");
        QTEST(rig.flags(), "after");
        QCOMPARE(rig.dialogs.problems(), QStringList());
    }

    void typedLine() {  // the frame drops control characters, the history keeps them
        Rig rig(dir_.path());
        rig.connection.typeLine(QStringLiteral("de\tPA3XYZ"));
        QCOMPARE(rig.replies + u'|' + rig.history, QStringLiteral("dePA3XYZ\r|de\tPA3XYZ"));
    }

private:
    QTemporaryDir dir_;
    QTemporaryDir out_;
    OpenWatch watch_;
};

QTEST_GUILESS_MAIN(ConnectedTest)
#include "tst_connected.moc"
