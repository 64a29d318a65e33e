// SPDX-License-Identifier: GPL-3.0-or-later
#include "orbit/mapgeometry.h"

#include "orbit/observer.h"
#include "orbit/tle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeno {

namespace {

using std::numbers::pi;
constexpr double kDegree = pi / 180.0;
constexpr double kMeanEarthRadiusKm = 6371.0088;

double wrapLongitude(double lon) {
    lon = std::fmod(lon + 180.0, 360.0);
    if (lon < 0)
        lon += 360.0;
    return lon - 180.0;
}

MapOutline shifted(const MapOutline& outline, double dx) {
    MapOutline out;
    out.reserve(outline.size());
    for (const QPointF& p : outline)
        out.append({p.x() + dx, p.y()});
    return out;
}

}  // namespace

QPointF subsolarPoint(const QDateTime& utc) {
    const double jd = julianDate(utc);
    const double n = jd - 2451545.0;
    const double meanLongitude = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * kDegree;
    const double lambda = (meanLongitude + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kDegree;
    const double epsilon = (23.439 - 0.0000004 * n) * kDegree;
    const double rightAscension =
        std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    const double declination = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double longitude = (rightAscension - greenwichMeanSiderealTime(jd)) / kDegree;
    return {wrapLongitude(longitude), declination / kDegree};
}

double solarElevationDeg(const QPointF& subsolar, double latitudeDeg, double longitudeDeg) {
    const double lat = latitudeDeg * kDegree;
    const double dec = subsolar.y() * kDegree;
    const double hourAngle = (longitudeDeg - subsolar.x()) * kDegree;
    const double s =
        std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hourAngle);
    return std::asin(std::clamp(s, -1.0, 1.0)) / kDegree;
}

QPointF destinationPoint(const QPointF& start, double bearingDeg, double distanceKm) {
    const double lat1 = start.y() * kDegree;
    const double bearing = bearingDeg * kDegree;
    const double d = distanceKm / kMeanEarthRadiusKm;
    const double lat2 = std::asin(
        std::clamp(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(bearing),
                   -1.0, 1.0));
    const double dLon = std::atan2(std::sin(bearing) * std::sin(d) * std::cos(lat1),
                                   std::cos(d) - std::sin(lat1) * std::sin(lat2));
    return {start.x() + dLon / kDegree, lat2 / kDegree};
}

