// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/form1controls.h"

class QMainWindow;

namespace zeno {

// Creates every panel and control of the main window at its design position, the status bar's
// link label and the poll timer.
void buildForm1Layout(QMainWindow* window, Form1Controls& c);

// The window's outer height in twips as the layout rules count it: without our status bar.
double layoutHeightTwips(const QMainWindow& window);

}  // namespace zeno
