// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace zeno {

class Dialogs;
class Platform;

// File-dialog state shared by every window that opens or saves files.
struct FileDialogState {
    QString FileName;            // name proposed in the dialogs, remembers the last one
    QString FilePath;            // full path chosen in the last dialog
    bool SaveConfirmed = false;  // the last save dialog ended with a file to write
    int OpenMode = 0;            // 1 text editor, 2 monitor, 3 notebook, 4 into ReplyText
};

// The values of OpenMode.
inline constexpr int kOpenInTextEditor = 1;
inline constexpr int kOpenIntoMonitor = 2;
inline constexpr int kOpenInNotebook = 3;
inline constexpr int kOpenIntoReplyText = 4;

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

// Shows the open dialog proposing files.FileName and does with the chosen file what
// files.OpenMode says: 1 system text editor, 2 into the monitor (and ReplyText), 3 the
// notebook, 4 into ReplyText. Cancel does nothing.
void OpenTextFile(FileDialogState& files, QString& ReplyText, Dialogs& dialogs, Platform& platform,
                  OpenTextTargets& targets);

// Opens a file in the system's text editor; when the desktop cannot, a box says so.
void openInTextEditor(Platform& platform, Dialogs& dialogs, const QString& path);

// Shows the save dialog proposing files.FileName; sets FilePath and SaveConfirmed.
// An existing file is only confirmed after "Do you want to overwrite the file?" is answered Yes.
void AskSaveFile(FileDialogState& files, Dialogs& dialogs);

// Saving a window's text: the selection question (only when more than ten characters are
// selected), the proposed name, the save dialog with its overwrite question, and the text
// written through the safe replace, a failure told in a box.
inline constexpr int kSelectionAskedAbove = 10;
struct SaveSteps {
    QString proposedName;       // becomes files.FileName
    QString selection;          // what is selected; empty when nothing is
    QString selectionQuestion;  // "Do you want to save the selected text only?"
};
// text(selectionOnly) gives what is written. True when the file was written.
bool saveTextAs(FileDialogState& files, Dialogs& dialogs, const SaveSteps& steps,
                const std::function<QString(bool selectionOnly)>& text);

// The longest text the monitor takes from a file (30000 characters, line ends counted as two).
inline constexpr int kMonitorFileLimit = 30000;

}  // namespace zeno
