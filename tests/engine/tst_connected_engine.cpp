// Connected mode against real direwolf stations on one simulated channel. Station B is a raw
// AGWPE client in the test. B connects to ZENO, gives the password and the remote commands and
// is sent off by //Q; then ZENO connects to B from the main window, a line goes each way, and
// ZENO disconnects.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/direwolfchannel.h"
#include "support/engineclient.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"
#include "ui/form1menus.h"
#include "ui/form4.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr int kWithinMs = 10000;  // a round trip takes about 1.3 s
const QString kOwnCall = QStringLiteral("N1AAA");
const QString kOtherCall = QStringLiteral("N2BBB");

}  // namespace

class ConnectedEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        own_ = channel_.addStation({.callsign = kOwnCall});
        DirewolfStation* other = channel_.addStation({.callsign = kOtherCall});
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        QVERIFY2(b_.connectToEngine(other->agwPort()), qPrintable(b_.errorString()));
        QVERIFY2(b_.startSession(kOtherCall), qPrintable(b_.errorString()));

        Settings settings = firstRunSettings(kOwnCall);
        settings.bbsMode = 2;
        settings.bbsPassword = QStringLiteral("SECRET");
        f_.writeSettings(settings);
        f_.writeFile(
            QStringLiteral("engine.ini"),
            QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(own_->agwPort()).toLatin1());
        f_.writeFile(QStringLiteral("ctext.txt"), "Welcome\r\n");
        f_.writeFile(QStringLiteral("bye.txt"), "73\r\n");
        QVERIFY(QDir(f_.appPath()).mkdir(QStringLiteral("public")));
        f_.writeFile(QStringLiteral("public/notes.txt"), "public notes\r\n");
        f_.platform.setRealPauses(true);
        QVERIFY(f_.start());
        QVERIFY2(f_.link().isUp(), qPrintable(own_->describe()));
    }

    void init() { failOnUnexpectedWarnings(); }

    void stationConnectsAndUsesTheCommands() {
        b_.send('C', kOtherCall, kOwnCall);
        QVERIFY2(f_.tickUntil([&] { return f_.state().connection.IsConnected; }, kWithinMs),
                 qPrintable(b_.describeFrames()));
        Form4* terminal = f_.form1().findChild<Form4*>();
        QCOMPARE(terminal->windowTitle(), QStringLiteral("Connected to N2BBB on Channel 1"));
        QVERIFY(heard(QStringLiteral("\rWelcome\r")));

        const QStringList exchange[] = {
            {"//H", "BBS Commands disabled. Please enter correct password: //PASSWORD xxxx\r"},
            {"//PASSWORD guess", "Wrong password! Please enter correct password"},
            {"//PASSWORD secret", "You have access... BBS Commands Enabled!\r"},
            {"//H", "//R <name>"},
            {"//VER", " ZENO v. 3. 0. 1\r"},
            {"//R notes.txt", "\rpublic notes\r"},
            {"//R ../zeno.ini", "Error: Could not find file '../ZENO.INI'!"},
            {"//DIR", "\r\nnotes.txt\r\nreadme.txt\r\n\r\n"},
            {"//Q", "\r73\r"}};
        for (const QStringList& step : exchange) {
            b_.send('D', kOtherCall, kOwnCall, step[0].toLatin1() + '\r', 0, 0xF0);
            QVERIFY2(heard(step[1]), qPrintable(step[0] + u'\n' + b_.describeFrames()));
        }
        QVERIFY(
            b_.waitForFrame([](const EngineFrame& frame) { return frame.kind == 'd'; }, kWithinMs));
        QVERIFY(
            f_.tickUntil([&] { return terminal->windowTitle() == u"Disconnected"; }, kWithinMs));
        QVERIFY(!received_.contains(QStringLiteral("[Your Call Sign]")));
        QVERIFY(channelQuiet());
    }

    void zenoConnectsToTheStation() {
        b_.clearFrames();
        received_.clear();
        f_.find<QComboBox>("Combo2")->setEditText(kOtherCall);
        f_.find<QComboBox>("Combo3")->setEditText(QString());
        f_.form1().Command10_Click();
        QVERIFY2(f_.tickUntil([&] { return f_.state().connection.IsConnected; }, kWithinMs),
                 qPrintable(b_.describeFrames()));
        Form4* terminal = f_.form1().findChild<Form4*>();
        terminal->Text2->setText(QStringLiteral("hello B"));
        terminal->Text2_KeyPress(13);
        QVERIFY2(heard(QStringLiteral("hello B\r")), qPrintable(b_.describeFrames()));
        b_.send('D', kOtherCall, kOwnCall, "hi ZENO\r", 0, 0xF0);
        QVERIFY(f_.tickUntil([&] { return terminal->conversation().text().contains(u"hi ZENO"); },
                             kWithinMs));
        QVERIFY(channelQuiet());
        menuItem(f_.form1().controls().menus.menusends, SendItem::Disconnect)->trigger();
        QVERIFY(
            b_.waitForFrame([](const EngineFrame& frame) { return frame.kind == 'd'; }, kWithinMs));
    }

private:
    // True once everything B got connected to ZENO holds the text (the program keeps polling).
    bool heard(const QString& text) {
        return f_.tickUntil(
            [&] {
                received_.clear();
                for (const EngineFrame& frame : b_.frames()) {
                    if (frame.kind == 'D')
                        received_ += frame.text();
                }
                return received_.contains(text);
            },
            kWithinMs);
    }

    // B has heard nothing on the channel for a while: the last frames' answers are over.
    bool channelQuiet() {
        qsizetype seen = -1;
        QElapsedTimer since;
        return f_.tickUntil(
            [&] {
                if (b_.frames().size() != seen) {
                    seen = b_.frames().size();
                    since.start();
                }
                return since.elapsed() > 1500;
            },
            kWithinMs);
    }

    DirewolfChannel channel_;
    DirewolfStation* own_ = nullptr;
    EngineClient b_;
    ZenoFixture f_;
    QString received_;
};

QTEST_MAIN(ConnectedEngineTest)
#include "tst_connected_engine.moc"
