// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

class Platform;

// The system name for a "major.minor" version text, from the releases the program knows by
// number ("4.10" is "Windows 98"); empty when none matches.
QString windowsName(const QString& versionText);

// detectwindows: the OS text of the settings file's diagnostics, version + two blanks + name.
// Where no known release matches, the platform's own name stands in.
QString detectwindows(const Platform& platform);

// What "System Info..." of the About box shows: the system's name and version, its kernel, the
// Qt version ZENO runs on, and the engine's start-up text (up to its NUL).
QString systemInfoText(const Platform& platform, const QString& engineText);

}  // namespace zeno
