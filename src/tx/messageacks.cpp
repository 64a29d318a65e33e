// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/messageacks.h"

#include "platform/apppath.h"
#include "tx/aprsmessage.h"
#include "tx/messagelog.h"

#include <QFile>
#include <QRegularExpression>

namespace zeno {

namespace {

const QString kNumberFile = QStringLiteral("\\msgnumber.txt");

QString numberKey(const QString& station, const QString& number) {
    return station.trimmed().toUpper() + QLatin1Char('{') + number;
}

}  // namespace

AprsMessageParts aprsMessageParts(const QString& data) {
    const QString line = messageData(data);
    AprsMessageParts parts{line.mid(1, kAddresseeLength).trimmed(), line.mid(11), QString()};
    // "text{42", and "text{42}" from stations that also number their acks.
    static const QRegularExpression number(QStringLiteral("\\{([A-Za-z0-9]{1,5})\\}?$"));
    const QRegularExpressionMatch m = number.match(parts.text);
    if (m.hasMatch()) {
        parts.number = m.captured(1);
        parts.text.truncate(m.capturedStart());
    }
    return parts;
}

QString acknowledgedNumber(const QString& text) {
    static const QRegularExpression ack(QStringLiteral("^ack([A-Za-z0-9]{1,5})\\}?$"));
    const QRegularExpressionMatch m = ack.match(text.trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

QString ackInformation(const QString& sender, const QString& number) {
    return messageInformation(sender, QStringLiteral("ack") + number);
}

int nextMessageNumber(int last) { return last >= 1 && last < kMaxMessageNumber ? last + 1 : 1; }

bool takesMessageNumber(const QString& addressee) {
    const QString to = addressee.trimmed().toUpper();
    return !to.isEmpty() && !to.startsWith(QLatin1String("BLN")) &&
           !to.startsWith(QLatin1String("NWS"));
}

QString numberedText(const QString& text, int number) {
    return text + QLatin1Char('{') + QString::number(number);
}

OutgoingMessage outgoingMessage(const QString& addressee, const QString& text, bool acknowledging,
                                MessageNumberStore& numbers) {
    // Numbered only while we acknowledge in turn: without the switch the frame stays plain.
    if (!acknowledging || !takesMessageNumber(addressee))
        return {messageInformation(addressee, text), 0};
    const int number = numbers.next();
    return {messageInformation(addressee, numberedText(text, number)), number};
}

MessageNumberStore::MessageNumberStore(const QString& appPath)
    : path_(appFile(appPath, kNumberFile)) {}

int MessageNumberStore::next() {
    int last = 0;
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        last = QString::fromLatin1(file.read(16)).trimmed().toInt();
    file.close();
    const int number = nextMessageNumber(last);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray::number(number) + "\r\n");
    return number;
}

MessageAcks::Answer MessageAcks::take(const QString& sender, const AprsMessageParts& message,
                                      const QString& ownCall, const QDateTime& now) {
    if (message.number.isEmpty() || ownCall.isEmpty() ||
        message.addressee.compare(ownCall.trimmed(), Qt::CaseInsensitive) != 0 ||
        sender.compare(ownCall.trimmed(), Qt::CaseInsensitive) == 0 ||
        !acknowledgedNumber(message.text).isEmpty())
        return {};
    for (auto it = heard_.begin(); it != heard_.end();) {
        if (it->first.secsTo(now) > kRepeatMinutes * 60)
            it = heard_.erase(it);
        else
            ++it;
    }
    Answer answer;
    const QString key = numberKey(sender, message.number);
    auto it = heard_.find(key);
    if (it == heard_.end()) {
        it = heard_.insert(key, Heard{now, QDateTime()});
    } else {
        answer.repeat = true;
        if (it->lastAck.secsTo(now) < kSameTransmissionSeconds)
            return answer;
    }
    it->lastAck = now;
    answer.ack = ackInformation(sender.trimmed().toUpper(), message.number);
    return answer;
}

void OwnMessages::sent(const QString& addressee, const QString& number) {
    sent_.append({numberKey(addressee, number), false});
    if (sent_.size() > kRemembered)
        sent_.removeFirst();
}

bool OwnMessages::acknowledge(const QString& from, const QString& number) {
    const QString key = numberKey(from, number);
    for (Sent& s : sent_) {
        if (s.key == key) {
            s.acknowledged = true;
            return true;
        }
    }
    return false;
}

bool OwnMessages::isAcknowledged(const QString& addressee, const QString& number) const {
    const QString key = numberKey(addressee, number);
    for (const Sent& s : sent_) {
        if (s.key == key)
            return s.acknowledged;
    }
    return false;
}

bool isAcknowledgedEntry(const QString& entry, const QString& ownCall, const OwnMessages& own) {
    if (messageSender(entry).compare(ownCall.trimmed(), Qt::CaseInsensitive) != 0)
        return false;
    // "... | To: N2BBB     | Message: text{42"
    const QString to = QStringLiteral("| To: ");
    const qsizetype at = entry.indexOf(to);
    const MessageParts parts = splitAtMessage(entry);
    if (at < 0 || parts.message.isEmpty())
        return false;
    const QString addressee = entry.mid(at + to.size(), kAddresseeLength);
    const QString text = parts.message.mid(QStringLiteral("| Message: ").size());
    const AprsMessageParts message =
        aprsMessageParts(QLatin1Char(':') + addressee + QLatin1Char(':') + text);
    return !message.number.isEmpty() && own.isAcknowledged(addressee, message.number);
}

}  // namespace zeno
