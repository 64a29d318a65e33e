// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>

namespace zeno {

// One of the station's own frames heard back after a digipeater repeated it.
struct RepeatedFrame {
    QString digipeater;  // the last one that marked it as repeated
    QString key;         // source, destination and information: the same frame gives the same key
};

// A received frame (header line and body as the poll tick splits them) is an own frame that
// came back when its source is the station's call under any SSID and at least one digipeater
// carries the repeated mark ("*"). The engine's texts of what it transmits itself (kind 'T')
// never count: they are ours, not heard back. The digipeater named is the last marked one
// that is a station rather than a used-up path alias (WIDE2*, TRACE1*), when there is one.
std::optional<RepeatedFrame> repeatedOwnFrame(int kind, const QString& HeaderLine,
                                              const QString& BodyText, const QString& ownCall);

// "Repeated by RS0ISS at 12:03:44" (local time of hearing).
QString repeatedNotice(const QString& digipeater, const QDateTime& at);

// How many of today's own frames came back. A frame heard back more than once within a
// short while (through two digipeaters, or twice from one) counts once; the count starts
// again at local midnight.
class RepeatCount {
public:
    static constexpr int kSameFrameSeconds = 30;

    // True when the frame counted as a new one.
    bool take(const RepeatedFrame& frame, const QDateTime& at);
    // Today's count (0 once the day of the last frame is over).
    int count(const QDate& today) const { return today == day_ ? count_ : 0; }

private:
    QDate day_;
    int count_ = 0;
    QHash<QString, QDateTime> recent_;
};

}  // namespace zeno
