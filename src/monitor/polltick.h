#pragma once

#include "link/agwframe.h"
#include "monitor/pollhooks.h"

#include <QChar>
#include <QString>
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
};

// The poll tick ("Timer1_Timer" of the main window): the clock, one fetch, the beacon
// counter, and the fetched frame through the monitor, the message log, the heard list,
// connected mode and the alarm, always in that order.
class PollTick {
public:
    PollTick(AppState& state, Platform& platform, FrameSource& source, const MonitorFilter& filter,
             HeardList& heard, MonitorView& view, const PollHooks& hooks);

    // One tick. A tick that starts while another still runs (a box inside the tick runs a
    // nested event loop in which the timer fires), or while connected mode pauses between
    // the frames it sends, returns at once.
    void Timer1_Timer();
    bool isRunning() const { return running_; }

private:
    void showClock();
    void takeEngineInitText(const AgwFrame& frame);
    void handleFrame(const AgwFrame& frame);

    AppState& state_;
    Platform& platform_;
    FrameSource& source_;
    const MonitorFilter& filter_;
    HeardList& heard_;
    MonitorView& view_;
    PollHooks hooks_;
    bool running_ = false;
};

}  // namespace zeno
