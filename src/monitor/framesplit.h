// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zeno {

// One received frame as the receive path uses it.
struct SplitFrame {
    // The engine's monitor header from "Fm " on (its port prefix and colon dropped), when the
    // first line is one; empty otherwise.
    QString HeaderLine;
    // The first line when it is not a monitor header (connected mode gets it); empty otherwise.
    QString firstLine;
    // Everything after the first CR, every CR followed by an LF; starts with CR LF when the
    // first line is not a monitor header.
    QString BodyText;
};

// Splits the first dataLength characters of a frame's data. In the first line, characters
// below code 13 are dropped; a frame without any CR is taken whole into the body as well.
SplitFrame splitFrame(const QString& data, int dataLength);

// True for a monitor header line: ":Fm " at characters 3 to 6 (" 1:Fm N0CALL To CQ ...").
bool isMonitorHeader(const QString& firstLine);

}  // namespace zeno
