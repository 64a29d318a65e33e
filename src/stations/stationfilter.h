// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>
#include <QString>

namespace zeno {

// The station list as the window shows it: sorted by any column (numbers and times as such)
// and narrowed to the stations whose callsign or locator begins with the filter text, and
// to those last heard through a satellite when asked.
class StationFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit StationFilter(QObject* parent = nullptr);

    void setPrefix(const QString& prefix);
    void setSatelliteOnly(bool only);

    // The rows as listed, a header line first, fields apart by separator, CR LF after each
    // line. With a comma the fields are quoted where they need it (CSV).
    QString tableText(QChar separator) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString prefix_;
    bool satelliteOnly_ = false;
};

}  // namespace zeno
