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
// The program's receive buffer holds 2000 characters; the rest of a frame cannot be shown.
inline constexpr qsizetype kMaxFetchedData = 2000;

// Frames between the socket and the program's poll tick. The program takes at most four a
// second, so a long burst must not grow without bound: when full the oldest frame goes.
class ReceiveQueue {
public:
    explicit ReceiveQueue(qsizetype capacity = kReceiveQueueCapacity) : capacity_(capacity) {}

    void push(QueuedFrame frame);
    // Puts a frame ahead of everything waiting (the link's own start-up text).
    void pushFront(QueuedFrame frame);
    std::optional<QueuedFrame> pop();

    qsizetype size() const { return qsizetype(frames_.size()); }
    qint64 dropped() const { return dropped_; }

private:
    void makeRoom();

    std::deque<QueuedFrame> frames_;
    qsizetype capacity_;
    qint64 dropped_ = 0;
};

}  // namespace zeno
