// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/station.h"

#include "aprs/aprsdecode.h"

#include <QStringList>
#include <cmath>

namespace zeno {

namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kPi = 3.14159265358979323846;

double radians(double degrees) { return degrees * kPi / 180.0; }

// The next blank-separated word of text from pos on; pos moves past it.
QStringView nextWord(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u' ')
        ++pos;
    return text.mid(start, pos - start);
}

// "WIDE2", "TRACE3", "RELAY": a used-up hop of the path, not the station that repeated it
// (which marks its own call before it).
bool isPathAlias(QStringView digi) {
    for (const char* alias : {"WIDE", "TRACE", "RELAY"}) {
        if (digi.startsWith(QLatin1String(alias)))
            return true;
    }
    return false;
}

QString degreesMinutes(double value, int degreeDigits, QChar positive, QChar negative) {
    const double a = std::fabs(value);
    int degrees = int(a);
    double minutes = std::round((a - degrees) * 6000.0) / 100.0;
    if (minutes >= 60.0) {
        ++degrees;
        minutes = 0;
    }
    return QStringLiteral("%1°%2'%3")
        .arg(degrees, degreeDigits, 10, QLatin1Char('0'))
        .arg(minutes, 5, 'f', 2, QLatin1Char('0'))
        .arg(value < 0 ? negative : positive);
}

}  // namespace

std::optional<GeoPoint> operatorPosition(const QString& aprsSetting) {
    constexpr int kHeaderLength = 20;  // "=5258.23N/00002.77W-"
    if (aprsSetting.size() < kHeaderLength)
        return std::nullopt;
    const AprsReport r =
        decodeAprs(QString(), QString(), aprsSetting.left(kHeaderLength).toLatin1());
    if (r.kind != AprsReport::Position || !r.latitude || !r.longitude)
        return std::nullopt;
    return GeoPoint{*r.latitude, *r.longitude};
}

bool isSatelliteDigipeater(const QString& call) {
    return call == QLatin1String("RS0ISS") || call == QLatin1String("PCSAT-1") ||
           call == QLatin1String("W3ADO-1");
}

std::optional<HeardHeader> heardHeader(QStringView header) {
    if (!header.startsWith(QLatin1String("Fm "), Qt::CaseInsensitive))
        return std::nullopt;
    qsizetype pos = 3;
    HeardHeader h;
    h.source = nextWord(header, pos).toString();
    if (h.source.isEmpty() || nextWord(header, pos) != QLatin1String("To"))
        return std::nullopt;
    h.destination = nextWord(header, pos).toString();
    QStringView word = nextWord(header, pos);
    if (word == QLatin1String("Via")) {
        QStringView lastMarked;
        QStringView lastStation;
        for (QStringView digi : nextWord(header, pos).split(u',')) {
            if (!digi.endsWith(u'*'))
                continue;
            lastMarked = digi.chopped(1);
            if (!isPathAlias(lastMarked))
                lastStation = lastMarked;
        }
        h.heardVia = (lastStation.isEmpty() ? lastMarked : lastStation).toString();
        word = nextWord(header, pos);
    }
    h.isUi = word.startsWith(QLatin1String("<UI"));
    return h;
}

QByteArray informationField(QStringView body) {
    QStringView info = body;
    const qsizetype nul = info.indexOf(QChar(0));
    if (nul >= 0)
        info = info.left(nul);
    if (info.endsWith(QLatin1String("\r\n\r\n")))
        info.chop(4);
    QString text = info.toString();
    // Every CR of the field became CR LF on its way to the monitor.
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    // Only free text goes beyond ASCII, and the decoder reads text as UTF-8: whether the link
    // showed the bytes as UTF-8 or as Latin-1, this gives the text the monitor shows.
    return text.toUtf8();
}

