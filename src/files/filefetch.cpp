// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filefetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace zeno {

FileFetch::FileFetch(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("no answer within %1 s").arg(deadline_.interval() / 1000.0));
    });
}

FileFetch::~FileFetch() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

bool FileFetch::isRunning() const { return !reply_.isNull(); }

bool FileFetch::start(const QString& address, int timeoutMs) {
    if (isRunning())
        return false;
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        emit failed(
            QStringLiteral("\"%1\" is not a web address (http:// or https://)").arg(address));
        return false;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("ZENO"));
    stopReason_.clear();
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (received > kMaxBytes || total > kMaxBytes)
            stop(QStringLiteral("the file is larger than %1 MiB").arg(kMaxBytes / (1024 * 1024)));
    });
    connect(reply_, &QNetworkReply::finished, this, &FileFetch::finish);
    deadline_.start(timeoutMs);
    return true;
}

void FileFetch::stop(const QString& why) {
    if (!reply_)
        return;
    stopReason_ = why;
    reply_->abort();  // finished() follows, and reports why
}

void FileFetch::finish() {
    deadline_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!stopReason_.isEmpty())
        emit failed(stopReason_);
    else if (reply->error() != QNetworkReply::NoError)
        emit failed(reply->errorString());
    else if (status != 200)
        emit failed(
            QStringLiteral("the server answered %1 %2")
                .arg(status)
                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    else
        emit fetched(reply->readAll());
}

}  // namespace zeno
