// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/aprsfields.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <utility>

namespace zeno::aprs {

namespace {

// "4903.50" or "07201.75": the degree digits are required; minute digits may be blanked
// for position ambiguity and then count as 0.
std::optional<double> plainDegrees(const QByteArray& info, qsizetype pos, int degreeDigits) {
    int degrees = 0;
    for (qsizetype i = pos; i < pos + degreeDigits; ++i) {
        if (!isDigit(at(info, i)))
            return std::nullopt;
        degrees = degrees * 10 + (info.at(i) - '0');
    }
    const qsizetype m = pos + degreeDigits;
    if (at(info, m + 2) != '.')
        return std::nullopt;
    int hundredths = 0;  // of a minute
    for (const qsizetype i : {m, m + 1, m + 3, m + 4}) {
        const char c = at(info, i) == ' ' ? '0' : at(info, i);
        if (!isDigit(c))
            return std::nullopt;
        hundredths = hundredths * 10 + (c - '0');
    }
    if (hundredths >= 6000)
        return std::nullopt;
    return degrees + hundredths / 6000.0;
}

// "4903.50N/07201.75W-": 19 bytes.
bool readPlainPosition(const QByteArray& info, qsizetype pos, AprsReport& r) {
    const auto lat = plainDegrees(info, pos, 2);
    const auto lon = plainDegrees(info, pos + 9, 3);
    const char ns = char(at(info, pos + 7) & ~0x20);  // either case
    const char ew = char(at(info, pos + 17) & ~0x20);
    if (!lat || !lon || *lat > 90 || *lon > 180 || (ns != 'N' && ns != 'S') ||
        (ew != 'E' && ew != 'W') || !isSymbolTable(at(info, pos + 8)) ||
        !isSymbolCode(at(info, pos + 18)))
        return false;
    r.latitude = ns == 'S' ? -*lat : *lat;
    r.longitude = ew == 'W' ? -*lon : *lon;
    r.symbolTable = QChar::fromLatin1(info.at(pos + 8));
    r.symbolCode = QChar::fromLatin1(info.at(pos + 18));
    return true;
}

// digits base-91 digits at pos, or -1.
qint64 base91(const QByteArray& info, qsizetype pos, int digits) {
    qint64 value = 0;
    for (qsizetype i = pos; i < pos + digits; ++i) {
        if (!isBase91(at(info, i)))
            return -1;
        value = value * 91 + (info.at(i) - '!');
    }
    return value;
}

// "/5L!!<*e7>7P[": 13 bytes. The table, latitude and longitude in base 91, the code, then
// "cs": course and speed, altitude or range, as the type byte "t" after them says.
bool readCompressedPosition(const QByteArray& info, qsizetype pos, AprsReport& r) {
    char table = at(info, pos);
    if (table >= 'a' && table <= 'j')  // overlay digits, since a digit would start a latitude
        table = char('0' + (table - 'a'));
    const qint64 y = base91(info, pos + 1, 4);
    const qint64 x = base91(info, pos + 5, 4);
    const char code = at(info, pos + 9);
    if (!isSymbolTable(table) || y < 0 || x < 0 || !isSymbolCode(code) || pos + 13 > info.size())
        return false;
    const double lat = 90 - y / 380926.0;
    const double lon = -180 + x / 190463.0;
    if (lat < -90 || lon > 180)
        return false;
    r.latitude = lat;
    r.longitude = lon;
    r.symbolTable = QChar::fromLatin1(table);
    r.symbolCode = QChar::fromLatin1(code);

    const char c = info.at(pos + 10);
    const char s = info.at(pos + 11);
    const char t = info.at(pos + 12);
    if (c == ' ' || !isBase91(c) || !isBase91(s))
        return true;
    if (((t - '!') & 0x18) == 0x10)  // the fix came from a GGA sentence: cs is the altitude
        r.altitudeM = std::pow(1.002, (c - '!') * 91 + (s - '!')) * kFeetToMetres;
    else if (c == '{')
        r.rangeKm = 2 * std::pow(1.08, s - '!') * kMphToKmh;
    else {
        r.courseDeg = (c - '!') * 4;
        r.speedKmh = (std::pow(1.08, s - '!') - 1) * kKnotsToKmh;
    }
    return true;
}

// Three digits, or three dots or blanks for "not known" (an empty value).
bool threeDigits(const QByteArray& info, qsizetype pos, std::optional<int>& value) {
    const QByteArray s = info.mid(pos, 3);
    value.reset();
    if (s == "..." || s == "   ")
        return true;
    if (s.size() < 3 || !isDigit(s.at(0)) || !isDigit(s.at(1)) || !isDigit(s.at(2)))
        return false;
    value = s.toInt();
    return true;
}

bool hasDigits(const QByteArray& info, qsizetype pos, int count) {
    for (qsizetype i = pos; i < pos + count; ++i) {
        if (!isDigit(at(info, i)))
            return false;
    }
    return true;
}

// The 7 bytes after a plain position: "088/036" course and speed, "PHG5132" or "RNG0050".
qsizetype readDataExtension(const QByteArray& info, qsizetype pos, AprsReport& r) {
    std::optional<int> course;
    std::optional<int> speed;
    if (at(info, pos + 3) == '/' && threeDigits(info, pos, course) &&
        threeDigits(info, pos + 4, speed)) {
        // Courses run 1 ... 360, so "000" is no course; "000/000" says neither is known.
        if (course && *course >= 1 && *course <= 360)
            r.courseDeg = course;
        if (speed && (*speed > 0 || r.courseDeg))
            r.speedKmh = *speed * kKnotsToKmh;
        return pos + 7;
    }
    if (info.mid(pos, 3) == "PHG" && hasDigits(info, pos + 3, 3) && at(info, pos + 6) >= '0' &&
        at(info, pos + 6) <= '8') {
        const auto digit = [&](int i) { return info.at(pos + i) - '0'; };
        r.phg = AprsPhg{digit(3) * digit(3), 10.0 * (1 << digit(4)) * kFeetToMetres, digit(5),
                        digit(6) * 45};
        return pos + 7;
    }
    if (info.mid(pos, 3) == "RNG" && hasDigits(info, pos + 3, 4)) {
        r.rangeKm = info.mid(pos + 3, 4).toInt() * kMphToKmh;
        return pos + 7;
    }
    return pos;
}

// "220/004" after a weather station's plain position. The weather reference gives wind
// speeds in mph, as weather stations send them, although its DIR/SPD extension says knots.
qsizetype readWind(const QByteArray& info, qsizetype pos, AprsReport& r) {
    std::optional<int> direction;
    std::optional<int> speed;
    if (at(info, pos + 3) != '/' || !threeDigits(info, pos, direction) ||
        !threeDigits(info, pos + 4, speed))
        return pos;
    if (direction && *direction <= 360)
        r.windDirectionDeg = direction;
    if (speed)
        r.windSpeedKmh = *speed * kMphToKmh;
    return pos + 7;
}

}  // namespace

bool decodePosition(const QByteArray& info, qsizetype pos, bool weatherAllowed, AprsReport& r) {
    // A plain latitude starts with a digit, a compressed position with its symbol table.
    const bool plain = isDigit(at(info, pos));
    if (!(plain ? readPlainPosition(info, pos, r) : readCompressedPosition(info, pos, r)))
        return false;
    pos += plain ? 19 : 13;
    if (weatherAllowed && r.symbolCode == u'_') {
        r.kind = AprsReport::Weather;
        if (plain) {
            pos = readWind(info, pos, r);
        } else {  // a weather station's compressed course and speed are the wind
            r.windDirectionDeg = std::exchange(r.courseDeg, std::nullopt);
            r.windSpeedKmh = std::exchange(r.speedKmh, std::nullopt);
        }
        r.comment = textFrom(info, readWeatherValues(info, pos, false, r)).trimmed();
        return true;
    }
    r.kind = AprsReport::Position;
    if (plain)
        pos = readDataExtension(info, pos, r);
    r.comment = textFrom(info, pos);
    takeCommentExtensions(r.comment, plain, r);
    return true;
}

void takeCommentExtensions(QString& comment, bool withDao, AprsReport& r) {
    static const QRegularExpression altitude(QStringLiteral("/A=(-\\d{5}|\\d{6})"));
    // One more digit of minutes (upper case), or nearly two in base 91 (lower case).
    static const QRegularExpression dao(QStringLiteral("!([A-Z][0-9 ]{2}|[a-z][!-{ ]{2})!"));
    if (const auto m = altitude.match(comment); m.hasMatch()) {
        r.altitudeM = m.captured(1).toInt() * kFeetToMetres;
        comment.remove(m.capturedStart(), m.capturedLength());
    }
    if (const auto m = dao.match(comment); withDao && m.hasMatch() && r.latitude && r.longitude) {
        const QString d = m.captured(1);
        const auto extra = [&](QChar c) {
            if (c == u' ')
                return 0.0;
            return d.at(0).isUpper() ? (c.unicode() - '0') / 60000.0
                                     : (c.unicode() - '!') * 1.1 / 600000.0;
        };
        r.latitude =
            std::clamp(*r.latitude + std::copysign(extra(d.at(1)), *r.latitude), -90.0, 90.0);
        r.longitude =
            std::clamp(*r.longitude + std::copysign(extra(d.at(2)), *r.longitude), -180.0, 180.0);
        comment.remove(m.capturedStart(), m.capturedLength());
    }
    comment = comment.trimmed();
}

}  // namespace zeno::aprs
