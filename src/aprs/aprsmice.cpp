// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/aprsfields.h"

#include <array>
#include <cstring>

namespace zeno::aprs {

namespace {

// One destination character: a latitude digit, and a bit of the message (first three) or
// the north, +100 degrees and west flags (last three).
struct DestinationDigit {
    int digit = 0;
    bool set = false;     // message bit 1, or north / +100 / west
    bool custom = false;  // the bit is one of a custom message (A-K)
};

std::optional<DestinationDigit> destinationDigit(QChar c, bool messageBit) {
    const char ch = c.toLatin1();
    if (isDigit(ch))
        return DestinationDigit{ch - '0'};
    if (ch >= 'P' && ch <= 'Y')
        return DestinationDigit{ch - 'P', true};
    if (messageBit && ch >= 'A' && ch <= 'J')
        return DestinationDigit{ch - 'A', true, true};
    // Blanked digits (position ambiguity) count as 0.
    if (ch == 'L')
        return DestinationDigit{};
    if (ch == 'Z')
        return DestinationDigit{0, true};
    if (messageBit && ch == 'K')
        return DestinationDigit{0, true, true};
    return std::nullopt;
}

QString micEMessage(int bits, bool custom) {
    static const std::array<const char*, 8> standard = {"Emergency", "Priority",  "Special",
                                                        "Committed", "Returning", "In Service",
                                                        "En Route",  "Off Duty"};
    if (bits == 0)
        return QStringLiteral("Emergency");
    return custom ? QStringLiteral("Custom-%1").arg(7 - bits) : QString::fromLatin1(standard[bits]);
}

// The radio's mark at the end of the status text, after its mark at the start.
int deviceSuffixLength(char start, const QByteArray& rest) {
    if (rest.isEmpty())
        return 0;
    const char last = rest.back();
    if (start == '>' && (last == '=' || last == '^'))
        return 1;
    if (start == ']' && last == '=')
        return 1;
    static const QList<QByteArray> pairs = {"_ ", "_\"", "_#", "_$", "_%", "_)", "_(", "_0",
                                            "|3", "|4",  " X", "(5", "(8", ":4", ":8"};
    if ((start == '`' || start == '\'') && pairs.contains(rest.right(2)))
        return 2;
    return 0;
}

// The original Mic-E telemetry: '`' and five hex pairs or '\'' and two, alone.
bool takeTelemetry(QByteArray& rest, AprsReport& r) {
    const int channels = rest.startsWith('`') ? 5 : rest.startsWith('\'') ? 2 : 0;
    if (channels == 0 || rest.size() != 1 + 2 * channels)
        return false;
    QList<int> values;
    for (int i = 0; i < channels; ++i) {
        bool ok = false;
        values.append(rest.mid(1 + 2 * i, 2).toInt(&ok, 16));
        if (!ok)
            return false;
    }
    r.telemetry = values;
    rest.clear();
    return true;
}

}  // namespace

// Destination "T4SP0R": six latitude digits carrying the message bits and the flags.
// Information "`c51l#-k/]\"4-}Mobile=": longitude, speed and course each in bytes offset by
// 28, the symbol code and table, then the status text (radio marks, altitude, comment).
bool decodeMicE(const QString& destination, const QByteArray& info, AprsReport& r) {
    const QString dest = destination.section(u'-', 0, 0);
    if (dest.size() != 6 || info.size() < 9)
        return false;
    std::array<DestinationDigit, 6> d;
    for (int i = 0; i < 6; ++i) {
        const auto digit = destinationDigit(dest.at(i), i < 3);
        if (!digit)
            return false;
        d[size_t(i)] = *digit;
    }
    const int latDegrees = d[0].digit * 10 + d[1].digit;
    const double latMinutes = d[2].digit * 10 + d[3].digit + (d[4].digit * 10 + d[5].digit) / 100.0;
    if (latMinutes >= 60 || latDegrees > 90 || (latDegrees == 90 && latMinutes > 0))
        return false;

    const auto byte = [&](int i) { return int(uchar(info.at(i))) - 28; };
    int lonDegrees = byte(1) + (d[4].set ? 100 : 0);
    if (lonDegrees >= 180 && lonDegrees <= 189)
        lonDegrees -= 80;
    else if (lonDegrees >= 190 && lonDegrees <= 199)
        lonDegrees -= 190;
    int lonMinutes = byte(2);
    if (lonMinutes >= 60)
        lonMinutes -= 60;
    const int lonHundredths = byte(3);
    const int sp = byte(4), dc = byte(5), se = byte(6);
    const char code = info.at(7), table = info.at(8);
    if (lonDegrees < 0 || lonDegrees > 179 || lonMinutes < 0 || lonMinutes > 59 ||
        lonHundredths < 0 || lonHundredths > 99 || sp < 0 || dc < 0 || se < 0 ||
        !isSymbolTable(table) || !isSymbolCode(code))
        return false;

    r.kind = AprsReport::Position;
    const double lat = latDegrees + latMinutes / 60;
    const double lon = lonDegrees + (lonMinutes + lonHundredths / 100.0) / 60;
    r.latitude = d[3].set ? lat : -lat;
    r.longitude = d[5].set ? -lon : lon;
    r.symbolTable = QChar::fromLatin1(table);
    r.symbolCode = QChar::fromLatin1(code);
    const bool custom = d[0].custom || d[1].custom || d[2].custom;
    const bool standard =
        (d[0].set && !d[0].custom) || (d[1].set && !d[1].custom) || (d[2].set && !d[2].custom);
    r.micEMessage = custom && standard
                        ? QStringLiteral("Unknown")
                        : micEMessage(d[0].set * 4 + d[1].set * 2 + d[2].set, custom);

    int knots = sp * 10 + dc / 10;
    if (knots >= 800)
        knots -= 800;
    int course = (dc % 10) * 100 + se;
    if (course >= 400)
        course -= 400;
    r.speedKmh = knots * kKnotsToKmh;
    if (course >= 1 && course <= 360)  // 0 is "not known"
        r.courseDeg = course;

    QByteArray rest = info.mid(9);
    while (rest.endsWith('\r') || rest.endsWith('\n'))
        rest.chop(1);
    if (!takeTelemetry(rest, r) && !rest.isEmpty() && rest.at(0) != '\0' &&
        std::strchr(" >]`'", rest.at(0))) {
        const char start = rest.at(0);
        rest.chop(deviceSuffixLength(start, rest.mid(1)));
        rest.remove(0, 1);
    }
    // "xxx}": metres above -10000 in base 91.
    if (rest.size() >= 4 && rest.at(3) == '}' && isBase91(rest.at(0)) && isBase91(rest.at(1)) &&
        isBase91(rest.at(2))) {
        r.altitudeM =
            (rest.at(0) - '!') * 91 * 91 + (rest.at(1) - '!') * 91 + (rest.at(2) - '!') - 10000;
        rest.remove(0, 4);
    }
    r.comment = QString::fromUtf8(rest);
    takeCommentExtensions(r.comment, true, r);
    return true;
}

}  // namespace zeno::aprs
