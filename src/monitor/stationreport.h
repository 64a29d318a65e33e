// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zeno {

// What a station report tells: who made it, when, the stations heard and the frames received.
struct StationReport {
    QString callsign;
    bool listener = false;  // listener (SWL) mode
    QStringList heard;      // the heard list, in list order
    QString frames;         // the monitor text, or the part of it the operator selected
    QDateTime madeAt;       // local time
};

// The report file's text: CR LF lines, the date as month-day-year.
QString stationReportText(const StationReport& report);

}  // namespace zeno
