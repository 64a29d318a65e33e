// Against two real direwolf stations: the second digipeats (direwolf's own DIGIPEAT rule), so
// our UI frame comes back marked as repeated and the status bar says so; its numbered
// message to us is acknowledged exactly once.
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/direwolfchannel.h"
#include "support/engineclient.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

constexpr int kOnAirMs = 10000;

class AwarenessEngineTest : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void repeatedFrameAndAcknowledgedMessage() {
        DirewolfChannel channel;
        DirewolfStation* own = channel.addStation({.callsign = "N1AAA"});
        DirewolfStation* digi = channel.addStation({.callsign = "N2BBB", .aprsDigipeat = true});
        QVERIFY2(channel.start(), qPrintable(channel.errorString()));
        EngineClient other;
        QVERIFY2(other.connectToEngine(digi->agwPort()), qPrintable(other.errorString()));
        QVERIFY2(other.startSession("N2BBB"), qPrintable(other.errorString()));

        ZenoFixture f;
        f.writeSettings(firstRunSettings("N1AAA"));
        f.writeFile(QStringLiteral("engine.ini"),
                    QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(own->agwPort()).toLatin1());
        QVERIFY2(f.start() && f.link().isUp(), qPrintable(own->describe()));

        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("WIDE1-1"));
        f.form1().Command2_Click();
        const auto* notice = f.find<QLabel>("noticeStatus");
        const auto* count = f.find<QLabel>("repeatCount");
        QVERIFY2(f.tickUntil([&] { return notice->text().startsWith("Repeated by N2BBB at "); },
                             kOnAirMs),
                 qPrintable(f.monitorText() + channel.describe()));

        other.send('M', "N2BBB", QStringLiteral("APRS"), ":N1AAA    :are you there{42", 0, 0xF0);
        const auto isAck = [](const EngineFrame& frame) {
            return frame.kind == 'U' && frame.callFrom == "N1AAA" &&
                   frame.text().contains(":N2BBB    :ack42");
        };
        QVERIFY2(f.tickUntil([&] { return bool(other.waitForFrame(isAck, 0)); }, kOnAirMs),
                 qPrintable(other.describeFrames() + channel.describe()));
        // Our ack comes back through the digipeater too: the channel has carried all of it.
        QVERIFY2(f.tickUntil([&] { return count->text().endsWith(": 2"); }, kOnAirMs),
                 qPrintable(f.monitorText()));
        QCOMPARE(std::count_if(other.frames().begin(), other.frames().end(), isAck), 1);
    }
};

QTEST_MAIN(AwarenessEngineTest)
#include "tst_awareness_engine.moc"
