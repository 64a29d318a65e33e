// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// Find in the monitor. A search remembers what was found last: Find Next goes on after it,
// and after the last match wraps once to the first. A miss ends the search.
class MonitorFind {
public:
    // What to show: the match to select, or "Nothing found".
    struct Match {
        bool found = false;
        qsizetype start = 0;  // in the text searched
        qsizetype length = 0;
    };

    // A new search for what the operator typed (not empty), letter case ignored.
    Match find(const QString& what, const QString& text);
    // The next match after the one shown, or the first one again after the last.
    Match findNext(const QString& text);
    // True between a match and the next miss.
    bool canFindNext() const { return !searchText_.isEmpty(); }

private:
    Match show(qsizetype at, const QString& text);

    QString searchText_;
    bool wrap_ = false;  // a miss may go back to the first match once
    qsizetype nextStart_ = 0;
};

}  // namespace zeno
