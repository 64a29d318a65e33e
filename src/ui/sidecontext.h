#pragma once

namespace zeno {

struct AppState;
struct Form1Controls;
class AgwLink;
class Dialogs;
class Form1;
class Platform;

// What every part of the main window works with: its controls, the program-wide state and
// the services. The window owns the parts; they never outlive it.
struct SideContext {
    Form1& window;
    Form1Controls& controls;
    AppState& state;
    AgwLink& link;
    Dialogs& dialogs;
    Platform& platform;
};

}  // namespace zeno
