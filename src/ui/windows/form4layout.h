// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windows/form4controls.h"

class QWidget;

namespace zeno {

// Makes the terminal's controls and its pop-up menus.
void buildForm4Layout(QWidget* window, Form4Controls& c);

// Places the controls for the window's size; a window of 2000 twips or less either way keeps
// them where they are.
void placeForm4Controls(QWidget* window, Form4Controls& c);

}  // namespace zeno