void takeReport(Station& station, const AprsReport& r, const QDateTime& heard,
                const QString& heardVia) {
    ++station.packets;
    station.lastHeard = heard;
    station.heardVia = heardVia;
    if (r.latitude && r.longitude) {
        station.latitude = r.latitude;
        station.longitude = r.longitude;
    }
    if (!r.symbolCode.isNull()) {
        station.symbolTable = r.symbolTable;
        station.symbolCode = r.symbolCode;
    }
    if (r.altitudeM)
        station.altitudeM = r.altitudeM;
    if (r.courseDeg)
        station.courseDeg = r.courseDeg;
    if (r.speedKmh)
        station.speedKmh = r.speedKmh;
    switch (r.kind) {
        case AprsReport::Position:
        case AprsReport::Object:
        case AprsReport::Item:
        case AprsReport::Weather:
            if (!r.comment.trimmed().isEmpty())
                station.comment = r.comment.trimmed();
            break;
        case AprsReport::Status:
            station.comment = r.comment.trimmed();
            break;
        default:
            break;
    }
    if (r.hasWeather())
        station.weather = weatherSummary(r);
}

QString maidenheadLocator(double latitude, double longitude) {
    // Just short of the far edges, so the poles and the date line stay in the last field.
    double x = qBound(0.0, longitude + 180.0, 359.999999);
    double y = qBound(0.0, latitude + 90.0, 179.999999);
    const int fieldX = int(x / 20);
    const int fieldY = int(y / 10);
    x -= fieldX * 20;
    y -= fieldY * 10;
    const int squareX = int(x / 2);
    const int squareY = int(y);
    x -= squareX * 2;
    y -= squareY;
    const char text[] = {char('A' + fieldX),  char('A' + fieldY),      char('0' + squareX),
                         char('0' + squareY), char('a' + int(x * 12)), char('a' + int(y * 24))};
    return QString::fromLatin1(text, 6);
}

double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = radians(lat2 - lat1);
    const double dLon = radians(lon2 - lon1);
    const double a = std::pow(std::sin(dLat / 2), 2) + std::cos(radians(lat1)) *
                                                           std::cos(radians(lat2)) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2 * kEarthRadiusKm * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

double bearingDeg(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = radians(lat1);
    const double p2 = radians(lat2);
    const double dLon = radians(lon2 - lon1);
    const double y = std::sin(dLon) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dLon);
    const double degrees = std::atan2(y, x) * 180.0 / kPi;
    return std::fmod(degrees + 360.0, 360.0);
}

QString positionText(double latitude, double longitude) {
    return degreesMinutes(latitude, 2, u'N', u'S') + QLatin1Char(' ') +
           degreesMinutes(longitude, 3, u'E', u'W');
}

QString weatherSummary(const AprsReport& r) {
    QStringList parts;
    if (r.temperatureC)
        parts << QStringLiteral("%1 °C").arg(*r.temperatureC, 0, 'f', 1);
    if (r.windDirectionDeg || r.windSpeedKmh) {
        QString wind = QStringLiteral("wind");
        if (r.windDirectionDeg)
            wind += QStringLiteral(" %1°").arg(*r.windDirectionDeg, 3, 10, QLatin1Char('0'));
        if (r.windSpeedKmh)
            wind += QStringLiteral(" %1 km/h").arg(*r.windSpeedKmh, 0, 'f', 0);
        if (r.windGustKmh)
            wind += QStringLiteral(" gusts %1 km/h").arg(*r.windGustKmh, 0, 'f', 0);
        parts << wind;
    }
    if (r.pressureHpa)
        parts << QStringLiteral("%1 hPa").arg(*r.pressureHpa, 0, 'f', 1);
    if (r.humidityPercent)
        parts << QStringLiteral("%1 %").arg(*r.humidityPercent);
    if (r.rain1hMm)
        parts << QStringLiteral("rain %1 mm/1 h").arg(*r.rain1hMm, 0, 'f', 1);
    else if (r.rain24hMm)
        parts << QStringLiteral("rain %1 mm/24 h").arg(*r.rain24hMm, 0, 'f', 1);
    return parts.join(QStringLiteral(", "));
}

}  // namespace zeno
