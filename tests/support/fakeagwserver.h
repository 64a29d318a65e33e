// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/engineframe.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace zeno::test {

// An AGWPE engine inside the test: a TCP server on 127.0.0.1 that answers like Dire Wolf 1.6
// and records every frame its clients send. It shares no code with the link, so the link's
// codec is checked against an independent one.
//
// Answers (unless silent): 'R' version 2005.127, 'G' the ports text ("1;Port1 Fake
// soundcard;" + NUL), 'X' \x01 (port and call echoed), 'y' and 'Y' a zero count, 'g' the
// 12 fixed bytes. 'm' and 'k' toggle, per client, whether it gets monitor texts and raw 'K'
// frames from sendHeard()/sendTransmitted(). Like the engine it closes a client that
// announces more than 2122 data bytes. Connected mode is not simulated: the test sends the
// engine's events itself (sendConnected, sendData, sendDisconnected).
class FakeAgwServer : public QObject {
    Q_OBJECT
public:
    // One frame a client sent.
    using Frame = EngineFrame;

    static constexpr int kMaxClientData = 2122;

    // Listens at once on a free port.
    explicit FakeAgwServer(QObject* parent = nullptr);
    ~FakeAgwServer() override;

    // 0 = any free port. Listening again on port() after stop() simulates an engine restart.
    bool listen(quint16 port = 0);
    // Closes the listener and every client (the engine went away).
    void stop();
    bool isListening() const;
    // The port last listened on; kept after stop().
    quint16 port() const { return port_; }

    // Closes every client connection; bytes already sent still reach the client first.
    void dropClients();
    int clientCount() const;
    bool waitForClients(int count, int timeoutMs = 5000);

    // Silent: accepts connections and records frames but never answers anything.
    void setSilent(bool silent) { silent_ = silent; }
    // The data of the 'G' answer (the engine's radio ports).
    void setPortsReply(const QByteArray& data) { portsReply_ = data; }

    // Frames received since construction or the last clearReceived(), in arrival order.
    QList<EngineFrame> received() const { return received_; }
    QList<EngineFrame> receivedOfKind(char kind) const;
    int countOfKind(char kind) const;
    // True as soon as at least `count` frames of that kind have been recorded (counting the
    // ones already there); false after the deadline.
    bool waitForCount(char kind, int count, int timeoutMs = 5000);
    bool waitForFrame(char kind, int timeoutMs = 5000) { return waitForCount(kind, 1, timeoutMs); }
    void clearReceived() { received_.clear(); }

    // To every client, whatever it asked for.
    void sendFrame(int port, char kind, const QString& from, const QString& to,
                   const QByteArray& data, int pid = 0);
    void sendRaw(const QByteArray& bytes);

    // A frame heard on the air, from TNC2 text ("N0CALL>CQ,RS0ISS*:Hello"): the raw 'K'
    // frame to clients with 'k' on, then the engine's own 'U' text in Dire Wolf 1.6 shape
    // (no "*" marks, " PF=0", info cut at a NUL) to clients with 'm' on.
    void sendHeard(const QString& tnc2, int port = 0);
    // A frame the engine transmits: its 'T' text to clients with 'm' on.
    void sendTransmitted(const QString& tnc2, int port = 0);

    // The engine's connected-mode events, with its exact texts.
    void sendConnected(const QString& remote, const QString& own, bool incoming = true);
    void sendData(const QString& remote, const QString& own, const QByteArray& data);
    void sendDisconnected(const QString& remote, const QString& own);

    // One frame as the engine puts it on the wire.
    static QByteArray encode(int port, char kind, const QString& from, const QString& to,
                             const QByteArray& data, int pid = 0) {
        return encodeEngineFrame(port, kind, from, to, data, pid);
    }
    // Dire Wolf 1.6's monitor text of a UI frame given as TNC2 text, at the current time.
    static QByteArray direwolfUiText(const QString& tnc2, int port = 0);

signals:
    void clientConnected();
    void clientDisconnected();
    void frameReceived(const zeno::test::EngineFrame& frame);

private:
    struct Client {
        QTcpSocket* socket = nullptr;
        QByteArray buffer;
        bool monitor = false;
        bool raw = false;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void onDisconnected(QTcpSocket* socket);
    void handle(Client& client, const EngineFrame& frame);
    // The engine's monitor text of a TNC2 frame to clients with 'm' on.
    void sendText(int port, char kind, const QString& tnc2);
    Client* clientOf(QTcpSocket* socket);

    QTcpServer* server_;
    QList<Client> clients_;
    QList<EngineFrame> received_;
    quint16 port_ = 0;
    bool silent_ = false;
    QByteArray portsReply_ = QByteArray("1;Port1 Fake soundcard;") + '\0';
};

}  // namespace zeno::test
