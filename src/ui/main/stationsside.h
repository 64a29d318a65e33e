// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/pollhooks.h"
#include "stations/stationmodel.h"
#include "stations/stationstore.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace zeno {

class FormStations;

// The station list: every frame the poll tick takes is noted in the model (and handed on to
// the part that watched the tick before), and once the tick's frames are done the rows are
// brought up to date; what is new goes into the store in one transaction, messages at once and
// stations every few ticks. It owns the store, which the received messages share, and the
// "Stations" window. The store opens once the window is painted (SQLite and its plugin cost the
// first paint milliseconds), or earlier where something needs it: nothing heard is lost.
class StationsSide : public QObject, public FrameWatchHook {
    Q_OBJECT
public:
    // Stations heard go to the store once a minute: writing a station costs more than the
    // frame that brought it, and a station heard again within the minute is written once.
    // Messages go at the end of the tick that brought them.
    static constexpr int kTicksPerStationCommit = 240;

    StationsSide(const SideContext& context, FrameWatchHook* alsoWatching);
    ~StationsSide() override;

    // Opens the store in the settings folder, once; what it kept fills the list.
    void openStore();
    StationStore& store() {
        openStore();
        return store_;
    }
    StationModel& model() {
        openStore();
        return model_;
    }

    void frameTaken(const AgwFrame& frame, const QString& header, const QString& body) override;
    void alarmSounded(const QString& header) override;

    // After the tick's frames: the rows, then the store when its turn has come.
    void tickEnded();
    // Start-up, once the window is painted: tells the operator when the store had to be moved
    // aside or cannot be used.
    void applyStartupState();
    // Opens (or raises) the "Stations" window.
    void openStations();
    // Every station goes, from the list and from the store.
    void forgetAll();

signals:
    // The operator wants to write a message to this station.
    void replyRequested(const QString& callsign);

private:
    SideContext context_;
    FrameWatchHook* next_;
    StationStore store_;
    StationModel model_;
    QString storeNotice_;
    QString operatorSetting_;
    QDateTime heardAt_;  // when this tick's frames were heard
    int ticksSinceCommit_ = 0;
    bool opened_ = false;
    QTimer checkpoint_;
    QPointer<FormStations> form_;
};

}  // namespace zeno
