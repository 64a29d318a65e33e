// SPDX-License-Identifier: GPL-3.0-or-later
#include "stations/stationfilter.h"

#include "stations/station.h"
#include "stations/stationmodel.h"

#include <QStringList>

namespace zeno {

namespace {

QString field(const QString& text, QChar separator) {
    if (separator != u',') {
        QString plain = text;
        return plain.replace(separator, u' ');
    }
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

StationFilter::StationFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(StationModel::kSortRole);
}

void StationFilter::setPrefix(const QString& prefix) {
    prefix_ = prefix.trimmed();
    invalidateFilter();
}

void StationFilter::setSatelliteOnly(bool only) {
    satelliteOnly_ = only;
    invalidateFilter();
}

bool StationFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel* source = sourceModel();
    const auto text = [&](int column) {
        return source->index(sourceRow, column, sourceParent).data().toString();
    };
    if (satelliteOnly_ && !isSatelliteDigipeater(text(StationModel::HeardVia)))
        return false;
    return prefix_.isEmpty() ||
           text(StationModel::Callsign).startsWith(prefix_, Qt::CaseInsensitive) ||
           text(StationModel::Locator).startsWith(prefix_, Qt::CaseInsensitive);
}

QString StationFilter::tableText(QChar separator) const {
    QString text;
    QStringList fields;
    for (int c = 0; c < columnCount(); ++c)
        fields << field(headerData(c, Qt::Horizontal).toString(), separator);
    text += fields.join(separator) + QLatin1String("\r\n");
    for (int r = 0; r < rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < columnCount(); ++c)
            fields << field(index(r, c).data().toString(), separator);
        text += fields.join(separator) + QLatin1String("\r\n");
    }
    return text;
}

}  // namespace zeno
