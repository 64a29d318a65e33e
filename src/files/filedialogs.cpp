// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filedialogs.h"

#include "files/textfiles.h"
#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>

namespace zeno {

namespace {

const QString kNotFoundText = QStringLiteral("File not found or device not responding.");

FileRequest openRequest(const FileDialogState& files) {
    return {QStringLiteral("Open File"), QDir::currentPath(), files.FileName, textFileFilters()};
}

}  // namespace

void openInTextEditor(Platform& platform, Dialogs& dialogs, const QString& path) {
    // Without an editor or a launcher the desktop says nothing but on standard error.
    if (!platform.openInTextEditor(path))
        dialogs.message(
            QStringLiteral("The desktop could not open the file in a text editor:\r") + path,
            kProgramTitle, MsgIcon::Exclamation);
}

QStringList textFileFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Log Files (*.log)"),
            QStringLiteral("All Files (*.*)")};
}

void OpenTextFile(FileDialogState& files, QString& ReplyText, Dialogs& dialogs, Platform& platform,
                  OpenTextTargets& targets) {
    const QString chosen = dialogs.openFileName(openRequest(files));
    if (chosen.isEmpty())
        return;
    files.FilePath = chosen.trimmed();
    const QString& path = files.FilePath;

    switch (files.OpenMode) {
        case kOpenInTextEditor:
            openInTextEditor(platform, dialogs, path);
            files.OpenMode = 0;
            return;
        case kOpenIntoMonitor: {
            if (!QFile::exists(path)) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + signedNumberText(53));
                return;
            }
            targets.setBusy(true);
            const TextFileRead read = readTextLines(path, kMonitorFileLimit);
            targets.setBusy(false);
            if (!read.error.isEmpty()) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + signedNumberText(57));
                return;
            }
            if (read.truncated)
                dialogs.message(
                    QStringLiteral("Tekstfile to long. Maximum file length in monitor is 32kB.\r"
                                   "Only the first 32kB has been loaded."),
                    QStringLiteral("File to long"), MsgIcon::Exclamation);
            ReplyText = read.text;
            targets.loadIntoMonitor(read.text);
            return;
        }
        case kOpenInNotebook:
            if (!QFile::exists(path)) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + signedNumberText(53));
                return;
            }
            targets.openInNotebook(path);
            return;
        case kOpenIntoReplyText: {
            TextFileRead read = readTextLines(path);
            if (!read.error.isEmpty()) {
                read.text.clear();
                dialogs.message(QStringLiteral("Could not open the file."),
                                QStringLiteral("File: ") + path, MsgIcon::Exclamation);
            }
            ReplyText = read.text;
            return;
        }
        default:
            return;
    }
}

void AskSaveFile(FileDialogState& files, Dialogs& dialogs) {
    const QString chosen = dialogs.saveFileName(
        {QStringLiteral("Save File"), QDir::currentPath(), files.FileName, textFileFilters()});
    if (chosen.isEmpty()) {
        files.SaveConfirmed = false;
        return;
    }
    files.SaveConfirmed = true;
    files.FilePath = chosen.trimmed();
    if (FileExists(files.FilePath) &&
        dialogs.message(QStringLiteral("Do you want to overwrite the file?"),
                        QStringLiteral("File already exists"), MsgIcon::Question,
                        MsgButtons::YesNo) != MsgAnswer::Yes)
        files.SaveConfirmed = false;
}

bool saveTextAs(FileDialogState& files, Dialogs& dialogs, const SaveSteps& steps,
                const std::function<QString(bool selectionOnly)>& text) {
    const bool selectionOnly = steps.selection.size() > kSelectionAskedAbove &&
                               dialogs.askYesNo(steps.selectionQuestion, QStringLiteral("Save"));
    files.FileName = steps.proposedName;
    AskSaveFile(files, dialogs);
    return files.SaveConfirmed && saveTextFile(files.FilePath, text(selectionOnly), dialogs);
}

}  // namespace zeno
