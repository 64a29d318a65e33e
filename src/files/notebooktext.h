// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// The notebook's file and its edit box: the box keeps one LF per line end, the file CR LF.

// The most text the notebook loads; the rest of a longer file is left out with a warning line.
inline constexpr int kNotebookLoadLimit = 60000;

// The notebook's file as it is loaded: its lines (ended by CR LF, LF or CR, in Latin-1), each
// followed by CR LF. Once the text read so far is longer than the load limit, the warning line
// takes the next line's place and reading stops (cut is then set). A missing or unreadable file
// is an empty notebook.
struct NotebookRead {
    QString text;
    bool cut = false;
};
NotebookRead readNotebookFile(const QString& path);

// Line ends as the edit box keeps them: text from a file or the clipboard may bring CR LF or CR.
QString notebookBoxText(QString text);

// What saving writes: the box's text with CR LF line ends, nothing added after the last line.
QString notebookFileText(QString boxText);

}  // namespace zeno
