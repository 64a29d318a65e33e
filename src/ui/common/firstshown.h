// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace zeno {

// Runs `then` once the shown window's first expose has been painted on the screen (at once,
// from the event loop, when it already has been): start-up work that the operator need not
// wait for to see the window. Callbacks for one window run in the order they were asked for.
void whenFirstShown(QWidget* window, std::function<void()> then);

// For the start-up benchmark: with ZENO_REPORT_SHOWN set in the environment, writes the line
// "shown" to standard output once the shown window has first been painted on the screen.
// The line goes out ahead of the work waiting on whenFirstShown. Set to "exit", the program
// ends right after that line. Without the variable it does nothing.
void reportFirstShown(QWidget* window);

}  // namespace zeno
