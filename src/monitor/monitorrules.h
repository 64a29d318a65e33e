// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

namespace zeno {

// The monitor is counted as text with CR LF line ends: a line end counts two characters.
// Past kMonitorLimit characters it keeps only its last kMonitorKeep.
inline constexpr qsizetype kMonitorLimit = 29000;
inline constexpr qsizetype kMonitorKeep = 26000;

// The text a received frame adds to the monitor, given the monitor's last character now
// (a null QChar for an empty monitor): the header line unless headers are hidden, the body,
// and a line end when the monitor would otherwise end inside a line.
//
// The engine ends each text with a NUL, which is never shown: a body that ends with it gets
// no line end of its own (its last line is already ended), one without it gets CR LF. Any
// other NUL is dropped and the text after it stays. Every line end comes out as CR LF: a lone LF
// from an information field starts a new line too and counts two characters, like every line end.
QString monitorAddition(const QString& HeaderLine, const QString& BodyText, bool ShowHeadersOff,
                        QChar monitorLastChar);

// How many characters to cut from the front of a monitor of this length (0: none).
qsizetype monitorCut(qsizetype monitorLength);

// A body that carries an APRS message line: ":" first and ":" as its 11th character
// (":PA3XYZ   :Hello{01").
bool isAprsMessageLine(const QString& BodyText);

}  // namespace zeno
