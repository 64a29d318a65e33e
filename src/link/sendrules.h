// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/agwwire.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace zeno {

// Stations with a connected-mode link up on the current TCP connection: a 'C' event came
// for them and no 'd' since. The engine keys a link by both calls, so our side of each link
// (the call the station connected to, or that we connected from) is kept with it.
class ConnectedStations {
public:
    void linkUp(const QString& station, const QString& ownSide);
    void linkDown(const QString& station);
    bool isUp(const QString& station) const;
    // Our call on the link with that station; empty when no link is up or it was not told.
    QString ownSideOf(const QString& station) const;
    QStringList stations() const;  // in the order they came up
    void clear() { links_.clear(); }

private:
    struct Link {
        QString station;
        QString ownSide;
    };
    QList<Link> links_;
};

// The engine segments connected data itself, but closes a client that sends more than 2122
// bytes at once; 256 is its own packet length.
inline constexpr qsizetype kMaxConnectedChunk = 256;
// Upper bound for any other frame's data, well below that limit.
inline constexpr qsizetype kMaxSendDataLength = 2048;
inline constexpr int kMaxUiDigipeaters = 8;
inline constexpr int kMaxConnectDigipeaters = 7;  // the engine's connect-via block holds 7

// The API frames for one send of the program (kind, call field, data), from ownCall on
// port ("D" and "d" from our side of the link when one is up). Empty when nothing may go on
// the wire: an unknown kind, a "D" to a station whose link is not up (the engine hangs on
// it) or with no data, or an empty address.
std::vector<WireFrame> wireFramesForSend(QChar kind, const QString& callField, const QString& data,
                                         const QString& ownCall, int port,
                                         const ConnectedStations& links);

// The first word of a call field, upper case; the field ends at a NUL (a call-from buffer
// handed back as it was received).
QString firstCall(const QString& callField);

}  // namespace zeno
