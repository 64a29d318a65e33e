// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/textfiles.h"

#include "platform/dialogs.h"

#include <QFile>
#include <QFileInfo>

namespace zeno {

TextFileRead readTextLines(const QString& path, qsizetype limit) {
    TextFileRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = file.errorString();
        return read;
    }
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        read.text += QString::fromLatin1(line) + QLatin1String("\r\n");
        if (limit > 0 && read.text.size() > limit) {
            read.truncated = true;
            break;
        }
    }
    if (file.error() != QFileDevice::NoError)
        read.error = file.errorString();
    return read;
}

QString writeTextFile(const QString& path, const QString& text) {
    return replaceFile(path, text.toLatin1());
}

bool saveTextFile(const QString& path, const QString& text, Dialogs& dialogs) {
    const QString error = writeTextFile(path, text);
    if (error.isEmpty())
        return true;
    dialogs.message(QStringLiteral("Could not write the file.\r") + error,
                    QStringLiteral("File: ") + path, MsgIcon::Exclamation);
    return false;
}

bool FileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace zeno
