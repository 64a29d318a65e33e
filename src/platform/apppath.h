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

// True when a file exists at path; a failing lookup counts as absent.
bool FileExists(const QString& path);

// Replaces a file with these bytes in one step: written beside it and renamed over it only
// when complete, so a full disk or a crash never leaves a cut file and never destroys the
// previous one. False when it could not be written.
bool replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace zeno
