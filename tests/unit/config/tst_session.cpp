// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the orderly end in their order, against a recording window and the in-test engine.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/session.h"
#include "config/settingsfile.h"
#include "fakesettingsview.h"
#include "files/textfiles.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "support/fakeagwserver.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kNoEngineBox = QStringLiteral("box ZENO: AGWPE Not running");
const QString kCaption = QStringLiteral("caption ZENO v3.0.1 - PA3XYZ");
const QStringList kRunning{"send P PA3XYZ", "poll timer", "start-up state", "add-ons"};
const QStringList kStarted = QStringList{kCaption} + kRunning;
const QByteArray kFullDisk("full disk");  // nothing can be written where the files belong

QByteArray fileOf(const QString& callsign) {
    return writeSettingsFile(firstRunSettings(callsign), {});
}

// The window's part, the link's sends and its close, and the message boxes, as one ordered log.
struct Rig : SessionWindow, ScriptedDialogs {
    QStringList log;
    QTemporaryDir dir;
    FakeAgwServer server;
    FakePlatform platform;
    ScriptedDialogs& dialogs = *this;
    FakeSettingsView view;
    AppState state;
    AgwLink link{state.link, platform, {QStringLiteral("127.0.0.1"), server.port()}};
    Session session{state, link, *this, *this, platform};
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
    QByteArray settingsFile() const { return readFile(settingsPath()); }
    void store(const QByteArray& bytes) { QVERIFY(replaceFile(settingsPath(), bytes).isEmpty()); }

    SettingsView& settingsView() override { return view; }
    void showCaption(const QString& caption) override { log << "caption " + caption; }
    void showWindow() override { log << "show"; }
    void replaceMonitorText(const QString& text) override { log << "monitor " + text; }
    void showNoEngine(const QString&) override { log << "no engine"; }
    void startPollTimer() override { log << "poll timer"; }
    void applyStartupState() override { log << "start-up state"; }
    void ZENOAddOns() override { log << "add-ons"; }
    void keepTypedWork() override { log << "typed work kept"; }
    MsgAnswer message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons) override {
        log << "box " + title;
        return ScriptedDialogs::message(text, title, icon, buttons);
    }
};

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // stored: the settings file, none when null. answers: what is typed at each callsign
    // question, Yes or No to the no-engine question, "box <title>" for any other box. saved:
    // zeno.ini holds PA3XYZ afterwards.
    void startUp_data() {
        columns<QByteArray, bool, QStringList, QStringList, bool>("stored", "engine", "answers",
                                                                  "log", "saved");
        row("a station, the engine up", fileOf("PA3XYZ"), true, QStringList{}, kStarted, true);
        row("no engine, run anyway", fileOf("PA3XYZ"), false, QStringList{"Yes"},
            QStringList{kCaption, "show", kNoEngineBox,
                        "monitor RUNNING WITHOUT AGW PACKET ENGINE DETECTED!", "no engine"} +
                kRunning,
            true);
        row("no engine, No ends", fileOf("PA3XYZ"), false, QStringList{"No"},
            QStringList{kCaption, "show", kNoEngineBox, "close", "ended"}, true);
        row("first run, trimmed and upper-cased", QByteArray(), true, QStringList{" pa3xyz "},
            kStarted, true);
        row("MYCALL stored, a refused call asked again", fileOf("MYCALL"), true,
            QStringList{"pa3xyz/mobile", "box Your Call", "pa3xyz"},
            QStringList{"box Your Call", kCaption} + kRunning, true);
        row("two characters end silently", QByteArray(), true, QStringList{"a "},
            QStringList{"ended"}, false);
        row("a call the setup refuses", fileOf("PA3XYZ/P"), true, QStringList{"pa3xyz"}, kStarted,
            true);
        row("one letter: told, then asked", fileOf("A"), true,
            QStringList{"box No valid Callsign", "pa3xyz"},
            QStringList{"box No valid Callsign", kCaption} + kRunning, true);
        // Told once of each failure; the session goes on with the call typed.
        row("first start on a full disk", kFullDisk, true,
            QStringList{"pa3xyz", "box ZENO", "box ZENO: Files missing"},
            QStringList{"box ZENO", kCaption} + kRunning +
                QStringList{"show", "box ZENO: Files missing"},
            false);
    }
    void startUp() {
        QFETCH(QByteArray, stored);
        Rig r;
        if (!stored.isNull())
            r.store(stored);  // on a full disk: a file where the application path's folder goes
        if (stored == kFullDisk) {
            r.state.appPath = r.settingsPath() + "/ZENO";
            r.state.missingDefaultFiles = installDefaultFiles(r.state.appPath);
        }
        if (!fetched<bool>("engine"))
            r.server.stop();
        for (const QString& a : fetched<QStringList>("answers")) {
            if (a == "Yes" || a == "No")
                r.dialogs.expectMessage(kNoEngineBox.mid(4),
                                        a == "Yes" ? MsgAnswer::Yes : MsgAnswer::No);
            else if (a.startsWith("box "))
                r.dialogs.expectMessage(a.mid(4));
            else
                r.dialogs.expectInput("ZENO Monitor: Your Call Sign please", a);
        }
        const bool running = r.session.Form_Load();
        QTEST(r.log, "log");
        QCOMPARE(running, !r.session.hasEnded());
        QTEST(r.settingsFile().contains("[Your Call Sign]\r\nPA3XYZ\r\n"), "saved");
        QCOMPARE(r.state.link.LinkAddress, QString(running ? "PA3XYZ" : ""));
        QCOMPARE(r.state.link.EngineInitText == "No AGW Detected",
                 running && !fetched<bool>("engine"));
        const QString text = r.dialogs.shown.value(r.dialogs.shown.size() - 1).text;
        QCOMPARE(text.contains(r.state.appPath + ":\r\r") && text.contains("help.txt"),
                 stored == kFullDisk);
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
        r.store(fileOf("PA3XYZ"));
        if (started)
            QVERIFY(r.session.Form_Load());
        if (!writable) {
            r.dialogs.expectMessage(kProgramTitle);
            QVERIFY(QFile::remove(r.settingsPath()) && QDir(r.dir.path()).mkdir("zeno.ini"));
        }
        r.view.texts = {{HistoryBox::To, "apRS"}, {HistoryBox::Via, "rs0iss"}};
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
