// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zeno {

// For the start-up benchmark: with ZENO_REPORT_SHOWN set in the environment, writes the line
// "shown" to standard output once the shown window has first been painted on the screen.
// Set to "exit", the program ends right after that line. Without the variable it does nothing.
void reportFirstShown(QWidget* window);

}  // namespace zeno
