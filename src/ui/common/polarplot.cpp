// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/polarplot.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace zeno {

PolarPlot::PolarPlot(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PolarPlot::setTrack(const QList<QPointF>& azimuthElevation) {
    track_ = azimuthElevation;
    update();
}

QSize PolarPlot::sizeHint() const {
    const int side = fontMetrics().height() * 16;
    return {side, side};
}

QSize PolarPlot::minimumSizeHint() const {
    const int side = fontMetrics().height() * 9;
    return {side, side};
}

QPointF PolarPlot::toWidget(const QPointF& azEl, const QPointF& centre, double radius) const {
    const double r = radius * (90.0 - qBound(0.0, azEl.y(), 90.0)) / 90.0;
    const double az = qDegreesToRadians(azEl.x());
    return centre + QPointF(r * std::sin(az), -r * std::cos(az));
}

void PolarPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const int text = fontMetrics().height();
    const QPointF centre = QRectF(rect()).center();
    const double radius = std::max(10.0, std::min(width(), height()) / 2.0 - text - 2);

    // Horizon, 30° and 60° rings, the four directions.
    p.setPen(QPen(palette().mid().color(), 1));
    for (double el : {0.0, 30.0, 60.0})
        p.drawEllipse(centre, radius * (90 - el) / 90, radius * (90 - el) / 90);
    p.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    p.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    p.setPen(palette().text().color());
    const struct {
        const char* name;
        double az;
    } points[] = {{"N", 0}, {"E", 90}, {"S", 180}, {"W", 270}};
    for (const auto& point : points) {
        const double r = radius + text * 0.6;  // just outside the horizon
        const double az = qDegreesToRadians(point.az);
        const QPointF at = centre + QPointF(r * std::sin(az), -r * std::cos(az));
        const QRectF box(at - QPointF(text, text / 2.0), QSizeF(2.0 * text, text));
        p.drawText(box, Qt::AlignCenter, QLatin1String(point.name));
    }
    if (track_.isEmpty())
        return;

    QPainterPath path(toWidget(track_.first(), centre, radius));
    for (const QPointF& point : track_)
        path.lineTo(toWidget(point, centre, radius));
    p.setPen(QPen(palette().highlight().color(), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(palette().highlight());
    p.drawEllipse(toWidget(track_.first(), centre, radius), 4, 4);  // AOS
    p.setBrush(palette().base());
    p.drawEllipse(toWidget(track_.last(), centre, radius), 4, 4);  // LOS
}

}  // namespace zeno
