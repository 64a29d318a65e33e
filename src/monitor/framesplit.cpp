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

    // Written through a pointer: frames come by the hundred on a pass, appending one
    // character at a time costs more than the rest of the split.
    const qsizetype firstCr = frame.indexOf(QChar(kCr));
    const QStringView firstRaw = firstCr < 0 ? frame : frame.left(firstCr);
    const qsizetype bodyStart = firstCr < 0 ? 0 : firstCr + 1;  // no CR: the body gets it all
    QString first(firstRaw.size(), Qt::Uninitialized);
    QChar* out = first.data();
    for (const QChar c : firstRaw) {
        if (c.unicode() > kCr)
            *out++ = c;
    }
    first.truncate(out - first.constData());

    SplitFrame split;
    if (isMonitorHeader(first)) {
        split.HeaderLine = first.mid(3);
    } else {
        split.BodyText = QStringLiteral("\r\n");
        split.firstLine = std::move(first);
    }

    const QStringView rest = frame.mid(bodyStart);
    const qsizetype bodyAt = split.BodyText.size();
    split.BodyText.resize(bodyAt + rest.size() + rest.count(QChar(kCr)));
    out = split.BodyText.data() + bodyAt;
    for (const QChar c : rest) {
        *out++ = c;
        if (c.unicode() == kCr)
            *out++ = QLatin1Char('\n');
    }
    return split;
}

}  // namespace zeno
