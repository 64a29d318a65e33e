// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QString>
#include <QStringList>

namespace zeno {

// Colours put in place on a first run or when a settings file cannot be read.
inline constexpr int kDefaultHeaderColor = 16777215;       // white monitor text
inline constexpr int kDefaultDataColor = 0;                // black
inline constexpr int kDefaultScreenColor = 16711680;       // blue monitor background
inline constexpr int kDefaultDataBoxForeColor = 16711680;  // light blue box text
inline constexpr int kDefaultDataBoxBackColor = 14737632;  // E0E0E0 box background

// The entries a history box starts with (the Via box ends with one empty entry).
QStringList defaultHistory(HistoryBox box);

// Every value a first run puts in place before the first settings file is written. The
// callsign, the window geometry and the four texts the boxes show are left alone: the
// operator and the window supply those.
void applyFirstRunDefaults(Settings& settings);

// The first-run settings of a station.
Settings firstRunSettings(const QString& callsign);

}  // namespace zeno
