// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTime>

namespace zeno {

// The beacon interval counts in poll ticks of 250 ms. Below 10 s the setup never stores;
// a hand-edited file cannot make the beacon faster than that.
inline constexpr int kTicksPerSecond = 4;
inline constexpr int kMinBeaconIntervalSeconds = 10;

// Counts beacon time in poll ticks. Switching the beacon off and on keeps the count; only a
// beacon that was due starts it again.
class BeaconCounter {
public:
    // One poll tick. True when the beacon is due now (the count then starts again).
    bool tick(bool beaconOn, int intervalSeconds);
    int ticks() const { return ticks_; }

private:
    int ticks_ = 0;
};

// The time of day as the clock and the start and stop boxes show it: "hh:mm:ss", 24 hours.
QString clockText(const QTime& time);

// What the timed beacon does at this moment; both when start and stop are the same time
// (on, then at once off again).
struct TimedBeaconAction {
    bool switchOn = false;
    bool switchOff = false;
};
TimedBeaconAction timedBeaconAction(const QString& startText, const QString& stopText,
                                    const QTime& now);

}  // namespace zeno
