// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <deque>
#include <optional>

namespace zeno {

// A frame waiting for the program, as bytes (Latin-1) to keep a full queue small.
struct QueuedFrame {
    int port = 0;
    char kind = 0;
    QByteArray callFrom;
    QByteArray data;
};

inline constexpr qsizetype kReceiveQueueCapacity = 10000;
inline constexpr qsizetype kReceiveQueueBytes = 4 * 1024 * 1024;
// The program's receive buffer holds 2000 characters; the rest of a frame cannot be shown.
inline constexpr qsizetype kMaxFetchedData = 2000;

// Frames between the socket and the program's poll tick. A flood must not grow it without
// bound: past 10 000 frames or 4 MiB of data the oldest frames go, and are counted.
class ReceiveQueue {
public:
    explicit ReceiveQueue(qsizetype capacity = kReceiveQueueCapacity,
                          qsizetype capacityBytes = kReceiveQueueBytes)
        : capacity_(capacity), capacityBytes_(capacityBytes) {}

    void push(QueuedFrame frame);
    // Puts a frame ahead of everything waiting (the link's own start-up text).
    void pushFront(QueuedFrame frame);
    std::optional<QueuedFrame> pop();

    qsizetype size() const { return qsizetype(frames_.size()); }
    qsizetype bytes() const { return bytes_; }
    qint64 dropped() const { return dropped_; }

private:
    void makeRoom(qsizetype incomingBytes);
    void dropFront();

    std::deque<QueuedFrame> frames_;
    qsizetype capacity_;
    qsizetype capacityBytes_;
    qsizetype bytes_ = 0;  // data and calls of the frames waiting
    qint64 dropped_ = 0;
};

}  // namespace zeno
