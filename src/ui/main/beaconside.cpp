// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/beaconside.h"

#include "config/appstate.h"
#include "platform/colors.h"
#include "platform/platform.h"
#include "ui/common/widgets.h"
#include "ui/main/transmitside.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeno {

BeaconSide::BeaconSide(const SideContext& context, const TimePanel& time, TransmitSide& transmit)
    : context_(context), panel_(time), transmit_(transmit) {}

void BeaconSide::applyStartupState() {
    if (context_.state.settings.swlMode != 0) {
        enterListenerMode();
    } else if (context_.state.settings.beacon != 0) {
        BeaconOn();
    } else {
        BeaconOff();
    }
}

void BeaconSide::enterListenerMode() {
    BeaconOff();
    panel_.Label6->setEnabled(false);
    // The timed beacon would switch it on again at its start time.
    panel_.Check4->setChecked(false);
    panel_.Check4->setEnabled(false);
    panel_.NextPass->setEnabled(false);
}

void BeaconSide::showBeaconLabel(bool on) {
    if (on) {
        panel_.Label6->setText(QStringLiteral("Beacon ON"));
        setWidgetColors(panel_.Label6, paletteColor(14), paletteColor(12));
    } else {
        panel_.Label6->setText(QStringLiteral("Beacon OFF"));
        setWidgetColors(panel_.Label6, paletteColor(1), paletteColor(7));
    }
}

void BeaconSide::BeaconOn() {
    context_.state.settings.beacon = -1;
    showBeaconLabel(true);
}

void BeaconSide::BeaconOff() {
    context_.state.settings.beacon = 0;
    showBeaconLabel(false);
}

void BeaconSide::toggleBeacon() {
    if (context_.state.settings.beacon == 0)
        BeaconOn();
    else
        BeaconOff();
}

QString BeaconSide::clockCaption() const { return panel_.Klok->text(); }

void BeaconSide::setClockCaption(const QString& caption) { panel_.Klok->setText(caption); }

void BeaconSide::beaconStep() {
    const Settings& s = context_.state.settings;
    if (!beacon_.tick(s.beacon != 0, s.beaconInterval))
        return;
    // A box of ours is open (perhaps from the last beacon): this one is skipped.
    if (transmit_.isBusy())
        return;
    if (s.selectedBeacon == 2) {
        if (transmit_.positionAvailable())
            transmit_.sendPosition();
    } else {
        transmit_.sendTxText();
    }
}

bool BeaconSide::useForTimedBeacon(const QDateTime& start, const QDateTime& stop) {
    if (!panel_.Check4->isEnabled())
        return false;
    panel_.Text5->setText(clockText(start.toLocalTime().time()));
    panel_.Text6->setText(clockText(stop.toLocalTime().time()));
    panel_.Check4->setChecked(true);
    return true;
}

QString BeaconSide::timedBeaconStart() const { return panel_.Text5->text(); }
QString BeaconSide::timedBeaconStop() const { return panel_.Text6->text(); }

void BeaconSide::Klok_Change() {
    emit clockChanged();
    if (!panel_.Check4->isChecked())
        return;
    const TimedBeaconAction action = timedBeaconAction(panel_.Text5->text(), panel_.Text6->text(),
                                                       context_.platform.now().time());
    if (action.switchOn)
        BeaconOn();
    if (action.switchOff)
        BeaconOff();
}

}  // namespace zeno
