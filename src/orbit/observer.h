// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/sgp4.h"

#include <QDateTime>
#include <array>

namespace zeno {

// A station on the ground: geodetic latitude and longitude (east positive) on the WGS-84
// ellipsoid, the one GPS and APRS positions use, and the height above it.
struct Observer {
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double altitudeM = 0;
};

// Where the satellite is seen from the observer: azimuth from north clockwise [0, 360),
// elevation above the horizon, range, and range rate (positive while it moves away).
struct LookAngles {
    double azimuthDeg = 0;
    double elevationDeg = 0;
    double rangeKm = 0;
    double rangeRateKmS = 0;
};

// The point under the satellite: geodetic latitude, longitude in [-180, 180), height.
struct GeodeticPoint {
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    double altitudeKm = 0;
};

// Greenwich mean sidereal time in radians [0, 2 pi), the IAU-82 expression SGP4 is used with.
double greenwichMeanSiderealTime(double julianDateUt1);

// TEME to Earth-fixed coordinates: a rotation by the sidereal time (polar motion ignored).
std::array<double, 3> temeToEcef(const std::array<double, 3>& teme, double gmstRadians);

// Look angles of a TEME state at its UTC time. A state that failed gives elevation -90.
LookAngles lookAngles(const Observer& observer, const StateVector& teme, const QDateTime& utc);

GeodeticPoint subSatellitePoint(const StateVector& teme, const QDateTime& utc);

// Ground distance (km, on a sphere of the Earth's mean radius) from the sub-satellite point
// to the edge of the area that sees the satellite at least minElevationDeg high.
double footprintRadiusKm(double altitudeKm, double minElevationDeg = 0.0);

// How far off frequencyHz a signal from the satellite is received: positive while it
// approaches (negative range rate).
double dopplerShiftHz(double frequencyHz, double rangeRateKmS);

}  // namespace zeno
