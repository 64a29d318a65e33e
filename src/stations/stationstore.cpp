// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/stationstore.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace zeno {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");
const QString kInMemory = QStringLiteral(":memory:");

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS stations (callsign TEXT PRIMARY KEY, symbol_table TEXT, "
    "symbol_code TEXT, last_heard INTEGER, heard_via TEXT, packets INTEGER, latitude REAL, "
    "longitude REAL, altitude REAL, course INTEGER, speed REAL, comment TEXT, weather TEXT)",
    "CREATE TABLE IF NOT EXISTS messages (id INTEGER PRIMARY KEY, received INTEGER, entry TEXT)",
    "CREATE TABLE IF NOT EXISTS own_messages (addressee TEXT, number TEXT, call_string TEXT, "
    "information TEXT, last_sent INTEGER, acknowledged_at INTEGER, sent_count INTEGER, "
    "state INTEGER, PRIMARY KEY (addressee, number))",
};

// SQLite's primary result codes for a file that is not (or no longer) a database of its own,
// or that another program holds.
bool damagedOrLocked(const QSqlError& error) {
    constexpr int kBusy = 5;
    constexpr int kLocked = 6;
    constexpr int kCorrupt = 11;
    constexpr int kNotADatabase = 26;
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kBusy || code == kLocked || code == kCorrupt || code == kNotADatabase;
}

template <typename T>
QVariant optional(const std::optional<T>& value) {
    return value ? QVariant(*value) : QVariant();
}

QVariant time(const QDateTime& t) {
    return t.isValid() ? QVariant(t.toMSecsSinceEpoch()) : QVariant();
}

QDateTime timeOf(const QVariant& v) {
    return v.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(v.toLongLong());
}

template <typename T>
std::optional<T> optionalOf(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    return v.value<T>();
}

QChar charOf(const QVariant& v) {
    const QString text = v.toString();
    return text.isEmpty() ? QChar() : text.front();
}

}  // namespace

StationStore::StationStore()
    : connection_(QStringLiteral("zeno-store-%1").arg(quintptr(this), 0, 16)) {}

StationStore::~StationStore() { close(); }

bool StationStore::isOpen() const { return open_; }

QString StationStore::open(const QString& path) {
    close();
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return QStringLiteral(
            "ZENO cannot keep its stations and messages: Qt's SQLite driver (package "
            "libqt6sql6-sqlite) is missing. Nothing of this run is kept.");
    if (path.isEmpty()) {
        tryOpen(kInMemory);
        return {};
    }
    const QString name = QFileInfo(path).fileName();
    const Outcome outcome = tryOpen(path);
    if (outcome == Outcome::Ready)
        return {};
    if (outcome == Outcome::Damaged && moveAside(path) && tryOpen(path) == Outcome::Ready)
        return QStringLiteral(
                   "The stations and messages database %1 was damaged or held by another "
                   "program. ZENO moved it aside as %2 and made a new one.")
            .arg(name, name + QLatin1String(kBadSuffix));
    tryOpen(kInMemory);
    return QStringLiteral(
               "ZENO cannot use its stations and messages database %1. The stations and "
               "messages of this run are not kept.")
        .arg(name);
}

StationStore::Outcome StationStore::tryOpen(const QString& path) {
    open_ = false;
    QSqlDatabase db = QSqlDatabase::contains(connection_)
                          ? QSqlDatabase::database(connection_, false)
                          : QSqlDatabase::addDatabase(kDriver, connection_);
    db.close();
    db.setDatabaseName(path);
    // Opening may wait a moment for another program's transaction; the tick never waits.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=500"));
    if (!db.open())
        return damagedOrLocked(db.lastError()) ? Outcome::Damaged : Outcome::Unusable;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
            const QSqlError error = q.lastError();
            q.finish();
            db.close();
            return damagedOrLocked(error) ? Outcome::Damaged : Outcome::Unusable;
        }
        if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
            q.finish();
            db.close();
            return Outcome::Damaged;
        }
        q.finish();
        // The write-ahead log with NORMAL sync: a commit appends to the log without waiting
        // for the disk, and the file stays whole. The log is folded back by checkpoint().
        for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
                                   "PRAGMA wal_autocheckpoint=0"})
            q.exec(QLatin1String(pragma));
        // Taking the write lock tells a file another program holds; a full disk or a file we
        // may only read still lets us read what is stored, and commits try again.
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            if (damagedOrLocked(q.lastError())) {
                q.finish();
                db.close();
                return Outcome::Damaged;
            }
        } else {
            bool written = true;
            for (const char* statement : kSchema)
                written = written && q.exec(QLatin1String(statement));
            written = written && q.exec(QStringLiteral("COMMIT"));
            if (!written) {
                const QSqlError error = q.lastError();
                q.exec(QStringLiteral("ROLLBACK"));
                if (damagedOrLocked(error)) {
                    q.finish();
                    db.close();
                    return Outcome::Damaged;
                }
            }
        }
        q.exec(QStringLiteral("PRAGMA busy_timeout=0"));
    }
    path_ = path;
    open_ = true;
    return Outcome::Ready;
}

bool StationStore::moveAside(const QString& path) {
    const QString bad = path + QLatin1String(kBadSuffix);
    // The log and index files belong to the file they sit beside: they move with it.
    for (const char* part : {"", "-wal", "-shm"})
        QFile::remove(bad + QLatin1String(part));
    for (const char* part : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(part)))
            QFile::rename(path + QLatin1String(part), bad + QLatin1String(part));
    }
    return QFile::rename(path, bad);
}

