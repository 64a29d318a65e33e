// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/passside.h"

#include "aprs/aprsdecode.h"
#include "config/appstate.h"
#include "files/textfiles.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "ui/common/controls.h"
#include "ui/main/beaconside.h"
#include "ui/main/transmitside.h"
#include "ui/windows/formpasses.h"

#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QUrl>

namespace zeno {

namespace {

const QString kUpdateTitle = QStringLiteral("Update TLEs");
constexpr qint64 kMaxTleFileBytes = FileFetch::kMaxBytes;

// The station as its APRS position header ("=5258.23N/00002.77W-") places it.
std::optional<Observer> observerFromAprs(const QString& aprs, double altitudeM) {
    if (aprs.size() < 20)
        return std::nullopt;
    const AprsReport report = decodeAprs(QString(), QString(), aprs.left(20).toLatin1());
    if (!report.latitude || !report.longitude)
        return std::nullopt;
    return Observer{*report.latitude, *report.longitude, altitudeM};
}

}  // namespace

PassSide::PassSide(const SideContext& context, QStatusBar* statusBar, BeaconSide& beacon,
                   const TransmitSide& transmit)
    : context_(context),
      beacon_(beacon),
      transmit_(transmit),
      status_(controls::label(statusBar, "passStatus", QString())),
      age_(controls::label(statusBar, "tleAge", QString())) {
    age_->setStyleSheet(QStringLiteral("color: #b00000;"));
    statusBar->addPermanentWidget(status_);
    statusBar->addPermanentWidget(age_);
    connect(&beacon_, &BeaconSide::clockChanged, this, &PassSide::showStatus);
    connect(&fetch_, &FileFetch::fetched, this, [this](const QByteArray& bytes) {
        takeElements(bytes, context_.state.orbit.tleAddress);
    });
    connect(&fetch_, &FileFetch::failed, this, [this](const QString& why) {
        context_.dialogs.message(QStringLiteral("The element sets could not be downloaded from\r"
                                                "%1:\r%2\r\rtle.txt stays as it was.")
                                     .arg(context_.state.orbit.tleAddress, why),
                                 kUpdateTitle, MsgIcon::Exclamation);
    });
}

PassSide::~PassSide() {
    delete window_;  // it looks at watch_
}

QString PassSide::tlePath() const {
    return appFile(context_.state.appPath, QStringLiteral("tle.txt"));
}

void PassSide::applyStartupState() {
    loadElements();
    showStatus();
}

void PassSide::loadElements() { watch_.setElements(readTleFile(tlePath()).sets); }

void PassSide::updateInputs() {
    const AppState& state = context_.state;
    watch_.setSatellite(satelliteForVia(transmit_.boxText(HistoryBox::Via)));
    // Decoded again only when the position or the height changed.
    if (state.settings.aprs != positionText_ || state.orbit.altitudeM != positionAltitude_) {
        positionText_ = state.settings.aprs;
        positionAltitude_ = state.orbit.altitudeM;
        watch_.setObserver(observerFromAprs(positionText_, positionAltitude_));
    }
    watch_.setMinElevation(state.orbit.minElevationDeg);
}

void PassSide::showStatus() {
    updateInputs();
    const PassWatch::Status status = watch_.statusAt(context_.platform.now());
    // Without a position nothing is said here: the pass window tells what is missing.
    status_->setText(watch_.observer() ? status.pass : QString());
    age_->setText(status.age);
}

void PassSide::openPasses() {
    updateInputs();
    if (!window_) {
        window_ = new FormPasses(watch_, context_.platform, context_.window);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        connect(window_, &FormPasses::useForTimedBeacon, this, &PassSide::useForTimedBeacon);
    } else {
        window_->Form_Load();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PassSide::useNextPass() {
    updateInputs();
    if (const std::optional<Pass> next = watch_.nextPass(context_.platform.now())) {
        useForTimedBeacon(*next);
        return;
    }
    const QString name = watch_.satellite() ? watch_.satellite()->name : QString();
    emit notice(name.isEmpty()
                    ? QStringLiteral("The Via box names no satellite: no next pass")
                    : QStringLiteral("No pass of %1 known: see Options > Passes...").arg(name));
}

void PassSide::useForTimedBeacon(const Pass& pass) {
    if (!beacon_.useForTimedBeacon(pass.aos, pass.los)) {
        emit notice(QStringLiteral("The timed beacon is off in SWL mode"));
        return;
    }
    emit notice(QStringLiteral("Auto Beacon set to the pass from %1 to %2")
                    .arg(beacon_.timedBeaconStart(), beacon_.timedBeaconStop()));
}

void PassSide::updateTles() {
    const QString path = context_.dialogs.openFileName(
        {QStringLiteral("Update TLEs: open a file of element sets (Cancel: download them)"),
         context_.state.appPath,
         QString(),
         {QStringLiteral("Element sets (*.txt *.tle)"), QStringLiteral("All files (*)")}});
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTleFileBytes) {
            context_.dialogs.message(
                QStringLiteral("%1 cannot be read as element sets: %2")
                    .arg(path,
                         file.isOpen() ? QStringLiteral("larger than 4 MiB") : file.errorString()),
                kUpdateTitle, MsgIcon::Exclamation);
            return;
        }
        takeElements(file.readAll(), path);
        return;
    }
    if (fetch_.isRunning()) {
        emit notice(QStringLiteral("The element sets are still being downloaded"));
        return;
    }
    const QString address = context_.state.orbit.tleAddress;
    if (!context_.dialogs.askYesNo(
            QStringLiteral("Download the element sets from\r%1 ?").arg(address), kUpdateTitle))
        return;
    if (fetch_.start(address))
        emit notice(
            QStringLiteral("Downloading element sets from %1...").arg(QUrl(address).host()));
}

void PassSide::takeElements(const QByteArray& bytes, const QString& source) {
    const QString refusal = tleUpdateRefusal(parseTleText(QString::fromLatin1(bytes)));
    if (!refusal.isEmpty()) {
        context_.dialogs.message(
            QStringLiteral("%1 was not taken: tle.txt stays as it was.\r\r%2").arg(source, refusal),
            kUpdateTitle, MsgIcon::Exclamation);
        return;
    }
    if (const QString error = replaceFile(tlePath(), bytes); !error.isEmpty()) {
        context_.dialogs.message(QStringLiteral("Could not write tle.txt: %1").arg(error),
                                 kUpdateTitle, MsgIcon::Exclamation);
        return;
    }
    loadElements();
    showStatus();
    if (window_)
        window_->Form_Load();
    emit notice(QStringLiteral("tle.txt updated: %1 element sets").arg(watch_.elementSetCount()));
}

}  // namespace zeno
