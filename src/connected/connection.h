#pragma once

#include "connected/remotecommands.h"
#include "connected/steps.h"
#include "connected/transfer.h"

#include <QString>

namespace zeno {

struct AppState;
class ConnectedView;
class Dialogs;
class FrameSink;
class Platform;

// ZENO's one connected-mode (AX.25) conversation: the operator's connect and disconnect, the
// engine's connect, data and disconnect events and the terminal's actions; what the station
// sends goes on to the remote commands. The flags live in AppState (connection, LinkAddress,
// ReplyText). Frames go to the link, everything shown goes to the view; pauses go through the
// step queue, so what comes after a pause runs when it is over.
class Connection {
public:
    Connection(AppState& state, FrameSink& link, ConnectedView& view, Dialogs& dialogs,
               Platform& platform);

    StepQueue& steps() { return steps_; }
    // Steps wait for a pause to end.
    bool isPausing() const { return steps_.busy(); }
    Senders& senders() { return senders_; }
    RemoteCommands& commands() { return commands_; }

    // The operator's connect request to the To and Via boxes' station; false when no
    // station was given (nothing sent).
    bool ConnectStation(const QString& toBox, const QString& viaBox);
    void DisConnecting();

    // Engine events. False: the poll tick ends here, without the alarm test.
    bool connectEvent(const QString& callFrom);
    void dataEvent(const QString& pendingText, const QString& lineText);
    void disconnectEvent(const QString& callFrom);

    // Examines a received text for a remote command and answers it.
    void PackCommand(const QString& CommandText) { commands_.PackCommand(CommandText); }

    // The terminal window was loaded.
    void terminalLoaded();
    // The terminal became active (not minimised): greets a station that connected, once per
    // connection.
    void greet();
    // Enter in the typing line: one frame holding its printable characters and a CR.
    void typeLine(const QString& typed);
    // A file of the application path ("\sendtxt1.txt"), or ReplyText as it stands.
    void sendAppFile(const QString& name);
    void sendReplyText();
    // The terminal's Disconnect button.
    void disconnectFromTerminal();
    // The terminal closes; asks first unless the link is known to be down.
    void terminalClosing(bool ask);

private:
    QString appFilePath(const QString& name) const;
    void sendDisconnect(const QString& callField);
    void clearLinkFlags();

    AppState& state_;
    FrameSink& link_;
    ConnectedView& view_;
    Dialogs& dialogs_;
    Platform& platform_;
    StepQueue steps_;
    Senders senders_;
    RemoteCommands commands_;
};

}  // namespace zeno
