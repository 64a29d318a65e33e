#pragma once

#include "link/agwframe.h"

#include <QString>

namespace zeno {

// What the poll tick hands over to the rest of the program, in tick order. The main window
// implements it and passes each call to the side that owns it.
class PollHooks {
public:
    virtual ~PollHooks() = default;

    // The clock label changed its caption (once per displayed second): the timed beacon.
    virtual void Klok_Change() = 0;
    // Counts one tick of beacon time and sends the beacon when it is due.
    virtual void beaconStep() = 0;
    // An APRS message line (data starts with ":" and has ":" as its 11th character).
    virtual void LogAPRSMessages(const QString& header, const QString& data) = 0;
    // A connected-mode event ("c", "D" or "d"). firstLine is the frame's first line when it
    // is not a monitor header, body the rest. False: the tick ends here, without the alarm.
    virtual bool connectedModeEvent(const AgwFrame& frame, const QString& firstLine,
                                    const QString& body) = 0;
};

}  // namespace zeno
