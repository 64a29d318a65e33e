// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/formmap.h"

#include "orbit/observer.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace zeno {

namespace {

// The blended Earth is made at this size: enough for a full-screen world at zoom 1, and a
// minute's blend stays a few milliseconds.
constexpr QSize kEarthSize(1024, 512);
// The sun this far below the horizon still lights the sky: the blend runs across it.
constexpr double kTwilightDeg = 6.0;
constexpr double kPickPixels = 6.0;

const QColor kOcean(24, 52, 92);
const QColor kLand(70, 110, 70);
const QColor kStationColor(255, 220, 60);
const QColor kSatelliteHeardColor(255, 90, 200);
const QColor kOperatorColor(255, 60, 60);
const QColor kFootprintColor(120, 200, 255);

qint64 minuteOf(const QDateTime& t) { return t.toSecsSinceEpoch() / 60; }

}  // namespace

MapCanvas::MapCanvas(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(360, 180);
}

bool MapCanvas::loadImages(const QString& folder) {
    const QImage day(folder + QStringLiteral("/earth.jpg"));
    const QImage night(folder + QStringLiteral("/night.jpg"));
    earth_ = QPixmap();
    if (day.isNull()) {
        day_ = night_ = blended_ = QImage();
        return false;
    }
    day_ = day.scaled(kEarthSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
               .convertToFormat(QImage::Format_RGB32);
    night_ = night.isNull()
                 ? QImage()
                 : night.scaled(kEarthSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    blendedMinute_ = -1;
    return true;
}

void MapCanvas::setSatellite(const std::optional<Tle>& tle, double minElevationDeg) {
    tle_ = tle;
    sgp4_.reset();
    if (tle)
        sgp4_.emplace(*tle);
    minElevation_ = minElevationDeg;
    trackMinute_ = -1;
    satellite_.reset();
    footprint_.clear();
    track_.clear();
}

void MapCanvas::refresh() {
    const QDateTime now = platform_.now().toUTC();
    if (stationSource)
        stations_ = stationSource();
    if (hasImages() && minuteOf(now) != blendedMinute_)
        blendEarth();
    satellite_.reset();
    footprint_.clear();
    if (sgp4_ && sgp4_->ok()) {
        const StateVector s = sgp4_->atUtc(now);
        if (s.error == Sgp4Error::None) {
            const GeodeticPoint p = subSatellitePoint(s, now);
            satellite_ = QPointF(p.longitudeDeg, p.latitudeDeg);
            footprint_ =
                footprintOutlines(*satellite_, footprintRadiusKm(p.altitudeKm, minElevation_));
        }
        if (minuteOf(now) != trackMinute_ && tle_->meanMotion > 0) {
            // The previous and the next orbit; a minute moves them too little to see.
            const int period = int(86400.0 / tle_->meanMotion);
            track_ = groundTrack(*sgp4_, now.addSecs(-period), now.addSecs(period));
            trackMinute_ = minuteOf(now);
        }
    }
    update();
}

void MapCanvas::blendEarth() {
    const QDateTime now = platform_.now().toUTC();
    const QPointF sun = subsolarPoint(now);
    blendedMinute_ = minuteOf(now);
    if (night_.isNull()) {
        blended_ = day_;
        return;
    }
    const int w = day_.width(), h = day_.height();
    blended_ = QImage(day_.size(), QImage::Format_RGB32);
    // sin(elevation) = sin(lat) sin(dec) + cos(lat) cos(dec) cos(lon - sun lon): the column
    // part is the same on every row.
    const double rad = M_PI / 180.0, dec = sun.y() * rad;
    QList<double> cosHour(w);
    for (int x = 0; x < w; ++x)
        cosHour[x] = std::cos(((x + 0.5) * 360.0 / w - 180.0 - sun.x()) * rad);
    const double twilight = std::sin(kTwilightDeg * rad);
    for (int y = 0; y < h; ++y) {
        const double lat = (90.0 - (y + 0.5) * 180.0 / h) * rad;
        const double a = std::sin(lat) * std::sin(dec), b = std::cos(lat) * std::cos(dec);
        const QRgb* d = reinterpret_cast<const QRgb*>(day_.constScanLine(y));
        const QRgb* n = reinterpret_cast<const QRgb*>(night_.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(blended_.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double s = a + b * cosHour[x];
            const int f = int(std::clamp((s + twilight) / (2 * twilight), 0.0, 1.0) * 256);
            out[x] = qRgb((qRed(d[x]) * f + qRed(n[x]) * (256 - f)) >> 8,
                          (qGreen(d[x]) * f + qGreen(n[x]) * (256 - f)) >> 8,
                          (qBlue(d[x]) * f + qBlue(n[x]) * (256 - f)) >> 8);
        }
    }
}

void MapCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRectF world(pixel({-180, 90}), pixel({180, -90}));
    painter.setClipRect(world);
    if (hasImages()) {
        // Scaling the Earth is most of a repaint: it is done again only when the view, the
        // size or the minute's blend changed, and the second's repaint draws what it made.
        const EarthKey key{view.center(), view.zoom(), size(), blendedMinute_};
        if (!(key == earthKey_) || earth_.isNull()) {
            earth_ = QPixmap(size());
            earth_.fill(Qt::black);
            QPainter scaled(&earth_);
            scaled.setClipRect(world);
            scaled.setRenderHint(QPainter::SmoothPixmapTransform, view.zoom() < 4);
            scaled.drawImage(world, blended_.isNull() ? day_ : blended_);
            earthKey_ = key;
        }
        painter.drawPixmap(0, 0, earth_);
    } else {
        painter.fillRect(world, kOcean);
        paintGraticule(painter, world);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (satellite_) {
        painter.setPen(QPen(kFootprintColor, 1.5));
        painter.setBrush(
            QColor(kFootprintColor.red(), kFootprintColor.green(), kFootprintColor.blue(), 50));
        for (const MapOutline& ring : footprint_)
            paintOutline(painter, ring, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kFootprintColor, 1, Qt::DashLine));
        for (const MapOutline& piece : track_)
            paintOutline(painter, piece, false);
        const QPointF at = pixel(*satellite_);
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(kFootprintColor);
        painter.drawRect(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
    }
    paintStations(painter);
    if (operatorPosition) {
        const QPointF at = pixel(*operatorPosition);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(kOperatorColor);
        painter.drawEllipse(at, 5, 5);
    }
}

void MapCanvas::paintGraticule(QPainter& painter, const QRectF& world) const {
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int lon = -150; lon <= 150; lon += 30)
        painter.drawLine(pixel({double(lon), 90}), pixel({double(lon), -90}));
    for (int lat = -60; lat <= 60; lat += 30)
        painter.drawLine(pixel({-180, double(lat)}), pixel({180, double(lat)}));
    painter.setPen(QPen(kLand, 1));
    painter.drawRect(world);
}

void MapCanvas::paintOutline(QPainter& painter, const MapOutline& outline, bool closed) const {
    QPolygonF polygon;
    polygon.reserve(outline.size());
    for (const QPointF& p : outline)
        polygon.append(pixel(p));
    if (closed)
        painter.drawPolygon(polygon);
    else
        painter.drawPolyline(polygon);
}

namespace {

QImage stationDotImage(const QColor& color) {
    QImage dot(9, 9, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(color);
    p.drawEllipse(QPointF(4.5, 4.5), 3.5, 3.5);
    return dot;
}

}  // namespace

void MapCanvas::paintStations(QPainter& painter) const {
    static const QImage stationDot = stationDotImage(kStationColor);
    static const QImage satelliteDot = stationDotImage(kSatelliteHeardColor);
    // Labels only where no other label is yet: with thousands of stations the map stays
    // readable and a repaint draws at most what fits on the screen.
    const QFontMetrics metrics(font());
    const int cellW = metrics.horizontalAdvance(QStringLiteral("WWWWWW-99")),
              cellH = metrics.height();
    QSet<qint64> labelled;
    const QRectF visible = rect();
    for (const MapStation& s : stations_) {
        const QPointF at = pixel(s.lonLat);
        if (!visible.contains(at))
            continue;
        const QColor color = s.viaSatellite ? kSatelliteHeardColor : kStationColor;
        // One small picture per colour, drawn once: thousands of dots cost little.
        const QImage& dot = s.viaSatellite ? satelliteDot : stationDot;
        painter.drawImage(at - QPointF(dot.width(), dot.height()) / 2, dot);
        const qint64 cell = (qint64(at.y()) / cellH) * 100000 + qint64(at.x()) / cellW;
        if (labelled.contains(cell))
            continue;
        labelled.insert(cell);
        const QString label = s.symbolCode.isNull()
                                  ? s.callsign
                                  : s.callsign + QLatin1Char(' ') + s.symbolTable + s.symbolCode;
        painter.setPen(color);
        painter.drawText(at + QPointF(6, 4), label);
    }
}

const MapStation* MapCanvas::stationAt(const QPointF& at) const {
    const MapStation* nearest = nullptr;
    double best = kPickPixels * kPickPixels;
    for (const MapStation& s : stations_) {
        const QPointF d = pixel(s.lonLat) - at;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= best) {
            best = distance;
            nearest = &s;
        }
    }
    return nearest;
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    view.zoomAt(event->position(), std::pow(1.25, steps), size());
    update();
    emit viewChanged();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const MapStation* s = stationAt(event->position()))
        emit stationPicked(s->row);
    dragFrom_ = event->position();
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_) {
        view.panBy(event->position() - *dragFrom_, size());
        dragFrom_ = event->position();
        update();
        return;
    }
    const MapStation* s = stationAt(event->position());
    setToolTip(s ? s->row : QString());
    if (s)
        emit stationPicked(s->row);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent*) {
    if (dragFrom_)
        emit viewChanged();
    dragFrom_.reset();
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    const QPointF around = rect().contains(cursor) ? QPointF(cursor) : QPointF(rect().center());
    const QPointF step(width() / 8.0, height() / 8.0);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            view.zoomAt(around, 1.5, size());
            break;
        case Qt::Key_Minus:
            view.zoomAt(around, 1 / 1.5, size());
            break;
        case Qt::Key_Left:
            view.panBy({step.x(), 0}, size());
            break;
        case Qt::Key_Right:
            view.panBy({-step.x(), 0}, size());
            break;
        case Qt::Key_Up:
            view.panBy({0, step.y()}, size());
            break;
        case Qt::Key_Down:
            view.panBy({0, -step.y()}, size());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    update();
    emit viewChanged();
}

