// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zeno {

class Dialogs;
class Platform;

// The heard stations ("MHeard"): every sender the monitor has seen, once, in first-heard
// order. Not stored between runs.
class HeardList {
public:
    // HeardCalls has slots 0 to 350; HeardCount stays at 350 once reached, so every further
    // new call overwrites slot 350 while the list itself keeps growing. A deliberate change:
    // the duplicate check covers every call heard, not only the slots, so a busy pass past
    // 351 stations lists each station once instead of once per frame.
    static constexpr int kLastSlot = 350;

    // The sender's call of a monitor header ("Fm N0CALL-7 To CQ ..."): 10 characters from the
    // 4th, cut before the first blank. A call of 10 or more characters has no blank there and
    // is taken as those 10 characters: a call from the air has at most 9 ("N0CALL-15"), so
    // anything longer is not one, and the list and its bulletins keep a bounded width.
    static QString senderOf(const QString& HeaderLine);

    // For a header line that begins with "fm" in any letter case: adds its sender when it is
    // new and returns it.
    std::optional<QString> update(const QString& HeaderLine);

    // The list entries ("List1"), in first-heard order.
    const QStringList& entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    int HeardCount() const { return HeardCount_; }  // remembered calls, 0 to 350
    const QString& HeardCalls(int slot) const { return HeardCalls_.at(size_t(slot)); }

    // Every entry trimmed and followed by "," (the clipboard text).
    QString copyText() const;
    // Every entry trimmed and followed by CR LF, then one more line end (the saved file).
    QString saveText() const;

    void clear();

private:
    std::array<QString, kLastSlot + 1> HeardCalls_;
    int HeardCount_ = 0;
    QStringList entries_;
    QSet<QString> heard_;  // every call in entries_
};

// Copy (Command16): the list onto the clipboard, or a message when it is empty.
// True when it copied.
bool copyHeardList(const HeardList& list, Dialogs& dialogs, Platform& platform);
// Clear (Command6): asks first; a message when there is nothing to clear. True when cleared.
bool clearHeardList(HeardList& list, Dialogs& dialogs);

}  // namespace zeno
