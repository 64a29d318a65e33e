// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tx/messageacks.h"
#include "tx/messagelog.h"
#include "tx/messageretries.h"

#include <QObject>
#include <QString>

namespace zeno {

struct AppState;
class Platform;

// The APRS messages that reach the station: the log the received-messages window lists, the
// acknowledgements both ways, and the messages for this station the operator has not read.
class ReceivedMessages : public QObject {
    Q_OBJECT
public:
    // The station's callsign and the acknowledging switch are read at every message.
    ReceivedMessages(const AppState& state, const Platform& platform, QObject* parent = nullptr);

    MessageLog& log() { return log_; }

    // One message line as the poll tick hands it over (header and body).
    void LogAPRSMessages(const QString& header, const QString& data);
    // One of our numbered messages went out: its ack will mark it. With its address and
    // information field it is also sent again until acknowledged.
    void rememberOwnMessage(const QString& addressee, const QString& number,
                            const QString& callString = QString(),
                            const QString& information = QString());
    // Our messages due to go out again now (indexes into retries().messages()).
    QList<int> takeDueRetries();
    // The operator stops retrying one of our messages.
    void stopRetrying(int index);
    const MessageRetries& retries() const { return retries_; }
    // What an earlier run kept: the log's entries (oldest first) and our messages.
    void restore(const QStringList& entries, const QList<OwnMessage>& own);
    // A log entry of one of our messages that its addressee acknowledged.
    bool isAcknowledged(const QString& entry) const;
    // While the operator reads the log (its window open) nothing new is unread; starting to
    // read marks everything read.
    void setReading(bool reading);
    int unread() const { return unread_; }

signals:
    // A numbered message for us asks for this acknowledgement (an information field).
    void ackDue(const QString& information);
    // One of our messages was acknowledged: the log view shows the mark at once.
    void ownMessageAcknowledged();
    // A message line became a new entry of the log.
    void messageLogged(const QString& entry);
    // One of our messages was sent, sent again, acknowledged or stopped.
    void ownMessageChanged(int index);
    // Messages for this station logged while nobody was reading.
    void unreadChanged(int count);
    // A new message for this station ("Message from N2BBB: text").
    void messageForMe(const QString& notice);

private:
    const AppState& state_;
    const Platform& platform_;
    MessageLog log_;
    MessageAcks acks_;
    OwnMessages own_;
    MessageRetries retries_;
    int unread_ = 0;
    bool reading_ = false;
};

// The received-messages button's tooltip, with the count of unread messages when there are any.
QString receivedMessagesTip(int unread);

}  // namespace zeno
