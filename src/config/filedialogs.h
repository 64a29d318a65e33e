#pragma once

#include <QString>
#include <QStringList>

namespace zeno {

struct AppState;
class Dialogs;
class Platform;

// "Text Files (*.txt)", "Log Files (*.log)", "All Files (*.*)".
QStringList textFileFilters();

// Where a file opened with OpenTextFile goes for the modes that need a window.
class OpenTextTargets {
public:
    virtual ~OpenTextTargets() = default;
    virtual void loadIntoMonitor(const QString& text) = 0;  // mode 2
    virtual void openInNotebook(const QString& path) = 0;   // mode 3
    virtual void setBusy(bool busy) = 0;                    // wait cursor while reading
};

// Shows the open dialog proposing state.files.FileName and does with the chosen file what
// state.files.OpenMode says: 1 system text editor, 2 into the monitor (and ReplyText),
// 3 the notebook, 4 into ReplyText. Cancel does nothing.
void OpenTextFile(AppState& state, Dialogs& dialogs, Platform& platform, OpenTextTargets& targets);

// Shows the save dialog proposing state.files.FileName; sets FilePath and SaveConfirmed.
// An existing file is only confirmed after "Do you want to overwrite the file?" is answered Yes.
void AskSaveFile(AppState& state, Dialogs& dialogs);

// Writes text to a file, replacing it; false when it could not be written (callers that
// ignore write errors may ignore the result). Text is written as Latin-1, one byte per
// character, like every file of the program.
bool writeTextFile(const QString& path, const QString& text);

// The longest text the monitor takes from a file (30000 characters, line ends counted as two).
inline constexpr int kMonitorFileLimit = 30000;

}  // namespace zeno
