#include "config/filedialogs.h"

#include "config/appstate.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>

namespace zeno {

namespace {

const QString kNotFoundText = QStringLiteral("File not found or device not responding.");

// The numeric-to-text form of the old runtime: a blank before a non-negative number.
QString numberText(int n) {
    return n >= 0 ? QStringLiteral(" %1").arg(n) : QString::number(n);
}

// Reads a text file line by line, each line followed by CR LF. With a limit, reading stops
// after the line that took the text past it (truncated is then set).
bool readLines(const QString& path, QString& text, int limit, bool& truncated) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text.clear();
    truncated = false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        text += QString::fromLatin1(line) + QLatin1String("\r\n");
        if (limit > 0 && text.size() > limit) {
            truncated = true;
            break;
        }
    }
    return true;
}

FileRequest openRequest(const AppState& state) {
    return {QStringLiteral("Open File"), QDir::currentPath(), state.files.FileName,
            textFileFilters()};
}

}  // namespace

QStringList textFileFilters() {
    return {QStringLiteral("Text Files (*.txt)"), QStringLiteral("Log Files (*.log)"),
            QStringLiteral("All Files (*.*)")};
}

void OpenTextFile(AppState& state, Dialogs& dialogs, Platform& platform, OpenTextTargets& targets) {
    const QString chosen = dialogs.openFileName(openRequest(state));
    if (chosen.isEmpty())
        return;
    state.files.FilePath = chosen.trimmed();
    const QString& path = state.files.FilePath;

    switch (state.files.OpenMode) {
        case 1:
            platform.openInTextEditor(path);
            state.files.OpenMode = 0;
            return;
        case 2: {
            if (!QFile::exists(path)) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(53));
                return;
            }
            targets.setBusy(true);
            QString text;
            bool truncated = false;
            const bool read = readLines(path, text, kMonitorFileLimit, truncated);
            targets.setBusy(false);
            if (!read) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(57));
                return;
            }
            if (truncated)
                dialogs.message(
                    QStringLiteral("Tekstfile to long. Maximum file length in monitor is 32kB.\r"
                                   "Only the first 32kB has been loaded."),
                    QStringLiteral("File to long"), MsgIcon::Exclamation);
            state.ReplyText = text;
            targets.loadIntoMonitor(text);
            return;
        }
        case 3:
            if (!QFile::exists(path)) {
                dialogs.message(kNotFoundText, QStringLiteral("Err nr:") + numberText(53));
                return;
            }
            targets.openInNotebook(path);
            return;
        case 4: {
            QString text;
            bool truncated = false;
            if (!readLines(path, text, 0, truncated)) {
                text.clear();
                dialogs.message(QStringLiteral("Could not open the file."),
                                QStringLiteral("File: ") + path, MsgIcon::Exclamation);
            }
            state.ReplyText = text;
            return;
        }
        default:
            return;
    }
}

void AskSaveFile(AppState& state, Dialogs& dialogs) {
    const QString chosen = dialogs.saveFileName({QStringLiteral("Save File"), QDir::currentPath(),
                                                 state.files.FileName, textFileFilters()});
    if (chosen.isEmpty()) {
        state.files.SaveConfirmed = false;
        return;
    }
    state.files.SaveConfirmed = true;
    state.files.FilePath = chosen.trimmed();
    if (FileExists(state.files.FilePath) &&
        dialogs.message(QStringLiteral("Do you want to overwrite the file?"),
                        QStringLiteral("File already exists"), MsgIcon::Question,
                        MsgButtons::YesNo) != MsgAnswer::Yes)
        state.files.SaveConfirmed = false;
}

bool writeTextFile(const QString& path, const QString& text) {
    return replaceFile(path, text.toLatin1());
}

}  // namespace zeno
