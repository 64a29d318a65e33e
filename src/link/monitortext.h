// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/ax25decode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTime>

namespace zeno {

// A heard frame as the program shows it: the classic monitor text
//   " 1:Fm N0CALL To CQ Via RS0ISS*,WIDE2-1 <UI pid=F0 Len=5 >[21:04:09]\rHello\r\r\0"
// and its kind: 'U' for UI, 'I' for I frames, 'S' for every other frame.
struct MonitorText {
    char kind = 'S';
    QByteArray text;  // Latin-1, ends with a NUL
};

// Renders a decoded frame received on apiPort (0 = first) at local time `time`, or with its
// time already as "hh:mm:ss" (a busy channel renders many frames within one second).
// Every digipeater with its has-been-repeated bit set is marked "*"; the info is the whole
// information field with its NUL bytes removed, but for the binary fields of XID (its
// parameters, "XID: modulo 128, window 32, ...") and FRMR (what it rejects and why).
MonitorText renderMonitorText(const Ax25Frame& frame, int apiPort, QByteArrayView timeText);
MonitorText renderMonitorText(const Ax25Frame& frame, int apiPort, const QTime& time);

// Brings an engine's own monitor text ('U', 'I', 'S', 'T') to the rendered shape: no P/F
// marks, "pid=F0" rather than "pid=0xF0", "<I R0 S1 ...>", and CR CR NUL after an info
// (CR NUL without). A text without a monitor header is returned unchanged.
QByteArray normaliseEngineText(QByteArrayView text);

// A received text as the screen shows it: UTF-8 when it is valid UTF-8 with at least one
// character beyond ASCII (stations that type "Grüße" send it so), else Latin-1, one character
// per byte, as packet radio always was.
QString shownText(QByteArrayView bytes);

}  // namespace zeno
