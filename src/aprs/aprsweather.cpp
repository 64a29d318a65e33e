// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/aprsfields.h"

#include <cstring>

namespace zeno::aprs {

namespace {

// width characters at pos as one value: digits (a temperature may start with '-'), or all
// dots or blanks when the station has no reading (an empty value). false for anything else.
bool weatherValue(const QByteArray& info, qsizetype pos, int width, bool signedValue,
                  std::optional<int>& value) {
    const QByteArray s = info.mid(pos, width);
    value.reset();
    if (s.size() < width)
        return false;
    if (s == QByteArray(width, '.') || s == QByteArray(width, ' '))
        return true;
    for (qsizetype i = 0; i < width; ++i) {
        if (!isDigit(s.at(i)) && !(i == 0 && signedValue && s.at(i) == '-'))
            return false;
    }
    value = s.toInt();
    return true;
}

}  // namespace

// The values are in the station's units: mph, degrees Fahrenheit, hundredths of an inch and
// tenths of hPa; the report holds them in metric units.
qsizetype readWeatherValues(const QByteArray& info, qsizetype pos, bool positionless,
                            AprsReport& r) {
    std::optional<int> v;
    if (positionless && at(info, pos) == 'c' && weatherValue(info, pos + 1, 3, false, v)) {
        if (v && *v <= 360)
            r.windDirectionDeg = v;
        pos += 4;
    }
    if (positionless && at(info, pos) == 's' && weatherValue(info, pos + 1, 3, false, v)) {
        if (v)
            r.windSpeedKmh = *v * kMphToKmh;
        pos += 4;
    }
    // Any order from here; the first character that is no known field ends the values and
    // starts the station's software and type ("wRSW") or a comment.
    for (;;) {
        const char field = at(info, pos);
        const int width = field == 'h' ? 2 : field == 'b' ? 5 : 3;
        if (field == 0 || !std::strchr("gtrpPhbLls#", field) ||
            !weatherValue(info, pos + 1, width, field == 't', v))
            break;
        pos += 1 + width;
        if (!v)
            continue;
        switch (field) {
            case 'g':
                r.windGustKmh = *v * kMphToKmh;
                break;
            case 't':
                r.temperatureC = (*v - 32) * 5.0 / 9.0;
                break;
            case 'r':
                r.rain1hMm = *v * 0.254;
                break;
            case 'p':
                r.rain24hMm = *v * 0.254;
                break;
            case 'P':
                r.rainMidnightMm = *v * 0.254;
                break;
            case 'h':
                r.humidityPercent = *v == 0 ? 100 : *v;  // "h00" is 100 %
                break;
            case 'b':
                r.pressureHpa = *v / 10.0;
                break;
            case 'L':
                r.luminosityWm2 = *v;
                break;
            case 'l':
                r.luminosityWm2 = *v + 1000;
                break;
            default:  // snowfall ('s') and the raw rain counter ('#') are passed over
                break;
        }
    }
    return pos;
}

}  // namespace zeno::aprs
