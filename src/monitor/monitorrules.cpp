// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/monitorrules.h"

namespace zeno {

namespace {

// Appends body text with its NULs dropped and every lone LF made CR LF.
void appendShown(QString& out, QStringView body) {
    QChar previous;
    for (const QChar c : body) {
        if (c.isNull())
            continue;
        if (c == QLatin1Char('\n') && previous != QLatin1Char('\r'))
            out.append(QLatin1Char('\r'));
        out.append(c);
        previous = c;
    }
}

}  // namespace

QString monitorAddition(const QString& HeaderLine, const QString& BodyText, bool ShowHeadersOff,
                        QChar monitorLastChar) {
    static const QString kLineEnd = QStringLiteral("\r\n");
    QString out;
    out.reserve(HeaderLine.size() + BodyText.size() + 8);
    if (!HeaderLine.isEmpty() && HeaderLine != BodyText && !ShowHeadersOff)
        out += HeaderLine + kLineEnd;
    if (!BodyText.isEmpty()) {
        appendShown(out, BodyText);
        if (!BodyText.endsWith(QChar(0)))
            out += kLineEnd;
    }
    const QChar last = out.isEmpty() ? monitorLastChar : out.back();
    if (last.unicode() > 30)
        out += kLineEnd;
    return out;
}

qsizetype monitorCut(qsizetype monitorLength) {
    return monitorLength > kMonitorLimit ? monitorLength - kMonitorKeep : 0;
}

bool isAprsMessageLine(const QString& BodyText) {
    return BodyText.size() >= 11 && BodyText[0] == QLatin1Char(':') &&
           BodyText[10] == QLatin1Char(':');
}

}  // namespace zeno
