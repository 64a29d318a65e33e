// Beacon time in poll ticks, and the timed beacon's start and stop.

#include "tx/beacon.h"

#include <QtTest>

using namespace zeno;

namespace {

// Ticks with the beacon on until it is due; -1 when it is not due within the limit.
int ticksUntilDue(BeaconCounter& counter, int interval, int limit = 100000) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (counter.tick(true, interval))
            return tick;
    }
    return -1;
}

}  // namespace

class TestBeacon : public QObject {
    Q_OBJECT

private slots:
    void intervalCountsInTicks_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("ticks");
        QTest::newRow("10 s") << 10 << 41;
        QTest::newRow("60 s") << 60 << 241;
        QTest::newRow("5 s counts as 10") << 5 << 41;
        QTest::newRow("0 counts as 10") << 0 << 41;
        QTest::newRow("negative counts as 10") << -3 << 41;
    }

    void intervalCountsInTicks() {
        QFETCH(int, interval);
        QFETCH(int, ticks);
        BeaconCounter counter;
        QCOMPARE(ticksUntilDue(counter, interval), ticks);
        QCOMPARE(counter.ticks(), 0);
        QCOMPARE(ticksUntilDue(counter, interval), ticks);  // and again every as many ticks
    }

    void offKeepsTheCount() {
        BeaconCounter counter;
        for (int i = 0; i < 30; ++i)
            QVERIFY(!counter.tick(true, 10));
        for (int i = 0; i < 500; ++i)
            QVERIFY(!counter.tick(false, 10));  // off: nothing counted, nothing due
        QCOMPARE(counter.ticks(), 30);
        QCOMPARE(ticksUntilDue(counter, 10), 11);
    }

    void timedBeacon_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("off");
        QTest::newRow("start reached") << "12:00:00"
                                       << "12:30:00" << QTime(12, 0) << true << false;
        QTest::newRow("stop reached") << "12:00:00"
                                      << "12:30:00" << QTime(12, 30) << false << true;
        QTest::newRow("in between") << "12:00:00"
                                    << "12:30:00" << QTime(12, 10) << false << false;
        QTest::newRow("same time: both") << "08:05:09"
                                         << "08:05:09" << QTime(8, 5, 9) << true << true;
        QTest::newRow("defaults at midnight") << "00:00:00"
                                              << "00:00:00" << QTime(0, 0) << true << true;
        QTest::newRow("no leading zero never matches") << "8:05:09"
                                                       << "" << QTime(8, 5, 9) << false << false;
        QTest::newRow("afternoon in 24 hours") << "13:00:00"
                                               << "" << QTime(13, 0) << true << false;
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
