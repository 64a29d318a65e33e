// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/filefetch.h"
#include "orbit/passwatch.h"
#include "ui/main/sidecontext.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QStatusBar;

namespace zeno {

class BeaconSide;
class FormPasses;
class TransmitSide;

// Satellite passes: the status bar's line about the satellite of the Via path, once a
// second; the pass list window; the timed beacon set to a pass; and the element sets in
// tle.txt, updated from a file or the web. The station's position is its APRS position.
class PassSide : public QObject {
    Q_OBJECT
public:
    PassSide(const SideContext& context, QStatusBar* statusBar, BeaconSide& beacon,
             const TransmitSide& transmit);
    ~PassSide() override;

    // At start-up: the element sets of tle.txt, and the status at once.
    void applyStartupState();
    // Once a second (the clock changed): the satellite, position and horizon as they are now.
    void showStatus();
    void openPasses();   // Options > "Passes..."
    void useNextPass();  // the Time panel's "Next pass"
    void updateTles();   // Setup > "Update TLEs..."

    PassWatch& watch() { return watch_; }

signals:
    // A passing note for the status bar.
    void notice(const QString& text);

private:
    QString tlePath() const;
    void loadElements();
    void updateInputs();
    // New element sets (read from `source`): they replace tle.txt only when every set reads.
    void takeElements(const QByteArray& bytes, const QString& source);
    void useForTimedBeacon(const Pass& pass);

    SideContext context_;
    BeaconSide& beacon_;
    const TransmitSide& transmit_;
    QLabel* status_;
    QLabel* age_;
    PassWatch watch_;
    QString positionText_;  // the APRS position the observer was made from
    double positionAltitude_ = 0;
    FileFetch fetch_;
    QPointer<FormPasses> window_;
};

}  // namespace zeno
