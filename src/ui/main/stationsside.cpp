// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/stationsside.h"

#include "config/appstate.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "ui/windows/formstations.h"

namespace zeno {

namespace {

// The write-ahead log is folded into the database file this often, between ticks.
constexpr int kCheckpointMs = 5 * 60 * 1000;

}  // namespace

StationsSide::StationsSide(const SideContext& context, FrameWatchHook* alsoWatching)
    : context_(context), next_(alsoWatching) {
    checkpoint_.setInterval(kCheckpointMs);
    connect(&checkpoint_, &QTimer::timeout, this, [this] { store_.checkpoint(); });
}

StationsSide::~StationsSide() {
    delete form_.data();
    if (opened_)
        store_.commit();
}

void StationsSide::openStore() {
    if (opened_)
        return;
    opened_ = true;
    const QString& appPath = context_.state.appPath;
    storeNotice_ = store_.open(
        appPath.isEmpty() ? QString() : appFile(appPath, QLatin1String(StationStore::kFileName)));
    model_.load(store_.stations());
    checkpoint_.start();
}

void StationsSide::frameTaken(const AgwFrame& frame, const QString& header, const QString& body) {
    openStore();
    // Our own frames as the engine sends them are no station heard.
    if (frame.kind != 'T' && !header.isEmpty()) {
        // One reading of the clock per tick: a tick's frames all came within its 20 ms.
        if (!heardAt_.isValid())
            heardAt_ = context_.platform.now();
        model_.take(header, body, heardAt_);
    }
    if (next_)
        next_->frameTaken(frame, header, body);
}

void StationsSide::alarmSounded(const QString& header) {
    if (next_)
        next_->alarmSounded(header);
}

void StationsSide::tickEnded() {
    openStore();
    heardAt_ = QDateTime();
    if (context_.state.settings.aprs != operatorSetting_) {
        operatorSetting_ = context_.state.settings.aprs;
        model_.setOperatorPosition(operatorPosition(operatorSetting_));
    }
    if (model_.hasTaken()) {
        for (const Station& s : model_.apply())
            store_.putStation(s);
    }
    if (++ticksSinceCommit_ < kTicksPerStationCommit && !store_.hasPendingMessages())
        return;
    ticksSinceCommit_ = 0;
    store_.commit();
}

void StationsSide::applyStartupState() {
    openStore();
    if (!storeNotice_.isEmpty())
        context_.dialogs.message(storeNotice_, kProgramTitle, MsgIcon::Information);
    storeNotice_.clear();
}

void StationsSide::openStations() {
    openStore();
    if (!form_) {
        // A window of its own, like the received messages.
        form_ = new FormStations(model_, context_.state.files, context_.dialogs, context_.platform);
        connect(form_, &FormStations::replyRequested, this, &StationsSide::replyRequested);
        connect(form_, &FormStations::forgetRequested, this, &StationsSide::forgetAll);
    }
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void StationsSide::forgetAll() {
    openStore();
    model_.forgetAll();
    store_.forgetStations();
}

}  // namespace zeno
