// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QString>
#include <QStringList>

namespace zeno {

// How one of the six boxes keeps its history.
struct HistoryRule {
    int maxLength = 0;  // the entry is cut to this
    int capacity = 0;   // entries compared, and where the full-list rule starts
};
HistoryRule historyRule(HistoryBox box);

// The outcome of adding a box's text to its history.
struct HistoryUpdate {
    QString boxText;  // what the box shows afterwards
    bool listChanged = false;
};

// ADDTXData, ADDToData, ADDViaData, AddAPRSData, AddFor, AddMessage as one rule over the
// box's list. The new entry is the box text normalised for that box and cut to its length;
// it is added unless an equal one (by the box's own equality) is among the first entries
// (reading past the end gives "", so an empty entry is never added). When the list is full,
// TX text and APRS comment drop the entry at position 25 (a full list of 25 keeps out the
// newcomer), the others drop the oldest first (Via keeps an empty first entry and drops the
// second instead).
HistoryUpdate addToHistory(HistoryBox box, QStringList& entries, const QString& boxText);

}  // namespace zeno
