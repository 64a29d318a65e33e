// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "orbit/mapgeometry.h"
#include "orbit/sgp4.h"
#include "orbit/tle.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace zeno {

class Platform;

// One station as the map plots it.
struct MapStation {
    QString callsign;
    QChar symbolTable;
    QChar symbolCode;
    QPointF lonLat;
    bool viaSatellite = false;
    QString row;  // its station-list row, shown on hover and click
};

// The part of the map window that draws: the Earth by day and night, the stations, the
// satellite with its footprint and ground track. Everything it draws is gathered by its own
// once-a-second refresh, never while the poll tick takes frames.
class MapCanvas : public QWidget {
    Q_OBJECT
public:
    MapCanvas(Platform& platform, QWidget* parent = nullptr);

    MapView view;
    std::function<QList<MapStation>()> stationSource;
    std::optional<QPointF> operatorPosition;

    // The folder with earth.jpg and night.jpg; without them the map is ocean and graticule.
    bool loadImages(const QString& folder);
    bool hasImages() const { return !day_.isNull(); }
    void setSatellite(const std::optional<Tle>& tle, double minElevationDeg);

    // Gathers what changed since the last second and repaints.
    void refresh();
    const QList<MapStation>& stations() const { return stations_; }
    std::optional<QPointF> satellitePoint() const { return satellite_; }
    const std::optional<Tle>& satelliteElements() const { return tle_; }
    double minElevation() const { return minElevation_; }
    // The station nearest a pixel, within a few pixels.
    const MapStation* stationAt(const QPointF& pixel) const;

signals:
    void viewChanged();
    void stationPicked(const QString& row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void blendEarth();
    void paintGraticule(QPainter& painter, const QRectF& world) const;
    void paintOutline(QPainter& painter, const MapOutline& outline, bool closed) const;
    void paintStations(QPainter& painter) const;
    QPointF pixel(const QPointF& lonLat) const { return view.toPixel(lonLat, size()); }

    Platform& platform_;
    QImage day_, night_, blended_;
    qint64 blendedMinute_ = -1;
    struct EarthKey {
        QPointF center;
        double zoom = 0;
        QSize size;
        qint64 minute = -1;
        bool operator==(const EarthKey&) const = default;
    };
    EarthKey earthKey_;
    QPixmap earth_;  // the Earth as the view shows it
    QList<MapStation> stations_;
    std::optional<Tle> tle_;
    std::optional<Sgp4> sgp4_;
    double minElevation_ = 0;
    std::optional<QPointF> satellite_;
    QList<MapOutline> footprint_, track_;
    qint64 trackMinute_ = -1;
    std::optional<QPointF> dragFrom_;
};

// The map window (Options > "Map...").
class FormMap : public QWidget {
    Q_OBJECT
public:
    FormMap(Platform& platform, QWidget* parent = nullptr);

    MapCanvas* Canvas = nullptr;
    QLabel* Note = nullptr;     // how to get the Earth's picture, when it is missing
    QLabel* Hovered = nullptr;  // the station-list row of the station under the cursor
    QPushButton* FitStations = nullptr;
    QPushButton* CloseButton = nullptr;
    QTimer* Timer1 = nullptr;  // the once-a-second refresh

    // Where the Earth's pictures are looked for (Debian's xplanet-images).
    static QString defaultImageFolder();
    void loadImages(const QString& folder);

public slots:
    void FitStations_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zeno
