// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/form1controls.h"

#include <QList>

class QAction;
class QMainWindow;

namespace zeno {

// The items of each menu array by index (separators count; the Filters menu's items are
// MonitorFilter::Item).
enum class FileItem { Open = 0, OpenInNotePad = 1, Save = 2, SaveReport = 3, Print = 5, Exit = 7 };
enum class EditItem {
    Cut = 0,
    Copy = 1,
    Paste = 2,
    Delete = 3,
    SelectAll = 5,
    ClearAll = 6,
    EnableMonitorForEdit = 8
};
enum class SendItem {
    HeaderOnly = 0,
    UiData = 1,
    AprsPosition = 2,
    AprsMessage = 3,
    Connect = 5,
    Disconnect = 6,
    HeardList = 8,
    HeardListBulletin = 9
};
enum class OptionItem {
    ReceivedMessages = 0,
    ViewHeardStations = 2,
    ClearHeardList = 3,
    CopyHeardList = 4,
    Notebook = 6,
    Stations = 8,
    Passes = 9,
    Map = 10
};
enum class SetupItem {
    Setup = 0,
    AprsPosition = 1,
    EditTxDataHistory = 3,
    EditAprsDataHistory = 4,
    EditMessageHistory = 5,
    UpdateTles = 7
};
// "Edit BBS/Terminal Files"
enum class TerminalFileItem {
    Help = 0,
    Info = 1,
    Welcome = 2,
    Goodbye = 3,
    SendText1 = 5,
    SendText2 = 6,
    SendText3 = 7
};
enum class HelpItem { Topics = 0, Web = 2, Group = 3, MoreSoftware = 4, Homepage = 5, About = 7 };

// The action of a menu array at an item.
template <typename Item>
QAction* menuItem(const QList<QAction*>& items, Item item) {
    return items.at(static_cast<int>(item));
}

// Creates the main window's menu bar with every item, its shortcut and its start state (no
// actions connected).
void buildForm1Menus(QMainWindow* window, Form1Menus& m);

}  // namespace zeno
