// SPDX-License-Identifier: GPL-3.0-or-later
#include "aprs/aprsdecode.h"

#include "aprs/aprsfields.h"

namespace zeno {

using namespace aprs;

namespace {

// ";LEADER   *092345z4903.50N/07201.75W>088/036": a 9-character name, live or killed, the
// time it was made, then a position like any other (weather included).
bool decodeObject(const QByteArray& info, AprsReport& r) {
    const char state = at(info, 10);
    if ((state != '*' && state != '_') || !isTimestamp(info, 11) ||
        !decodePosition(info, 18, true, r))
        return false;
    r.kind = AprsReport::Object;
    r.objectName = QString::fromLatin1(info.mid(1, 9)).trimmed();
    r.objectAlive = state == '*';
    r.timestamp = QString::fromLatin1(info.mid(11, 7));
    return !r.objectName.isEmpty();
}

// ")AID #2!4903.50N/07201.75WA": a name of up to 9 characters ended by '!' (live) or '_'
// (killed), then a position without a time.
bool decodeItem(const QByteArray& info, AprsReport& r) {
    qsizetype end = 1;
    while (end <= 10 && at(info, end) != '!' && at(info, end) != '_')
        ++end;
    if (end == 1 || end > 10 || !decodePosition(info, end + 1, false, r))
        return false;
    r.kind = AprsReport::Item;
    r.objectName = QString::fromLatin1(info.mid(1, end - 1)).trimmed();
    r.objectAlive = info.at(end) == '!';
    return !r.objectName.isEmpty();
}

// The length of a Maidenhead locator at pos (4 or 6), 0 when there is none.
int locatorLength(const QByteArray& info, qsizetype pos) {
    const auto letters = [&](qsizetype i, char last) {
        for (qsizetype j = i; j < i + 2; ++j) {
            const char c = char(at(info, j) & ~0x20);  // either case
            if (c < 'A' || c > last)
                return false;
        }
        return true;
    };
    if (!letters(pos, 'R') || !isDigit(at(info, pos + 2)) || !isDigit(at(info, pos + 3)))
        return 0;
    return letters(pos + 4, 'X') ? 6 : 4;
}

// The centre of a locator's square: where a status report with a locator puts its station.
void setLocatorCentre(const QString& locator, AprsReport& r) {
    const auto value = [&](int i, char base) { return locator.at(i).unicode() - base; };
    double lon = -180 + value(0, 'A') * 20 + value(2, '0') * 2;
    double lat = -90 + value(1, 'A') * 10 + value(3, '0');
    if (locator.size() == 6) {
        lon += (value(4, 'A') + 0.5) * 2.0 / 24;
        lat += (value(5, 'A') + 0.5) / 24;
    } else {
        lon += 1;
        lat += 0.5;
    }
    r.latitude = lat;
    r.longitude = lon;
}

// ">text", ">092345ztext" or ">IO91SX/G text": any text is a status.
bool decodeStatus(const QByteArray& info, AprsReport& r) {
    r.kind = AprsReport::Status;
    qsizetype pos = 1;
    const int n = locatorLength(info, 1);
    if (isTimestamp(info, 1) && at(info, 7) == 'z') {
        r.timestamp = QString::fromLatin1(info.mid(1, 7));
        pos = 8;
    } else if (n > 0 && isSymbolTable(at(info, 1 + n)) && isSymbolCode(at(info, 2 + n)) &&
               (at(info, 3 + n) == ' ' || 3 + n >= info.size())) {
        r.locator = QString::fromLatin1(info.mid(1, n)).toUpper();
        setLocatorCentre(r.locator, r);
        r.symbolTable = QChar::fromLatin1(info.at(1 + n));
        r.symbolCode = QChar::fromLatin1(info.at(2 + n));
        pos = 3 + n;
    }
    r.comment = textFrom(info, pos).trimmed();
    return true;
}

// The number an ack, a reject or a message carries; a reply-ack ("{03}01") gives "03".
QString messageNumberOf(const QString& text) { return text.section(u'}', 0, 0).trimmed(); }

// ":WU2Z     :Testing{003", ":WU2Z     :ack003", ":WU2Z     :rej003", ":BLN1     :text".
bool decodeMessage(const QByteArray& info, AprsReport& r) {
    if (at(info, 10) != ':')
        return false;
    r.kind = AprsReport::Message;
    r.addressee = QString::fromLatin1(info.mid(1, 9)).trimmed();
    r.isBulletin = r.addressee.startsWith(u"BLN");
    const QString body = textFrom(info, 11);
    r.isAck = body.startsWith(u"ack");
    r.isReject = body.startsWith(u"rej");
    const qsizetype brace = body.lastIndexOf(u'{');
    if (r.isAck || r.isReject) {
        r.messageNumber = messageNumberOf(body.mid(3));
    } else if (brace >= 0) {
        r.messageText = body.left(brace).trimmed();
        r.messageNumber = messageNumberOf(body.mid(brace + 1));
    } else {
        r.messageText = body.trimmed();
    }
    return !r.addressee.isEmpty();
}

// "_10090556c220s004g005t077...": the month, day and time, then the weather values.
bool decodePositionlessWeather(const QByteArray& info, AprsReport& r) {
    for (qsizetype i = 1; i <= 8; ++i) {
        if (!isDigit(at(info, i)))
            return false;
    }
    r.kind = AprsReport::Weather;
    r.timestamp = QString::fromLatin1(info.mid(1, 8));
    r.comment = textFrom(info, readWeatherValues(info, 9, true, r)).trimmed();
    return true;
}

AprsReport otherReport(const QByteArray& info) {
    AprsReport r;
    r.kind = AprsReport::Other;
    r.comment = QString::fromUtf8(info);
    return r;
}

}  // namespace

namespace aprs {

QString textFrom(const QByteArray& info, qsizetype pos) {
    qsizetype end = info.size();
    while (end > pos && (info.at(end - 1) == '\r' || info.at(end - 1) == '\n'))
        --end;
    return end > pos ? QString::fromUtf8(info.constData() + pos, end - pos) : QString();
}

bool isTimestamp(const QByteArray& info, qsizetype pos) {
    for (qsizetype i = pos; i < pos + 6; ++i) {
        if (!isDigit(at(info, i)))
            return false;
    }
    const char indicator = at(info, pos + 6);
    return indicator == 'z' || indicator == '/' || indicator == 'h';
}

}  // namespace aprs

bool AprsReport::hasWeather() const {
    return windDirectionDeg || windSpeedKmh || windGustKmh || temperatureC || rain1hMm ||
           rain24hMm || rainMidnightMm || humidityPercent || pressureHpa || luminosityWm2;
}

AprsReport decodeAprs(const QString& /*source*/, const QString& destination,
                      const QByteArray& info) {
    AprsReport r;
    if (info.isEmpty())
        return r;
    bool decoded = false;
    switch (info.at(0)) {
        case '!':
        case '=':
            // "!!" starts a raw Ultimeter weather line, which is no position.
            r.messaging = info.at(0) == '=';
            decoded = at(info, 1) != '!' && decodePosition(info, 1, true, r);
            break;
        case '/':
        case '@':
            r.messaging = info.at(0) == '@';
            r.timestamp = QString::fromLatin1(info.mid(1, 7));
            decoded = isTimestamp(info, 1) && decodePosition(info, 8, true, r);
            break;
        case '`':
        case '\'':
            decoded = decodeMicE(destination, info, r);
            break;
        case ';':
            decoded = decodeObject(info, r);
            break;
        case ')':
            decoded = decodeItem(info, r);
            break;
        case '>':
            decoded = decodeStatus(info, r);
            break;
        case ':':
            decoded = decodeMessage(info, r);
            break;
        case '_':
            decoded = decodePositionlessWeather(info, r);
            break;
        default:
            break;
    }
    // A fresh report: nothing half-decoded from a malformed field survives.
    return decoded ? r : otherReport(info);
}

}  // namespace zeno
