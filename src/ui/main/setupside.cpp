// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/setupside.h"

#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/settingsio.h"
#include "link/agwlink.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "ui/common/controls.h"
#include "ui/main/beaconside.h"
#include "ui/main/form1layout.h"
#include "ui/main/form1menus.h"
#include "ui/main/receiveside.h"
#include "ui/main/transmitside.h"

#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

namespace zeno {

SetupSide::SetupSide(const SideContext& context, const ListenerPanel& listener,
                     const Form1Menus& menus, TransmitSide& transmit, ReceiveSide& receive,
                     BeaconSide& beacon, SettingsView& view)
    : context_(context),
      listener_(listener),
      menus_(menus),
      transmit_(transmit),
      receive_(receive),
      beacon_(beacon),
      view_(view) {}

void SetupSide::openSetup() {
    transmit_.keepCommentFromBox();
    QPointer<Form3> form = new Form3(context_.state, context_.dialogs, *this,
                                     context_.link.radioPortNames(), context_.window);
    const int result = form->exec();
    delete form;
    if (result == Form3::EndProgram)
        context_.window->close();
}

void SetupSide::applyStartupState() {
    if (context_.state.settings.swlMode == 0)
        return;
    context_.state.connection.RefuseIncoming = true;
    enterListenerLayout();
}

void SetupSide::openAprsSetup() { transmit_.openAprsSetup(); }

void SetupSide::resetHistoryBox(HistoryBox box) {
    Settings& s = context_.state.settings;
    // The Via box always offers an empty path.
    s.history(box) = box == HistoryBox::Via ? QStringList{QString()} : QStringList();
    transmit_.setHistory(box, s.history(box));
    transmit_.setBoxText(box, QString());
    const QString name = box == HistoryBox::To    ? QStringLiteral("To:")
                         : box == HistoryBox::Via ? QStringLiteral("Via:")
                                                  : QStringLiteral("For:");
    const bool defaults =
        context_.dialogs.askYesNo(QStringLiteral("The data in the '%1'-box is cleared.\r"
                                                 "Do you want to reset it to the default values?")
                                      .arg(name),
                                  QStringLiteral("Clear/Set to default entries"));
    if (!defaults)
        return;
    s.history(box) = defaultHistory(box);
    transmit_.setHistory(box, s.history(box));
    transmit_.selectFirstEntry(box);
    if (box == HistoryBox::To)
        s.toCall = transmit_.boxText(box);
    if (box == HistoryBox::Via)
        s.digistation = transmit_.boxText(box);
}

void SetupSide::showStoredSetup() {
    const Settings& s = context_.state.settings;
    view_.setDataBoxColors(s.dataBoxForeColor, s.dataBoxBackColor);
    transmit_.showAprsSwitch(s.aprsEnabled != 0);
    if (s.beacon != 0)
        beacon_.BeaconOn();
    else
        beacon_.BeaconOff();
}

void SetupSide::moveToEngine() {
    AgwLink& link = context_.link;
    const EngineAddress address = context_.state.engine.address;
    link.close();
    link.setAddress(address);
    const bool up = link.start(context_.state.settings.callsign);
    emit engineMoved(up, QStringLiteral("%1:%2").arg(address.host).arg(address.port));
}

bool SetupSide::registerCallsign() { return context_.link.start(context_.state.settings.callsign); }

void SetupSide::enterListenerLayout() {
    transmit_.enterListenerMode();
    beacon_.enterListenerMode();
    const auto* window = qobject_cast<const QMainWindow*>(context_.window);
    receive_.showListenerLayout(window ? layoutHeightTwips(*window) : 0,
                                transmit_.topRowHeightTwips());
    placeTwips(listener_.SWLFrame, {2440, 0, 3615, 1455});
    listener_.SWLFrame->show();
    emit panelsMoved();
    // Disabled items keep their shortcuts from firing too.
    for (QAction* item : menus_.menusends)
        item->setEnabled(false);
    // A listener edits neither the transmit histories nor the connected-mode texts.
    for (SetupItem item : {SetupItem::EditTxDataHistory, SetupItem::EditAprsDataHistory,
                           SetupItem::EditMessageHistory})
        menuItem(menus_.menusetups, item)->setEnabled(false);
    for (QAction* item : menus_.menuoptionsopens)
        item->setEnabled(false);
    menus_.menuoptionsopen->menuAction()->setEnabled(false);
}

void SetupSide::saveAndReload() {
    AppState& state = context_.state;
    const QString error = saveEngineSettings(state.appPath, state.engine);
    if (!error.isEmpty()) {
        context_.dialogs.message(QStringLiteral("Could not write engine.ini: %1").arg(error),
                                 kProgramTitle, MsgIcon::Exclamation);
    } else {
        emit engineFileWritten();
    }
    if (const QString orbitError = saveOrbitSettings(state.appPath, state.orbit);
        !orbitError.isEmpty()) {
        context_.dialogs.message(QStringLiteral("Could not write orbit.ini: %1").arg(orbitError),
                                 kProgramTitle, MsgIcon::Exclamation);
    }
    SaveAndLoadSettings(state, view_, context_.dialogs, context_.platform);
}

}  // namespace zeno
