// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <deque>
#include <functional>

namespace zeno {

class Platform;

// Connected-mode work that has to leave in order with pauses in between (the bell, the
// goodbye text before the disconnect). A pause never blocks: the event loop runs on, and the
// steps after it run when it is over. What a step adds runs right after that step, before
// anything queued earlier; work added from outside joins the end of the queue.
class StepQueue : public QObject {
public:
    explicit StepQueue(Platform& platform);

    // Runs the step now when nothing is pending, else in its turn.
    void add(std::function<void()> step);
    void pause(int milliseconds);
    // Steps are waiting for a pause to end: the poll tick holds meanwhile.
    bool busy() const { return pausing_ || !items_.empty(); }

private:
    struct Item {
        int pauseMs = 0;
        std::function<void()> step;
    };
    void enqueue(Item item);
    void run();

    Platform& platform_;
    std::deque<Item> items_;
    std::size_t insertAt_ = 0;  // where a running step's additions go
    bool running_ = false;
    bool pausing_ = false;
};

}  // namespace zeno
