// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace zeno {

// A message line's parts: ":N2BBB    :see you{42" gives the addressee "N2BBB", the text
// "see you" and the message number "42" (empty when it carries none).
struct AprsMessageParts {
    QString addressee;
    QString text;
    QString number;
};
// data as the poll tick holds it (line ends and the engine's NUL) or as it went out.
AprsMessageParts aprsMessageParts(const QString& data);

// The number an acknowledgement confirms ("ack42" -> "42"); empty for any other text.
QString acknowledgedNumber(const QString& text);
// ":N2BBB    :ack42": the answer to message number 42 from N2BBB.
QString ackInformation(const QString& sender, const QString& number);

// Message numbers run from 1 to 99999 and then start again at 1.
inline constexpr int kMaxMessageNumber = 99999;
int nextMessageNumber(int last);
// Bulletins and announcements go to everyone: nobody acknowledges them, so they get no number.
bool takesMessageNumber(const QString& addressee);
// The message text with its number ("hello" and 7 -> "hello{7").
QString numberedText(const QString& text, int number);

class MessageNumberStore;
// A message as it goes out: numbered only while the station acknowledges in turn and the
// addressee takes numbers; number is 0 for a plain message.
struct OutgoingMessage {
    QString information;
    int number = 0;
};
OutgoingMessage outgoingMessage(const QString& addressee, const QString& text, bool acknowledging,
                                MessageNumberStore& numbers);

// The number of the station's last numbered message, kept in its own small file of the
// application path across runs. A file that cannot be read starts the count again; one that
// cannot be written only loses the count of this run.
class MessageNumberStore {
public:
    explicit MessageNumberStore(const QString& appPath);
    int next();

private:
    QString path_;
};

// Acknowledging the numbered messages that reach this station. Every copy that arrives is
// answered, since the sender repeats until an ack gets through, but a copy heard again
// within a few seconds is the same transmission (direct and through a digipeater) and one
// ack covers both. Within 30 minutes the same number from the same station is a repeat, not
// a new message.
class MessageAcks {
public:
    static constexpr int kSameTransmissionSeconds = 10;
    static constexpr int kRepeatMinutes = 30;

    struct Answer {
        QString ack;          // the information field to send, empty when none is due
        bool repeat = false;  // this station sent this number before, within 30 minutes
    };
    // A message line from sender; only numbered messages to ownCall (exactly, SSID included)
    // are answered, never our own and never acks.
    Answer take(const QString& sender, const AprsMessageParts& message, const QString& ownCall,
                const QDateTime& now);

private:
    struct Heard {
        QDateTime first;
        QDateTime lastAck;
    };
    QHash<QString, Heard> heard_;
};

// The station's own numbered messages and which of them were acknowledged.
class OwnMessages {
public:
    static constexpr int kRemembered = 500;

    void sent(const QString& addressee, const QString& number);
    // An ack from station `from` for `number`: true when it confirms one of ours.
    bool acknowledge(const QString& from, const QString& number);
    bool isAcknowledged(const QString& addressee, const QString& number) const;

private:
    struct Sent {
        QString key;
        bool acknowledged = false;
    };
    QList<Sent> sent_;
};

// A log entry of one of the station's own messages that its addressee acknowledged.
bool isAcknowledgedEntry(const QString& entry, const QString& ownCall, const OwnMessages& own);

}  // namespace zeno
