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

    // "on", "off", both or neither at this time of day.
    void timedBeacon() {
        const auto action = [](const char* start, const char* stop, QTime now) {
            const TimedBeaconAction a = timedBeaconAction(start, stop, now);
            return QString(a.switchOn ? "on" : "") + (a.switchOff ? "off" : "");
        };
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 0)), "on");
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 30)), "off");
        QCOMPARE(action("12:00:00", "12:30:00", QTime(12, 10)), "");
        QCOMPARE(action("08:05:09", "08:05:09", QTime(8, 5, 9)), "onoff");
        QCOMPARE(action("8:05:09", "", QTime(8, 5, 9)), "");   // no leading zero never matches
        QCOMPARE(action("13:00:00", "", QTime(13, 0)), "on");  // 24 hours
    }
};

QTEST_GUILESS_MAIN(TestBeacon)
#include "tst_beacon.moc"
