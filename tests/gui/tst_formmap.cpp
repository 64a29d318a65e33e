// The map window: a station at its pixel, the satellite moving with the clock, the view
// kept by zoom, pan and fit.
#include "support/fakeplatform.h"
#include "ui/windows/formmap.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// ISS (ZARYA), epoch 2026-12-04.
Tle iss() {
    return *parseTle(
        QStringLiteral("ISS (ZARYA)"),
        QStringLiteral("1 25544U 98067A   26338.54791667  .00014232  00000+0  25733-3 0  9991"),
        QStringLiteral("2 25544  51.6339 176.4162 0006213 104.7731 255.3987 15.49851837596517"));
}

}  // namespace

class TestFormMap : public QObject {
    Q_OBJECT
private slots:
    void plotsStationsAndFollowsTheClock() {
        FakePlatform platform;
        platform.setNow(QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC));
        FormMap map(platform);
        map.loadImages(QStringLiteral("/nonexistent"));
        QVERIFY(!map.Note->isHidden());  // the plain map, and how to get the pictures
        map.Canvas->stationSource = [] {
            return QList<MapStation>{
                {QStringLiteral("G4XYZ"), '/', '-', {90, 45}, false, QStringLiteral("G4XYZ  JN95")},
                {QStringLiteral("N1AAA"), '/', '>', {-90, -45}, true, {}}};
        };
        map.Canvas->setFixedSize(720, 360);  // 2 pixels a degree
        map.Canvas->setSatellite(iss(), 0);
        map.Canvas->refresh();

        const QImage image = map.Canvas->grab().toImage();
        QCOMPARE(image.pixelColor(540, 90), QColor(255, 220, 60));   // 90° E 45° N
        QCOMPARE(image.pixelColor(180, 270), QColor(255, 90, 200));  // heard via a satellite
        QCOMPARE(map.Canvas->stationAt({542, 91})->callsign, QStringLiteral("G4XYZ"));
        QTest::mouseClick(map.Canvas, Qt::LeftButton, {}, {540, 90});
        QCOMPARE(map.Hovered->text(), QStringLiteral("G4XYZ  JN95"));

        const QPointF before = *map.Canvas->satellitePoint();
        platform.advance(60'000);
        QTRY_VERIFY_WITH_TIMEOUT(*map.Canvas->satellitePoint() != before, 2500);
        // A minute moves the ISS some 3.8° of a great circle.
        const QPointF d = *map.Canvas->satellitePoint() - before;
        QVERIFY(std::hypot(d.x(), d.y()) > 2 && std::hypot(d.x(), d.y()) < 6);

        QSignalSpy viewChanged(map.Canvas, &MapCanvas::viewChanged);
        map.Canvas->setFocus();
        QTest::keyClick(map.Canvas, Qt::Key_Plus);
        QCOMPARE(map.Canvas->view.zoom(), 1.5);
        map.FitStations->click();
        for (const QPointF p : {QPointF(90, 45), QPointF(-90, -45)})
            QVERIFY(QRectF(0, 0, 720, 360).contains(map.Canvas->view.toPixel(p, {720, 360})));
        QCOMPARE(viewChanged.count(), 2);
    }
};

QTEST_MAIN(TestFormMap)
#include "tst_formmap.moc"
