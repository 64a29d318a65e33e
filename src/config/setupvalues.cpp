// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/setupvalues.h"

#include "config/appstate.h"
#include "config/firstrun.h"
#include "platform/colors.h"

#include <algorithm>
#include <limits>

namespace zeno {

namespace {

// The beacon never goes out more often than this.
constexpr int kMinimumBeaconInterval = 10;
constexpr int kMinimumBbsPassword = 3;

const QString kBoxColorsEqual = QStringLiteral(
    "Sorry, but fore- and background colors can't be the same. Choose another color for the "
    "Text or Box.");
const QString kMonitorColorsEqual = QStringLiteral(
    "Sorry, but fore- and background colors can't be the same. Choose another Text- or Screen "
    "color.");

std::optional<quint16> enginePortFrom(const QString& typed) {
    bool ok = false;
    const uint port = typed.trimmed().toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

}  // namespace

SetupMessage refusalMessage(SetupRefusal refusal) {
    switch (refusal) {
        case SetupRefusal::BbsPassword:
            return {QStringLiteral("BBS Password must have at least 3 characters (no spaces)."),
                    QStringLiteral("Invallid BBS Password")};
        case SetupRefusal::Callsign:
            return {QStringLiteral("Invallid callsign!"), QStringLiteral("Your Call")};
        case SetupRefusal::EngineHost:
            return {QStringLiteral("The engine's host must be a name or address without blanks, "
                                   "for example 127.0.0.1 or localhost."),
                    QStringLiteral("Engine address")};
        case SetupRefusal::EnginePort:
            return {QStringLiteral("The engine's TCP port must be a number from 1 to 65535."),
                    QStringLiteral("Engine address")};
        case SetupRefusal::Altitude:
            return {QStringLiteral("Your altitude must be a number of metres from %1 to %2.")
                        .arg(kMinAltitudeM)
                        .arg(kMaxAltitudeM),
                    QStringLiteral("Satellite passes")};
        case SetupRefusal::MinElevation:
            return {
                QStringLiteral("The minimum elevation must be a number of degrees from 0 to %1.")
                    .arg(kMaxMinElevationDeg),
                QStringLiteral("Satellite passes")};
        case SetupRefusal::None:
            break;
    }
    return {};
}

bool bbsPasswordUsable(const QString& password) {
    return password.trimmed().size() >= kMinimumBbsPassword;
}

int beaconIntervalFrom(const QString& typed) {
    const QString text = typed.trimmed();
    qint64 value = 0;
    for (qsizetype i = 0; i < text.size() && text.at(i).unicode() >= u'0' &&
                          text.at(i).unicode() <= u'9' && value <= 32767;
         ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
    }
    // The file holds a 16-bit number.
    return int(
        std::clamp<qint64>(value, kMinimumBeaconInterval, std::numeric_limits<qint16>::max()));
}

SetupValues SetupValues::from(const AppState& state) {
    const Settings& s = state.settings;
    SetupValues v;
    v.callsign = s.callsign.toUpper();
    v.alarmMode = s.alarmMode.value_or(0);
    v.alarmHeaderText = s.alarmHeaderText;
    v.alarmDataText = s.alarmDataText;
    v.beaconOn = s.beacon != 0;
    v.beaconInterval = QString::number(std::max(s.beaconInterval, kMinimumBeaconInterval));
    v.selectedBeacon = s.selectedBeacon == 1 ? 1 : 2;
    v.radioPort = state.link.RadioPort;
    v.refuseIncoming = state.connection.RefuseIncoming;
    v.bbsMode = s.bbsMode;
    v.bbsPassword = s.bbsPassword.trimmed().toUpper();
    v.logDigipeatedOnly = s.logDigipeatedMessages == 1;
    v.savePosition = s.savePosition == -1;
    if (s.dataBoxForeColor == s.dataBoxBackColor) {
        v.useScheme(DataBoxScheme::Default);
    } else {
        v.dataBoxForeColor = s.dataBoxForeColor;
        v.dataBoxBackColor = s.dataBoxBackColor;
    }
    v.monitorFont = s.monitorFont.isEmpty() ? QStringLiteral("Fixedsys") : s.monitorFont;
    if (s.headerColor == s.screenColor) {
        v.headerColor = kDefaultHeaderColor;
        v.dataColor = kDefaultDataColor;
        v.screenColor = kDefaultScreenColor;
    } else {
        v.headerColor = s.headerColor;
        v.dataColor = s.dataColor;
        v.screenColor = s.screenColor;
    }
    v.listener = s.swlMode != 0;
    v.aprsEnabled = s.aprsEnabled != 0;
    v.dropTag = s.zenoTag == -1;
    // A damaged engine.ini is shown as it stands, to be mended here.
    const std::optional<EngineFileProblem>& problem = state.engine.problem;
    v.engineHost = problem ? problem->host : state.engine.address.host;
    v.enginePort = problem ? problem->port : QString::number(state.engine.address.port);
    v.acknowledgeMessages = state.engine.acknowledgeMessages;
    v.altitude = QString::number(state.orbit.altitudeM);
    v.minElevation = QString::number(state.orbit.minElevationDeg);
    return v;
}

SetupRefusal SetupValues::validate() const {
    if (bbsMode == 2 && !bbsPasswordUsable(bbsPassword))
        return SetupRefusal::BbsPassword;
    // Beyond a length of 2, only a call the engine can register: letters, digits, one "-".
    if (!isValidCallsign(callsign))
        return SetupRefusal::Callsign;
    if (!isValidEngineHost(engineHost.trimmed()))
        return SetupRefusal::EngineHost;
    if (!enginePortFrom(enginePort))
        return SetupRefusal::EnginePort;
    if (!typedNumber(altitude, kMinAltitudeM, kMaxAltitudeM))
        return SetupRefusal::Altitude;
    if (!typedNumber(minElevation, 0, kMaxMinElevationDeg))
        return SetupRefusal::MinElevation;
    return SetupRefusal::None;
}

SetupResult SetupValues::apply(AppState& state) const {
    Settings& s = state.settings;
    SetupResult result;
    result.refusal = validate();

    s.logDigipeatedMessages = logDigipeatedOnly ? 1 : 0;
    if (result.refusal == SetupRefusal::BbsPassword) {
        s.bbsMode = 0;
        return result;
    }
    s.bbsPassword = bbsPassword.trimmed().toUpper();
    s.bbsMode = bbsMode;
    s.zenoTag = dropTag ? -1 : 0;
    s.savePosition = savePosition ? -1 : 0;
    s.dataBoxForeColor = dataBoxForeColor;
    s.dataBoxBackColor = dataBoxBackColor;
    s.screenColor = screenColor;
    s.headerColor = headerColor;
    s.aprsEnabled = aprsEnabled ? -1 : 0;
    state.connection.RefuseIncoming = refuseIncoming;
    s.beacon = beaconOn ? -1 : 0;
    s.beaconInterval = beaconIntervalFrom(beaconInterval);
    s.selectedBeacon = selectedBeacon == 1 ? 1 : 2;
    if (result.refusal != SetupRefusal::None)
        return result;

    const QString call = callsign.trimmed().toUpper();
    result.callsignChanged = call != s.callsign.trimmed().toUpper();
    s.callsign = call;
    const EngineAddress address{engineHost.trimmed(), *enginePortFrom(enginePort)};
    result.engineChanged = address != state.engine.address;
    state.engine = EngineSettings{address, acknowledgeMessages, std::nullopt};
    state.orbit.altitudeM = *typedNumber(altitude, kMinAltitudeM, kMaxAltitudeM);
    state.orbit.minElevationDeg = *typedNumber(minElevation, 0, kMaxMinElevationDeg);

    s.radioPort = radioPort;
    state.link.RadioPort = radioPort;
    s.monitorFont = monitorFont;
    s.alarmHeaderText = alarmHeaderText;
    s.alarmDataText = alarmDataText;

    if (listener) {
        // A listener refuses every connect and never sends a beacon.
        s.swlMode = 1;
        state.connection.RefuseIncoming = true;
        s.beacon = 0;
        result.listenerOn = true;
    } else if (s.swlMode != 0) {
        s.swlMode = 0;
        state.connection.RefuseIncoming = false;
        result.listenerOff = true;
    }
    return result;
}

std::optional<QString> SetupValues::pickColor(ColorButton button, int rgb) {
    if (rgb < 0)
        return std::nullopt;
    switch (button) {
        case ColorButton::DataBoxText:
            if (rgb == dataBoxBackColor)
                return kBoxColorsEqual;
            dataBoxForeColor = rgb;
            break;
        case ColorButton::DataBoxBackground:
            if (rgb == dataBoxForeColor)
                return kBoxColorsEqual;
            dataBoxBackColor = rgb;
            break;
        case ColorButton::MonitorText:
            if (rgb == screenColor)
                return kMonitorColorsEqual;
            headerColor = rgb;
            break;
        case ColorButton::MonitorBackground:
            if (rgb == headerColor)
                return kMonitorColorsEqual;
            screenColor = rgb;
            break;
        case ColorButton::DataLine:
            dataColor = rgb;
            break;
    }
    return std::nullopt;
}

void SetupValues::useScheme(DataBoxScheme scheme) {
    const bool classic = scheme == DataBoxScheme::Classic;
    dataBoxForeColor = classic ? paletteColor(0) : kDefaultDataBoxForeColor;
    dataBoxBackColor = classic ? paletteColor(15) : kDefaultDataBoxBackColor;
}

void SetupValues::useScheme(MonitorScheme scheme) {
    switch (scheme) {
        case MonitorScheme::BlackOnWhite:
            headerColor = paletteColor(0);
            screenColor = paletteColor(15);
            break;
        case MonitorScheme::WhiteOnBlue:
            headerColor = paletteColor(15);
            screenColor = paletteColor(9);
            break;
        case MonitorScheme::YellowOnBlack:
            headerColor = paletteColor(14);
            screenColor = paletteColor(0);
            break;
    }
}

}  // namespace zeno
