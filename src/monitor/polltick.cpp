// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/polltick.h"

#include "config/appstate.h"
#include "monitor/alarm.h"
#include "monitor/framesplit.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/monitorrules.h"
#include "platform/platform.h"

#include <QScopedValueRollback>

namespace zeno {

PollTick::PollTick(AppState& state, Platform& platform, FrameSource& source,
                   const MonitorFilter& filter, HeardList& heard, MonitorView& view,
                   const PollHooks& hooks)
    : state_(state),
      platform_(platform),
      source_(source),
      filter_(filter),
      heard_(heard),
      view_(view),
      hooks_(hooks) {}

void PollTick::Timer1_Timer() {
    if (running_) {
        nestedTick_ = true;
        return;
    }
    if (hooks_.connected.holdsPollTick())
        return;
    // A flood of frames must not keep the program from ending: the end comes first.
    if (endPending())
        return;
    const QScopedValueRollback<bool> guard(running_, true);
    nestedTick_ = false;

    QElapsedTimer elapsed;
    elapsed.start();
    showClock();
    std::optional<AgwFrame> frame = source_.fetch();
    hooks_.beacon.beaconStep();  // counts beacon time whether or not a frame came
    if (view_.stopMonitorChecked()) {
        // Frames fetched while the monitor is stopped are gone for good, every one waiting.
        while (frame)
            frame = source_.fetch();
        return;
    }
    while (frame) {
        if (!handleFrame(*frame) || elapsed.elapsed() >= kTickFrameBudgetMs || endPending())
            break;
        frame = source_.fetch();
    }
    view_.showMonitorNow();
}

namespace {

// "hh:mm:ss", 24 hours. Formatted by hand: the locale-aware formatter costs more than the
// rest of an idle tick.
QString clockText(const QTime& time) {
    const int parts[] = {time.hour(), time.minute(), time.second()};
    QString text(8, QLatin1Char(':'));
    for (int i = 0; i < 3; ++i) {
        text[3 * i] = QLatin1Char(char('0' + parts[i] / 10));
        text[3 * i + 1] = QLatin1Char(char('0' + parts[i] % 10));
    }
    return text;
}

}  // namespace

void PollTick::showClock() {
    const QString caption = clockText(platform_.now().time());
    if (caption == hooks_.beacon.clockCaption())
        return;
    hooks_.beacon.setClockCaption(caption);
    hooks_.beacon.Klok_Change();
}

void PollTick::takeEngineInitText(const AgwFrame& frame) {
    if (!state_.link.EngineInitText.isEmpty())
        return;
    const QStringView data =
        QStringView(frame.data).left(qBound(0, frame.dataLength, int(frame.data.size())));
    const qsizetype nul = data.indexOf(QChar(0));
    if (nul >= 0)
        state_.link.EngineInitText = data.left(nul).toString();
}

bool PollTick::handleFrame(const AgwFrame& frame) {
    takeEngineInitText(frame);
    const SplitFrame split = splitFrame(frame.data, frame.dataLength);

    if (filter_.passes(split.HeaderLine)) {
        view_.appendToMonitor(monitorAddition(split.HeaderLine, split.BodyText,
                                              view_.viewDataChecked(), view_.monitorLastChar()));
    }
    if (isAprsMessageLine(split.BodyText))
        hooks_.messages.LogAPRSMessages(split.HeaderLine, split.BodyText);
    if (const qsizetype cut = monitorCut(view_.monitorLength()))
        view_.cutMonitorFront(cut);
    if (view_.autoScrollChecked())
        view_.scrollMonitorToEnd();
    if (const auto call = heard_.update(split.HeaderLine))
        view_.showHeardStation(*call, int(heard_.entries().size()));
    if (hooks_.watch)
        hooks_.watch->frameTaken(frame, split.HeaderLine, split.BodyText);

    switch (frame.kind) {
        case 'c':
        case 'D':
        case 'd':
            // It may open a box: the screen shows everything up to here first.
            view_.showMonitorNow();
            // Connected mode may end the frame here (a refused caller never sounds the alarm).
            if (!hooks_.connected.connectedModeEvent(frame, split.firstLine, split.BodyText))
                return mayTakeMoreFrames();
            break;
        default:
            break;
    }
    if (alarmDue(state_.settings, split.HeaderLine, split.BodyText)) {
        PlayAlarm(platform_, state_.appPath);
        if (hooks_.watch)
            hooks_.watch->alarmSounded(split.HeaderLine);
    }
    // A box or a wait of connected mode ends the tick's frames.
    return mayTakeMoreFrames();
}

bool PollTick::endPending() const { return endPending_ && endPending_(); }

bool PollTick::mayTakeMoreFrames() const {
    return !nestedTick_ && !hooks_.connected.holdsPollTick();
}

}  // namespace zeno
