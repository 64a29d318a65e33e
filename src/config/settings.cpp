#include "config/settings.h"

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
    const QString c = callsign.trimmed().toUpper();
    return !c.isEmpty() && c != QLatin1String("MYCALL");
}

}  // namespace zeno
