// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/ownframes.h"

#include <QRegularExpression>
#include <QStringList>

namespace zeno {

namespace {

QString baseCall(const QString& call) { return call.section(QLatin1Char('-'), 0, 0).toUpper(); }

// "Fm N0CALL To CQ Via RS0ISS*,WIDE2-1 <UI ...": the word after "Fm ".
QString wordAfter(const QString& header, QLatin1String mark) {
    const qsizetype at = header.indexOf(mark);
    if (at < 0)
        return {};
    const qsizetype start = at + mark.size();
    const qsizetype blank = header.indexOf(QLatin1Char(' '), start);
    return header.mid(start, blank < 0 ? -1 : blank - start);
}

// A used-up generic path element says nothing about which station repeated the frame.
bool isPathAlias(const QString& call) {
    static const QRegularExpression alias(QStringLiteral("^(WIDE|TRACE|RELAY)\\d?$"));
    return alias.match(call).hasMatch();
}

}  // namespace

std::optional<RepeatedFrame> repeatedOwnFrame(int kind, const QString& HeaderLine,
                                              const QString& BodyText, const QString& ownCall) {
    if (kind == 'T' || !HeaderLine.startsWith(QLatin1String("Fm ")) || ownCall.isEmpty())
        return std::nullopt;
    const QString source = wordAfter(HeaderLine, QLatin1String("Fm "));
    if (baseCall(source) != baseCall(ownCall))
        return std::nullopt;
    const QStringList via =
        wordAfter(HeaderLine, QLatin1String(" Via ")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QString marked;
    for (const QString& digi : via) {
        if (!digi.endsWith(QLatin1Char('*')))
            continue;
        const QString call = digi.chopped(1);
        if (marked.isEmpty() || !isPathAlias(call))
            marked = call;
    }
    if (marked.isEmpty())
        return std::nullopt;
    const QString to = wordAfter(HeaderLine, QLatin1String(" To "));
    return RepeatedFrame{marked, source + QLatin1Char('>') + to + QLatin1Char(':') + BodyText};
}

QString repeatedNotice(const QString& digipeater, const QDateTime& at) {
    return QStringLiteral("Repeated by %1 at %2")
        .arg(digipeater, at.time().toString(QStringLiteral("HH:mm:ss")));
}

bool RepeatCount::take(const RepeatedFrame& frame, const QDateTime& at) {
    if (at.date() != day_) {
        day_ = at.date();
        count_ = 0;
        recent_.clear();
    }
    for (auto it = recent_.begin(); it != recent_.end();) {
        if (it.value().secsTo(at) > kSameFrameSeconds)
            it = recent_.erase(it);
        else
            ++it;
    }
    const bool isNew = !recent_.contains(frame.key);
    recent_.insert(frame.key, at);
    if (isNew)
        ++count_;
    return isNew;
}

}  // namespace zeno
