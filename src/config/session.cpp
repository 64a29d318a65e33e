// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/session.h"

#include "config/appstate.h"
#include "config/settingsio.h"
#include "config/settingsview.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "zenoversion.h"

#include <QDir>

namespace zeno {

namespace {

const QString kNoEngineText = QStringLiteral(
    "Cannot connect to AGW Packet Engine! Is it running?\r\r"
    "ZENO need the AGW Packet Engine to communicate with your modem or soundcard.\r\r"
    "Do you want to run ZENO anyway?");

}  // namespace

Session::Session(AppState& state, AgwLink& link, SessionWindow& window, Dialogs& dialogs,
                 Platform& platform)
    : state_(state), link_(link), window_(window), dialogs_(dialogs), platform_(platform) {}

bool Session::Form_Load() {
    state_.notebookFile = appFile(state_.appPath, QStringLiteral("\\Notebook.txt"));
    LoadSettings(state_, window_.settingsView(), dialogs_);

    if (!isCallsignSet(state_.settings.callsign) && !askFirstRunCallsign()) {
        endProgram();
        return false;
    }
    const QString callsign = state_.settings.callsign;
    state_.MainCaption = QStringLiteral("ZENO v%1 - %2").arg(ProgramVersion::text(), callsign);
    window_.showCaption(state_.MainCaption);

    if (!link_.start(callsign)) {
        window_.showWindow();
        const MsgAnswer goOn =
            dialogs_.message(kNoEngineText, QStringLiteral("ZENO: AGWPE Not running"),
                             MsgIcon::Exclamation, MsgButtons::YesNo);
        if (goOn != MsgAnswer::Yes) {
            link_.close();
            endProgram();
            return false;
        }
        window_.replaceMonitorText(QStringLiteral("RUNNING WITHOUT AGW PACKET ENGINE DETECTED!"));
        state_.link.EngineInitText = QStringLiteral("No AGW Detected");
        // The link goes on trying in the background: an engine started later is found.
        const EngineAddress engine = link_.address();
        window_.showNoEngine(QStringLiteral("%1:%2").arg(engine.host).arg(engine.port));
    }

    state_.link.LinkAddress = callsign;
    link_.send(QLatin1Char('P'), callsign, QString());
    window_.startPollTimer();
    window_.applyStartupState();
    window_.ZENOAddOns();
    if (!state_.missingDefaultFiles.isEmpty()) {
        window_.showWindow();
        dialogs_.message(QStringLiteral("ZENO could not copy these files into %1:\r\r%2\r\r"
                                        "It runs without them. Make room on the disk (or make "
                                        "the folder writable) and start ZENO again.")
                             .arg(QDir::toNativeSeparators(state_.appPath),
                                  state_.missingDefaultFiles.join(QStringLiteral(", "))),
                         QStringLiteral("ZENO: Files missing"), MsgIcon::Exclamation);
    }
    return true;
}

bool Session::askFirstRunCallsign() {
    QString answer;
    for (;;) {
        answer = dialogs_
                     .input(QStringLiteral("Before you can use this program you\r"
                                           "need to enter your Call Sign:"),
                            QStringLiteral("ZENO Monitor: Your Call Sign please"))
                     .toUpper();
        // The length counts the blanks the operator typed; they are trimmed afterwards.
        if (answer.size() <= 2)
            return false;
        // A call the engine cannot register would only be asked for again at the next start.
        if (isValidCallsign(answer))
            break;
        dialogs_.message(QStringLiteral("Invallid callsign!"), QStringLiteral("Your Call"),
                         MsgIcon::Exclamation);
    }

    Settings& s = state_.settings;
    applyFirstRunDefaults(s);
    s.callsign = answer.trimmed();
    state_.link.RadioPort = 0;
    SettingsView& view = window_.settingsView();
    for (int i = 0; i < kHistoryBoxCount; ++i) {
        const auto box = static_cast<HistoryBox>(i);
        view.setHistory(box, s.history(box));
    }
    SaveAndLoadSettings(state_, view, dialogs_, platform_);
    return true;
}

void Session::Einde() {
    // A box inside the end (a failed save) runs a nested event loop: never end twice.
    if (ended_ || ending_)
        return;
    ending_ = true;
    window_.keepTypedWork();
    SettingsView& view = window_.settingsView();
    view.setBoxText(HistoryBox::To, view.boxText(HistoryBox::To).toUpper());
    view.setBoxText(HistoryBox::Via, view.boxText(HistoryBox::Via).toUpper());
    state_.settings.toCall = view.boxText(HistoryBox::To);
    state_.settings.digistation = view.boxText(HistoryBox::Via);
    // Without a callsign nothing was set up yet: the file on disk stays as it is.
    if (isCallsignSet(state_.settings.callsign))
        SaveSettings(state_, view, dialogs_, platform_);
    link_.close();
    endProgram();
}

void Session::Form_Terminate() {
    if (ended_)
        return;
    link_.close();
    endProgram();
}

void Session::endProgram() {
    ended_ = true;
    emit programEnded();
}

}  // namespace zeno
