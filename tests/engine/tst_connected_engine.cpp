// SPDX-License-Identifier: GPL-3.0-or-later
// Connected mode with real direwolf stations, B being a raw AGWPE client: B connects, gives the
// password and some commands and hangs up; B calls again under another callsign, finds the
// commands locked and is heard while a second caller's question is open; ZENO connects to B
// and a line goes each way.
#include "config/appstate.h"
#include "link/agwlink.h"
#include "support/direwolf.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/main/form1menus.h"
#include "ui/windows/form4.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr int kWithinMs = 10000;  // a round trip takes about 1.3 s
const QString kA = QStringLiteral("N1AAA");
const QString kB = QStringLiteral("N2BBB");
const QString kE = QStringLiteral("N5EEE");  // B again: a call needs no registration

}  // namespace

class ConnectedEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        b().send('X', kB);  // B takes calls for its callsign
        QVERIFY(b().waitForFrame([](const EngineFrame& frame) { return frame.kind == 'X'; }, 5000));
        f_.writeStationSettings(kA);
        f_.useEngine(channel_.agwPort(0));
        f_.platform.setRealPauses(true);
        QVERIFY(f_.start() && f_.link().isUp());
        f_.writeFile(QStringLiteral("public/notes.txt"), "public notes\r\n");
        f_.state().settings.bbsMode = 2;
        f_.state().settings.bbsPassword = QStringLiteral("SECRET");
    }

    void init() { failOnUnexpectedWarnings(); }

    void stationConnectsAndUsesTheCommands() {
        b().send('C', kB, kA);
        QVERIFY(f_.tickUntil([&] { return f_.state().connection.IsConnected; }, kWithinMs));
        QVERIFY(heard("\rWelcome to the ZENO station."));
        // The replies to every command are the unit tests' business; these cross the air.
        const char* const exchange[][2] = {
            {"//PASSWORD secret", "You have access... BBS Commands Enabled!\r"},
            {"//H", "//R <name>"},
            {"//R notes.txt", "\rpublic notes\r"}};
        for (const auto& [typed, reply] : exchange)
            QVERIFY2(say(kB, typed, reply), qPrintable(typed + channel_.describe()));
        b().send('d', kB, kA);
        QVERIFY(disconnected());
    }

    void nextCallerFindsTheCommandsLockedAndIsHeardWhileASecondCallerWaits() {
        b().clearFrames();
        b().send('C', kE, kA);
        QVERIFY(heard("\rWelcome to the ZENO station."));
        QVERIFY(say(kE, "//H", "BBS Commands disabled. Please enter correct password"));
        f_.dialogs.expectLaterQuestion(QStringLiteral("New connection with your station"),
                                       MsgAnswer::No);
        b().send('C', kB, kA);
        QVERIFY(f_.tickUntil([&] { return f_.dialogs.pending() == 0; }, kWithinMs));
        QVERIFY(say(kE, "//PASSWORD secret", "You have access"));  // the box is still open
        f_.dialogs.answerPending();
        QVERIFY(b().waitForFrame([](const EngineFrame& e) { return e.kind == 'd'; }, kWithinMs));
        QVERIFY(f_.tickUntil([&] { return !f_.state().connection.IgnoreNextDisconnect; }));
        QVERIFY(f_.state().connection.IsConnected && f_.state().connection.RemoteStation == kE);
        b().send('d', kE, kA);
        QVERIFY(disconnected());
    }

    void zenoConnectsToTheStation() {
        b().clearFrames();
        f_.find<QComboBox>("Combo2")->setEditText(kB);
        f_.find<QComboBox>("Combo3")->setEditText(QString());
        f_.find<QPushButton>("Command10")->click();
        QVERIFY(f_.tickUntil([&] { return f_.state().connection.IsConnected; }, kWithinMs));
        Form4* terminal = f_.form1().findChild<Form4*>();
        terminal->Text2->setText(QStringLiteral("hello B"));
        QTest::keyClick(terminal->Text2, Qt::Key_Return);
        QVERIFY(heard("hello B\r"));
        QVERIFY(!received_.contains(u"Welcome"));  // the station we call is not greeted
        b().send('D', kB, kA, "hi ZENO\r", 0xF0);
        QVERIFY(f_.tickUntil([&] { return terminal->conversation().text().contains(u"hi ZENO"); },
                             kWithinMs));
        QVERIFY(channelQuiet());
        menuItem(f_.form1().controls().menus.menusends, SendItem::Disconnect)->trigger();
        QVERIFY(b().waitForFrame([](const EngineFrame& frame) { return frame.kind == 'd'; },
                                 kWithinMs));
    }

private:
    EngineClient& b() { return channel_.client(1); }

    // B sends a line as that station and hears the reply.
    bool say(const QString& call, const char* typed, const char* reply) {
        b().clearFrames();
        b().send('D', call, kA, QByteArray(typed) + '\r', 0xF0);
        return heard(reply);
    }

    bool disconnected() {
        Form4* terminal = f_.form1().findChild<Form4*>();
        return f_.tickUntil([&] { return terminal->windowTitle() == u"Disconnected"; }) &&
               channelQuiet();
    }

    // Once everything B got connected to ZENO holds the text (the program polls meanwhile).
    bool heard(const char* text) {
        return f_.tickUntil(
            [&] {
                received_.clear();
                for (const EngineFrame& frame : b().frames())
                    received_ += frame.kind == 'D' ? frame.text() : QString();
                return received_.contains(QLatin1String(text));
            },
            kWithinMs);
    }

    // B has heard nothing on the channel for a while: the last frames' answers are over.
    bool channelQuiet() {
        qsizetype seen = -1;
        QElapsedTimer since;
        return f_.tickUntil(
            [&] {
                if (b().frames().size() != seen) {
                    seen = b().frames().size();
                    since.start();
                }
                return since.elapsed() > 1500;
            },
            kWithinMs);
    }

    DirewolfChannel channel_{{{.callsign = kA}, {.callsign = kB}}};
    ZenoFixture f_;
    QString received_;
};

QTEST_MAIN(ConnectedEngineTest)
#include "tst_connected_engine.moc"
