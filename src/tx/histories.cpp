// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/histories.h"

#include <algorithm>

namespace zeno {

namespace {

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

// The new entry made from the box text, before cutting.
QString normalisedEntry(HistoryBox box, const QString& boxText, int maxLength) {
    switch (box) {
        case HistoryBox::TxData:
            return boxText.left(maxLength);
        case HistoryBox::AprsData:
            return boxText.left(maxLength).trimmed();
        case HistoryBox::To:
        case HistoryBox::Via:
            return boxText.toUpper().trimmed().left(maxLength);
        case HistoryBox::MessageFor:
        case HistoryBox::MessageText:
            return boxText.trimmed().left(maxLength);
    }
    return boxText;
}

// The form in which two entries of this box are compared.
QString comparable(HistoryBox box, const QString& entry) {
    switch (box) {
        case HistoryBox::TxData:
            return withoutTrailingBlanks(entry).toLower();
        case HistoryBox::AprsData:
            return entry.trimmed().toLower();
        case HistoryBox::To:
            return withoutTrailingBlanks(entry).toUpper();
        case HistoryBox::Via:
            return entry.trimmed().toUpper();
        case HistoryBox::MessageFor:
        case HistoryBox::MessageText:
            return withoutTrailingBlanks(entry);
    }
    return entry;
}

bool alreadyPresent(HistoryBox box, const QStringList& entries, const QString& entry,
                    int capacity) {
    const QString wanted = comparable(box, entry);
    const qsizetype n = std::min<qsizetype>(entries.size(), capacity);
    // Entries 0 to n inclusive: one past the last reads as "".
    for (qsizetype i = 0; i <= n; ++i) {
        const QString existing = i < entries.size() ? entries.at(i) : QString();
        if (comparable(box, existing) == wanted)
            return true;
    }
    return false;
}

void addWithFullListRule(HistoryBox box, QStringList& entries, const QString& entry, int capacity) {
    switch (box) {
        case HistoryBox::TxData:
        case HistoryBox::AprsData:
            entries << entry;
            if (entries.size() > capacity)
                entries.removeAt(capacity);
            return;
        case HistoryBox::Via:
            if (entries.size() >= capacity)
                entries.removeAt(entries.at(0).isEmpty() ? 1 : 0);
            entries << entry;
            return;
        case HistoryBox::To:
        case HistoryBox::MessageFor:
        case HistoryBox::MessageText:
            if (entries.size() >= capacity)
                entries.removeAt(0);
            entries << entry;
            return;
    }
}

}  // namespace

HistoryRule historyRule(HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            return {80, 25};
        case HistoryBox::AprsData:
            return {60, 25};
        case HistoryBox::To:
            return {10, 10};
        case HistoryBox::Via:
            return {50, 11};
        case HistoryBox::MessageFor:
            return {9, 10};
        case HistoryBox::MessageText:
            return {70, 25};
    }
    return {};
}

HistoryUpdate addToHistory(HistoryBox box, QStringList& entries, const QString& boxText) {
    const HistoryRule rule = historyRule(box);
    const QString entry = normalisedEntry(box, boxText, rule.maxLength);
    HistoryUpdate update;
    if (!alreadyPresent(box, entries, entry, rule.capacity)) {
        addWithFullListRule(box, entries, entry, rule.capacity);
        update.listChanged = true;
    }
    // TX text and comment keep the box text, only cut; the others show the entry itself.
    update.boxText = box == HistoryBox::TxData || box == HistoryBox::AprsData
                         ? boxText.left(rule.maxLength)
                         : entry;
    return update;
}

}  // namespace zeno
