// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

namespace zeno {

class Platform;

// One of the station's own numbered messages, from its first send on.
struct OwnMessage {
    enum class State { Retrying = 0, Acknowledged = 1, NotAcknowledged = 2, Stopped = 3 };

    QString addressee;  // as the acknowledgement names it
    QString number;
    QString callString;   // where it went: every resend goes there again
    QString information;  // the whole field, sent again unchanged
    QDateTime lastSent;
    QDateTime acknowledgedAt;
    int sentCount = 1;
    State state = State::Retrying;
};

// "sent 3 times, acknowledged at 21:04:39"; "... not acknowledged yet" while it is retried,
// "... not acknowledged" once the retries are over, "..., retrying stopped" when the operator
// stopped them.
QString ownMessageState(const OwnMessage& message);
// "21:04:09 | To: N2BBB | see you{42 | sent 1 times, not acknowledged yet"
QString ownMessageLine(const OwnMessage& message);

// Sending the station's own numbered messages again until they are acknowledged: after 30,
// 60, 120 and 240 seconds, each counted from the send before; then the message stays not
// acknowledged. An acknowledgement or the operator ends the retries. Driven by the clock of
// the platform: due() is asked often (every poll tick).
class MessageRetries {
public:
    static constexpr std::array<int, 4> kRetrySeconds = {30, 60, 120, 240};
    static constexpr int kRemembered = 500;

    explicit MessageRetries(const Platform& platform);

    // A numbered message went out for the first time.
    void sent(const QString& addressee, const QString& number, const QString& callString,
              const QString& information);
    // The messages whose next send is due now, counted as sent once more (in the order they
    // were first sent); the caller sends each one's information to its call string.
    QList<int> takeDue();
    // An acknowledgement of `number` from station `from`: the message's index, or -1 when it
    // answers none of ours.
    int acknowledge(const QString& from, const QString& number);
    // The operator stops retrying this message; false when it was not being retried.
    bool stop(int index);
    // Messages kept from an earlier run: they are never retried again.
    void restore(const QList<OwnMessage>& messages);

    const QList<OwnMessage>& messages() const { return messages_; }
    const OwnMessage& at(int index) const { return messages_.at(index); }

private:
    const Platform& platform_;
    QList<OwnMessage> messages_;
};

}  // namespace zeno
