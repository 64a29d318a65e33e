#pragma once

#include "config/settings.h"
#include "link/agwframe.h"

#include <QString>

namespace zeno {

// File-dialog state shared by every window that opens or saves files.
struct FileDialogState {
    QString FileName;            // name proposed in the dialogs, remembers the last one
    QString FilePath;            // full path chosen in the last dialog
    bool SaveConfirmed = false;  // the last save dialog ended with a file to write
    int OpenMode = 0;            // 1 text editor, 2 monitor, 3 notebook, 4 into ReplyText
};

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
    QString appPath;    // application path (settings, texts, sounds)
    Settings settings;  // every value of the settings file
    LinkValues link;    // RadioPort, ReceivedKind, EngineInitText, LinkAddress
    FileDialogState files;
    ConnectionState connection;
    QString MainCaption;            // the main window's normal caption
    QString ReplyText;              // text that connected-mode senders transmit
    QString notebookFile;           // file edited by the notebook
    QString osText;                 // system version text for the settings file
    bool addOnMenuVisible = false;  // the Extra menu was filled at start-up
};

}  // namespace zeno