FormMap::FormMap(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FormMap"));
    setWindowTitle(QStringLiteral("Map"));
    Canvas = new MapCanvas(platform, this);
    Canvas->setObjectName(QStringLiteral("Canvas"));
    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("Note"));
    Hovered = new QLabel(this);
    Hovered->setObjectName(QStringLiteral("Hovered"));
    Hovered->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FitStations = new QPushButton(QStringLiteral("Fit stations"), this);
    FitStations->setObjectName(QStringLiteral("FitStations"));
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Hovered, 1);
    buttons->addWidget(FitStations);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Canvas, 1);
    layout->addWidget(Note);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(FitStations, &QPushButton::clicked, this, &FormMap::FitStations_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(Timer1, &QTimer::timeout, Canvas, &MapCanvas::refresh);
    connect(Canvas, &MapCanvas::stationPicked, Hovered, &QLabel::setText);
    loadImages(defaultImageFolder());
    Timer1->start();
}

QString FormMap::defaultImageFolder() { return QStringLiteral("/usr/share/xplanet/images"); }

void FormMap::loadImages(const QString& folder) {
    const bool loaded = Canvas->loadImages(folder);
    Note->setText(loaded ? QString()
                         : QStringLiteral("For the Earth by day and night, install the "
                                          "xplanet-images package (apt install xplanet-images)."));
    Note->setVisible(!loaded);
    Canvas->refresh();
}

void FormMap::FitStations_Click() {
    QList<QPointF> points;
    for (const MapStation& s : Canvas->stations())
        points.append(s.lonLat);
    if (Canvas->operatorPosition)
        points.append(*Canvas->operatorPosition);
    Canvas->view.fit(points, Canvas->size());
    Canvas->update();
    emit Canvas->viewChanged();
}

void FormMap::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace zeno
