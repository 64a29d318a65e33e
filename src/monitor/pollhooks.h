// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwframe.h"

#include <QString>

namespace zeno {

// The clock and the beacon: the part of the window that owns the Time panel.
class BeaconHooks {
public:
    virtual ~BeaconHooks() = default;

    virtual QString clockCaption() const = 0;  // "Klok"
    virtual void setClockCaption(const QString& caption) = 0;
    // The clock label changed its caption (once per displayed second): the timed beacon.
    virtual void Klok_Change() = 0;
    // Counts one tick of beacon time and sends the beacon when it is due.
    virtual void beaconStep() = 0;
};

// The received-messages log.
class MessageLogHook {
public:
    virtual ~MessageLogHook() = default;

    // An APRS message line (data starts with ":" and has ":" as its 11th character).
    virtual void LogAPRSMessages(const QString& header, const QString& data) = 0;
};

// Connected mode.
class ConnectedModeHook {
public:
    virtual ~ConnectedModeHook() = default;

    // A connected-mode event ("c", "D" or "d"). firstLine is the frame's first line when it
    // is not a monitor header, body the rest. False: the tick ends here, without the alarm.
    virtual bool connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                                    const QString& body) = 0;
    // Connected mode has a box open or is pausing between frames it sends: no tick starts
    // meanwhile, and a tick under way takes no more frames.
    virtual bool holdsPollTick() const { return false; }
};

// Tells the operator what the tick saw: own frames heard back, the alarm.
class FrameWatchHook {
public:
    virtual ~FrameWatchHook() = default;

    // Every frame the tick takes (also those the filter hides), as it splits it.
    virtual void frameTaken(const AgwFrame& frame, const QString& header, const QString& body) = 0;
    // The alarm sounded for this frame.
    virtual void alarmSounded(const QString& header) = 0;
};

// What the poll tick hands over to the rest of the program, in tick order: each part of the
// main window implements the hook it owns.
struct PollHooks {
    BeaconHooks& beacon;
    MessageLogHook& messages;
    ConnectedModeHook& connected;
    FrameWatchHook* watch = nullptr;  // none: nobody watches
};

}  // namespace zeno
