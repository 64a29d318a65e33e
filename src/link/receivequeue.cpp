// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/receivequeue.h"

namespace zeno {

namespace {

qsizetype sizeOf(const QueuedFrame& frame) { return frame.data.size() + frame.callFrom.size(); }

// Only the start of a long frame can be shown; a copy of it, so that the rest of a large
// frame's memory goes now and not when the frame leaves the queue.
void cut(QueuedFrame& frame) {
    if (frame.data.size() > kMaxFetchedData)
        frame.data = QByteArray(frame.data.constData(), kMaxFetchedData);
}

}  // namespace

void ReceiveQueue::push(QueuedFrame frame) {
    cut(frame);
    makeRoom(sizeOf(frame));
    bytes_ += sizeOf(frame);
    frames_.push_back(std::move(frame));
}

void ReceiveQueue::pushFront(QueuedFrame frame) {
    cut(frame);
    makeRoom(sizeOf(frame));
    bytes_ += sizeOf(frame);
    frames_.push_front(std::move(frame));
}

std::optional<QueuedFrame> ReceiveQueue::pop() {
    if (frames_.empty())
        return std::nullopt;
    QueuedFrame frame = std::move(frames_.front());
    frames_.pop_front();
    bytes_ -= sizeOf(frame);
    return frame;
}

void ReceiveQueue::dropFront() {
    bytes_ -= sizeOf(frames_.front());
    frames_.pop_front();
    ++dropped_;
}

void ReceiveQueue::makeRoom(qsizetype incomingBytes) {
    while (!frames_.empty() &&
           (qsizetype(frames_.size()) >= capacity_ || bytes_ + incomingBytes > capacityBytes_))
        dropFront();
}

}  // namespace zeno
