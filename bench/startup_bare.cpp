// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for ZENO's start-up: a bare Qt main window with the same panels, controls and
// menus as ZENO's, and nothing behind them. `startup` starts it in turn with ZENO.
#include "ui/common/firstshown.h"
#include "ui/main/form1layout.h"
#include "ui/main/form1menus.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ZENO"));
    zeno::Form1Controls controls;
    zeno::buildForm1Layout(&window, controls);
    zeno::buildForm1Menus(&window, controls.menus);
    window.show();
    zeno::reportFirstShown(&window);
    return app.exec();
}
