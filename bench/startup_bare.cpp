// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for ZENO's start-up: a bare Qt main window with the same panels, controls and
// menus as ZENO's, and nothing behind them. `startup` starts it in turn with ZENO.
#include "platform/units.h"
#include "ui/common/firstshown.h"
#include "ui/main/form1layout.h"
#include "ui/main/form1menus.h"

#include <QApplication>
#include <QMainWindow>
#include <QScrollArea>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ZENO"));
    zeno::Form1Controls controls;
    zeno::buildForm1Layout(&window, controls);
    zeno::buildForm1Menus(&window, controls.menus);
    // ZENO's opening size, with the panels' canvas as large as the panels: otherwise the
    // canvas stays a few pixels small and the first paint draws the menu bar alone.
    controls.scroll->widget()->adjustSize();
    window.resize(zeno::twipsToPixels(10360),
                  zeno::twipsToPixels(8265) + window.statusBar()->sizeHint().height());
    window.show();
    zeno::reportFirstShown(&window);
    return app.exec();
}
