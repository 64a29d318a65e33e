// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <algorithm>

namespace zeno {

QStringList& Settings::history(HistoryBox box) {
    return const_cast<QStringList&>(std::as_const(*this).history(box));
}

const QStringList& Settings::history(HistoryBox box) const {
    switch (box) {
        case HistoryBox::TxData:
            return txDataHistory;
        case HistoryBox::To:
            return toHistory;
        case HistoryBox::Via:
            return viaHistory;
        case HistoryBox::AprsData:
            return aprsDataHistory;
        case HistoryBox::MessageFor:
            return messageForHistory;
        case HistoryBox::MessageText:
            return messageTextHistory;
    }
    return txDataHistory;
}

bool isCallsignSet(const QString& callsign) {
    return isValidCallsign(callsign) && callsign.trimmed().toUpper() != QLatin1String("MYCALL");
}

bool isValidCallsign(const QString& callsign) {
    const QString c = callsign.trimmed();
    if (c.size() < 2 || c.size() > kMaxCallsignLength || c.count(QLatin1Char('-')) > 1)
        return false;
    return std::all_of(c.cbegin(), c.cend(), [](QChar ch) {
        return ch == QLatin1Char('-') || (ch.unicode() < 128 && ch.isLetterOrNumber());
    });
}

}  // namespace zeno
