// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/sgp4.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace zeno {

// Map coordinates are degrees: x is the longitude (east positive), y the latitude (north
// positive). Outlines may run past ±180 of longitude; each comes with the copies a
// map of [-180, 180] needs to show it whole.
using MapOutline = QList<QPointF>;

// The point under the sun at a UTC time (low-precision solar coordinates: about 0.01°).
QPointF subsolarPoint(const QDateTime& utc);

// The sun's elevation in degrees seen from a place, given the subsolar point.
double solarElevationDeg(const QPointF& subsolar, double latitudeDeg, double longitudeDeg);

// The point a ground distance away from a start along an initial bearing (on a sphere of the
// Earth's mean radius); the longitude is not wrapped, so a circle stays continuous.
QPointF destinationPoint(const QPointF& start, double bearingDeg, double distanceKm);

// The ground that sees a satellite over `center` at a ground radius: one closed outline
// when it lies within the map, two (one shifted by 360°) when it crosses ±180, and one
// outline along the whole map width, closed over the pole, when it covers a pole.
QList<MapOutline> footprintOutlines(const QPointF& center, double radiusKm, int points = 144);

// The ground track between two UTC times, cut where it crosses ±180 of longitude.
QList<MapOutline> groundTrack(const Sgp4& sgp4, const QDateTime& fromUtc, const QDateTime& toUtc,
                              int stepSeconds = 30);

// What part of the world a map shows, in a widget of a given size: equirectangular, the
// same scale on both axes, the whole world in the widget at zoom 1.
class MapView {
public:
    static constexpr double kMaxZoom = 64.0;

    double zoom() const { return zoom_; }
    QPointF center() const { return center_; }
    void set(const QPointF& center, double zoom);

    QPointF toPixel(const QPointF& lonLat, const QSizeF& widget) const;
    QPointF toLonLat(const QPointF& pixel, const QSizeF& widget) const;

    // Zooms by a factor keeping the place under `pixel` where it is.
    void zoomAt(const QPointF& pixel, double factor, const QSizeF& widget);
    // Moves the map by a pixel distance (a drag of the map).
    void panBy(const QPointF& pixels, const QSizeF& widget);
    // Shows every point with a margin; a single point comes at a regional zoom.
    void fit(const QList<QPointF>& lonLats, const QSizeF& widget);

private:
    double scale(const QSizeF& widget) const;  // pixels per degree
    void clamp();

    QPointF center_{0, 0};
    double zoom_ = 1.0;
};

}  // namespace zeno
