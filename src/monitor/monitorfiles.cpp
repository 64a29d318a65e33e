// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/monitorfiles.h"

#include "config/settings.h"
#include "files/filedialogs.h"
#include "monitor/stationreport.h"
#include "platform/dialogs.h"

namespace zeno {

namespace {

const QString& part(const MonitorContent& monitor, bool selectionOnly) {
    return selectionOnly ? monitor.selection : monitor.text;
}

}  // namespace

bool saveMonitorText(FileDialogState& files, Dialogs& dialogs, const MonitorContent& monitor) {
    return saveTextAs(files, dialogs,
                      {QStringLiteral("ZENO001.txt"), monitor.selection,
                       QStringLiteral("Do you want to save the selected text only?")},
                      [&](bool only) { return part(monitor, only); });
}

bool saveStationReport(FileDialogState& files, Dialogs& dialogs, const MonitorContent& monitor,
                       const Settings& settings, const QStringList& heard,
                       const QDateTime& madeAt) {
    return saveTextAs(
        files, dialogs,
        {QStringLiteral("ZENOReport.txt"), monitor.selection,
         QStringLiteral("Do you want to save the selected text in this report only?")},
        [&](bool only) {
            return stationReportText(
                {settings.callsign, settings.swlMode != 0, heard, part(monitor, only), madeAt});
        });
}

std::optional<QString> monitorPrintText(Dialogs& dialogs, const MonitorContent& monitor) {
    const bool whole = monitor.selection.isEmpty();
    const QString question = whole
                                 ? QStringLiteral("Do you want to print the entire monitor window?")
                                 : QStringLiteral("Do you want to print the selected tekst?");
    if (!dialogs.askYesNo(question, QStringLiteral("Print")))
        return std::nullopt;
    return part(monitor, !whole);
}

}  // namespace zeno
