// SPDX-License-Identifier: GPL-3.0-or-later
#include "connected/remotecommands.h"

#include "config/appstate.h"
#include "connected/connectedview.h"
#include "connected/steps.h"
#include "connected/transfer.h"
#include "platform/apppath.h"
#include "platform/numbertext.h"
#include "platform/platform.h"
#include "zenoversion.h"

namespace zeno {

namespace {

// The BBS modes of the settings besides 0, open to everybody.
constexpr int kDisabled = 1;
constexpr int kPassword = 2;

constexpr int kGoodbyePauseMs = 1000;
constexpr int kQuitPauseMs = 500;
constexpr int kRingPauseMs = 500;
constexpr int kWrongGuesses = 3;
constexpr qint64 kRefusedSeconds = 10 * 60;

const QString kDisabledReply = QStringLiteral("Sorry, BBS Commands Disabled!");
const QString kLockedReply =
    QStringLiteral("BBS Commands disabled. Please enter correct password: //PASSWORD xxxx");
const QString kWrongReply =
    QStringLiteral("Wrong password! Please enter correct password: //PASSWORD xxxxxx");

// Echoed text goes out under the operator's callsign: it carries no control characters but CR.
QString withoutControls(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if ((c.unicode() >= 0x20 && c.unicode() != 0x7F) || c == QLatin1Char('\r'))
            kept += c;
    }
    return kept;
}

QString versionLine() {
    return QStringLiteral(" ZENO v.") + signedNumberText(ProgramVersion::major) + QLatin1Char('.') +
           signedNumberText(ProgramVersion::minor) + QLatin1Char('.') +
           signedNumberText(ProgramVersion::revision);
}

}  // namespace

RemoteCommands::RemoteCommands(AppState& state, Senders& senders, StepQueue& steps,
                               ConnectedView& view, Platform& platform,
                               std::function<void()> hangUp)
    : state_(state),
      senders_(senders),
      steps_(steps),
      view_(view),
      platform_(platform),
      hangUp_(std::move(hangUp)) {}

QString RemoteCommands::appFilePath(const QString& name) const {
    return appFile(state_.appPath, name);
}

void RemoteCommands::lock() { state_.connection.BbsUnlocked = false; }

void RemoteCommands::newConnection() {
    lock();
    wrongGuesses_ = 0;
}

void RemoteCommands::tellIfDisabled() {
    if (state_.settings.bbsMode == kDisabled)
        senders_.reply(kDisabledReply);
}

void RemoteCommands::PackCommand(const QString& CommandText) {
    if (!CommandText.startsWith(QLatin1String("//")))
        return;  // conversation
    const QString upper = CommandText.toUpper();
    const auto is = [&upper](const char* keyword) {
        return upper.startsWith(QLatin1String(keyword));
    };
    const int mode = state_.settings.bbsMode;
    if (mode == kDisabled) {
        senders_.reply(kDisabledReply);
        return;
    }
    // A callsign sent off for guessing gets the locked answer to everything, password included.
    if (refused()) {
        senders_.reply(kLockedReply);
        return;
    }
    if (mode == kPassword && !state_.connection.BbsUnlocked) {
        askPassword(upper);
        return;
    }

    // Not alternatives: every test runs, only quitting ends early.
    if (is("//Q")) {
        quit();
        return;
    }
    if (is("//R"))
        senders_.sendPublicFile(CommandText.mid(4).trimmed());
    if (is("//DIR"))
        senders_.StuurDir(CommandText.mid(6).trimmed());
    if (is("//H"))
        senders_.StuurFile(appFilePath(QStringLiteral("\\help.txt")));
    if (is("//I"))
        senders_.StuurFile(appFilePath(QStringLiteral("\\info.txt")));
    if (is("//BELL"))
        page();
    if (is("//ECHO"))
        senders_.reply(withoutControls(CommandText.mid(6)).trimmed());
    // The whole text, nothing after it.
    if (upper.left(6) == QLatin1String("//VER"))
        senders_.reply(versionLine());
}

void RemoteCommands::askPassword(const QString& upper) {
    if (!upper.startsWith(QLatin1String("//PASSWORD "))) {
        senders_.reply(kLockedReply);
    } else if (upper.mid(11, 10).trimmed() == state_.settings.bbsPassword.toUpper()) {
        senders_.reply(QStringLiteral("You have access... BBS Commands Enabled!"));
        state_.connection.BbsUnlocked = true;
    } else {
        senders_.reply(kWrongReply);
        // Guessing has its limit: three wrong words in one connection and the station goes.
        if (++wrongGuesses_ >= kWrongGuesses)
            sendGuesserOff();
    }
}

bool RemoteCommands::refused() const {
    const auto until = refusedUntil_.constFind(state_.connection.RemoteStation.toUpper());
    return until != refusedUntil_.cend() && platform_.now() < *until;
}

void RemoteCommands::sendGuesserOff() {
    const QString station = state_.connection.RemoteStation.toUpper();
    const QDateTime now = platform_.now();
    refusedUntil_.removeIf([&now](const auto& refusal) { return refusal.value() <= now; });
    refusedUntil_.insert(station, now.addSecs(kRefusedSeconds));
    // As after the goodbye text: the last reply leaves before the link goes down.
    steps_.pause(kGoodbyePauseMs);
    steps_.add([this, station] {
        hangUp_();
        view_.tellOperator(station + QStringLiteral(": 3 wrong passwords, disconnected"));
    });
}

void RemoteCommands::quit() {
    senders_.StuurFile(appFilePath(QStringLiteral("\\bye.txt")));
    steps_.pause(kGoodbyePauseMs);
    steps_.add([this] {
        platform_.beep();
        hangUp_();
    });
    steps_.pause(kQuitPauseMs);
    steps_.add([this] { state_.connection.IsConnected = false; });
}

void RemoteCommands::page() {
    const QString bell = appFilePath(QStringLiteral("\\bell.wav"));
    platform_.playWave(bell);
    steps_.pause(kRingPauseMs);
    steps_.add([this, bell] { platform_.playWave(bell); });
    steps_.pause(kRingPauseMs);
    steps_.add([this, bell] {
        platform_.playWave(bell);
        senders_.reply(QStringLiteral("Ring...ring...ring..."));
        // The terminal must not greet again when it comes up after the popup.
        state_.connection.GreetingSent = true;
        view_.showPopup(QStringLiteral("Station ") + state_.link.LinkAddress.toUpper() +
                        QStringLiteral(" is paging you."));
        platform_.beep();
    });
}

}  // namespace zeno
