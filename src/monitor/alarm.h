// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

class Platform;
struct Settings;

// The alarm modes of the setting "[AlarmSet]"; any other value is no alarm.
inline constexpr int kAlarmOnHeader = 1;
inline constexpr int kAlarmOnData = 2;

// True when a frame should sound the alarm: mode 1 when the header text occurs in the header
// line (letter case ignored), mode 2 when the data text occurs in the body (case counts).
// An empty alarm text matches any non-empty line.
bool alarmDue(const Settings& settings, const QString& HeaderLine, const QString& BodyText);

// Starts "alarm.wav" of the application path and returns at once; a missing file plays
// nothing.
void PlayAlarm(Platform& platform, const QString& appPath);

}  // namespace zeno
