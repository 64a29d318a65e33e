#pragma once

#include <QString>

namespace zeno {

// The directory of the executable when it is writable (portable or build-tree install),
// else the per-user data directory, created when missing.
QString resolveApplicationPath(const QString& executableDirectory);

// A file of the application path. Names may be written "\zeno.ini", "zeno.ini" or with "\"
// or "/" as separators; the result uses "/".
QString appFile(const QString& appPath, const QString& name);

// Copies the built-in default files (texts, sounds, help) into the application path where
// they are missing. The operator's own files are never overwritten. Returns the names copied.
QStringList installDefaultFiles(const QString& appPath);

}  // namespace zeno
