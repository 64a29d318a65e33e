// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/agwtransport.h"

#include <QTcpSocket>

namespace zeno {

namespace {
// Qt reads no more than this from the socket per readyRead. Without a cap one readyRead
// during a flood brings megabytes, and decoding them holds the event loop for a second or
// more: a SIGTERM, the poll tick and the orderly end all wait behind it.
constexpr qint64 kReadChunk = 64 * 1024;
}  // namespace

AgwTransport::AgwTransport(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
    socket_->setReadBufferSize(kReadChunk);
    reconnectTimer_.setInterval(5000);
    connect(&reconnectTimer_, &QTimer::timeout, this, &AgwTransport::retry);
    connect(socket_, &QTcpSocket::connected, this, &AgwTransport::onConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &AgwTransport::onReadyRead);
    connect(socket_, &QTcpSocket::disconnected, this, &AgwTransport::markLost);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
        if (socket_->state() == QAbstractSocket::UnconnectedState)
            markLost();
    });
}

AgwTransport::~AgwTransport() {
    socket_->disconnect(this);
    socket_->abort();
}

void AgwTransport::setTimings(int connectTimeoutMs, int reconnectIntervalMs) {
    connectTimeoutMs_ = connectTimeoutMs;
    reconnectTimer_.setInterval(reconnectIntervalMs);
}

bool AgwTransport::connectNow() {
    if (up_)
        return true;
    if (socket_->state() != QAbstractSocket::UnconnectedState)
        socket_->abort();
    socket_->connectToHost(address_.host, address_.port);
    if (socket_->waitForConnected(connectTimeoutMs_)) {
        onConnected();  // no-op when the connected signal already did it
        return true;
    }
    socket_->abort();
    return false;
}

void AgwTransport::setReconnect(bool armed) {
    reconnectArmed_ = armed;
    if (!armed) {
        reconnectTimer_.stop();
    } else if (!up_ && !reconnectTimer_.isActive()) {
        reconnectTimer_.start();
    }
}

void AgwTransport::disconnectNow() {
    setReconnect(false);
    if (up_)
        socket_->flush();
    socket_->abort();
    markLost();
}

void AgwTransport::dropConnection() {
    socket_->abort();
    markLost();
}

void AgwTransport::write(const WireFrame& frame) {
    if (!up_)
        return;
    socket_->write(encodeWireFrame(frame));
}

void AgwTransport::onConnected() {
    if (up_ || socket_->state() != QAbstractSocket::ConnectedState)
        return;
    up_ = true;
    ++connectionSerial_;
    reconnectTimer_.stop();
    decoder_.reset();
    lastError_.clear();
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    emit connectionUp();
}

void AgwTransport::onReadyRead() {
    const quint64 serial = connectionSerial_;
    std::vector<WireFrame> frames;
    while (up_ && serial == connectionSerial_ && socket_->bytesAvailable() > 0) {
        const QByteArray chunk = socket_->read(kReadChunk);
        frames.clear();
        const WireDecoder::Status status = decoder_.feed(chunk, frames);
        for (const WireFrame& frame : frames) {
            // A receiver may have closed the link meanwhile: the rest belongs to nobody.
            if (serial != connectionSerial_)
                return;
            emit frameReceived(frame);
        }
        if (status == WireDecoder::Status::Corrupt && serial == connectionSerial_) {
            lastError_ = decoder_.error();
            socket_->abort();
            markLost();
            return;
        }
    }
}

void AgwTransport::markLost() {
    if (!up_)
        return;
    up_ = false;
    ++connectionSerial_;
    decoder_.reset();
    if (reconnectArmed_)
        reconnectTimer_.start();
    emit connectionLost();
}

void AgwTransport::retry() {
    if (up_) {
        reconnectTimer_.stop();
        return;
    }
    // An attempt still pending from the previous tick has had its chance.
    if (socket_->state() != QAbstractSocket::UnconnectedState)
        socket_->abort();
    socket_->connectToHost(address_.host, address_.port);
}

}  // namespace zeno
