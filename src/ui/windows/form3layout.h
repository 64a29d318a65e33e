// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/windows/form3controls.h"

class QDialog;

namespace zeno {

// Makes every control of the setup dialog and lays the frames out in three columns on a page
// that scrolls when the screen is small, with OK and Cancel always in sight under it.
void buildForm3Layout(QDialog* dialog, Form3Controls& c);

}  // namespace zeno
