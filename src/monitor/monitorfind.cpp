// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/monitorfind.h"

namespace zeno {

MonitorFind::Match MonitorFind::find(const QString& what, const QString& text) {
    searchText_ = what;
    wrap_ = false;
    return show(text.indexOf(searchText_, 0, Qt::CaseInsensitive), text);
}

MonitorFind::Match MonitorFind::findNext(const QString& text) {
    if (searchText_.isEmpty())
        return {};
    return show(text.indexOf(searchText_, nextStart_, Qt::CaseInsensitive), text);
}

MonitorFind::Match MonitorFind::show(qsizetype at, const QString& text) {
    if (at < 0 && wrap_) {
        at = text.indexOf(searchText_, 0, Qt::CaseInsensitive);
        wrap_ = false;
    }
    if (at < 0) {
        searchText_.clear();
        nextStart_ = 0;
        return {};
    }
    wrap_ = true;
    nextStart_ = at + 1;
    return {true, at, searchText_.size()};
}

}  // namespace zeno
