// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/main/form1controls.h"
#include "ui/main/sidecontext.h"
#include "ui/windows/form3.h"

#include <QObject>
#include <QString>

namespace zeno {

class BeaconSide;
class ReceiveSide;
class SettingsView;
class TransmitSide;

// The setup dialog and what it changes in the main window and the link: the callsign's
// registration, the engine's address, the stored settings, and the listener (SWL) layout, in
// which nothing can be sent. It owns the listener panel; the other panels it changes are
// asked of their parts.
class SetupSide : public QObject, public SetupHooks {
    Q_OBJECT
public:
    SetupSide(const SideContext& context, const ListenerPanel& listener, const Form1Menus& menus,
              TransmitSide& transmit, ReceiveSide& receive, BeaconSide& beacon, SettingsView& view);

    // "Setup...": the comment box text becomes the current comment, then the dialog.
    void openSetup();
    // At start-up: a listener station takes its layout and refuses every connect.
    void applyStartupState();

    // SetupHooks
    void openAprsSetup() override;
    void resetHistoryBox(HistoryBox box) override;
    void showStoredSetup() override;
    void moveToEngine() override;
    bool registerCallsign() override;
    void enterListenerLayout() override;
    void saveAndReload() override;

signals:
    // The link now talks to the engine at this address; up: it answered at once.
    void engineMoved(bool up, const QString& engineAddress);
    // engine.ini holds the setup's values now.
    void engineFileWritten();
    // The listener layout moved the panels: the window fits them again.
    void panelsMoved();

private:
    SideContext context_;
    ListenerPanel listener_;
    Form1Menus menus_;
    TransmitSide& transmit_;
    ReceiveSide& receive_;
    BeaconSide& beacon_;
    SettingsView& view_;
};

}  // namespace zeno
