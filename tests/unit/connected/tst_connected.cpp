// SPDX-License-Identifier: GPL-3.0-or-later
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
// joined in replies (their count in the flags when over one); other frames, popups, captions
// and received text, "!" a beep, "~" a sound and pauses in ms in order in log. The terminal's
// own wiring is the window test's.
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
                           c.IsConnected ? "connected" : "",
                           c.GreetingSent ? "greeted" : "",
                           c.IgnoreNextDisconnect ? "ignore" : "",
                           c.BbsUnlocked ? "unlocked" : "",
                           frames > 1 ? QString::number(frames) + " frames" : ""}
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
    void tellOperator(const QString& text) override { log << "told " + text; }
    void showSent(const QString& text, const QString&) override { history += text; }
    QString history;

    void beep() override { log << "!"; }
    void playWave(const QString&) override { log << "~"; }
    void after(int ms, QObject*, std::function<void()> next) override {
        log << QString::number(ms);
        next();
    }
};

// One row's steps, ";" between them: the connection's events "caller|CALL" (with "|Yes" or
// "|No": the operator's answer, held), "gone|CALL", "data|pending|line|CALL", "connect|to|via",
// "disconnect"; "answer" gives the held answer, "wait|s" moves the clock, "as|CALL" makes CALL
// the station; else a received text for the commands.
void play(Rig& rig, const QString& steps) {
    for (const QString& step : steps.split(u';')) {
        const QStringList f = step.split(u'|');
        Connection& c = rig.connection;
        if (f[0] == "caller" && f.size() > 2)
            rig.dialogs.expectLaterQuestion(kNewCaller,
                                            f[2] == "Yes" ? MsgAnswer::Yes : MsgAnswer::No);
        if (f[0] == "caller" && !c.connectEvent(f[1]))
            rig.log << "tick ends";
        else if (f[0] == "gone")
            c.disconnectEvent(f[1]);
        else if (f[0] == "data")
            c.dataEvent(f[1], f[2], f.value(3));
        else if (f[0] == "connect")
            c.ConnectStation(f[1], f[2]);
        else if (f[0] == "disconnect")
            c.DisConnecting();
        else if (f[0] == "answer")
            rig.dialogs.answerPending();
        else if (f[0] == "wait")
            rig.advance(f[1].toInt() * 1000);
        else if (f[0] == "as")
            rig.state.link.LinkAddress = rig.state.connection.RemoteStation = f[1];
        else if (f[0] != "caller")
            c.commands().PackCommand(step);
    }
}

// Arguments that would lead out of the public folder, separated by "|".
const char* const kOutside =
    "../zeno.ini|..\\zeno.ini|/../zeno.ini|sub/../../zeno.ini|sub\\..\\..\\zeno.ini|"
    "sub/./../../zeno.ini|hard.ini|..|../|..\\*|../*.ini|../../outside/secret.txt|toapp/zeno.ini|"
    "topublicity/secret.txt|topublicity|tab\t.txt|"
    "TOAPP\\ZENO.INI|toapp|toapp/|toapp/*|toapp/public/readme.txt|sub/../toapp/zeno.ini|"
    "tosettings|tooutside/secret.txt|tooutside\\|broken|zeno.ini|C:\\zeno.ini|c:zeno.ini|"
    "\\\\?\\C:\\zeno.ini|%2e%2e/zeno.ini|~/zeno.ini|....//zeno.ini|readme.txt\r|sub\r\\deep.txt";

}  // namespace

class ConnectedTest : public QObject {
    Q_OBJECT

