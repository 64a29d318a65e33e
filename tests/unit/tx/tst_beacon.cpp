// Beacon time in poll ticks, and the timed beacon's start and stop.

#include "support/testrows.h"
#include "tx/beacon.h"

#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// Ticks with the beacon on until it is due; -1 when it is not due within the limit.
int ticksUntilDue(BeaconCounter& counter, int interval) {
    for (int tick = 1; tick <= 100000; ++tick) {
        if (counter.tick(true, interval))
            return tick;
    }
    return -1;
}

}  // namespace

class TestBeacon : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void comesDue_data() {
        columns<int, int, int>("interval", "onBeforeOff", "ticks");
        row("10 s", 10, 0, 41);
        row("60 s", 60, 0, 241);
        row("5 s counts as 10", 5, 0, 41);
        row("off at 30 then on", 10, 30, 11);
    }

    void comesDue() {
        QFETCH(int, interval);
        QFETCH(int, onBeforeOff);
        QFETCH(int, ticks);
        BeaconCounter counter;
        for (int i = 0; i < onBeforeOff; ++i)
            QVERIFY(!counter.tick(true, interval));
        for (int i = 0; i < 500; ++i)
            QVERIFY(!counter.tick(false, interval));  // off: nothing counts
        QCOMPARE(ticksUntilDue(counter, interval), ticks);
        if (onBeforeOff == 0)
            QCOMPARE(ticksUntilDue(counter, interval), ticks);  // and again as many later
    }

    void timedBeacon_data() {
        columns<QString, QString, QTime, bool, bool>("start", "stop", "now", "on", "off");
        row("start reached", "12:00:00", "12:30:00", QTime(12, 0), true, false);
        row("stop reached", "12:00:00", "12:30:00", QTime(12, 30), false, true);
        row("in between", "12:00:00", "12:30:00", QTime(12, 10), false, false);
        row("same time: both", "08:05:09", "08:05:09", QTime(8, 5, 9), true, true);
        row("no leading zero never matches", "8:05:09", "", QTime(8, 5, 9), false, false);
        row("afternoon in 24 hours", "13:00:00", "", QTime(13, 0), true, false);
    }

    void timedBeacon() {
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QTime, now);
        QFETCH(bool, on);
        QFETCH(bool, off);
        const TimedBeaconAction action = timedBeaconAction(start, stop, now);
        QCOMPARE(action.switchOn, on);
        QCOMPARE(action.switchOff, off);
    }
};

QTEST_GUILESS_MAIN(TestBeacon)
#include "tst_beacon.moc"
