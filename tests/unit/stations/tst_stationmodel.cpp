// SPDX-License-Identifier: GPL-3.0-or-later
// The station list: where a station is (locator, distance and bearing against published and
// hand-worked values), what a monitor header says about the path, how frames become rows once
// per tick without a reset.
#include "stations/stationmodel.h"
#include "support/testrows.h"

#include <QSignalSpy>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QDateTime kHeard(QDate(2024, 5, 1), QTime(21, 4, 9));

QString header(const QString& source, const QString& path) {
    return "Fm " + source + " To APRS" + (path.isEmpty() ? QString() : " Via " + path) +
           " <UI pid=F0 Len=40 >[21:04:09]";
}

QString body(const QString& info) { return info + QStringLiteral("\r\n\r\n") + QChar(0); }

// Every column of a row, "|" between them.
QString cells(const QAbstractItemModel& m, int row) {
    QStringList texts;
    for (int column = 0; column < m.columnCount(); ++column)
        texts << m.index(row, column).data().toString();
    return texts.join(u'|');
}

}  // namespace

class TestStationModel : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void locatorByHand_data() {
        columns<double, double, QString>("lat", "lon", "locator");
        row("Greenwich observatory", 51.4779, -0.0015, QString("IO91xl"));
        row("null island", 0.0, 0.0, QString("JJ00aa"));
        row("south-west corner", -90.0, -180.0, QString("AA00aa"));
        row("north-east corner", 90.0, 180.0, QString("RR99xx"));
    }
    void locatorByHand() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QCOMPARE(maidenheadLocator(lat, lon), fetched<QString>("locator"));
    }

    // LAX to JFK from the aviation formulary's worked example (0.623585 rad, 1.150035 rad);
    // the others are a degree of a great circle and a quarter of the equator.
    void distanceAndBearing_data() {
        columns<double, double, double, double, double, double>("lat1", "lon1", "lat2", "lon2",
                                                                "km", "deg");
        row("LAX to JFK", 33.95, -118.4, 40.633333, -73.783333, 3972.86, 65.892);
        row("a degree north", 0.0, 0.0, 1.0, 0.0, 111.195, 0.0);
        row("a quarter east", 0.0, 0.0, 0.0, 90.0, 10007.543, 90.0);
    }
    void distanceAndBearing() {
        QFETCH(double, lat1);
        QFETCH(double, lon1);
        QFETCH(double, lat2);
        QFETCH(double, lon2);
        QVERIFY(qAbs(distanceKm(lat1, lon1, lat2, lon2) - fetched<double>("km")) < 0.05);
        QVERIFY(qAbs(bearingDeg(lat1, lon1, lat2, lon2) - fetched<double>("deg")) < 0.01);
    }

    void heardVia_data() {
        columns<QString, QString>("path", "via");
        row("satellite", QString("RS0ISS*,WIDE2-1"), QString("RS0ISS"));
        row("the station before its used hop", QString("N1ABC*,WIDE2*"), QString("N1ABC"));
        row("only an alias marked", QString("WIDE1*,WIDE2-1"), QString("WIDE1"));
        row("not repeated", QString("RS0ISS,WIDE2-1"), QString());
        row("direct", QString(), QString());
    }
    void heardVia() {
        const auto h = heardHeader(header("N0CALL-9", fetched<QString>("path")));
        QVERIFY(h && h->isUi && h->source == "N0CALL-9" && h->destination == "APRS");
        QCOMPARE(h->heardVia, fetched<QString>("via"));
    }

    void informationFieldAsSent_data() {
        columns<QString, QByteArray>("body", "info");
        row("line ends of the monitor undone", body("a\r\nb"), QByteArray("a\rb"));
        row("text beyond ASCII", body(QString::fromUtf8("Grüße")), QByteArray("Grüße"));
    }
    void informationFieldAsSent() {
        QCOMPARE(informationField(fetched<QString>("body")), fetched<QByteArray>("info"));
    }

    void rowsInsertedAndChangedOncePerTickNeverReset() {
        StationModel model;
        model.setOperatorPosition(GeoPoint{52.0, 5.0});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);

        model.take(header("N0CALL", "RS0ISS*"), body("=5258.23N/00002.77W-Portable"), kHeard);
        model.take(header("N2BBB", ""), body(">On the air"), kHeard);
        model.take(header("N0CALL", "RS0ISS*"), body("!5258.23N/00002.77W-"), kHeard);
        model.take(header("N2BBB", ""), body(";LEADER   *092345z4903.50N/07201.75W>088/036"),
                   kHeard);
        QCOMPARE(model.rowCount(), 0);  // nothing shows before the tick's end
        QCOMPARE(model.apply().size(), 3);
        QCOMPARE(inserted.size(), 1);
        // 358.2 km at 289.5° from 52°N 5°E; the second report's empty comment keeps the first.
        QCOMPARE(cells(model, 0),
                 "N0CALL|/-|2024-05-01 21:04:09|RS0ISS|2|52°58.23'N "
                 "000°02.77'W|IO92xx|358.2|290°|||Portable|");
        QCOMPARE(cells(model, 1), "N2BBB||2024-05-01 21:04:09||2|||||||On the air|");
        QVERIFY(cells(model, 2).startsWith("LEADER|/>|"));
        QVERIFY(cells(model, 2).contains("|088° 67 km/h|"));

        changed.clear();
        model.take(header("N2BBB", "PCSAT-1*"), body("!4903.50N/07201.75W_"), kHeard);
        model.apply();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 1);
        QCOMPARE(
            cells(model, 1).section(u'|', 0, 8),  // 5193.0 km at 298.7°
            "N2BBB|/_|2024-05-01 21:04:09|PCSAT-1|3|49°03.50'N 072°01.75'W|FN39xb|5193.0|299°");
        QVERIFY(reset.isEmpty() && layout.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStationModel)
#include "tst_stationmodel.moc"
