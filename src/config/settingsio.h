// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/settingsview.h"

#include <QString>

namespace zeno {

class Dialogs;
class Platform;

// "zeno.ini" of the application path.
QString settingsFilePath(const QString& appPath);

// SaveSettings: writes the whole settings file from the state and the main window (the four
// texts its boxes show, its geometry) and fills state.osText. The file is replaced in one
// step, so a failed write leaves the previous file as it was. On failure false comes back and
// the settings stay as they were; the operator is told unless the save before failed too. On
// success state.settings holds what was written.
bool SaveSettings(AppState& state, const SettingsView& view, Dialogs& dialogs,
                  const Platform& platform);

enum class LoadOutcome {
    NoFile,           // callsign set to "MYCALL", nothing else touched
    NoCallsign,       // the file holds "MYCALL": nothing after it was read or shown
    InvalidCallsign,  // callsign shorter than 2: the operator was told, nothing shown
    Defaults,         // the file could not be read whole: fallback values shown
    Applied,          // every value read and shown
};

// LoadSettings: reads the settings file into state.settings (and the port in use) and shows
// it in the main window.
LoadOutcome LoadSettings(AppState& state, SettingsView& view, Dialogs& dialogs);

// SaveSettings, then LoadSettings; when the file could not be written, what it should have
// held is read back instead.
void SaveAndLoadSettings(AppState& state, SettingsView& view, Dialogs& dialogs,
                         const Platform& platform);

}  // namespace zeno
