// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

namespace zeno {

// The sky seen from the station: north up, east to the right, the horizon as the outer
// circle and the zenith in the middle, with a pass drawn as its azimuth/elevation track from
// AOS (a dot) to LOS (an arrow's end).
class PolarPlot : public QWidget {
    Q_OBJECT
public:
    explicit PolarPlot(QWidget* parent = nullptr);

    // Points as (azimuth, elevation) in degrees, in time order; none clears the plot.
    void setTrack(const QList<QPointF>& azimuthElevation);
    const QList<QPointF>& track() const { return track_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF toWidget(const QPointF& azEl, const QPointF& centre, double radius) const;

    QList<QPointF> track_;
};

}  // namespace zeno
