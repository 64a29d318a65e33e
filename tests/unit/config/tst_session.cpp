// Start-up and the orderly end in their order, against a recording window and the in-test
// engine.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/session.h"
#include "config/settingsfile.h"
#include "fakesettingsview.h"
#include "link/agwlink.h"
#include "support/fakeagwserver.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kNoEngineBox = QStringLiteral("box ZENO: AGWPE Not running");
const QString kCaption = QStringLiteral("caption ZENO v3.0.1 - PA3XYZ");
const QStringList kRunning{"send P PA3XYZ", "poll timer", "start-up state", "add-ons"};

// Message boxes go into the log too.
struct LoggedDialogs : ScriptedDialogs {
    QStringList& log;
    explicit LoggedDialogs(QStringList& l) : log(l) {}
    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override {
        log << "box " + title;
        return ScriptedDialogs::message(text, title, icon, buttons);
    }
};

// The window's part, the link's sends and its close, as one ordered log.
struct Rig : SessionWindow {
    QStringList log;
    QTemporaryDir dir;
    FakeAgwServer server;
    FakePlatform platform;
    LoggedDialogs dialogs{log};
    FakeSettingsView view;
    AppState state;
    AgwLink link{state.link, platform, {QStringLiteral("127.0.0.1"), server.port()}};
    Session session{state, link, *this, dialogs, platform};
    QByteArray fileAtClose;

    Rig() {
        state.appPath = dir.path();
        QObject::connect(&link, &AgwLink::sendRequested, [this](QChar kind, const QString& to) {
            log << QStringLiteral("send %1 %2").arg(QString(kind), to);
        });
        QObject::connect(&link, &AgwLink::closing, [this] {
            log << QStringLiteral("close");
            fileAtClose = settingsFile();
        });
        QObject::connect(&session, &Session::programEnded, [this] { log << "ended"; });
    }
    ~Rig() { QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems().join('\n'))); }

    QString settingsPath() const { return dir.filePath(QStringLiteral("zeno.ini")); }
    QByteArray settingsFile() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void store(const QString& callsign) {
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writeSettingsFile(firstRunSettings(callsign), {}));
    }

    SettingsView& settingsView() override { return view; }
    void showCaption(const QString& caption) override { log << "caption " + caption; }
    void showWindow() override { log << "show"; }
    void replaceMonitorText(const QString& text) override { log << "monitor " + text; }
    void showNoEngine(const QString&) override { log << "no engine"; }
    void startPollTimer() override { log << "poll timer"; }
    void applyStartupState() override { log << "start-up state"; }
    void ZENOAddOns() override { log << "add-ons"; }
    void keepTypedWork() override { log << "typed work kept"; }
};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // stored: the callsign in the settings file, empty for no file. answers: what is typed at
    // each callsign question, "refused" for the box on a call the engine cannot register, Yes
    // or No to the no-engine question.
    void startUp_data() {
        columns<QString, bool, QStringList, QStringList>("stored", "engine", "answers", "log");
        row("a station, the engine up", "PA3XYZ", true, QStringList{},
            QStringList{kCaption} + kRunning);
        row("no engine, run anyway", "PA3XYZ", false, QStringList{"Yes"},
            QStringList{kCaption, "show", kNoEngineBox,
                        "monitor RUNNING WITHOUT AGW PACKET ENGINE DETECTED!", "no engine"} +
                kRunning);
        row("no engine, No ends", "PA3XYZ", false, QStringList{"No"},
            QStringList{kCaption, "show", kNoEngineBox, "close", "ended"});
        row("first run, trimmed and upper-cased", "", true, QStringList{" pa3xyz "},
            QStringList{kCaption} + kRunning);
        row("MYCALL stored, a refused call asked again", "MYCALL", true,
            QStringList{"pa3xyz/mobile", "refused", "pa3xyz"},
            QStringList{"box Your Call", kCaption} + kRunning);
        row("two characters end silently", "", true, QStringList{"a "}, QStringList{"ended"});
    }
    void startUp() {
        QFETCH(QString, stored);
        QFETCH(QStringList, answers);
        Rig r;
        if (!stored.isEmpty())
            r.store(stored);
        if (!fetched<bool>("engine"))
            r.server.stop();
        for (const QString& a : answers) {
            if (a == "Yes" || a == "No")
                r.dialogs.expectMessage(kNoEngineBox.mid(4),
                                        a == "Yes" ? MsgAnswer::Yes : MsgAnswer::No);
            else if (a == "refused")
                r.dialogs.expectMessage("Your Call", MsgAnswer::Ok, "Invallid callsign!");
            else
                r.dialogs.expectInput("ZENO Monitor: Your Call Sign please", a);
        }
        const bool running = r.session.Form_Load();
        QTEST(r.log, "log");
        QCOMPARE(running, !r.session.hasEnded());
        QCOMPARE(r.settingsFile().contains("[Your Call Sign]\r\nPA3XYZ\r\n"),
                 running || stored == "PA3XYZ");
        QCOMPARE(r.state.link.LinkAddress, QString(running ? "PA3XYZ" : ""));
        QCOMPARE(r.state.link.EngineInitText == "No AGW Detected",
                 running && !fetched<bool>("engine"));
    }

    // started: the end follows a start-up; else no callsign was ever set.
    void end_data() {
        columns<bool, bool, QStringList>("started", "writable", "log");
        row("after start-up", true, true, QStringList{"typed work kept", "close", "ended"});
        row("settings unwritable: told, still ends", true, false,
            QStringList{"typed work kept", "box ZENO", "close", "ended"});
        row("no callsign: the file stays as it was", false, true,
            QStringList{"typed work kept", "close", "ended"});
    }
    void end() {
        QFETCH(bool, started);
        QFETCH(bool, writable);
        Rig r;
        r.store("PA3XYZ");
        if (started)
            QVERIFY(r.session.Form_Load());
        if (!writable) {
            r.dialogs.expectMessage(kProgramTitle);
            QVERIFY(QFile::remove(r.settingsPath()) && QDir(r.dir.path()).mkdir("zeno.ini"));
        }
        r.view.texts[HistoryBox::To] = QStringLiteral("apRS");
        r.view.texts[HistoryBox::Via] = QStringLiteral("rs0iss");
        r.log.clear();
        r.session.Einde();
        r.session.Einde();  // never twice
        r.session.Form_Terminate();
        QTEST(r.log, "log");
        QCOMPARE(r.view.texts[HistoryBox::To], QStringLiteral("APRS"));
        QCOMPARE(r.state.settings.digistation, QStringLiteral("RS0ISS"));
        // Written before the link closes, and only with a callsign set.
        QCOMPARE(r.fileAtClose.contains("[To call]\r\nAPRS\r\n"), started && writable);
    }

    void terminateClosesTheLinkOnce() {
        Rig r;
        r.session.Form_Terminate();
        r.session.Form_Terminate();
        r.session.Einde();
        QCOMPARE(r.log, (QStringList{"close", "ended"}));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
