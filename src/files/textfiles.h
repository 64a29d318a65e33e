// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/replacefile.h"

#include <QByteArray>
#include <QString>

namespace zeno {

class Dialogs;

// Text files as ZENO keeps them: one Latin-1 byte per character, CR LF line ends. Every
// helper here answers why it failed instead of dropping the error.

// A text file read line by line, each line followed by CR LF. With a limit, reading stops after
// the line that took the text past it (truncated is then set). error is empty when it was read.
struct TextFileRead {
    QString text;
    bool truncated = false;
    QString error;
};
TextFileRead readTextLines(const QString& path, qsizetype limit = 0);

// replaceFile with text written as Latin-1; what Latin-1 cannot hold becomes "?".
QString writeTextFile(const QString& path, const QString& text);

// writeTextFile that tells the operator when it fails ("Could not write the file." and why).
// True when written.
bool saveTextFile(const QString& path, const QString& text, Dialogs& dialogs);

// True when a file exists at path; a failing lookup counts as absent.
bool FileExists(const QString& path);

}  // namespace zeno
