// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/orbitsettings.h"
#include "config/settings.h"
#include "files/filedialogs.h"
#include "link/agwframe.h"
#include "link/engineaddress.h"

#include <QString>
#include <QStringList>

namespace zeno {

// Connected-mode flags (one link at a time).
struct ConnectionState {
    bool IsConnected = false;
    QString RemoteStation;
    bool GreetingSent = false;
    bool IgnoreNextDisconnect = false;
    bool BbsUnlocked = false;
    bool RefuseIncoming = false;
};

// Program-wide state: created once in main and passed by reference. No globals.
struct AppState {
    QString appPath;        // application path (settings, texts, sounds)
    Settings settings;      // every value of the settings file
    EngineSettings engine;  // engine.ini: the engine's address, acknowledging messages
    OrbitSettings orbit;    // orbit.ini: where the element sets come from, the pass horizon
    LinkValues link;        // RadioPort, ReceivedKind, EngineInitText, LinkAddress
    FileDialogState files;
    ConnectionState connection;
    QString MainCaption;              // the main window's normal caption
    QString ReplyText;                // text that connected-mode senders transmit
    QString notebookFile;             // file edited by the notebook
    QString osText;                   // system version text for the settings file
    bool addOnMenuVisible = false;    // the Extra menu was filled at start-up
    bool settingsUnsaved = false;     // the last save of zeno.ini failed
    QStringList missingDefaultFiles;  // default files that could not be copied at start-up
};

}  // namespace zeno
