// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwframe.h"
#include "link/engineaddress.h"
#include "link/engineinfo.h"
#include "link/frameintake.h"
#include "link/linkstatus.h"
#include "link/receivequeue.h"
#include "link/sendrules.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

namespace zeno {

class Platform;
class AgwTransport;

// The program's identification towards the engine. The AGWPE TCP API has no field for it,
// so it is only named here and never sent.
inline constexpr char ClientId[] = "ZENO3-CLIENT";
static_assert(sizeof(ClientId) == 12 + 1, "ClientId is 12 ASCII characters");

// How long the link waits; tests shorten these.
struct LinkTimings {
    int connectTimeoutMs = 3000;     // start() waits this long for the TCP connection
    int reconnectIntervalMs = 5000;  // between attempts to re-open a lost connection
    int replyTimeoutMs = 2000;       // for the 'R' and 'G' replies behind the start-up text
    int answerTimeoutMs = 5000;      // for the 'R' reply before the connection is given up
};

// The only component that talks to the engine. Four operations, nothing else:
// start, send, fetch, close.
class AgwLink : public QObject {
    Q_OBJECT
public:
    AgwLink(LinkValues& values, const Platform& platform, EngineAddress address,
            QObject* parent = nullptr);
    ~AgwLink() override;

    // Connects (at most 3 s) and registers the callsign; true once the connection is up.
    // Either way the link keeps trying in the background until close().
    bool start(const QString& callsign);
    // kind is one letter ("V", "c", "v", "D", "d", "P"); fire and forget.
    void send(QChar kind, const QString& callField, const QString& data);
    // At most one frame; nothing when none is waiting. Sets LinkValues::ReceivedKind.
    std::optional<AgwFrame> fetch();
    void close();

    bool isUp() const;
    EngineAddress address() const;
    // Where the next start() connects; close() the link first to move it to another engine.
    void setAddress(const EngineAddress& address);
    // The engine's radio port names by port number from its 'G' reply on this connection
    // (empty where it has no such port); an empty list while they are not known.
    QStringList radioPortNames() const;
    // Frames dropped because the receive queue was full.
    qint64 droppedFrames() const;
    // Frames waiting for fetch.
    qsizetype pendingFrames() const { return intake_.queue().size(); }

    void setTimings(const LinkTimings& timings);

signals:
    // The TCP connection to the engine came up or went down.
    void linkStateChanged(bool up);
    // What the main window shows: Answering once the engine has answered on a new connection
    // (an engine that takes the connection and keeps silent never counts as connected), or
    // why the connection went down.
    void statusChanged(zeno::LinkStatus status);
    // Every send() as the program made it, before the link decides what reaches the engine,
    // and also while there is no engine.
    void sendRequested(QChar kind, const QString& callField, const QString& data);
    // close() was called; the connection is still open while this is handled.
    void closing();

private:
    void onConnectionUp();
    void onConnectionLost();
    void onFrame(const WireFrame& frame);
    void onNoAnswer();
    void registerCall(const QString& call);
    void beginStartupText();
    void finishStartupText();

    LinkValues& values_;
    const Platform& platform_;
    EngineAddress address_;
    std::unique_ptr<AgwTransport> transport_;

    QString ownCall_;
    QStringList extraCalls_;   // registered by a "P" frame besides ownCall_
    ConnectedStations links_;  // connected-mode links up on this connection
    EngineInfo engineInfo_;    // replies on this connection
    FrameIntake intake_;
    bool startupPending_ = false;
    bool startupTextOwed_ = false;  // start() found no engine: the text comes when it does
    QTimer startupTimer_;
    QTimer answerTimer_;       // from the connection to the engine's 'R' reply
    bool answered_ = false;    // the engine has replied on this connection
    bool leftSilent_ = false;  // the connection is being closed because the engine kept silent
};

}  // namespace zeno
