// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/messageretries.h"

#include "platform/platform.h"
#include "tx/messageacks.h"

namespace zeno {

namespace {

const QString kClock = QStringLiteral("HH:mm:ss");

}  // namespace

QString ownMessageState(const OwnMessage& m) {
    const QString sent = QStringLiteral("sent %1 times, ").arg(m.sentCount);
    switch (m.state) {
        case OwnMessage::State::Acknowledged:
            return sent + QStringLiteral("acknowledged at ") + m.acknowledgedAt.toString(kClock);
        case OwnMessage::State::Retrying:
            return sent + QStringLiteral("not acknowledged yet");
        case OwnMessage::State::NotAcknowledged:
            return sent + QStringLiteral("not acknowledged");
        case OwnMessage::State::Stopped:
            break;
    }
    return sent + QStringLiteral("not acknowledged, retrying stopped");
}

QString ownMessageLine(const OwnMessage& m) {
    return m.lastSent.toString(kClock) + QStringLiteral(" | To: ") + m.addressee +
           QStringLiteral(" | ") + aprsMessageParts(m.information).text + QLatin1Char('{') +
           m.number + QStringLiteral(" | ") + ownMessageState(m);
}

MessageRetries::MessageRetries(const Platform& platform) : platform_(platform) {}

void MessageRetries::sent(const QString& addressee, const QString& number,
                          const QString& callString, const QString& information) {
    OwnMessage m;
    m.addressee = addressee.trimmed().toUpper();
    m.number = number;
    m.callString = callString;
    m.information = information;
    m.lastSent = platform_.now();
    messages_.append(m);
    if (messages_.size() > kRemembered)
        messages_.removeFirst();
}

QList<int> MessageRetries::takeDue() {
    QList<int> due;
    const QDateTime now = platform_.now();
    for (int i = 0; i < messages_.size(); ++i) {
        OwnMessage& m = messages_[i];
        if (m.state != OwnMessage::State::Retrying ||
            m.lastSent.secsTo(now) < kRetrySeconds[size_t(m.sentCount - 1)])
            continue;
        ++m.sentCount;
        m.lastSent = now;
        if (m.sentCount > int(kRetrySeconds.size()))
            m.state = OwnMessage::State::NotAcknowledged;
        due << i;
    }
    return due;
}

int MessageRetries::acknowledge(const QString& from, const QString& number) {
    const QString station = from.trimmed().toUpper();
    // The newest first: a number used again long after belongs to the later message.
    for (int i = int(messages_.size()) - 1; i >= 0; --i) {
        OwnMessage& m = messages_[i];
        if (m.addressee != station || m.number != number)
            continue;
        if (m.state == OwnMessage::State::Acknowledged)
            return -1;  // a second ack of the same message tells nothing new
        m.state = OwnMessage::State::Acknowledged;
        m.acknowledgedAt = platform_.now();
        return i;
    }
    return -1;
}

bool MessageRetries::stop(int index) {
    if (index < 0 || index >= messages_.size() ||
        messages_[index].state != OwnMessage::State::Retrying)
        return false;
    messages_[index].state = OwnMessage::State::Stopped;
    return true;
}

void MessageRetries::restore(const QList<OwnMessage>& messages) {
    QList<OwnMessage> kept = messages;
    for (OwnMessage& m : kept) {
        if (m.state == OwnMessage::State::Retrying)
            m.state = OwnMessage::State::NotAcknowledged;
    }
    messages_ = kept + messages_;
    while (messages_.size() > kRemembered)
        messages_.removeFirst();
}

}  // namespace zeno
