// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/sidecontext.h"
#include "ui/windows/formmap.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace zeno {

class PassSide;
class StationsSide;

// The map window (Options > "Map..."): the station list's stations with a position, the
// operator, and the satellite the Via path names. The window gathers them once a second; its
// view is kept in orbit.ini.
class MapSide : public QObject {
    Q_OBJECT
public:
    MapSide(const SideContext& context, StationsSide& stations, PassSide& passes);
    ~MapSide() override;

    void openMap();
    FormMap* window() const { return form_; }

private:
    QList<MapStation> plotted() const;
    void refreshSources();
    void keepView();

    SideContext context_;
    StationsSide& stations_;
    PassSide& passes_;
    QPointer<FormMap> form_;
    QTimer saveView_;
};

}  // namespace zeno
