// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwwire.h"
#include "link/engineaddress.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace zeno {

// The one TCP connection to the engine: writes frames, decodes what arrives and, when
// armed, re-opens a lost connection in the background. It knows nothing of frame meanings.
class AgwTransport : public QObject {
    Q_OBJECT
public:
    explicit AgwTransport(QObject* parent = nullptr);
    ~AgwTransport() override;

    void setAddress(const EngineAddress& address) { address_ = address; }
    void setTimings(int connectTimeoutMs, int reconnectIntervalMs);

    // Opens the connection, waiting at most the connect timeout (this runs at start-up and
    // after a callsign change, where a short block is acceptable). True once it is up.
    bool connectNow();
    // While armed, a lost connection is retried every reconnect interval, never at once:
    // an engine that drops us on sight must not make us spin.
    void setReconnect(bool armed);
    // Closes the connection for good (until the next connectNow).
    void disconnectNow();
    // Closes the connection as if it had been lost: re-opened like one while armed.
    void dropConnection();

    bool isUp() const { return up_; }
    // Dropped while the connection is down: the engine would not have heard it either.
    void write(const WireFrame& frame);
    // Why the last connection was closed by us (a broken stream), for diagnostics.
    QString lastError() const { return lastError_; }

signals:
    void connectionUp();
    void connectionLost();
    void frameReceived(const zeno::WireFrame& frame);

private:
    void onConnected();
    void onReadyRead();
    void markLost();
    void retry();

    EngineAddress address_;
    QTcpSocket* socket_;
    QTimer reconnectTimer_;
    WireDecoder decoder_;
    int connectTimeoutMs_ = 3000;
    bool up_ = false;
    bool reconnectArmed_ = false;
    quint64 connectionSerial_ = 0;  // changes whenever the connection comes up or goes down
    QString lastError_;
};

}  // namespace zeno
