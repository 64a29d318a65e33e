// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connected/remotecommands.h"
#include "connected/steps.h"
#include "connected/transfer.h"

#include <QString>
#include <QStringList>
#include <optional>

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
// step queue, so what comes after a pause runs when it is over. A second caller's question
// does not hold anything up: frames go on being taken while it is open, and the answer is
// acted on when it comes.
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
    // callFrom: the station the data came from.
    void dataEvent(const QString& pendingText, const QString& lineText,
                   const QString& callFrom = QString());
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
    // The station of a connect event while the operator is asked about it.
    struct SecondCaller {
        QString callFrom;  // as received: ZENO's disconnect goes there
        QString call;
        bool gone = false;  // it left before the answer came
    };

    QString appFilePath(const QString& name) const;
    void sendDisconnect(const QString& callField);
    void clearLinkFlags();
    void refuse(const QString& callFrom, const QString& caller);
    void startConversation(const QString& caller);
    void askAbout(const QString& callFrom, const QString& caller);
    void answered(bool takeNew);
    // IgnoreNextDisconnect, for these callsigns' next disconnect events only.
    void ignoreDisconnectOf(const QString& call);
    bool swallowDisconnectOf(const QString& call);

    AppState& state_;
    FrameSink& link_;
    ConnectedView& view_;
    Dialogs& dialogs_;
    Platform& platform_;
    StepQueue steps_;
    Senders senders_;
    RemoteCommands commands_;
    std::optional<SecondCaller> asking_;
    QStringList ignored_;
};

}  // namespace zeno
