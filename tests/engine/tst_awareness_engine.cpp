// SPDX-License-Identifier: GPL-3.0-or-later
// Against two real direwolf stations: the second digipeats (direwolf's own DIGIPEAT rule), so
// our UI frame comes back marked as repeated and the status bar says so; its numbered
// message to us is acknowledged exactly once.
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "support/direwolf.h"
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
        DirewolfChannel channel(
            {{.callsign = "N1AAA"}, {.callsign = "N2BBB", .aprsDigipeat = true}});
        QVERIFY2(channel.start(), qPrintable(channel.errorString()));
        EngineClient& other = channel.client(1);
        ZenoFixture f;
        f.writeSettings(firstRunSettings("N1AAA"));
        f.useEngine(channel.agwPort(0));
        QVERIFY2(f.start() && f.link().isUp(), qPrintable(channel.describe()));

        f.find<QComboBox>("Combo3")->setEditText(QStringLiteral("WIDE1-1"));
        f.form1().Command2_Click();
        const auto* notice = f.find<QLabel>("noticeStatus");
        const auto* count = f.find<QLabel>("repeatCount");
        QVERIFY2(f.tickUntil([&] { return notice->text().startsWith("Repeated by N2BBB at "); },
                             kOnAirMs),
                 qPrintable(f.monitorText() + channel.describe()));

        other.send('M', "N2BBB", QStringLiteral("APRS"), ":N1AAA    :are you there{42", 0xF0);
        const auto isAck = [](const EngineFrame& frame) {
            return frame.kind == 'U' && frame.callFrom == "N1AAA" &&
                   frame.text().contains(":N2BBB    :ack42");
        };
        QVERIFY2(f.tickUntil([&] { return bool(other.waitForFrame(isAck)); }, kOnAirMs),
                 qPrintable(channel.describe()));
        // Our ack comes back through the digipeater too: the channel has carried all of it.
        QVERIFY2(f.tickUntil([&] { return count->text().endsWith(": 2"); }, kOnAirMs),
                 qPrintable(f.monitorText()));
        QCOMPARE(std::count_if(other.frames().begin(), other.frames().end(), isAck), 1);
    }
};

QTEST_MAIN(AwarenessEngineTest)
#include "tst_awareness_engine.moc"
