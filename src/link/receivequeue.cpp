#include "link/receivequeue.h"

namespace zeno {

void ReceiveQueue::push(QueuedFrame frame) {
    frame.data.truncate(kMaxFetchedData);
    makeRoom();
    frames_.push_back(std::move(frame));
}

void ReceiveQueue::pushFront(QueuedFrame frame) {
    frame.data.truncate(kMaxFetchedData);
    makeRoom();
    frames_.push_front(std::move(frame));
}

std::optional<QueuedFrame> ReceiveQueue::pop() {
    if (frames_.empty())
        return std::nullopt;
    QueuedFrame frame = std::move(frames_.front());
    frames_.pop_front();
    return frame;
}

void ReceiveQueue::makeRoom() {
    while (!frames_.empty() && qsizetype(frames_.size()) >= capacity_) {
        frames_.pop_front();
        ++dropped_;
    }
}

}  // namespace zeno
