#pragma once

#include <QObject>

namespace zeno {

struct AppState;
class AgwLink;
class Dialogs;
class Form1;
class Platform;

// The life of the program around the engine link: start-up while the main window loads,
// and the orderly shut-down that saves the settings before the link closes.
class Session : public QObject {
    Q_OBJECT
public:
    Session(AppState& state, AgwLink& link, Form1& form1, Dialogs& dialogs, Platform& platform);

    // Start-up ("load"): settings, first-run callsign, engine link, "P" frame, poll timer.
    // False when the program ends during start-up (no callsign, or no engine and No).
    bool Form_Load();
    // Orderly shut-down ("end"): stores To and Via, writes the settings, closes the link.
    void Einde();
    // Last resort when the window goes without the orderly path: closes the link.
    void Form_Terminate();

    bool hasEnded() const { return ended_; }

signals:
    void programEnded();

private:
    bool askFirstRunCallsign();
    void endProgram();

    AppState& state_;
    AgwLink& link_;
    Form1& form1_;
    Dialogs& dialogs_;
    Platform& platform_;
    bool ended_ = false;
    bool ending_ = false;
};

}  // namespace zeno
