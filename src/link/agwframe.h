// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// One frame between the program and the engine link, in either direction.
// Text crosses the wire as Latin-1, one byte per character, so every QString here holds
// characters U+0000..U+00FF only.
struct AgwFrame {
    int port = 0;        // engine radio port (0 = first)
    int kind = 0;        // the frame kind, one ASCII letter as its character code ('V' = 86)
    QString callFrom;    // on receive: the remote station's callsign
    QString data;        // the payload; on receive at most 2000 characters
    int dataLength = 0;  // number of characters of data

    QChar kindLetter() const { return QChar(kind); }
};

// Program-wide values around the link (kept in the application state).
struct LinkValues {
    int RadioPort = 0;     // configured engine port, copied into every send and fetch
    int ReceivedKind = 0;  // kind of the last fetched frame
    QString
        EngineInitText;   // the engine's start-up text (first fetched frame), or "No AGW Detected"
    QString LinkAddress;  // call field of most frames sent
};

}  // namespace zeno
