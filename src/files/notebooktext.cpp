// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/notebooktext.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace zeno {

namespace {

// A notebook file larger than this is not read whole: only its start can be shown anyway.
constexpr qint64 kReadLimit = 4 * 1024 * 1024;

const QString kCutLine = QStringLiteral(
    "!!!File loaded only for the first 60000 characters!!! Do not save the file or you will "
    "loose all info over the 60000 bytes loaded!!!");

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};  // errors are ignored: a missing file is an empty notebook
    const QString text = QString::fromLatin1(file.read(kReadLimit));
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();  // the last line end closes the last line
    return lines;
}

}  // namespace

NotebookRead readNotebookFile(const QString& path) {
    NotebookRead read;
    for (const QString& line : fileLines(path)) {
        if (read.text.size() > kNotebookLoadLimit) {
            read.text += kCutLine + QStringLiteral("\r\n");
            read.cut = true;
            break;
        }
        read.text += line + QStringLiteral("\r\n");
    }
    return read;
}

QString notebookBoxText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString notebookFileText(QString boxText) {
    boxText.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return boxText;
}

}  // namespace zeno
