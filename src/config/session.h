// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace zeno {

struct AppState;
class AgwLink;
class Dialogs;
class Platform;
class SettingsView;

// The main window as the start-up and the end see it. The main window implements it.
class SessionWindow {
public:
    virtual ~SessionWindow() = default;

    // The boxes and labels the settings are read into and written from.
    virtual SettingsView& settingsView() = 0;
    virtual void showCaption(const QString& caption) = 0;
    // Up behind the no-engine question, so the operator sees what asks.
    virtual void showWindow() = 0;
    virtual void replaceMonitorText(const QString& text) = 0;
    virtual void showNoEngine(const QString& engineAddress) = 0;
    virtual void startPollTimer() = 0;
    // What start-up sets once the poll timer runs (APRS controls, listener layout, beacon).
    virtual void applyStartupState() = 0;
    // The add-on files fill the Extra menu.
    virtual void ZENOAddOns() = 0;
    // Before the orderly end: what the operator typed in other windows is kept.
    virtual void keepTypedWork() = 0;
};

// The life of the program around the engine link: start-up while the main window loads,
// and the orderly shut-down that saves the settings before the link closes.
class Session : public QObject {
    Q_OBJECT
public:
    Session(AppState& state, AgwLink& link, SessionWindow& window, Dialogs& dialogs,
            Platform& platform);

    // Start-up ("load"): settings, first-run callsign, engine link, "P" frame, poll timer.
    // False when the program ends during start-up (no callsign, or no engine and No).
    bool Form_Load();

    bool hasEnded() const { return ended_; }

public slots:
    // Orderly shut-down ("end"): stores To and Via, writes the settings, closes the link.
    void Einde();
    // Last resort when the window goes without the orderly path: closes the link.
    void Form_Terminate();

signals:
    void programEnded();

private:
    bool askFirstRunCallsign();
    void endProgram();

    AppState& state_;
    AgwLink& link_;
    SessionWindow& window_;
    Dialogs& dialogs_;
    Platform& platform_;
    bool ended_ = false;
    bool ending_ = false;
};

}  // namespace zeno
