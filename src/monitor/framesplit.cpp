// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/framesplit.h"

namespace zeno {

namespace {

constexpr char16_t kCr = 13;

}  // namespace

bool isMonitorHeader(const QString& firstLine) {
    return QStringView(firstLine).mid(2, 4) == QLatin1String(":Fm ");
}

SplitFrame splitFrame(const QString& data, int dataLength) {
    const QStringView frame = QStringView(data).left(qBound(0, dataLength, int(data.size())));

    QString first;
    first.reserve(qMin<qsizetype>(frame.size(), 128));
    qsizetype bodyStart = 0;  // no CR at all: the body gets the whole data too
    for (qsizetype i = 0; i < frame.size(); ++i) {
        const char16_t c = frame[i].unicode();
        if (c == kCr) {
            bodyStart = i + 1;
            break;
        }
        if (c > kCr)
            first.append(frame[i]);
    }

    SplitFrame split;
    if (isMonitorHeader(first)) {
        split.HeaderLine = first.mid(3);
    } else {
        split.BodyText = QStringLiteral("\r\n");
        split.firstLine = std::move(first);
    }

    const QStringView rest = frame.mid(bodyStart);
    split.BodyText.reserve(split.BodyText.size() + rest.size() + rest.count(QChar(kCr)));
    for (const QChar c : rest) {
        split.BodyText.append(c);
        if (c.unicode() == kCr)
            split.BodyText.append(QLatin1Char('\n'));
    }
    return split;
}

}  // namespace zeno
