#pragma once

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
// connection state. Replies leave through the senders; the pauses of quitting and paging go
// through the step queue, so what follows them runs when they are over.
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
    // A station that has just been greeted hears that the commands are closed.
    void tellIfDisabled();

private:
    // Locked: only the password may be given, and the answer is all that happens.
    void askPassword(const QString& upper);
    void quit();
    void page();
    QString appFilePath(const QString& name) const;

    AppState& state_;
    Senders& senders_;
    StepQueue& steps_;
    ConnectedView& view_;
    Platform& platform_;
    std::function<void()> hangUp_;
};

}  // namespace zeno
