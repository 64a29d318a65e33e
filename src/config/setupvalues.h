// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"

#include <QString>
#include <optional>

namespace zeno {

struct AppState;

// Why OK leaves the setup dialog open, in the order it checks.
enum class SetupRefusal {
    None,
    BbsPassword,
    Callsign,
    EngineHost,
    EnginePort,
    Altitude,
    MinElevation
};

// The box that tells the operator about a refusal.
struct SetupMessage {
    QString text;
    QString title;
};
SetupMessage refusalMessage(SetupRefusal refusal);

// What OK did besides storing values: the dialog acts on these.
struct SetupResult {
    SetupRefusal refusal = SetupRefusal::None;
    bool callsignChanged = false;  // register the new call with the engine
    bool engineChanged = false;    // the link moves to the new address
    bool listenerOn = false;       // the main window takes its listener layout
    bool listenerOff = false;      // switched off: takes effect at the next start
};

// The colour buttons of the setup dialog.
enum class ColorButton { DataBoxText, DataBoxBackground, MonitorText, MonitorBackground, DataLine };
enum class DataBoxScheme { Default, Classic };
enum class MonitorScheme { BlackOnWhite, WhiteOnBlue, YellowOnBlack };

// Everything the setup dialog edits, as its controls hold it. The dialog only shows and
// collects these; the rules of opening and confirming it live here.
struct SetupValues {
    QString callsign;
    int alarmMode = 0;  // 0 none, 1 header, 2 data
    QString alarmHeaderText;
    QString alarmDataText;
    bool beaconOn = false;
    QString beaconInterval;  // as typed
    int selectedBeacon = 1;  // 1 TX text, 2 APRS position
    int radioPort = 0;       // 0..3
    bool refuseIncoming = false;
    int bbsMode = 0;  // 0 open, 1 disabled, 2 password
    QString bbsPassword;
    bool logDigipeatedOnly = false;
    bool savePosition = false;
    int dataBoxForeColor = 0;
    int dataBoxBackColor = 0;
    QString monitorFont;
    int headerColor = 0;  // monitor text
    int dataColor = 0;
    int screenColor = 0;  // monitor background
    bool listener = false;
    bool aprsEnabled = false;
    bool dropTag = false;
    QString engineHost;
    QString enginePort;  // as typed
    bool acknowledgeMessages = true;
    QString altitude = QStringLiteral("0");      // of the station, metres, as typed (orbit.ini)
    QString minElevation = QStringLiteral("0");  // degrees a pass counts from, as typed

    // The values the dialog opens with. Colours that would make their text invisible and an
    // interval below 10 s are offered as their defaults instead.
    static SetupValues from(const AppState& state);

    // The first value OK refuses, in the order it checks them.
    SetupRefusal validate() const;
    // OK on the program's state, step by step: a refused value stops it at its own step, and
    // the steps before that stay applied (a short BBS password also opens the commands to
    // everyone). The settings file is not touched here.
    SetupResult apply(AppState& state) const;

    // A colour from the chooser (-1: cancelled, nothing changes). A text colour equal to its
    // background, or the other way round, is refused with the text for the operator.
    std::optional<QString> pickColor(ColorButton button, int rgb);
    void useScheme(DataBoxScheme scheme);
    void useScheme(MonitorScheme scheme);
};

// The remote commands lock only behind a password of at least 3 characters (blanks around it do
// not count): the setup's OK and the terminal's "BBS Password Protected" both ask this.
bool bbsPasswordUsable(const QString& password);

// The beacon interval OK stores from the typed text: its leading number, at least 10 s.
int beaconIntervalFrom(const QString& typed);

}  // namespace zeno
