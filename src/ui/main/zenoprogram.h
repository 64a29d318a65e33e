// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/appstate.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace zeno {

class AgwLink;
class Dialogs;
class Form1;
class Platform;
class ScreenFit;
class Session;

// The whole program on one application path, with the dialogs and platform services it is
// given: the desktop build passes the real ones, tests pass scripted dialogs and a fake
// platform.
class ZenoProgram : public QObject {
    Q_OBJECT
public:
    ZenoProgram(const QString& appPath, Dialogs& dialogs, Platform& platform,
                QObject* parent = nullptr);
    ~ZenoProgram() override;

    // Installs missing default files, then runs the main window's start-up and shows it.
    // False when the program ended during start-up.
    bool start();
    // The orderly end (settings saved, link closed) unless it already ran.
    void shutdown();
    // The end asked for from outside (a signal, the desktop session): an open box closes as
    // cancelled and the orderly end follows once the code that opened it has gone on.
    void requestEnd();
    bool hasEnded() const;

    AppState& state() { return state_; }
    Form1& form1() { return *form1_; }
    AgwLink& link() { return *link_; }

signals:
    void ended();

private:
    std::unique_ptr<ScreenFit> screenFit_;
    AppState state_;
    Dialogs& dialogs_;
    Platform& platform_;
    std::unique_ptr<AgwLink> link_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Session> session_;
    bool starting_ = false;
    bool endRequested_ = false;
};

}  // namespace zeno
