// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/heardlist.h"

#include "platform/dialogs.h"
#include "platform/platform.h"

namespace zeno {

namespace {

constexpr int kCallWidth = 10;

}  // namespace

QString HeardList::senderOf(const QString& HeaderLine) {
    const QString taken = HeaderLine.mid(3, kCallWidth);
    const qsizetype blank = taken.indexOf(QLatin1Char(' '));
    return blank < 0 ? taken : taken.left(blank);
}

std::optional<QString> HeardList::update(const QString& HeaderLine) {
    if (!HeaderLine.startsWith(QLatin1String("fm"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString call = senderOf(HeaderLine);
    // Slot HeardCount takes part in the check too: empty until the list is full, so an
    // empty call is never added before that.
    if (heard_.contains(call) || (call.isEmpty() && HeardCount_ < kLastSlot))
        return std::nullopt;
    heard_.insert(call);
    HeardCalls_[size_t(HeardCount_)] = call;
    if (HeardCount_ < kLastSlot)
        ++HeardCount_;
    entries_.append(call);
    return call;
}

QString HeardList::copyText() const {
    QString text;
    for (const QString& entry : entries_)
        text += entry.trimmed() + QLatin1Char(',');
    return text;
}

QString HeardList::saveText() const {
    QString text;
    for (const QString& entry : entries_)
        text += entry.trimmed() + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n");
}

void HeardList::clear() {
    HeardCalls_.fill(QString());
    HeardCount_ = 0;
    entries_.clear();
    heard_.clear();
}

bool copyHeardList(const HeardList& list, Dialogs& dialogs, Platform& platform) {
    if (list.isEmpty()) {
        dialogs.message(QStringLiteral("No heard list to copy to clipboard"),
                        QStringLiteral("Empty MHeard List"), MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    platform.setClipboardText(list.copyText());
    return true;
}

bool clearHeardList(HeardList& list, Dialogs& dialogs) {
    if (list.isEmpty()) {
        dialogs.message(QStringLiteral("No stations heard. Nothing to clear"),
                        QStringLiteral("Clear Heard List"), MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (!dialogs.askYesNo(QStringLiteral("Do you want to erase the Heard Stations List?"),
                          QStringLiteral("Clear MHeard List")))
        return false;
    list.clear();
    return true;
}

}  // namespace zeno
