// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

namespace zeno {

struct AprsReport;

// What the station list knows of one station (or APRS object), from everything heard of it.
struct Station {
    QString callsign;  // as heard, SSID included; an object or item goes by its name
    QChar symbolTable;
    QChar symbolCode;
    QDateTime lastHeard;  // local time
    QString heardVia;     // the last digipeater that repeated the last frame; empty: direct
    int packets = 0;
    std::optional<double> latitude;  // degrees, north and east positive
    std::optional<double> longitude;
    std::optional<double> altitudeM;
    std::optional<int> courseDeg;
    std::optional<double> speedKmh;
    QString comment;  // the last comment or status text
    QString weather;  // the last weather report, summed up

    bool hasPosition() const { return latitude && longitude; }
};

struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
    bool operator==(const GeoPoint&) const = default;
};

// The operator's own position: the header of the APRS station setup ("[APRS]"), nothing
// while it holds none.
std::optional<GeoPoint> operatorPosition(const QString& aprsSetting);

// The digipeaters in orbit: "heard via a satellite" means heard through one of them.
bool isSatelliteDigipeater(const QString& call);

// The parts of a monitor header line ("Fm N0CALL To APRS Via RS0ISS*,WIDE2-1 <UI pid=F0 Len=5
// >[21:04:09]") the station list uses.
struct HeardHeader {
    QString source;
    QString destination;
    QString heardVia;  // the last digipeater marked "*", without the mark
    bool isUi = false;
};
// Nothing for a line that is not a monitor header.
std::optional<HeardHeader> heardHeader(QStringView header);

// The information field from the tick's body text (line ends made CR LF, the rendered CR CR
// and the closing NUL after it), its text beyond ASCII as UTF-8.
QByteArray informationField(QStringView body);

// One heard report folded into what is known of a station: the frame counts, the time and
// the path are the latest, and what the report carries replaces what an older one said.
void takeReport(Station& station, const AprsReport& report, const QDateTime& heard,
                const QString& heardVia);

// The 6-character Maidenhead locator ("JO22ab") of a position.
QString maidenheadLocator(double latitude, double longitude);
// Great-circle distance (km, on a sphere of the Earth's mean radius) and the initial bearing
// (degrees from north, 0 ... 360) from one position to another.
double distanceKm(double lat1, double lon1, double lat2, double lon2);
double bearingDeg(double lat1, double lon1, double lat2, double lon2);

// "52°58.23'N 000°02.77'W"
QString positionText(double latitude, double longitude);
// "12.5 °C, wind 225° 15 km/h gusts 25 km/h, 1013.2 hPa, 65 %, rain 1.2 mm/1 h"
QString weatherSummary(const AprsReport& report);

}  // namespace zeno
