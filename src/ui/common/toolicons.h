// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace zeno {

// The desktop's icon of this name ("edit-cut", "edit-copy", "edit-paste", "edit-clear",
// "document-print", "document-save", "document-open"), or our own drawing of the same
// thing where the desktop has no icon theme.
QIcon toolIcon(const char* themeName);

// Our own drawing alone (null for a name we do not draw).
QIcon drawnToolIcon(const char* themeName);

}  // namespace zeno
