// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/alarm.h"

#include "config/settings.h"
#include "platform/apppath.h"
#include "platform/platform.h"

namespace zeno {

namespace {

// An empty line holds nothing, not even the empty text.
bool occursIn(const QString& line, const QString& text, Qt::CaseSensitivity cs) {
    return !line.isEmpty() && line.contains(text, cs);
}

}  // namespace

bool alarmDue(const Settings& settings, const QString& HeaderLine, const QString& BodyText) {
    switch (settings.alarmMode.value_or(0)) {
        case kAlarmOnHeader:
            return occursIn(HeaderLine, settings.alarmHeaderText, Qt::CaseInsensitive);
        case kAlarmOnData:
            return occursIn(BodyText, settings.alarmDataText, Qt::CaseSensitive);
        default:
            return false;
    }
}

void PlayAlarm(Platform& platform, const QString& appPath) {
    platform.playWave(appFile(appPath, QStringLiteral("\\alarm.wav")));
}

}  // namespace zeno
