// SPDX-License-Identifier: GPL-3.0-or-later
// The map's geometry against values known without it: footprints over a pole and across the
// date line, the sun over the equator at an equinox, a view that keeps the cursor's place.

#include "orbit/mapgeometry.h"
#include "support/testrows.h"

#include <QTest>
#include <cmath>

using namespace zeno;
using namespace zeno::test;

namespace {

// 1000 km on the mean Earth sphere, in degrees of a great circle.
constexpr double k1000KmDeg = 1000.0 / 6371.0088 * 180.0 / M_PI;

double minX(const MapOutline& o) {
    return std::min_element(o.begin(), o.end(), [](auto a, auto b) { return a.x() < b.x(); })->x();
}
double maxX(const MapOutline& o) {
    return std::max_element(o.begin(), o.end(), [](auto a, auto b) { return a.x() < b.x(); })->x();
}

}  // namespace

class TestMapGeometry : public QObject {
    Q_OBJECT
private slots:
    void footprintOverThePole() {
        const QList<MapOutline> rings = footprintOutlines({30, 90}, 2000);
        QCOMPARE(rings.size(), 1);
        const MapOutline& ring = rings.first();
        QCOMPARE(minX(ring), -180.0);
        QCOMPARE(maxX(ring), 180.0);
        // Closed over the pole; every other point 2000 km from it.
        QCOMPARE(ring.first(), QPointF(-180, 90));
        QCOMPARE(ring.last(), QPointF(180, 90));
        for (qsizetype i = 2; i < ring.size() - 2; ++i)
            QVERIFY(std::abs(ring[i].y() - (90 - 2 * k1000KmDeg)) < 1e-6);
    }

    void footprintAcrossTheDateLine() {
        const QList<MapOutline> rings = footprintOutlines({175, 0}, 1000);
        QCOMPARE(rings.size(), 2);
        QVERIFY(std::abs(maxX(rings[0]) - (175 + k1000KmDeg)) < 1e-6);
        QVERIFY(std::abs(minX(rings[1]) - (175 - k1000KmDeg - 360)) < 1e-6);
        // Away from any edge: one ring, the centre where it was.
        const QList<MapOutline> inland = footprintOutlines({10 + 360, 45}, 1000);
        QCOMPARE(inland.size(), 1);
        QVERIFY(minX(inland[0]) > -5 && maxX(inland[0]) < 25);
    }

    void sunAtTheMarchEquinox() {
        // 20 March 2024, 12:00 UTC: declination +0.15°, the equation of time -7.5 min puts
        // the sun 1.9° east of Greenwich.
        const QPointF sun = subsolarPoint(QDateTime(QDate(2024, 3, 20), QTime(12, 0), Qt::UTC));
        QVERIFY2(std::abs(sun.y() - 0.15) < 0.05, qPrintable(QString::number(sun.y())));
        QVERIFY2(std::abs(sun.x() - 1.87) < 0.1, qPrintable(QString::number(sun.x())));
        QVERIFY(std::abs(solarElevationDeg(sun, sun.y(), sun.x()) - 90) < 1e-6);
        QVERIFY(std::abs(solarElevationDeg(sun, 0, sun.x() + 90)) < 1e-6);  // the terminator
    }

    void viewKeepsThePlaceUnderTheCursor() {
        const QSizeF widget(720, 360);  // 2 pixels a degree at zoom 1
        MapView view;
        QCOMPARE(view.toPixel({-180, 90}, widget), QPointF(0, 0));
        QCOMPARE(view.toLonLat({540, 90}, widget), QPointF(90, 45));
        view.zoomAt({540, 90}, 4, widget);
        QCOMPARE(view.zoom(), 4.0);
        QCOMPARE(view.toLonLat({540, 90}, widget), QPointF(90, 45));
        view.panBy({-80, 0}, widget);  // dragged 80 pixels west: 10° at 8 pixels a degree
        QCOMPARE(view.toLonLat({540, 90}, widget), QPointF(100, 45));
        view.zoomAt({0, 0}, 1000, widget);
        QCOMPARE(view.zoom(), MapView::kMaxZoom);
        view.fit({{-10, 40}, {30, 60}}, widget);
        for (const QPointF p : {QPointF(-10, 40), QPointF(30, 60)}) {
            const QPointF px = view.toPixel(p, widget);
            QVERIFY(px.x() > 0 && px.x() < 720 && px.y() > 0 && px.y() < 360);
        }
        QVERIFY(view.zoom() > 4);
    }
};

QTEST_APPLESS_MAIN(TestMapGeometry)
#include "tst_mapgeometry.moc"
