// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/stationmodel.h"

#include "aprs/aprsdecode.h"

namespace zeno {

StationModel::StationModel(QObject* parent) : QAbstractTableModel(parent) {}

Station& StationModel::taken(const QString& call) {
    if (const auto at = takenOf_.constFind(call); at != takenOf_.cend())
        return taken_[*at];
    Station station;
    if (const auto row = rowOf_.constFind(call); row != rowOf_.cend())
        station = rows_.at(*row);
    else
        station.callsign = call;
    takenOf_.insert(call, int(taken_.size()));
    taken_.append(station);
    return taken_.last();
}

void StationModel::take(const QString& header, const QString& body, const QDateTime& heard) {
    const std::optional<HeardHeader> h = heardHeader(header);
    if (!h)
        return;
    const AprsReport report =
        h->isUi ? decodeAprs(h->source, h->destination, informationField(body)) : AprsReport();
    const bool isObject = (report.kind == AprsReport::Object || report.kind == AprsReport::Item) &&
                          !report.objectName.isEmpty();
    // An object is a station of its own; the one that sent it was heard all the same.
    takeReport(taken(h->source), isObject ? AprsReport() : report, heard, h->heardVia);
    if (isObject)
        takeReport(taken(report.objectName), report, heard, h->heardVia);
}

QList<Station> StationModel::apply() {
    QList<Station> changed;
    changed.swap(taken_);
    takenOf_.clear();
    int first = -1;
    int last = -1;
    QList<const Station*> added;
    for (const Station& s : changed) {
        const auto row = rowOf_.constFind(s.callsign);
        if (row == rowOf_.cend()) {
            added << &s;
            continue;
        }
        rows_[*row] = s;
        first = first < 0 ? *row : qMin(first, *row);
        last = qMax(last, *row);
    }
    if (last >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
    if (!added.isEmpty()) {
        const int start = int(rows_.size());
        beginInsertRows(QModelIndex(), start, start + int(added.size()) - 1);
        for (const Station* s : added) {
            rowOf_.insert(s->callsign, int(rows_.size()));
            rows_.append(*s);
        }
        endInsertRows();
    }
    return changed;
}

void StationModel::load(const QList<Station>& stations) {
    QList<Station> fresh;
    for (const Station& s : stations) {
        if (!s.callsign.isEmpty() && !rowOf_.contains(s.callsign))
            fresh << s;
    }
    if (fresh.isEmpty())
        return;
    const int start = int(rows_.size());
    beginInsertRows(QModelIndex(), start, start + int(fresh.size()) - 1);
    for (const Station& s : fresh) {
        rowOf_.insert(s.callsign, int(rows_.size()));
        rows_.append(s);
    }
    endInsertRows();
}

void StationModel::forgetAll() {
    taken_.clear();
    takenOf_.clear();
    if (rows_.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(rows_.size()) - 1);
    rows_.clear();
    rowOf_.clear();
    endRemoveRows();
}

void StationModel::setOperatorPosition(const std::optional<GeoPoint>& position) {
    if (position == operator_)
        return;
    operator_ = position;
    if (!rows_.isEmpty())
        emit dataChanged(index(0, Distance), index(int(rows_.size()) - 1, Bearing));
}

int StationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int StationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[ColumnCount] = {
        "Callsign", "Symbol",        "Last heard", "Heard via", "Packets",      "Position",
        "Locator",  "Distance (km)", "Bearing",    "Altitude",  "Course/speed", "Comment or status",
        "Weather"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kTitles[section]);
}

QVariant StationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Station& s = rows_.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return displayText(s, index.column());
        case kSortRole:
            return sortValue(s, index.column());
        case kSymbolRole:
            return s.symbolCode.isNull() ? QString() : QString(s.symbolTable) + s.symbolCode;
        case Qt::TextAlignmentRole:
            switch (index.column()) {
                case Packets:
                case Distance:
                case Bearing:
                case Altitude:
                    return int(Qt::AlignRight | Qt::AlignVCenter);
                default:
                    return {};
            }
        default:
            return {};
    }
}

QString StationModel::displayText(const Station& s, int column) const {
    const bool measured = operator_ && s.hasPosition();
    switch (column) {
        case Callsign:
            return s.callsign;
        case Symbol:
            return s.symbolCode.isNull() ? QString() : QString(s.symbolTable) + s.symbolCode;
        case LastHeard:
            return s.lastHeard.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case HeardVia:
            return s.heardVia;
        case Packets:
            return QString::number(s.packets);
        case Position:
            return s.hasPosition() ? positionText(*s.latitude, *s.longitude) : QString();
        case Locator:
            return s.hasPosition() ? maidenheadLocator(*s.latitude, *s.longitude) : QString();
        case Distance:
            return measured ? QString::number(distanceKm(operator_->latitude, operator_->longitude,
                                                         *s.latitude, *s.longitude),
                                              'f', 1)
                            : QString();
        case Bearing:
            return measured ? QStringLiteral("%1°").arg(
                                  qRound(bearingDeg(operator_->latitude, operator_->longitude,
                                                    *s.latitude, *s.longitude)) %
                                      360,
                                  3, 10, QLatin1Char('0'))
                            : QString();
        case Altitude:
            return s.altitudeM ? QStringLiteral("%1 m").arg(*s.altitudeM, 0, 'f', 0) : QString();
        case CourseSpeed: {
            QStringList parts;
            if (s.courseDeg)
                parts << QStringLiteral("%1°").arg(*s.courseDeg, 3, 10, QLatin1Char('0'));
            if (s.speedKmh)
                parts << QStringLiteral("%1 km/h").arg(*s.speedKmh, 0, 'f', 0);
            return parts.join(QLatin1Char(' '));
        }
        case Comment:
            return s.comment;
        case Weather:
            return s.weather;
        default:
            return {};
    }
}

QVariant StationModel::sortValue(const Station& s, int column) const {
    const bool measured = operator_ && s.hasPosition();
    switch (column) {
        case LastHeard:
            return s.lastHeard;
        case Packets:
            return s.packets;
        case Distance:
            return measured ? distanceKm(operator_->latitude, operator_->longitude, *s.latitude,
                                         *s.longitude)
                            : -1.0;
        case Bearing:
            return measured ? bearingDeg(operator_->latitude, operator_->longitude, *s.latitude,
                                         *s.longitude)
                            : -1.0;
        case Altitude:
            return s.altitudeM.value_or(-1e9);
        case Position:
            return s.latitude.value_or(-1000.0);
        default:
            return displayText(s, column).toUpper();
    }
}

}  // namespace zeno
