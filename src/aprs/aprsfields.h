// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pieces shared by the decoder's files; not part of the library's interface.

#include "aprs/aprsdecode.h"

#include <QByteArray>
#include <QString>

namespace zeno::aprs {

inline constexpr double kKnotsToKmh = 1.852;
inline constexpr double kMphToKmh = 1.609344;
inline constexpr double kFeetToMetres = 0.3048;

// The byte at i, or 0 outside the field: the format checks index freely and a short field
// simply fails them, so nothing is ever read past the end.
inline char at(const QByteArray& b, qsizetype i) { return i >= 0 && i < b.size() ? b.at(i) : '\0'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isBase91(char c) { return c >= '!' && c <= '{'; }
// Primary, alternate or an overlay character.
inline bool isSymbolTable(char c) {
    return c == '/' || c == '\\' || (c >= 'A' && c <= 'Z') || isDigit(c);
}
inline bool isSymbolCode(char c) { return c >= '!' && c <= '~'; }

// The text from pos to the end, without the CR or LF some stations send last.
QString textFrom(const QByteArray& info, qsizetype pos);
// "092345z", "092345/" or "234517h" at pos.
bool isTimestamp(const QByteArray& info, qsizetype pos);

// A position of either form at pos, then what follows it: the data extension, the comment
// and its extensions, or with the weather symbol (when weatherAllowed) the weather values.
// Sets kind to Position or Weather; false when the position is malformed.
bool decodePosition(const QByteArray& info, qsizetype pos, bool weatherAllowed, AprsReport& r);
// "/A=" altitude and the "!DAO!" extra precision, taken out of the comment.
void takeCommentExtensions(QString& comment, bool withDao, AprsReport& r);

// The weather values from pos ("g005t077r000p000P000h50b09900"), led by "c220s004" in a
// positionless report; returns where they end.
qsizetype readWeatherValues(const QByteArray& info, qsizetype pos, bool positionless,
                            AprsReport& r);

// Mic-E: latitude and message in the destination, the rest in info.
bool decodeMicE(const QString& destination, const QByteArray& info, AprsReport& r);

}  // namespace zeno::aprs