void StationStore::close() {
    open_ = false;
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QList<Station> StationStore::stations() const {
    QList<Station> list;
    if (!open_)
        return list;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT callsign, symbol_table, symbol_code, last_heard, heard_via, packets, latitude, "
            "longitude, altitude, course, speed, comment, weather FROM stations "
            "ORDER BY last_heard")))
        return list;
    while (q.next()) {
        Station s;
        s.callsign = q.value(0).toString();
        s.symbolTable = charOf(q.value(1));
        s.symbolCode = charOf(q.value(2));
        s.lastHeard = timeOf(q.value(3));
        s.heardVia = q.value(4).toString();
        s.packets = q.value(5).toInt();
        s.latitude = optionalOf<double>(q.value(6));
        s.longitude = optionalOf<double>(q.value(7));
        s.altitudeM = optionalOf<double>(q.value(8));
        s.courseDeg = optionalOf<int>(q.value(9));
        s.speedKmh = optionalOf<double>(q.value(10));
        s.comment = q.value(11).toString();
        s.weather = q.value(12).toString();
        list << s;
    }
    return list;
}

QStringList StationStore::recentMessages(int count) const {
    QStringList entries;
    if (!open_)
        return entries;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT entry FROM messages ORDER BY id DESC LIMIT ?"));
    q.bindValue(0, count);
    if (!q.exec())
        return entries;
    while (q.next())
        entries.prepend(q.value(0).toString());
    return entries;
}

QList<StoredOwnMessage> StationStore::ownMessages(int count) const {
    QList<StoredOwnMessage> list;
    if (!open_)
        return list;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT addressee, number, call_string, information, last_sent, acknowledged_at, "
        "sent_count, state FROM own_messages ORDER BY last_sent DESC LIMIT ?"));
    q.bindValue(0, count);
    if (!q.exec())
        return list;
    while (q.next()) {
        list.prepend({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                      q.value(3).toString(), timeOf(q.value(4)), timeOf(q.value(5)),
                      q.value(6).toInt(), q.value(7).toInt()});
    }
    return list;
}

void StationStore::putStation(const Station& station) {
    if (const auto at = stationOf_.constFind(station.callsign); at != stationOf_.cend()) {
        stations_[*at] = station;
        return;
    }
    stationOf_.insert(station.callsign, int(stations_.size()));
    stations_.append(station);
}

void StationStore::forgetStations() {
    forgetPending_ = true;
    stations_.clear();
    stationOf_.clear();
}

void StationStore::addMessage(const QDateTime& received, const QString& entry) {
    messages_.append({received, entry});
}

void StationStore::putOwnMessage(const StoredOwnMessage& message) {
    for (StoredOwnMessage& waiting : own_) {
        if (waiting.addressee == message.addressee && waiting.number == message.number) {
            waiting = message;
            return;
        }
    }
    own_.append(message);
}

bool StationStore::hasPending() const {
    return forgetPending_ || !stations_.isEmpty() || !messages_.isEmpty() || !own_.isEmpty();
}

bool StationStore::hasPendingMessages() const {
    return forgetPending_ || !messages_.isEmpty() || !own_.isEmpty();
}

bool StationStore::commit() {
    if (!hasPending())
        return true;
    if (open_) {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (!db.transaction())
            return false;
        if (!writeAll(db) || !db.commit()) {
            db.rollback();
            return false;
        }
    }
    forgetPending_ = false;
    stations_.clear();
    stationOf_.clear();
    messages_.clear();
    own_.clear();
    return true;
}

bool StationStore::writeAll(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (forgetPending_ && !q.exec(QStringLiteral("DELETE FROM stations")))
        return false;
    if (!stations_.isEmpty()) {
        if (!q.prepare(QStringLiteral(
                "INSERT OR REPLACE INTO stations VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
            return false;
        for (const Station& s : stations_) {
            const QVariant values[] = {s.callsign,
                                       s.symbolCode.isNull() ? QVariant() : QString(s.symbolTable),
                                       s.symbolCode.isNull() ? QVariant() : QString(s.symbolCode),
                                       time(s.lastHeard),
                                       s.heardVia,
                                       s.packets,
                                       optional(s.latitude),
                                       optional(s.longitude),
                                       optional(s.altitudeM),
                                       optional(s.courseDeg),
                                       optional(s.speedKmh),
                                       s.comment,
                                       s.weather};
            for (int i = 0; i < int(std::size(values)); ++i)
                q.bindValue(i, values[i]);
            if (!q.exec())
                return false;
        }
    }
    if (!messages_.isEmpty()) {
        if (!q.prepare(QStringLiteral("INSERT INTO messages (received, entry) VALUES (?, ?)")))
            return false;
        for (const Message& m : messages_) {
            q.bindValue(0, time(m.received));
            q.bindValue(1, m.entry);
            if (!q.exec())
                return false;
        }
    }
    if (!own_.isEmpty()) {
        if (!q.prepare(QStringLiteral(
                "INSERT OR REPLACE INTO own_messages VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
            return false;
        for (const StoredOwnMessage& m : own_) {
            const QVariant values[] = {m.addressee,   m.number,         m.callString,
                                       m.information, time(m.lastSent), time(m.acknowledgedAt),
                                       m.sentCount,   m.state};
            for (int i = 0; i < int(std::size(values)); ++i)
                q.bindValue(i, values[i]);
            if (!q.exec())
                return false;
        }
    }
    return true;
}

void StationStore::checkpoint() {
    if (!open_)
        return;
    QSqlQuery q(QSqlDatabase::database(connection_, false));
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}

}  // namespace zeno
