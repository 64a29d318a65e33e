// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwframe.h"
#include "monitor/pollhooks.h"

#include <QChar>
#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <optional>

namespace zeno {

struct AppState;
class HeardList;
class MonitorFilter;
class Platform;

// Where the tick takes its frame from: the engine link (at most one frame per call).
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual std::optional<AgwFrame> fetch() = 0;
};

// The part of the main window the tick works on.
class MonitorView {
public:
    virtual ~MonitorView() = default;

    virtual bool stopMonitorChecked() const = 0;  // Check2 "Stop Monitor"
    virtual bool viewDataChecked() const = 0;     // Check3 "View Data": headers hidden
    virtual bool autoScrollChecked() const = 0;   // Check1 "AutoScroll"

    // The monitor as text with CR LF line ends (a line end counts two characters).
    virtual void appendToMonitor(const QString& text) = 0;
    virtual qsizetype monitorLength() const = 0;
    virtual QChar monitorLastChar() const = 0;  // null when empty
    virtual void cutMonitorFront(qsizetype count) = 0;
    virtual void scrollMonitorToEnd() = 0;

    // A new station was added to the heard list.
    virtual void showHeardStation(const QString& call, int stationCount) = 0;

    // What the tick appended may wait for this: the screen is brought up to date once per
    // tick (and before anything that could open a box), not once per frame.
    virtual void showMonitorNow() = 0;
};

// Frames take at most this much of one tick; the rest wait for the next tick.
inline constexpr int kTickFrameBudgetMs = 20;

// The poll tick ("Timer1_Timer" of the main window): the clock, a fetch, the beacon counter
// and the Stop Monitor gate once per tick; then every frame already waiting, each through the
// monitor, the message log, the heard list, connected mode and the alarm, always in that
// order, until none waits or the tick's share of time is used. One frame per tick would fall
// behind any channel busier than four frames a second.
class PollTick {
public:
    PollTick(AppState& state, Platform& platform, FrameSource& source, const MonitorFilter& filter,
             HeardList& heard, MonitorView& view, const PollHooks& hooks);

    // One tick. A tick that starts while another still runs (a box inside the tick runs a
    // nested event loop in which the timer fires), while connected mode pauses between the
    // frames it sends, or while the program's end is pending, returns at once.
    void Timer1_Timer();
    bool isRunning() const { return running_; }
    // True once the program has been asked to end (SIGTERM, SIGINT) and the end has not run
    // yet: a flood of frames must not hold it up.
    void setEndPending(std::function<bool()> pending) { endPending_ = std::move(pending); }

private:
    void showClock();
    void takeEngineInitText(const AgwFrame& frame);
    // False when the tick must take no more frames (a box was open or connected mode holds
    // it).
    bool handleFrame(const AgwFrame& frame);
    bool mayTakeMoreFrames() const;
    bool endPending() const;

    AppState& state_;
    Platform& platform_;
    FrameSource& source_;
    const MonitorFilter& filter_;
    HeardList& heard_;
    MonitorView& view_;
    PollHooks hooks_;
    bool running_ = false;
    // A tick fired inside this one: a box ran its own event loop during a frame's steps.
    bool nestedTick_ = false;
    std::function<bool()> endPending_;
};

}  // namespace zeno
