// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace zeno {

struct FileDialogState;
struct Settings;
class Dialogs;

// The monitor's text as saving, printing and the report take it.
struct MonitorContent {
    QString text;       // all of it
    QString selection;  // what is selected; empty when nothing is
};

// Saves the monitor, or only its selection when the operator says so (asked only when more
// than ten characters are selected), proposing "ZENO001.txt". True when the file was written.
bool saveMonitorText(FileDialogState& files, Dialogs& dialogs, const MonitorContent& monitor);

// Saves the station report, its frames the selection or the whole monitor, proposing
// "ZENOReport.txt". True when the file was written.
bool saveStationReport(FileDialogState& files, Dialogs& dialogs, const MonitorContent& monitor,
                       const Settings& settings, const QStringList& heard, const QDateTime& madeAt);

// Asks whether to print the selection, or the entire monitor when nothing is selected; the
// text to print on Yes, nothing on No.
std::optional<QString> monitorPrintText(Dialogs& dialogs, const MonitorContent& monitor);

}  // namespace zeno
