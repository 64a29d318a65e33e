// SPDX-License-Identifier: GPL-3.0-or-later
#include "connected/steps.h"

#include "platform/platform.h"

namespace zeno {

StepQueue::StepQueue(Platform& platform) : platform_(platform) {}

void StepQueue::add(std::function<void()> step) { enqueue({0, std::move(step)}); }

void StepQueue::pause(int milliseconds) { enqueue({milliseconds, {}}); }

void StepQueue::enqueue(Item item) {
    if (running_) {
        items_.insert(items_.begin() + std::ptrdiff_t(insertAt_++), std::move(item));
        return;
    }
    items_.push_back(std::move(item));
    run();
}

void StepQueue::run() {
    if (running_ || pausing_)
        return;
    running_ = true;
    while (!pausing_ && !items_.empty()) {
        Item item = std::move(items_.front());
        items_.pop_front();
        insertAt_ = 0;
        if (item.step) {
            item.step();
            continue;
        }
        pausing_ = true;
        // A platform that does not really wait calls back at once; the loop then goes on.
        platform_.after(item.pauseMs, this, [this] {
            pausing_ = false;
            run();
        });
    }
    running_ = false;
}

}  // namespace zeno
