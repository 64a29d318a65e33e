// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace zeno {

// Where "Update TLEs..." downloads from when the operator picks no file: the amateur-radio
// group of the public element service, as three-line sets.
inline const QString kDefaultTleAddress =
    QStringLiteral("https://celestrak.org/NORAD/elements/gp.php?GROUP=amateur&FORMAT=tle");

// Everything "orbit.ini" holds (engine.ini's neighbour, the same key=value lines): the address
// of the element sets, the station's height and the lowest elevation a pass counts from.
struct OrbitSettings {
    QString tleAddress = kDefaultTleAddress;
    double altitudeM = 0;
    double minElevationDeg = 0;
    // The map window's view: its centre (longitude, latitude) and zoom (1: the whole world).
    double mapLongitude = 0;
    double mapLatitude = 0;
    double mapZoom = 1;

    bool operator==(const OrbitSettings&) const = default;
};

// The ranges the setup accepts: a station from the Dead Sea shore to a high mountain, and a
// horizon no higher than a pass could usefully start at.
inline constexpr double kMinAltitudeM = -500;
inline constexpr double kMaxAltitudeM = 9000;
inline constexpr double kMaxMinElevationDeg = 60;

// Reads "orbit.ini" of the application path; writes it with the defaults when it is missing.
// A value that does not read (or lies outside its range) means its default; the others stay.
OrbitSettings loadOrbitSettings(const QString& appPath);
// Replaces "orbit.ini" with these values. Returns an error text, empty on success.
QString saveOrbitSettings(const QString& appPath, const OrbitSettings& settings);

// A number as the operator types it ("12", "-3.5", "0,5"); nothing when it is not one or lies
// outside [least, most].
std::optional<double> typedNumber(const QString& typed, double least, double most);

}  // namespace zeno
