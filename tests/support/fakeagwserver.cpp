// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeagwserver.h"

#include "support/ax25.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTime>
#include <QtEndian>

namespace zeno::test {

namespace {

QByteArray le32(quint32 value) {
    value = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char*>(&value), 4);
}

}  // namespace

FakeAgwServer::FakeAgwServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &FakeAgwServer::onNewConnection);
    listen();
}

FakeAgwServer::~FakeAgwServer() {
    for (Client& client : clients_)
        client.socket->disconnect(this);
}

bool FakeAgwServer::listen(quint16 port) {
    if (!server_->listen(QHostAddress::LocalHost, port))
        return false;
    port_ = server_->serverPort();
    return true;
}

void FakeAgwServer::stop() {
    server_->close();
    dropClients();
}

void FakeAgwServer::dropClients() {
    // Like an engine closing its sockets: what was sent still arrives, then the end of the
    // stream. The client leaves the list when the socket reports it is disconnected.
    const QList<Client> clients = clients_;
    for (const Client& client : clients)
        client.socket->disconnectFromHost();
}

bool FakeAgwServer::isListening() const { return server_->isListening(); }

int FakeAgwServer::clientCount() const { return int(clients_.size()); }

bool FakeAgwServer::waitForClients(int count, int timeoutMs) {
    return QTest::qWaitFor([&] { return clientCount() >= count; }, timeoutMs);
}

QList<EngineFrame> FakeAgwServer::receivedOfKind(char kind) const {
    QList<EngineFrame> frames = received_;
    frames.removeIf([kind](const EngineFrame& frame) { return frame.kind != kind; });
    return frames;
}

int FakeAgwServer::countOfKind(char kind) const { return int(receivedOfKind(kind).size()); }

bool FakeAgwServer::waitForCount(char kind, int count, int timeoutMs) {
    return QTest::qWaitFor([&] { return countOfKind(kind) >= count; }, timeoutMs);
}

void FakeAgwServer::sendFrame(int port, char kind, const QString& from, const QString& to,
                              const QByteArray& data, int pid) {
    sendRaw(encode(port, kind, from, to, data, pid));
}

void FakeAgwServer::sendRaw(const QByteArray& bytes) {
    for (Client& client : clients_)
        client.socket->write(bytes);
}

QByteArray FakeAgwServer::direwolfUiText(const QString& tnc2, int port) {
    const Tnc2Frame frame = parseTnc2(tnc2);
    QStringList via = frame.digis;
    via.replaceInStrings(QStringLiteral("*"), QString());  // the engine never shows them
    QByteArray text = " " + QByteArray::number(port + 1) + ":Fm " + frame.source.toLatin1() +
                      " To " + frame.destination.toLatin1();
    if (!via.isEmpty())
        text += " Via " + via.join(QLatin1Char(',')).toLatin1();
    text += " <UI pid=F0 Len=" + QByteArray::number(frame.info.size()) + " PF=0 >[" +
            QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toLatin1() + "]\r";
    if (!frame.info.isEmpty()) {
        const qsizetype nul = frame.info.indexOf('\0');
        text += (nul < 0 ? frame.info : frame.info.left(nul)) + "\r";
    }
    return text + '\0';
}

void FakeAgwServer::sendHeard(const QString& tnc2, int port) {
    const Tnc2Frame parsed = parseTnc2(tnc2);
    const QByteArray raw = encode(port, 'K', parsed.source, parsed.destination,
                                  QByteArray(1, '\0') + ax25FromTnc2(tnc2));
    for (Client& client : clients_) {
        if (client.raw)
            client.socket->write(raw);
    }
    sendText(port, 'U', tnc2);
}

void FakeAgwServer::sendTransmitted(const QString& tnc2, int port) { sendText(port, 'T', tnc2); }

void FakeAgwServer::sendText(int port, char kind, const QString& tnc2) {
    const Tnc2Frame parsed = parseTnc2(tnc2);
    const QByteArray text =
        encode(port, kind, parsed.source, parsed.destination, direwolfUiText(tnc2, port));
    for (Client& client : clients_) {
        if (client.monitor)
            client.socket->write(text);
    }
}

void FakeAgwServer::sendConnected(const QString& remote, const QString& own, bool incoming) {
    const QByteArray text =
        (incoming ? "*** CONNECTED To Station " : "*** CONNECTED With Station ") +
        remote.toLatin1() + "\r" + '\0';
    sendFrame(0, 'C', remote, own, text);
}

void FakeAgwServer::sendData(const QString& remote, const QString& own, const QByteArray& data) {
    sendFrame(0, 'D', remote, own, data, 0xF0);
}

void FakeAgwServer::sendDisconnected(const QString& remote, const QString& own) {
    sendFrame(0, 'd', remote, own,
              "*** DISCONNECTED From Station " + remote.toLatin1() + "\r" + '\0');
}

void FakeAgwServer::onNewConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        // Like the engine: monitoring and raw frames start off for every new client.
        clients_ << Client{socket, {}, false, false};
        emit clientConnected();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this,
                [this, socket] { onDisconnected(socket); });
        // Bytes may have arrived before we were told of the connection.
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

FakeAgwServer::Client* FakeAgwServer::clientOf(QTcpSocket* socket) {
    for (Client& client : clients_) {
        if (client.socket == socket)
            return &client;
    }
    return nullptr;
}

void FakeAgwServer::onReadyRead(QTcpSocket* socket) {
    Client* client = clientOf(socket);
    if (!client)
        return;
    client->buffer += socket->readAll();
    while (client->buffer.size() >= kEngineHeaderSize) {
        if (announcedLength(client->buffer) > quint32(kMaxClientData)) {
            socket->abort();  // the engine gives up on such a client
            return;
        }
        const auto frame = takeEngineFrame(client->buffer);
        if (!frame)
            return;
        received_ << *frame;
        handle(*client, *frame);
        emit frameReceived(*frame);
        client = clientOf(socket);  // a receiver of the signal may have dropped it
        if (!client)
            return;
    }
}

void FakeAgwServer::onDisconnected(QTcpSocket* socket) {
    if (clients_.removeIf([socket](const Client& c) { return c.socket == socket; }) == 0)
        return;
    socket->deleteLater();
    emit clientDisconnected();
}

void FakeAgwServer::handle(Client& client, const EngineFrame& frame) {
    if (frame.kind == 'm' || frame.kind == 'k') {
        (frame.kind == 'm' ? client.monitor : client.raw) ^= true;
        return;
    }
    if (silent_)
        return;
    const auto reply = [&](int port, const QString& from, const QString& to,
                           const QByteArray& data) {
        client.socket->write(encode(port, frame.kind, from, to, data));
    };
    switch (frame.kind) {
        case 'R':
            return reply(0, {}, {}, le32(2005) + le32(127));
        case 'G':
            return reply(0, {}, {}, portsReply_);
        case 'X':
            return reply(frame.port, frame.callFrom, {}, QByteArray(1, '\x01'));
        case 'y':
            return reply(frame.port, {}, {}, le32(0));
        case 'Y':
            return reply(frame.port, frame.callFrom, frame.callTo, le32(0));
        case 'g':
            return reply(frame.port, {}, {}, QByteArray::fromHex("000119 04c8 0407 00 01000000"));
        default:
            return;  // no reply, like the engine
    }
}

}  // namespace zeno::test
