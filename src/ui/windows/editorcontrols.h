// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace zeno {

// The notebook's toolbar and menus, one struct each, every control named by its objectName
// (items of an array as "<array>_<index>").

struct EditorToolbar {
    QWidget* toolbar = nullptr;
    QToolButton* Command8 = nullptr;   // Open File...
    QToolButton* Command1 = nullptr;   // Save
    QToolButton* Command2 = nullptr;   // Print...
    QToolButton* Command3 = nullptr;   // Cut
    QToolButton* Command4 = nullptr;   // Copy
    QToolButton* Command5 = nullptr;   // Paste
    QToolButton* Command6 = nullptr;   // Find...
    QToolButton* Command7 = nullptr;   // Insert Time/Date
    QToolButton* Command10 = nullptr;  // upper caps
    QToolButton* Command9 = nullptr;   // lower caps
};

struct EditorFileMenu {
    QAction* menunoteopen = nullptr;     // Open...
    QAction* menuopslaan = nullptr;      // Save ("opslaan")
    QAction* mnuafdrukalles = nullptr;   // print all ("afdrukken")
    QAction* mnuafdrukselect = nullptr;  // print the selection
    QAction* menuexit = nullptr;
};

struct EditorEditMenu {
    QAction* Cutmenu = nullptr;
    QAction* copymenu = nullptr;
    QAction* pastemenu = nullptr;
    QAction* verwijdermenu = nullptr;  // Delete ("verwijderen")
    QAction* menuselectall = nullptr;
    QAction* menuclear = nullptr;  // Clear All
    QAction* menucapsU = nullptr;  // To Upper Caps
    QAction* menucapsL = nullptr;  // To Lower Caps
};

struct EditorInsertMenu {
    QAction* menuline1 = nullptr;     // a line of underscores
    QAction* menuline2 = nullptr;     // a line of hyphens
    QAction* menudatum = nullptr;     // date ("datum")
    QAction* menutijd = nullptr;      // time ("tijd")
    QAction* menutimedate = nullptr;  // time and date
};

struct EditorFindMenu {
    QAction* NedHelpZoeken = nullptr;      // Find... ("zoeken")
    QAction* NedHelpZoekVerder = nullptr;  // Find Next ("zoek verder")
};

// "Opties" and "Help".
struct EditorOptionsMenu {
    QList<QAction*> karaktermenu;   // font items 1 to 8 ("karakters"); 0 unused, 4 the separator
    QList<QAction*> editorbkkleur;  // backgrounds 0 to 2 ("achtergrondkleur")
    QAction* menuhelpedit = nullptr;
};

struct EditorControls {
    EditorToolbar toolbar;
    EditorFileMenu file;
    EditorEditMenu edit;
    EditorInsertMenu insert;
    EditorFindMenu find;
    EditorOptionsMenu options;
};

}  // namespace zeno