    void run() {
        Rig rig(dir_.path());
        QFETCH(QString, before);
        ConnectionState& c = rig.state.connection;
        c.IsConnected = before.contains("connected");
        c.GreetingSent = before.contains("greeted");
        c.BbsUnlocked = before.contains("unlocked");
        c.RefuseIncoming = before.contains("refuse");
        rig.state.settings.bbsMode = before.contains("mode 2") ? 2 : before.contains("mode 1");
        play(rig, fetched<QString>("steps"));
        QTEST(rig.log.join(u'|'), "log");
        QTEST(rig.replies, "replies");
        QTEST(rig.flags(), "after");
        QCOMPARE(rig.dialogs.problems(), QStringList());
    }

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
        write(QStringLiteral("public/full.txt"), QByteArray(8190, 'x') + "\r\n");  // 8 KiB sent
        write(QStringLiteral("public/over.txt"), QByteArray(8191, 'x') + "\n");
        QVERIFY(::link(qPrintable(dir_.filePath("zeno.ini")), qPrintable(pub + "hard.ini")) == 0);
        QVERIFY(QFile::link(dir_.path(), pub + QStringLiteral("toapp")));
        QVERIFY(QFile::link(dir_.filePath(QStringLiteral("zeno.ini")), pub + "tosettings"));
        QVERIFY(QFile::link(out_.filePath(QStringLiteral("outside")), pub + "tooutside"));
        write(QStringLiteral("public/tab\t.txt"), "a name no station can type\r\n");
        // A folder beside public whose name only starts like it.
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("publicity")));
        write(QStringLiteral("publicity/secret.txt"), "secret\r\n");
        QVERIFY(QFile::link(dir_.filePath(QStringLiteral("publicity")), pub + "topublicity"));
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
        row("the folder", "", "", "[sub]|full.txt|over.txt|readme.txt|tab\t.txt");
        row("the folder itself", "/", "", "[sub]|full.txt|over.txt|readme.txt|tab\t.txt");
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

    // A public folder that is the application folder itself (or holds it) serves nothing.
    void publicFolderHoldingTheApplication() {
        QTemporaryDir app;
        QVERIFY(QFile::link(app.path(), app.filePath(QStringLiteral("public"))));
        QFile ini(app.filePath(QStringLiteral("zeno.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("x\r\n") == 3);
        ini.close();
        QVERIFY(!PublicFolder(app.path()).findFile(QStringLiteral("zeno.ini")));
    }

    // Flags before ("connected", "greeted", "unlocked", "refuse", "mode 1", "mode 2"), the steps
    // (see play); then what happened ("tick ends": the poll tick stops after the event), the
    // data sent and the flags after. The remote commands first.
    void commands_data() {
        columns<QString, QString, QString, QString, QString>("before", "steps", "log", "replies",
                                                             "after");
        const QString x254(254, u'x');
        const QString on = QStringLiteral("N2BBB/N2BBB connected");
        const QString open = on + " unlocked";
        row("conversation", "connected", "hello //H", "", "", on);
        row("mode 1, a command", "connected unlocked mode 1", "//H", "",
            "Sorry, BBS Commands Disabled!\r", open);
        row("locked", "connected mode 2", "//H", "", kLocked, on);
        row("unlocked", "connected unlocked mode 2", "//ECHO hi", "", "hi\r", open);
        row("a station that hangs up leaves it locked", "connected unlocked mode 2", "gone|N2BBB",
            "!|main caption ZENO|popup Disconnected from station N2BBB|caption Disconnected", "",
            "N2BBB/N2BBB");
        // Three wrong words in one connection (the keyword alone is none) send the station off;
        // its callsign is refused for 10 minutes. The case of the word does not count, and only
        // its first 10 characters do.
        row("passwords", "connected mode 2",
            "//PASSWORD a;//PASSWORD b;//PASSWORD;disconnect;//PASSWORD c;//password d;"
            "//PASSWORD e;as|N3CCC;//PASSWORD secret;as|N2BBB;disconnect;wait|599;"
            "//PASSWORD secret;wait|1;//PASSWORD     SECRETX",
            "d N2BBB|1000|d N2BBB|told N2BBB: 3 wrong passwords, disconnected|d N2BBB",
            QString(kWrong).repeated(2) + kLocked + QString(kWrong).repeated(3) + kAccess +
                kLocked + kAccess,
            "N2BBB/N2BBB unlocked 9 frames");
        row("another caller does not start the count anew", "connected mode 2 refuse",
            "//PASSWORD a;//PASSWORD b;caller|N4DDD;//PASSWORD c",
            "popup Station N4DDD has tried to connect you.\rAuto Disconnected executed.|d N4DDD|"
            "tick ends|1000|d N2BBB|told N2BBB: 3 wrong passwords, disconnected",
            QString(kWrong).repeated(3), "N2BBB/N2BBB 3 frames");
        row("help, words after it", "connected", "//HELP me", "", "\rhelp\r", on);
        row("info", "connected", "//i", "", "\rinfo 1\rinfo 2\r", on);
        row("public file", "connected", "//R  Readme.txt ", "", "\rpublic\r", on);
        row("missing file", "connected", "//r nothing.txt", "",
            "Error: Could not find file 'NOTHING.TXT'!", on);
        row("8 KiB", "connected", "//R full.txt", "", "\r" + QString(8190, u'x') + "\r",
            on + " 33 frames");
        row("more", "connected", "//R Over.txt", "", "Error: File too large to send 'OVER.TXT'!",
            on);
        row("listing", "connected", "//DIR sub\\", "", "\r\ndeep.txt\r\n\r\n", on);
        row("empty listing", "connected", "//dir *.ini", "", "\rFile not found\r\r\n", on);
        row("echo, no control characters", "connected", "//ECHO  \x01 hi\x1b there\t\x7f\rok ", "",
            "hi there\rok\r", on);
        row("255 characters, one frame", "connected", "//ECHO " + x254, "", x254 + "\r", on);
        row("version", "connected", "//ver", "", " ZENO v. 3. 0. 1\r", on);
        row("version and more", "connected", "//VER ", "", "", on);
        row("unknown", "connected", "//XYZ", "", "", on);
        row("quit", "connected", "//quit", "1000|!|d N2BBB|500", "\r73\r", "N2BBB/N2BBB");
        row("bell", "connected", "//BELL", "~|500|~|500|~|popup Station N2BBB is paging you.|!",
            "Ring...ring...ring...\r", on + " greeted");
    }
    void commands() { run(); }

    // The connection's events.
    void connection_data() {
        columns<QString, QString, QString, QString, QString>("before", "steps", "log", "replies",
                                                             "after");
        const QString greeted = kCaptions + QStringLiteral("|~|1000|~");
        const QString both = QStringLiteral("N3CCC/N3CCC connected greeted");
        const QString second = QStringLiteral("connected greeted unlocked");
        const QString kept = QStringLiteral("N2BBB/N2BBB connected greeted");
        const QString gone = QStringLiteral("!|main caption ZENO");
        const QString left = gone + "|popup Disconnected from station N2BBB|caption Disconnected";
        row("a caller", "unlocked", QStringLiteral("caller|N3CCC") + QChar(0) + "xyz", greeted,
            "\rHello\r", both);
        row("a caller, commands disabled", "mode 1", "caller|N3CCC", greeted,
            "\rHello\rSorry, BBS Commands Disabled!\r", both + " 2 frames");
        row("the station ZENO called", "greeted", "caller|N3CCC", kCaptions, "", both);
        row("refused caller", "connected greeted unlocked refuse", "caller|N4DDD",
            "popup Station N4DDD has tried to connect you.\rAuto Disconnected executed.|"
            "d N4DDD|tick ends",
            "", "N2BBB/N2BBB");
        row("second caller, Yes", second, "caller|N3CCC|Yes;answer",
            "!|!|d N2BBB|300|caption Connected to N3CCC on Channel 1|300", "\rHello\r",
            both + " ignore");
        // While the question is open the station is heard (equal texts once), nobody else; a
        // further caller goes.
        row("while asking", "connected greeted",
            "caller|N3CCC|No;data|//ECHO a|//ECHO a|N2BBB;data|//ECHO b|//ECHO b|N3CCC;"
            "caller|N4DDD;data|//ECHO c|//ECHO c|N4DDD;gone|N4DDD;answer",
            "!|!|received //ECHO a|popup Station N4DDD has tried to connect you.\rAuto "
            "Disconnected executed.|d N4DDD|tick ends|" +
                gone + "|d N3CCC",
            "a\r", kept + " ignore");
        row("the dropped station's late disconnect", second,
            "caller|N3CCC|No;answer;gone|n2bbb;gone|n3ccc", "!|!|d N3CCC|" + left + "|" + gone, "",
            "N2BBB/N2BBB");
        row("the first station left before Yes", second, "caller|N3CCC|Yes;gone|N2BBB;answer",
            "!|!|" + left + "|" + greeted, "\rHello\r", both);
        row("the caller left before the answer", second, "caller|N3CCC|Yes;gone|N3CCC;answer",
            "!|!|" + gone, "", kept);
        row("data, both texts", "", "data|//ECHO a|//ECHO b",
            "received //ECHO a|received //ECHO b\r\n", "a\rb\r", "N2BBB/N2BBB connected 2 frames");
        row("data, no pending text", "", "data||//ECHO b", "received //ECHO b\r\n", "b\r",
            "N2BBB/N2BBB connected");
        row("calling", "", "connect|n3ccc|rs0iss", "v N3CCC RS0ISS", "",
            "N3CCC RS0ISS/N2BBB greeted");
        row("disconnect", "connected greeted unlocked", "disconnect", "d N2BBB", "", "N2BBB/N2BBB");
    }
    void connection() { run(); }

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
