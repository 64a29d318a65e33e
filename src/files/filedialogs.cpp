#include "files/filedialogs.h"

#include "files/textfiles.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>

namespace zeno {

namespace {

const QString kNotFoundText = QStringLiteral("File not found or device not responding.");

// A number as the error titles show it: a blank before a non-negative number.
QString numberText(int n) { return n >= 0 ? QStringLiteral(" %1").arg(n) : QString::number(n); }

FileRequest openRequest(const FileDialogState& files) {
    return {QStringLiteral("Open File"), QDir::currentPath(), files.FileName, textFileFilters()};
}

}  // namespace

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
            platform.openInTextEditor(path);
            files.OpenMode = 0;
            return;
        case kOpenIntoMonitor: {
            if (!QFile::exists(path)) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(53));
                return;
            }
            targets.setBusy(true);
            const TextFileRead read = readTextLines(path, kMonitorFileLimit);
            targets.setBusy(false);
            if (!read.error.isEmpty()) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(57));
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
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(53));
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

}  // namespace zeno
