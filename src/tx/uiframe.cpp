// SPDX-License-Identifier: GPL-3.0-or-later
#include "tx/uiframe.h"

#include "link/agwlink.h"

namespace zeno {

QString callString(const QString& to, const QString& via) {
    return (to + QLatin1Char(' ') + via).toUpper();
}

bool needsCallQuestion(const QString& callString) { return callString.trimmed().isEmpty(); }

QString txTextPayload(const QString& boxText) {
    if (boxText.size() <= 1)
        return boxText + QLatin1Char(' ');
    return boxText.left(kMaxTxTextLength);
}

QStringList monitorTextPieces(const QString& text) {
    QStringList pieces;
    for (qsizetype start = 0; start < text.size(); start += kMonitorTextPieceLength)
        pieces << text.mid(start, kMonitorTextPieceLength);
    return pieces;
}

QString notSentNotice(const QString& host, quint16 port) {
    return QStringLiteral("Not sent: no engine link (%1:%2)").arg(host).arg(port);
}

bool UiSender::send(const QString& callString, const QString& data) {
    if (listening_)
        return false;
    link_.send(QLatin1Char('V'), callString, data);
    return true;
}

}  // namespace zeno
