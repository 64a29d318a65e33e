// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stations/station.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace zeno {

// One of the station's own numbered messages and how it fared.
struct StoredOwnMessage {
    QString addressee;
    QString number;
    QString callString;   // the address it went to
    QString information;  // the whole field as sent
    QDateTime lastSent;
    QDateTime acknowledgedAt;  // invalid while not acknowledged
    int sentCount = 0;
    int state = 0;  // the retry state, as the sender counts it
};

// What ZENO keeps across runs, in the SQLite database "zeno.db" of the settings folder: the
// stations heard, every received APRS message and the station's own messages. Changes wait in
// memory until commit(), which the program calls after a poll tick's frames: one transaction,
// in WAL mode with a commit that never waits for the disk. A transaction that fails (a full
// disk, a lock) is rolled back and tried again at the next commit: what is stored stays, and
// nothing waiting is lost.
class StationStore {
public:
    static constexpr const char* kFileName = "zeno.db";
    static constexpr const char* kBadSuffix = ".bad";

    StationStore();
    ~StationStore();
    StationStore(const StationStore&) = delete;
    StationStore& operator=(const StationStore&) = delete;

    // Opens (or makes) the database at path. A damaged or locked file is moved aside as
    // path + ".bad" and a new one is made; the notice for the operator is returned then, and
    // when no file can be used at all (the store then keeps this run's changes in memory).
    // Empty when all went well. An empty path keeps everything in memory without a notice.
    QString open(const QString& path);
    void close();
    bool isOpen() const;
    // The Qt SQL connection, for a test that wants to look inside.
    QString connectionName() const { return connection_; }

    QList<Station> stations() const;
    // The newest `count` received messages (log entries), oldest first.
    QStringList recentMessages(int count) const;
    // The newest `count` own messages, oldest first.
    QList<StoredOwnMessage> ownMessages(int count) const;

    void putStation(const Station& station);
    void forgetStations();
    void addMessage(const QDateTime& received, const QString& entry);
    void putOwnMessage(const StoredOwnMessage& message);

    bool hasPending() const;
    // Messages (received or our own) or a forget wait: what the operator would miss most.
    bool hasPendingMessages() const;
    // Writes everything waiting in one transaction; false when it failed and waits on.
    bool commit();
    // Moves what the write-ahead log holds into the database file: outside the poll tick.
    void checkpoint();

private:
    enum class Outcome { Ready, Damaged, Unusable };
    Outcome tryOpen(const QString& path);
    bool moveAside(const QString& path);
    bool writeAll(QSqlDatabase& db);

    QString connection_;
    QString path_;
    bool open_ = false;

    bool forgetPending_ = false;
    QList<Station> stations_;
    QHash<QString, int> stationOf_;
    struct Message {
        QDateTime received;
        QString entry;
    };
    QList<Message> messages_;
    QList<StoredOwnMessage> own_;
};

}  // namespace zeno
