// SPDX-License-Identifier: GPL-3.0-or-later
// The station's own numbered messages go out again after 30, 60, 120 and 240 s until an
// acknowledgement or the operator stops them; the clock is the fake platform's.
#include "config/appstate.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"
#include "tx/receivedmessages.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kInformation = QStringLiteral(":N2BBB    :see you{42");

}  // namespace

class TestRetries : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void schedule_data() {
        columns<int, QString, int, QList<int>, QString>("ackAt", "ackFrom", "stopAt", "sendsAt",
                                                        "state");
        row("never acknowledged", -1, QString(), -1, QList<int>{30, 90, 210, 450},
            QString("sent 5 times, not acknowledged"));
        row("acknowledged after two resends", 100, QString("n2bbb"), -1, QList<int>{30, 90},
            QString("sent 3 times, acknowledged at 12:01:40"));
        row("ack from another station", 100, QString("N9ZZZ"), -1, QList<int>{30, 90, 210, 450},
            QString("sent 5 times, not acknowledged"));
        row("stopped by the operator", -1, QString(), 40, QList<int>{30},
            QString("sent 2 times, not acknowledged, retrying stopped"));
    }
    void schedule() {
        QFETCH(int, ackAt);
        QFETCH(int, stopAt);
        FakePlatform platform;  // 12:00:00
        MessageRetries retries(platform);
        retries.sent("N2BBB", "42", "CQ RS0ISS", kInformation);
        QList<int> sendsAt;
        for (int second = 1; second <= 1000; ++second) {
            platform.advance(1000);
            if (second == ackAt)
                retries.acknowledge(fetched<QString>("ackFrom"), "42");
            if (second == stopAt)
                QVERIFY(retries.stop(0));
            for (const int index : retries.takeDue()) {
                QCOMPARE(index, 0);
                sendsAt << second;
            }
        }
        QCOMPARE(sendsAt, fetched<QList<int>>("sendsAt"));
        QCOMPARE(ownMessageState(retries.at(0)), fetched<QString>("state"));
    }

    // The ack arrives as any message line does; a message kept from an earlier run is shown
    // but never sent again.
    void ackHeardStopsRetriesAndKeptMessagesStayQuiet() {
        FakePlatform platform;
        AppState state;
        state.settings.callsign = QStringLiteral("PA3XYZ");
        state.engine.acknowledgeMessages = true;
        ReceivedMessages received(state, platform);
        OwnMessage old;
        old.addressee = "N1OLD";
        old.number = "7";
        old.lastSent = platform.now().addSecs(-100);
        received.restore({}, {old});
        received.rememberOwnMessage("N2BBB", "42", "CQ RS0ISS", kInformation);
        platform.advance(30000);
        QCOMPARE(received.takeDueRetries(), QList<int>{1});
        received.LogAPRSMessages("Fm N2BBB To APZ123 Via RS0ISS* <UI pid=F0 Len=20 >[12:00:31]",
                                 QStringLiteral(":PA3XYZ   :ack42\r\n\r\n") + QChar(0));
        platform.advance(600000);
        QVERIFY(received.takeDueRetries().isEmpty());
        QCOMPARE(received.retries().at(0).state, OwnMessage::State::NotAcknowledged);
        QCOMPARE(ownMessageLine(received.retries().at(1)),
                 "12:00:30 | To: N2BBB | see you{42 | sent 2 times, acknowledged at 12:00:30");
    }
};

QTEST_GUILESS_MAIN(TestRetries)
#include "tst_retries.moc"
