// The remote commands ("//H", "//R name" ...) a connected station may give.
#include "config/appstate.h"
#include "connected/connectedview.h"
#include "connected/connection.h"
#include "platform/numbertext.h"
#include "platform/platform.h"
#include "zenoversion.h"

namespace zeno {

namespace {

constexpr int kGoodbyePauseMs = 1000;
constexpr int kQuitPauseMs = 500;
constexpr int kRingPauseMs = 500;

QString versionLine() {
    return QStringLiteral(" ZENO v.") + signedNumberText(ProgramVersion::major) + QLatin1Char('.') +
           signedNumberText(ProgramVersion::minor) + QLatin1Char('.') +
           signedNumberText(ProgramVersion::revision);
}

}  // namespace

void Connection::PackCommand(const QString& CommandText) {
    if (!CommandText.startsWith(QLatin1String("//")))
        return;  // conversation
    const QString upper = CommandText.toUpper();
    const auto is = [&upper](const char* keyword) {
        return upper.startsWith(QLatin1String(keyword));
    };
    ConnectionState& c = state_.connection;
    const Settings& s = state_.settings;

    if (s.bbsMode == 1) {
        senders_.reply(QStringLiteral("Sorry, BBS Commands Disabled!"));
        return;
    }
    if (s.bbsMode == 2 && !c.BbsUnlocked) {
        if (!is("//PASSWORD ")) {
            senders_.reply(QStringLiteral(
                "BBS Commands disabled. Please enter correct password: //PASSWORD xxxx"));
        } else if (upper.mid(11, 10).trimmed() == s.bbsPassword.toUpper()) {
            senders_.reply(QStringLiteral("You have access... BBS Commands Enabled!"));
            c.BbsUnlocked = true;
        } else {
            senders_.reply(
                QStringLiteral("Wrong password! Please enter correct password: //PASSWORD xxxxxx"));
        }
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
        senders_.reply(CommandText.mid(6).trimmed());
    // The whole text, nothing after it.
    if (upper.left(6) == QLatin1String("//VER"))
        senders_.reply(versionLine());
}

void Connection::quit() {
    senders_.StuurFile(appFilePath(QStringLiteral("\\bye.txt")));
    steps_.pause(kGoodbyePauseMs);
    steps_.add([this] {
        platform_.beep();
        DisConnecting();
    });
    steps_.pause(kQuitPauseMs);
    steps_.add([this] { state_.connection.IsConnected = false; });
}

void Connection::page() {
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
