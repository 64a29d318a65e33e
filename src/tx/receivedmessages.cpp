// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/receivedmessages.h"

#include "config/appstate.h"
#include "platform/platform.h"

namespace zeno {

ReceivedMessages::ReceivedMessages(const AppState& state, const Platform& platform, QObject* parent)
    : QObject(parent),
      state_(state),
      platform_(platform),
      log_(state.settings, platform),
      retries_(platform) {}

void ReceivedMessages::LogAPRSMessages(const QString& header, const QString& data) {
    const bool logged = log_.LogAPRSMessages(header, data);
    if (logged)
        emit messageLogged(log_.entries().constLast());
    const QString ownCall = state_.settings.callsign;
    const QString sender = headerSender(header);
    const AprsMessageParts message = aprsMessageParts(data);
    const QString acked = acknowledgedNumber(message.text);
    if (!acked.isEmpty()) {
        if (message.addressee.compare(ownCall, Qt::CaseInsensitive) != 0)
            return;
        if (const int index = retries_.acknowledge(sender, acked); index >= 0)
            emit ownMessageChanged(index);
        if (own_.acknowledge(sender, acked))
            emit ownMessageAcknowledged();
        return;  // an ack is nothing to read
    }
    MessageAcks::Answer answer;
    if (state_.engine.acknowledgeMessages) {
        answer = acks_.take(sender, message, ownCall, platform_.now());
        if (!answer.ack.isEmpty())
            emit ackDue(answer.ack);
    }
    if (!logged || answer.repeat || sender.compare(ownCall, Qt::CaseInsensitive) == 0 ||
        !filterAdmits(int(MessageFilter::Mine), log_.entries().constLast(), ownCall))
        return;
    if (!reading_)
        emit unreadChanged(++unread_);
    emit messageForMe(QStringLiteral("Message from %1: %2").arg(sender, message.text));
}

void ReceivedMessages::rememberOwnMessage(const QString& addressee, const QString& number,
                                          const QString& callString, const QString& information) {
    own_.sent(addressee, number);
    if (information.isEmpty())
        return;
    retries_.sent(addressee, number, callString, information);
    emit ownMessageChanged(int(retries_.messages().size()) - 1);
}

QList<int> ReceivedMessages::takeDueRetries() {
    const QList<int> due = retries_.takeDue();
    for (const int index : due)
        emit ownMessageChanged(index);
    return due;
}

void ReceivedMessages::stopRetrying(int index) {
    if (retries_.stop(index))
        emit ownMessageChanged(index);
}

void ReceivedMessages::restore(const QStringList& entries, const QList<OwnMessage>& own) {
    for (const QString& entry : entries)
        log_.restoreEntry(entry);
    retries_.restore(own);
    for (const OwnMessage& m : own) {
        own_.sent(m.addressee, m.number);
        if (m.state == OwnMessage::State::Acknowledged)
            own_.acknowledge(m.addressee, m.number);
    }
}

bool ReceivedMessages::isAcknowledged(const QString& entry) const {
    return isAcknowledgedEntry(entry, state_.settings.callsign, own_);
}

void ReceivedMessages::setReading(bool reading) {
    reading_ = reading;
    if (reading && unread_ != 0) {
        unread_ = 0;
        emit unreadChanged(0);
    }
}

QString receivedMessagesTip(int unread) {
    const QString tip = QStringLiteral("View received APRS Messages");
    return unread == 0 ? tip : tip + QStringLiteral(" (%1 unread)").arg(unread);
}

}  // namespace zeno
