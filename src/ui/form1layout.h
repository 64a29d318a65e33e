#pragma once

#include "ui/form1controls.h"

class QMainWindow;

namespace zeno {

// Creates every panel, control and menu of the main window at its design position.
void buildForm1Layout(QMainWindow* window, Form1Controls& c);

// Places a widget by a position and size in twips.
void placeTwips(QWidget* widget, double left, double top, double width, double height);

}  // namespace zeno
