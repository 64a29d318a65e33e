// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stations/station.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <optional>

namespace zeno {

// Every station heard, one row each, in the order they were first heard. The poll tick hands
// each frame to take(), which only notes what changed; apply() brings the rows up to date once
// per tick, so a view redraws the rows that changed and lays out new ones, never the table.
class StationModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Callsign,
        Symbol,
        LastHeard,
        HeardVia,
        Packets,
        Position,
        Locator,
        Distance,
        Bearing,
        Altitude,
        CourseSpeed,
        Comment,
        Weather,
        ColumnCount
    };
    // Numbers and times as they sort; empty values sort first.
    static constexpr int kSortRole = Qt::UserRole;
    // The symbol's table and code characters ("/-"), for drawing it.
    static constexpr int kSymbolRole = Qt::UserRole + 1;

    explicit StationModel(QObject* parent = nullptr);

    // One frame as the poll tick splits it (header from "Fm " on, body with CR LF line ends),
    // heard at `heard`: its information field is decoded once and folded into its station.
    void take(const QString& header, const QString& body, const QDateTime& heard);
    bool hasTaken() const { return !taken_.isEmpty(); }
    // Rows changed and new rows appended for everything taken since the last call; returns
    // the stations that changed, as they now stand.
    QList<Station> apply();

    // The stations kept from earlier runs, appended (nothing is reset).
    void load(const QList<Station>& stations);
    // Every row goes.
    void forgetAll();
    // Where distance and bearing are measured from; nothing: those columns stay empty.
    void setOperatorPosition(const std::optional<GeoPoint>& position);

    const Station& station(int row) const { return rows_.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // What is taken for this call: its row's station the first time in a tick.
    Station& taken(const QString& call);
    QString displayText(const Station& s, int column) const;
    QVariant sortValue(const Station& s, int column) const;

    QList<Station> rows_;
    QHash<QString, int> rowOf_;
    QList<Station> taken_;  // in the order first taken
    QHash<QString, int> takenOf_;
    std::optional<GeoPoint> operator_;
};

}  // namespace zeno
