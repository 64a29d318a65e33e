// SPDX-License-Identifier: GPL-3.0-or-later
// The map window from its menu item: a heard station at its pixel, the satellite moving with
// the clock, the view by keys and "Fit stations", kept in orbit.ini.
#include "windowtest.h"

#include "config/firstrun.h"
#include "ui/windows/formmap.h"

#include <QApplication>

namespace {

// ISS (ZARYA), epoch 2026-12-04.
Tle iss() {
    return *parseTle(
        QStringLiteral("ISS (ZARYA)"),
        QStringLiteral("1 25544U 98067A   26338.54791667  .00014232  00000+0  25733-3 0  9991"),
        QStringLiteral("2 25544  51.6339 176.4162 0006213 104.7731 255.3987 15.49851837596517"));
}

FormMap* openMap() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* map = qobject_cast<FormMap*>(widget); map && map->isVisible())
            return map;
    }
    return nullptr;
}

}  // namespace

class TestFormMap : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void plotsHeardStationsAndFollowsTheClock() {
        ZenoFixture f;
        Settings s = firstRunSettings(QStringLiteral("PA3XYZ"));
        s.aprs = QStringLiteral("=5200.00N/00500.00E-");
        QVERIFY(f.startStation(s));
        // 45° N 90° E, heard through the ISS; 45° S 90° W, heard direct.
        QVERIFY(f.hear(
            {"N0CALL>APRS,RS0ISS*:=4500.00N/09000.00E-", "N2BBB>APRS:!4500.00S/09000.00W>"}));
        QAction* item = menuItem(f.form1().controls().menus.menuoptions, OptionItem::Map);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
        item->trigger();
        FormMap* map = openMap();
        QVERIFY(map);
        map->loadImages(QStringLiteral("/nonexistent"));
        QVERIFY(!map->Note->isHidden());      // the plain map, and how to get the pictures
        map->Canvas->setFixedSize(720, 360);  // 2 pixels a degree
        QTRY_COMPARE(map->Canvas->stations().size(), 2);

        const QImage image = map->Canvas->grab().toImage();
        QCOMPARE(image.pixelColor(540, 90), QColor(255, 90, 200));   // via a satellite
        QCOMPARE(image.pixelColor(180, 270), QColor(255, 220, 60));  // direct
        QCOMPARE(image.pixelColor(370, 76), QColor(255, 60, 60));    // the operator, 5° E 52° N
        QTest::mouseClick(map->Canvas, Qt::LeftButton, {}, {541, 91});
        QVERIFY2(map->Hovered->text().startsWith(QStringLiteral("N0CALL  NN55aa")),
                 qPrintable(map->Hovered->text()));

        map->Canvas->setSatellite(iss(), 0);
        map->Canvas->refresh();
        const QPointF before = *map->Canvas->satellitePoint();
        f.platform.advance(60'000);
        QTRY_VERIFY_WITH_TIMEOUT(*map->Canvas->satellitePoint() != before, 2500);
        // A minute moves the ISS some 3.8° of a great circle.
        const QPointF d = *map->Canvas->satellitePoint() - before;
        QVERIFY(std::hypot(d.x(), d.y()) > 2 && std::hypot(d.x(), d.y()) < 6);

        map->Canvas->setFocus();
        QTest::keyClick(map->Canvas, Qt::Key_Plus);
        QCOMPARE(map->Canvas->view.zoom(), 1.5);
        map->FitStations->click();
        for (const QPointF p : {QPointF(90, 45), QPointF(-90, -45), QPointF(5, 52)})
            QVERIFY(QRectF(0, 0, 720, 360).contains(map->Canvas->view.toPixel(p, {720, 360})));
        QTRY_VERIFY_WITH_TIMEOUT(f.readFile(QStringLiteral("orbit.ini")).contains("map=0 3.5 1.54"),
                                 3000);
    }
};

QTEST_MAIN(TestFormMap)
#include "tst_formmap.moc"
