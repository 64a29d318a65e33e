// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/stationreport.h"

#include "zenoversion.h"

namespace zeno {

QString stationReportText(const StationReport& report) {
    const QString crlf = QStringLiteral("\r\n");
    const QString title = QStringLiteral("Report ZENO v%1.%2.%3")
                              .arg(ProgramVersion::major)
                              .arg(ProgramVersion::minor)
                              .arg(ProgramVersion::revision);
    QString text = title + crlf + QString(title.size(), QLatin1Char('-')) + crlf;
    text += QStringLiteral("Report save date: ") +
            report.madeAt.toString(QStringLiteral("MM-dd-yyyy")) + QStringLiteral("  Time: ") +
            report.madeAt.toString(QStringLiteral("HH:mm:ss")) + crlf + crlf;
    text += (report.listener ? QStringLiteral("SWL Call: ") : QStringLiteral("Callsign: ")) +
            report.callsign + crlf + crlf;
    text += QStringLiteral("Stations Heared") + crlf + QString(15, QLatin1Char('-')) + crlf;
    for (const QString& call : report.heard)
        text += call.trimmed() + crlf;
    text += crlf + QStringLiteral("Total Stations = %1").arg(report.heard.size()) + crlf + crlf;
    text += QStringLiteral("Received Packet Frames") + crlf + QString(22, QLatin1Char('-')) + crlf;
    text += report.frames + crlf + crlf;
    text += QStringLiteral("*** End of ZENO Report ***") + crlf;
    return text;
}

}  // namespace zeno
