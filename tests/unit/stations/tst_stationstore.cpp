// SPDX-License-Identifier: GPL-3.0-or-later
// What zeno.db keeps across runs, and a file damaged, held by another program or on a full
// disk: a page limit on the connection gives SQLite's own "database or disk is full".
#include "stations/stationstore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace zeno;

namespace {

const QDateTime kHeard(QDate(2024, 5, 1), QTime(21, 4, 9));

Station station(const QString& call) {
    return {call, u'/', u'-', kHeard, "RS0ISS", 3, 52.5, -0.25, {}, 88, {}, "Portable, 5 W", {}};
}

QStringList calls(const StationStore& store) {
    QStringList list;
    for (const Station& s : store.stations())
        list << s.callsign;
    return list;
}

}  // namespace

class TestStationStore : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("zeno.db"));
    }

    void restartKeepsStationsAndMessages() {
        {
            StationStore store;
            QCOMPARE(store.open(path_), QString());
            store.putStation(station("N0CALL"));
            store.putStation(station("GONE"));
            for (const char* entry : {"first", "second", "third"})
                store.addMessage(QDateTime::currentDateTime(), QLatin1String(entry));
            store.putOwnMessage({"N2BBB", "42", "CQ RS0ISS", ":N2BBB    :hi{42", {}, {}, 2, 0});
            QVERIFY(store.commit());
            store.forgetStations();  // "Forget all stations", then heard again
            store.putStation(station("N0CALL"));
            QVERIFY(store.commit());
        }
        StationStore again;
        QCOMPARE(again.open(path_), QString());
        QCOMPARE(calls(again), QStringList("N0CALL"));
        const Station s = again.stations().first();
        QVERIFY(s.symbolTable == u'/' && s.symbolCode == u'-' && s.heardVia == "RS0ISS");
        QVERIFY(s.lastHeard == kHeard && s.packets == 3);
        QVERIFY(s.latitude == 52.5 && s.longitude == -0.25 && s.courseDeg == 88);
        QVERIFY(!s.altitudeM && !s.speedKmh && s.comment == "Portable, 5 W");
        QCOMPARE(again.recentMessages(2), QStringList({"second", "third"}));
        QCOMPARE(again.ownMessages(10).value(0).information, ":N2BBB    :hi{42");
    }

    void damagedFileIsMovedAside() {
        const QByteArray garbage(8192, 'x');
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
        file.close();
        StationStore store;
        QVERIFY(store.open(path_).contains("moved it aside as zeno.db.bad"));
        QFile bad(path_ + ".bad");
        QVERIFY(bad.open(QIODevice::ReadOnly) && bad.readAll() == garbage);
        store.putStation(station("N0CALL"));
        QVERIFY(store.commit());
        QCOMPARE(calls(store), QStringList("N0CALL"));
    }

    void lockedFileIsMovedAside() {
        {
            StationStore first;
            QCOMPARE(first.open(path_), QString());
        }
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(path_);
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec("BEGIN IMMEDIATE"));
            StationStore store;
            QVERIFY(store.open(path_).contains("zeno.db.bad"));
            QVERIFY(QFile::exists(path_ + ".bad"));
            hold.exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("other");
    }

    void fullDiskLosesNothingStored() {
        StationStore store;
        QCOMPARE(store.open(path_), QString());
        store.putStation(station("N0CALL"));
        QVERIFY(store.commit());
        QSqlQuery q(QSqlDatabase::database(store.connectionName()));
        QVERIFY(q.exec("PRAGMA page_count") && q.next());
        QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
        for (int i = 0; i < 200; ++i)
            store.putStation(station(QStringLiteral("N%1ABC").arg(i)));
        QVERIFY(!store.commit());
        QCOMPARE(calls(store), QStringList("N0CALL"));
        QVERIFY(q.exec("PRAGMA max_page_count = 100000"));  // room again
        QVERIFY(store.commit());
        QCOMPARE(store.stations().size(), 201);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

QTEST_GUILESS_MAIN(TestStationStore)
#include "tst_stationstore.moc"
