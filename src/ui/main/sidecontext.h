// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zeno {

struct AppState;
class AgwLink;
class Dialogs;
class Platform;

// What every part of the main window works with besides its own panels: the program-wide state,
// the services, and the main window as the parent of the boxes and windows it opens. The window
// owns the parts; they never outlive it.
struct SideContext {
    QWidget* window;
    AppState& state;
    AgwLink& link;
    Dialogs& dialogs;
    Platform& platform;
};

}  // namespace zeno
