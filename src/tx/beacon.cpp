// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/beacon.h"

#include <algorithm>

namespace zeno {

bool BeaconCounter::tick(bool beaconOn, int intervalSeconds) {
    if (!beaconOn)
        return false;
    ++ticks_;
    const int interval = std::max(intervalSeconds, kMinBeaconIntervalSeconds);
    if (ticks_ <= qint64(kTicksPerSecond) * interval)
        return false;
    ticks_ = 0;
    return true;
}

QString clockText(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

TimedBeaconAction timedBeaconAction(const QString& startText, const QString& stopText,
                                    const QTime& now) {
    const QString current = clockText(now);
    return {startText == current, stopText == current};
}

}  // namespace zeno
