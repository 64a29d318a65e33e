// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monitor/pollhooks.h"
#include "tx/beacon.h"
#include "ui/main/form1controls.h"
#include "ui/main/sidecontext.h"

#include <QDateTime>
#include <QObject>

namespace zeno {

class TransmitSide;

// The clock and the beacon: the interval beacon counted in poll ticks, the timed beacon of the
// Time panel and the beacon label. The beacon's frames are the transmit side's sends.
class BeaconSide : public QObject, public BeaconHooks {
    Q_OBJECT
public:
    BeaconSide(const SideContext& context, const TimePanel& time, TransmitSide& transmit);

    // At start-up: a beacon left on survives the restart; a listener never sends.
    void applyStartupState();
    // Listener (SWL) mode: the beacon off, its label and the timed beacon unusable.
    void enterListenerMode();
    void toggleBeacon();  // the beacon label was double-clicked
    void BeaconOn();
    void BeaconOff();
    int beaconTicks() const { return beacon_.ticks(); }
    // Auto Beacon from start to stop (their local time of day); false in SWL mode.
    bool useForTimedBeacon(const QDateTime& start, const QDateTime& stop);
    QString timedBeaconStart() const;
    QString timedBeaconStop() const;

    // BeaconHooks
    QString clockCaption() const override;
    void setClockCaption(const QString& caption) override;
    void Klok_Change() override;  // the clock caption changed ("klok" = clock): timed beacon
    void beaconStep() override;   // one poll tick of beacon time

signals:
    // The clock shows another second.
    void clockChanged();

private:
    void showBeaconLabel(bool on);

    SideContext context_;
    TimePanel panel_;
    TransmitSide& transmit_;
    BeaconCounter beacon_;
};

}  // namespace zeno
