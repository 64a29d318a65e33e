// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>

namespace zeno {

struct AppState;
class ConnectedView;
class Platform;
class Senders;
class StepQueue;

// The "//" commands a connected station may give ("//H", "//R name" ...), open, closed or
// behind the BBS password as the settings say. The lock itself is BbsUnlocked in AppState's
// connection state. A station that guesses the password wrong three times in one connection
// is sent off, and its callsign's commands stay refused for ten minutes. Replies leave through
// the senders; the pauses of quitting and paging go through the step queue, so what follows
// them runs when they are over.
class RemoteCommands {
public:
    // hangUp: ZENO's disconnect request for the current connection.
    RemoteCommands(AppState& state, Senders& senders, StepQueue& steps, ConnectedView& view,
                   Platform& platform, std::function<void()> hangUp);

    // Examines a received text for a command and answers it; anything not starting with "//"
    // is conversation and gets no answer.
    void PackCommand(const QString& CommandText);
    // The password has to be given again.
    void lock();
    // A connection begins or ends: locked, and its wrong guesses are forgotten. Another
    // station's link coming or going only locks, so it cannot start a guesser's count anew.
    void newConnection();
    // A station that has just been greeted hears that the commands are closed.
    void tellIfDisabled();

private:
    // Locked: only the password may be given, and the answer is all that happens.
    void askPassword(const QString& upper);
    bool refused() const;
    void sendGuesserOff();
    void quit();
    void page();
    QString appFilePath(const QString& name) const;

    AppState& state_;
    Senders& senders_;
    StepQueue& steps_;
    ConnectedView& view_;
    Platform& platform_;
    std::function<void()> hangUp_;
    int wrongGuesses_ = 0;
    QHash<QString, QDateTime> refusedUntil_;  // callsign: when its commands open again
};

}  // namespace zeno
