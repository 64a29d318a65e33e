#pragma once

#include "ui/form1controls.h"

class QMainWindow;

namespace zeno {

// Creates the main window's menu bar with every documented item (no actions connected).
void buildForm1Menus(QMainWindow* window, Form1Controls& c);

}  // namespace zeno
