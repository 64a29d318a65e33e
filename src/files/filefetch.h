// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace zeno {

// A file fetched from an address (http or https), in the background: the window stays
// usable meanwhile. It ends in exactly one of fetched() or failed(), the latter with a text
// for the operator; a server that does not finish within the time limit, or a file larger
// than the size limit, fails.
class FileFetch : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 30000;
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

    explicit FileFetch(QObject* parent = nullptr);
    ~FileFetch() override;

    // Starts fetching; false when a fetch is already under way or the address is not an
    // http(s) address (failed() then tells why).
    bool start(const QString& address, int timeoutMs = kTimeoutMs);
    bool isRunning() const;

signals:
    void fetched(const QByteArray& bytes);
    void failed(const QString& why);

private:
    void finish();
    void stop(const QString& why);

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QString stopReason_;  // set when we abort the reply ourselves
};

}  // namespace zeno
