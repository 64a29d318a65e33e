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
// "Stations" window.
class StationsSide : public QObject, public FrameWatchHook {
    Q_OBJECT
public:
    // The store opens at once, in the settings folder; what it kept fills the list.
    StationsSide(const SideContext& context, FrameWatchHook* alsoWatching);
    ~StationsSide() override;

    StationStore& store() { return store_; }
    StationModel& model() { return model_; }

    void frameTaken(const AgwFrame& frame, const QString& header, const QString& body) override;
    void alarmSounded(const QString& header) override;

    // After the tick's frames: the rows, then the store when its turn has come.
    void tickEnded();
    // Start-up: tells the operator when the store had to be moved aside or cannot be used.
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
    QTimer checkpoint_;
    QPointer<FormStations> form_;
};

}  // namespace zeno
