// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTcpServer>

namespace zeno::test {

// A web server on a free local port that answers every GET with one file.
class HttpFileServer : public QTcpServer {
public:
    explicit HttpFileServer(const QByteArray& body);

    QString address() const;  // "http://127.0.0.1:<port>/tle.txt"

private:
    QByteArray body_;
};

}  // namespace zeno::test
