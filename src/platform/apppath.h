// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// Where ZENO keeps its settings and files: the executable's folder when it already holds a
// zeno.ini (a portable install, e.g. on a memory stick), else the per-user data folder
// (~/.local/share/ZENO), created when missing. A build folder or a system-wide install
// therefore never holds the operator's settings.
QString resolveApplicationPath(const QString& executableDirectory);

// A file of the application path. Names may be written "\zeno.ini", "zeno.ini" or with "\"
// or "/" as separators; the result uses "/".
QString appFile(const QString& appPath, const QString& name);

// Copies the built-in default files (texts, sounds, help) into the application path where
// they are missing. The operator's own files are never overwritten. Returns the names that
// could not be copied (a full or write-protected disk).
QStringList installDefaultFiles(const QString& appPath);

}  // namespace zeno
