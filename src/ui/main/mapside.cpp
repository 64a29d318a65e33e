// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mapside.h"

#include "config/appstate.h"
#include "stations/stationmodel.h"
#include "ui/main/passside.h"
#include "ui/main/stationsside.h"

#include <QTimer>

namespace zeno {

MapSide::MapSide(const SideContext& context, StationsSide& stations, PassSide& passes)
    : context_(context), stations_(stations), passes_(passes) {
    // A wheel turn or a drag changes the view many times: the file is written once it rests.
    saveView_.setSingleShot(true);
    saveView_.setInterval(2000);
    connect(&saveView_, &QTimer::timeout, this,
            [this] { saveOrbitSettings(context_.state.appPath, context_.state.orbit); });
}

MapSide::~MapSide() {
    if (saveView_.isActive())
        saveOrbitSettings(context_.state.appPath, context_.state.orbit);
    delete form_;
}

void MapSide::openMap() {
    if (!form_) {
        form_ = new FormMap(context_.platform);
        const OrbitSettings& orbit = context_.state.orbit;
        form_->Canvas->view.set({orbit.mapLongitude, orbit.mapLatitude}, orbit.mapZoom);
        form_->Canvas->stationSource = [this] { return plotted(); };
        connect(form_->Canvas, &MapCanvas::viewChanged, this, &MapSide::keepView);
        // The satellite and the operator may change with Setup or the Via box: looked at on
        // the window's own second, before it draws.
        connect(form_->Timer1, &QTimer::timeout, this, &MapSide::refreshSources);
        refreshSources();
        form_->Canvas->refresh();
    }
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void MapSide::refreshSources() {
    const PassWatch& watch = passes_.watch();
    const Tle* tle = watch.elements();
    MapCanvas& canvas = *form_->Canvas;
    const std::optional<Tle>& shown = canvas.satelliteElements();
    const bool same =
        (!tle && !shown) || (tle && shown && tle->catalogNumber == shown->catalogNumber &&
                             tle->epochJulian == shown->epochJulian);
    if (!same || canvas.minElevation() != watch.minElevation())
        canvas.setSatellite(tle ? std::optional<Tle>(*tle) : std::nullopt, watch.minElevation());
    if (const auto own = operatorPosition(context_.state.settings.aprs))
        canvas.operatorPosition = QPointF(own->longitude, own->latitude);
    else
        canvas.operatorPosition.reset();
}

QList<MapStation> MapSide::plotted() const {
    const StationModel& model = stations_.model();
    QList<MapStation> out;
    for (int row = 0; row < model.rowCount(); ++row) {
        const Station& s = model.station(row);
        if (!s.hasPosition())
            continue;
        QStringList shown;
        for (int column :
             {StationModel::Callsign, StationModel::Locator, StationModel::Distance,
              StationModel::HeardVia, StationModel::LastHeard, StationModel::Comment}) {
            const QString text = model.data(model.index(row, column)).toString();
            if (!text.isEmpty())
                shown << text;
        }
        out.append({s.callsign,
                    s.symbolTable,
                    s.symbolCode,
                    {*s.longitude, *s.latitude},
                    isSatelliteDigipeater(s.heardVia),
                    shown.join(QStringLiteral("  "))});
    }
    return out;
}

void MapSide::keepView() {
    OrbitSettings& orbit = context_.state.orbit;
    const MapView& view = form_->Canvas->view;
    orbit.mapLongitude = view.center().x();
    orbit.mapLatitude = view.center().y();
    orbit.mapZoom = view.zoom();
    saveView_.start();
}

}  // namespace zeno
