// SPDX-License-Identifier: GPL-3.0-or-later
#include "connected/connection.h"

#include "config/appstate.h"
#include "connected/connectedview.h"
#include "platform/apppath.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <utility>

namespace zeno {

namespace {

// Dropping one station for another: the engine gets a moment between the two links.
constexpr int kSwapPauseMs = 300;
constexpr int kBellPauseMs = 1000;
const QString kConnectText = QStringLiteral("\\ctext.txt");
const QString kBell = QStringLiteral("\\bell.wav");

// The callsign of a call-from buffer: the text before its first NUL.
QString callOf(const QString& callFrom) { return callFrom.left(callFrom.indexOf(QChar(0))); }

}  // namespace

Connection::Connection(AppState& state, FrameSink& link, ConnectedView& view, Dialogs& dialogs,
                       Platform& platform)
    : state_(state),
      link_(link),
      view_(view),
      dialogs_(dialogs),
      platform_(platform),
      steps_(platform),
      senders_(state, link, view),
      commands_(state, senders_, steps_, view, platform, [this] { DisConnecting(); }) {}

QString Connection::appFilePath(const QString& name) const { return appFile(state_.appPath, name); }

void Connection::sendDisconnect(const QString& callField) {
    link_.send(QLatin1Char('d'), callField, QString());
}

void Connection::clearLinkFlags() {
    ConnectionState& c = state_.connection;
    c.IsConnected = false;
    c.GreetingSent = false;
    commands_.lock();
}

bool Connection::ConnectStation(const QString& toBox, const QString& viaBox) {
    QString& address = state_.link.LinkAddress;
    address = (toBox + QLatin1Char(' ') + viaBox).toUpper();
    if (address.trimmed().isEmpty()) {
        address = dialogs_.input(QStringLiteral("Enter station Call Sign or the digipeater call"))
                      .toUpper();
        if (address.trimmed().isEmpty())
            return false;
    }
    link_.send(QLatin1Char(viaBox.trimmed().isEmpty() ? 'c' : 'v'), address, QString());
    view_.enableDisconnectItem();
    state_.settings.toCall = toBox.toUpper();
    state_.settings.digistation = viaBox.toUpper();
    view_.setToBox(state_.settings.toCall);
    view_.setViaBox(state_.settings.digistation);
    // The station we call gets no connect text.
    state_.connection.GreetingSent = true;
    return true;
}

void Connection::DisConnecting() {
    sendDisconnect(state_.link.LinkAddress);
    clearLinkFlags();
    commands_.newConnection();
}

bool Connection::connectEvent(const QString& callFrom) {
    ConnectionState& c = state_.connection;
    const QString caller = callOf(callFrom);
    // The unlock belongs to one connection: any link that comes up or goes down locks the
    // commands again.
    commands_.lock();
    // A station calling again has no older link left whose disconnect could still come.
    ignored_.removeAll(caller.toUpper());
    c.IgnoreNextDisconnect = !ignored_.isEmpty();
    // While the operator is asked about one caller, a further one is sent away as when incoming
    // connects are disabled.
    if (c.RefuseIncoming || asking_) {
        refuse(callFrom, caller);
        return false;
    }
    if (c.IsConnected)
        askAbout(callFrom, caller);
    else
        startConversation(caller);
    return true;
}

void Connection::refuse(const QString& callFrom, const QString& caller) {
    view_.showPopup(QStringLiteral("Station ") + caller.toUpper() +
                    QStringLiteral(" has tried to connect you.\rAuto Disconnected executed."));
    sendDisconnect(callFrom);
    if (asking_)
        ignoreDisconnectOf(caller);  // the conversation under way goes on
    else
        clearLinkFlags();
}

void Connection::startConversation(const QString& caller) {
    commands_.newConnection();
    platform_.beep();
    view_.showTerminal();
    view_.enableDisconnectItem();
    state_.connection.RemoteStation = caller;
    view_.setMainCaption(state_.MainCaption + QStringLiteral(" ->") + caller);
    view_.setTerminalCaption(QStringLiteral("Connected to ") + caller +
                             QStringLiteral(" on Channel 1"));
    state_.link.LinkAddress = caller;
    view_.setToBox(caller);
    state_.connection.IsConnected = true;
    // The terminal has just been activated by showing it.
    greet();
}

void Connection::askAbout(const QString& callFrom, const QString& caller) {
    platform_.beep();
    platform_.beep();
    const QString question = QStringLiteral("Station ") + caller +
                             QStringLiteral(
                                 " has connected to you to.\rDo you want to "
                                 "disconnect with current station ") +
                             state_.connection.RemoteStation +
                             QStringLiteral(" to continue with ") + caller + QLatin1Char('?');
    asking_ = SecondCaller{callFrom, caller.toUpper()};
    // Reception never waits for the operator: the box stays open while frames are taken.
    dialogs_.askYesNoLater(question, QStringLiteral("New connection with your station"),
                           MsgIcon::Information, &steps_,
                           [this](bool yes) { steps_.add([this, yes] { answered(yes); }); });
}

void Connection::answered(bool takeNew) {
    const SecondCaller caller = *std::exchange(asking_, std::nullopt);
    ConnectionState& c = state_.connection;
    // Things may have changed while the box was open.
    if (caller.gone)
        return;
    if (!takeNew) {
        sendDisconnect(caller.callFrom);
        ignoreDisconnectOf(caller.call);
        if (c.IsConnected)
            c.GreetingSent = true;
        return;
    }
    const QString call = callOf(caller.callFrom);
    if (!c.IsConnected) {
        startConversation(call);  // the first station has left
        return;
    }
    sendDisconnect(state_.link.LinkAddress);
    // The dropped station's disconnect is still to come.
    ignoreDisconnectOf(state_.link.LinkAddress.section(QLatin1Char(' '), 0, 0));
    commands_.newConnection();  // whatever the first station gave while the box was open
    steps_.pause(kSwapPauseMs);
    steps_.add([this, call] {
        ConnectionState& now = state_.connection;
        now.IsConnected = true;
        view_.clearTerminal();
        now.RemoteStation = call;
        view_.setTerminalCaption(QStringLiteral("Connected to ") + call +
                                 QStringLiteral(" on Channel 1"));
        state_.link.LinkAddress = call;
        view_.setToBox(call);
        senders_.StuurFile(appFilePath(kConnectText));
    });
    steps_.pause(kSwapPauseMs);
}

void Connection::ignoreDisconnectOf(const QString& call) {
    ignored_ << call.toUpper();
    state_.connection.IgnoreNextDisconnect = true;
}

bool Connection::swallowDisconnectOf(const QString& call) {
    if (!ignored_.removeOne(call))
        return false;
    state_.connection.IgnoreNextDisconnect = !ignored_.isEmpty();
    return true;
}

void Connection::dataEvent(const QString& pendingText, const QString& lineText,
                           const QString& callFrom) {
    // Only the conversation's station is heard: a caller waiting for the operator's answer, or
    // one ZENO has dropped, would otherwise give commands in its name.
    const QString station = callOf(callFrom).toUpper();
    if ((asking_ && asking_->call == station) || ignored_.contains(station))
        return;
    // In steps: a command's pauses hold what comes after it.
    if (!pendingText.isEmpty()) {
        steps_.add([this, pendingText] {
            view_.showReceived(pendingText);
            PackCommand(pendingText);
        });
    }
    if (lineText != pendingText) {
        steps_.add([this, lineText] {
            view_.showReceived(lineText + QStringLiteral("\r\n"));
            PackCommand(lineText);
        });
    }
    steps_.add([this] { state_.connection.IsConnected = true; });
}

void Connection::disconnectEvent(const QString& callFrom) {
    ConnectionState& c = state_.connection;
    commands_.lock();  // see connectEvent
    platform_.beep();
    view_.setMainCaption(state_.MainCaption);
    const QString station = callOf(callFrom).toUpper();
    // Only the station a swallowed disconnect was meant for loses it: a late one of a dropped
    // station never takes the place of the real station's.
    if (asking_ && asking_->call == station) {
        asking_->gone = true;
        return;
    }
    if (swallowDisconnectOf(station))
        return;
    view_.showPopup(QStringLiteral("Disconnected from station ") + station);
    c.GreetingSent = false;
    view_.setTerminalCaption(QStringLiteral("Disconnected"));
    c.IsConnected = false;
}

void Connection::terminalLoaded() {
    // Empty: the link keeps it off the wire, the engine has nothing to do with it.
    link_.send(QLatin1Char('D'), state_.link.LinkAddress, QString());
}

void Connection::greet() {
    ConnectionState& c = state_.connection;
    if (!c.IsConnected || c.GreetingSent)
        return;
    // Set at once: the terminal may be activated again while the bell rings.
    c.GreetingSent = true;
    const QString bell = appFilePath(kBell);
    steps_.add([this, bell] {
        senders_.StuurFile(appFilePath(kConnectText));
        platform_.playWave(bell);
    });
    steps_.pause(kBellPauseMs);
    steps_.add([this, bell] {
        platform_.playWave(bell);
        state_.connection.GreetingSent = true;
        state_.connection.IsConnected = true;
        view_.enableTerminalDisconnect();
        commands_.tellIfDisabled();
    });
}

void Connection::typeLine(const QString& typed) {
    QString line;
    for (const QChar c : typed) {
        if (c.unicode() >= 32)
            line += c;
    }
    line += QLatin1Char('\r');
    // One frame however long: the link cuts it only where the engine needs it.
    link_.send(QLatin1Char('D'), state_.link.LinkAddress, line);
    // The history keeps the box's text as it stood, line end and all; it adds none of its own.
    view_.showSent(typed, line + QLatin1Char('\n'));
}

void Connection::sendAppFile(const QString& name) { senders_.StuurFile(appFilePath(name)); }

void Connection::sendReplyText() {
    if (!state_.ReplyText.isEmpty())
        senders_.StuurTekst();
}

void Connection::disconnectFromTerminal() {
    sendDisconnect(state_.link.LinkAddress);
    state_.connection.IsConnected = false;
}

void Connection::terminalClosing(bool ask) {
    if (ask &&
        dialogs_.askYesNo(QStringLiteral("Do you want to quit the connection?"), kProgramTitle)) {
        sendDisconnect(state_.link.LinkAddress);
        view_.setMainCaption(state_.MainCaption);
    }
    state_.connection.IsConnected = false;
}

}  // namespace zeno
