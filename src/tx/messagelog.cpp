// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/messagelog.h"

#include "config/settings.h"
#include "files/filedialogs.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "zenoversion.h"

#include <QDateTime>

namespace zeno {

namespace {

const QString kFromMark = QStringLiteral(" | From: ");
const QString kMessageMark = QStringLiteral("| Message:");
constexpr int kSenderWidth = 9;
constexpr int kAddresseeWidth = 9;
// The tick's body ends in CR LF CR LF before the engine's NUL: the line ends of the info.
constexpr int kLineEndsBeforeNul = 4;
const QString kCrLf = QStringLiteral("\r\n");

// Blanks only: tabs and line breaks inside a message are part of it.
QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QString trimLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

// "Fm N0CALL To ..." -> "N0CALL   ": from the third character up to and including the blank
// before "To". A header without "To" gives its first word.
QString senderField(const QString& header) {
    const qsizetype to = header.indexOf(QLatin1String("To"));
    QString sender;
    if (to >= 2) {
        sender = trimLeadingBlanks(header.mid(2, to - 2));
    } else {
        sender = trimLeadingBlanks(header.mid(2));
        const qsizetype blank = sender.indexOf(QLatin1Char(' '));
        if (blank >= 0)
            sender.truncate(blank + 1);
    }
    // Longer calls stay whole; their columns simply do not line up.
    return sender.leftJustified(kSenderWidth, QLatin1Char(' '));
}

QString admittedText(int filter, const QString& callsign) {
    switch (static_cast<MessageFilter>(filter)) {
        case MessageFilter::Mine:
            return QStringLiteral("TO: ") + callsign.toUpper();
        case MessageFilter::Bulletins:
            return QStringLiteral("TO: BLN");
        case MessageFilter::News:
            return QStringLiteral("TO: NWS");
        case MessageFilter::Satellite:
            return QStringLiteral("TO: SAT");
        case MessageFilter::Email:
            return QStringLiteral("TO: EMAIL");
        case MessageFilter::All:
            break;
    }
    return {};
}

}  // namespace

QString messageData(const QString& data) {
    const qsizetype nul = data.indexOf(QChar(0));
    // Data that never went through the engine has no NUL: all of it is the message.
    if (nul < 0)
        return trimBlanks(data);
    return trimBlanks(data.left(qMax<qsizetype>(0, nul - kLineEndsBeforeNul)));
}

QString headerSender(const QString& header) { return senderField(header).trimmed(); }

bool filterAdmits(int filter, const QString& entry, const QString& callsign) {
    const QString wanted = admittedText(filter, callsign);
    return wanted.isEmpty() || entry.toUpper().contains(wanted);
}

MessageLog::MessageLog(const Settings& settings, const Platform& platform)
    : settings_(settings), platform_(platform) {}

bool MessageLog::LogAPRSMessages(const QString& header, const QString& data) {
    if (data.size() < 4 || header.size() < 4)
        return false;
    if (!header.contains(QLatin1Char('*')) && settings_.logDigipeatedMessages == 1)
        return false;

    const QString text = messageData(data);
    const QString key = senderField(header) + QStringLiteral(" | To: ") +
                        text.mid(1, kAddresseeWidth) + QStringLiteral(" | Message: ") +
                        text.mid(11);
    if (isLogged(key))
        return false;

    const QDateTime now = platform_.now();
    restoreEntry(now.toString(QStringLiteral("MM-dd-yyyy")) + QStringLiteral(" - ") +
                 now.toString(QStringLiteral("HH:mm:ss")) + kFromMark + key);
    return true;
}

void MessageLog::restoreEntry(const QString& entry) {
    entries_[count_] = entry;
    ++count_;
    if (count_ >= kCountLimit)
        count_ = kCountLimit;
}

bool MessageLog::isLogged(const QString& key) const {
    const QString wanted = trimBlanks(key).toUpper();
    if (wanted.isEmpty())
        return false;
    for (int i = 0; i < entriesInUse(); ++i) {
        const qsizetype from = entries_[i].indexOf(kFromMark);
        if (from < 0)
            continue;
        if (trimBlanks(entries_[i].mid(from + kFromMark.size())).toUpper() == wanted)
            return true;
    }
    return false;
}

int MessageLog::entriesInUse() const {
    if (count_ == kCountLimit && !entries_[kCountLimit].isEmpty())
        return kCountLimit + 1;
    return count_;
}

QStringList MessageLog::entries() const {
    QStringList list;
    for (int i = 0; i < entriesInUse(); ++i)
        list << entries_[i];
    return list;
}

QStringList MessageLog::ToonMyMes(int filter) const {
    if (filter < 0 || filter > static_cast<int>(MessageFilter::Email))
        return {};
    QStringList listed;
    for (int i = 0; i < entriesInUse(); ++i) {
        const QString& entry = entries_[i];
        if (trimBlanks(entry).isEmpty())
            continue;
        if (filterAdmits(filter, entry, settings_.callsign))
            listed << entry;
    }
    return listed;
}

void MessageLog::clear() {
    for (QString& entry : entries_)
        entry.clear();
    count_ = 0;
}

QString MessageLog::printText() const {
    return QStringLiteral("ZENO ") + ProgramVersion::text() + kCrLf + kCrLf +
           messageLines(ToonMyMes(static_cast<int>(MessageFilter::All)));
}

MessageParts splitAtMessage(const QString& entry) {
    const qsizetype at = entry.indexOf(kMessageMark);
    if (at < 0)
        return {entry, QString()};
    return {entry.left(at), entry.mid(at)};
}

QString messageSender(const QString& entry) {
    const QString head = splitAtMessage(entry).head;
    const QString mark = QStringLiteral("| From: ");
    const qsizetype from = head.indexOf(mark);
    if (from < 0)
        return {};
    return head.mid(from + mark.size(), kSenderWidth).trimmed();
}

namespace {

// True when the view lists something; otherwise the operator is told there is nothing to do.
bool anythingListed(const QStringList& listed, Dialogs& dialogs, const QString& nothingText) {
    if (!listed.isEmpty())
        return true;
    dialogs.message(nothingText, kProgramTitle, MsgIcon::Information);
    return false;
}

}  // namespace

QString messageLines(const QStringList& listed) {
    QString text;
    for (const QString& line : listed)
        text += line + kCrLf;
    return text;
}

bool clearMessages(MessageLog& log, const QStringList& listed, Dialogs& dialogs) {
    if (!anythingListed(listed, dialogs, QStringLiteral("Nothing to clear")) ||
        !dialogs.askYesNo(QStringLiteral("Do you want remove all the received APRS messages?"),
                          QStringLiteral("Clear All")))
        return false;
    log.clear();
    return true;
}

void printMessages(const MessageLog& log, const QStringList& listed, Dialogs& dialogs,
                   Platform& platform) {
    if (!anythingListed(listed, dialogs, QStringLiteral("Nothing to print")) ||
        !dialogs.askYesNo(QStringLiteral("Do you want to print the received APRS messages?"),
                          QStringLiteral("Print")))
        return;
    if (platform.printText(kReceivedMessagesTitle, log.printText()) == PrintOutcome::NotReady) {
        platform.beep();
        dialogs.message(QStringLiteral("Printer not ready"), QStringLiteral("Print error"),
                        MsgIcon::Exclamation);
    }
}

void saveMessages(const QStringList& listed, FileDialogState& files, Dialogs& dialogs) {
    if (!anythingListed(listed, dialogs, QStringLiteral("Nothing to save")))
        return;
    saveTextAs(files, dialogs, {QStringLiteral("ZENO_APRS_Messages001.txt"), {}, {}},
               [&listed](bool) { return messageLines(listed); });
}

void copySelectedMessage(const QString& selected, Dialogs& dialogs, Platform& platform) {
    if (selected.isEmpty()) {
        dialogs.message(QStringLiteral("Please select a message first"), kProgramTitle,
                        MsgIcon::Information);
        return;
    }
    platform.setClipboardText(selected);
}

}  // namespace zeno