QList<MapOutline> footprintOutlines(const QPointF& center, double radiusKm, int points) {
    const double radiusDeg = radiusKm / kMeanEarthRadiusKm / kDegree;
    const bool coversNorth = radiusDeg >= 90.0 - center.y();
    const bool coversSouth = radiusDeg >= 90.0 + center.y();
    if (radiusKm <= 0 || points < 3)
        return {};
    if (coversNorth || coversSouth) {
        // Seen from the map, the ring is a curve across the whole width: walk it by
        // longitude and close it along the edge over the covered pole.
        MapOutline edge;
        for (int i = 0; i <= points; ++i) {
            const QPointF p = destinationPoint(center, 360.0 * i / points, radiusKm);
            edge.append({wrapLongitude(p.x()), p.y()});
        }
        std::sort(edge.begin(), edge.end(),
                  [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        const double pole = coversNorth ? 90.0 : -90.0;
        const double first = edge.first().y(), last = edge.last().y();
        MapOutline ring;
        ring.append({-180.0, pole});
        ring.append({-180.0, (first + last) / 2});
        ring.append(edge);
        ring.append({180.0, (first + last) / 2});
        ring.append({180.0, pole});
        return {ring};
    }
    MapOutline ring;
    for (int i = 0; i < points; ++i)
        ring.append(destinationPoint(center, 360.0 * i / points, radiusKm));
    // destinationPoint keeps longitudes continuous around the centre; the centre itself
    // lies within the map, so at most one side runs off it.
    const auto [low, high] =
        std::minmax_element(ring.cbegin(), ring.cend(),
                            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const double dx = center.x() - wrapLongitude(center.x());
    ring = shifted(ring, -dx);
    QList<MapOutline> out{ring};
    if (high->x() - dx > 180.0)
        out.append(shifted(ring, -360.0));
    else if (low->x() - dx < -180.0)
        out.append(shifted(ring, 360.0));
    return out;
}

QList<MapOutline> groundTrack(const Sgp4& sgp4, const QDateTime& fromUtc, const QDateTime& toUtc,
                              int stepSeconds) {
    QList<MapOutline> out;
    MapOutline piece;
    for (QDateTime t = fromUtc; t <= toUtc; t = t.addSecs(std::max(1, stepSeconds))) {
        const StateVector s = sgp4.atUtc(t);
        if (s.error != Sgp4Error::None)
            break;
        const GeodeticPoint p = subSatellitePoint(s, t);
        const QPointF point{p.longitudeDeg, p.latitudeDeg};
        if (!piece.isEmpty() && std::abs(point.x() - piece.last().x()) > 180.0) {
            // Across ±180: end this piece at the edge and start the next one there.
            const double edge = piece.last().x() > 0 ? 180.0 : -180.0;
            const double beyond = point.x() + (edge > 0 ? 360.0 : -360.0);
            const double f = (edge - piece.last().x()) / (beyond - piece.last().x());
            const double lat = piece.last().y() + f * (point.y() - piece.last().y());
            piece.append({edge, lat});
            out.append(piece);
            piece = {{-edge, lat}};
        }
        piece.append(point);
    }
    if (piece.size() > 1)
        out.append(piece);
    return out;
}

void MapView::set(const QPointF& center, double zoom) {
    center_ = center;
    zoom_ = zoom;
    clamp();
}

double MapView::scale(const QSizeF& widget) const {
    return std::min(widget.width() / 360.0, widget.height() / 180.0) * zoom_;
}

QPointF MapView::toPixel(const QPointF& lonLat, const QSizeF& widget) const {
    const double s = scale(widget);
    return {widget.width() / 2 + (lonLat.x() - center_.x()) * s,
            widget.height() / 2 - (lonLat.y() - center_.y()) * s};
}

QPointF MapView::toLonLat(const QPointF& pixel, const QSizeF& widget) const {
    const double s = scale(widget);
    return {center_.x() + (pixel.x() - widget.width() / 2) / s,
            center_.y() - (pixel.y() - widget.height() / 2) / s};
}

void MapView::zoomAt(const QPointF& pixel, double factor, const QSizeF& widget) {
    const QPointF before = toLonLat(pixel, widget);
    zoom_ = std::clamp(zoom_ * factor, 1.0, kMaxZoom);
    const QPointF after = toLonLat(pixel, widget);
    center_ += before - after;
    clamp();
}

void MapView::panBy(const QPointF& pixels, const QSizeF& widget) {
    const double s = scale(widget);
    center_ += QPointF(-pixels.x() / s, pixels.y() / s);
    clamp();
}

void MapView::fit(const QList<QPointF>& lonLats, const QSizeF& widget) {
    if (lonLats.isEmpty()) {
        set({0, 0}, 1.0);
        return;
    }
    // (QRectF::united skips empty rectangles, so the box is grown by hand.)
    double left = lonLats.first().x(), right = left, bottom = lonLats.first().y(), top = bottom;
    for (const QPointF& p : lonLats) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        bottom = std::min(bottom, p.y());
        top = std::max(top, p.y());
    }
    const QRectF box(QPointF(left, bottom), QPointF(right, top));
    // At least 10° each way, and a tenth as margin.
    const double width = std::max(box.width(), 10.0) * 1.2;
    const double height = std::max(box.height(), 10.0) * 1.2;
    const double base = std::min(widget.width() / 360.0, widget.height() / 180.0);
    zoom_ = std::min(widget.width() / width, widget.height() / height) / base;
    center_ = box.center();
    clamp();
}

void MapView::clamp() {
    zoom_ = std::clamp(zoom_, 1.0, kMaxZoom);
    // The centre stays where the world still fills the view's middle.
    const double halfWidth = 180.0 - 180.0 / zoom_, halfHeight = 90.0 - 90.0 / zoom_;
    center_.setX(std::clamp(center_.x(), -halfWidth, halfWidth));
    center_.setY(std::clamp(center_.y(), -halfHeight, halfHeight));
}

}  // namespace zeno
