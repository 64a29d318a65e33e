// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/httpfileserver.h"

#include <QTcpSocket>

namespace zeno::test {

HttpFileServer::HttpFileServer(const QByteArray& body) : body_(body) {
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        QTcpSocket* socket = nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->readAll().contains("\r\n\r\n"))
                return;
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body_.size()) +
                          "\r\nConnection: close\r\n\r\n" + body_);
            socket->disconnectFromHost();
        });
    });
}

QString HttpFileServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1/tle.txt").arg(serverPort());
}

}  // namespace zeno::test
