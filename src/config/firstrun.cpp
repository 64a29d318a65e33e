// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/firstrun.h"

#include "config/formdefaults.h"

namespace zeno {

QStringList defaultHistory(HistoryBox box) {
    switch (box) {
        case HistoryBox::TxData:
            return {FormDefaults::txText()};
        case HistoryBox::To:
            return {QStringLiteral("CQ"), QStringLiteral("APRS"), QStringLiteral("PCSAT")};
        case HistoryBox::Via:
            return {QStringLiteral("RS0ISS"), QStringLiteral("PCSAT-1"), QStringLiteral("W3ADO-1"),
                    QStringLiteral("WIDE,WIDE"), QString()};
        case HistoryBox::AprsData:
            return {FormDefaults::aprsComment()};
        case HistoryBox::MessageFor:
            return {QStringLiteral("BLN"), QStringLiteral("EMAIL"), QStringLiteral("NWS"),
                    QStringLiteral("SAT")};
        case HistoryBox::MessageText:
            return {FormDefaults::messageText()};
    }
    return {};
}

void applyFirstRunDefaults(Settings& s) {
    s.toCall = QStringLiteral("CQ");
    s.digistation = QStringLiteral("RS0ISS");
    s.radioPort = 0;
    s.alarmMode.reset();  // the first file holds an empty alarm line
    s.monitorFont = QStringLiteral("Fixedsys");
    s.beaconInterval = 60;
    s.autoScroll = 1;
    s.beacon = 0;
    s.headerColor = kDefaultHeaderColor;
    s.dataColor = kDefaultDataColor;
    s.screenColor = kDefaultScreenColor;
    s.alarmHeaderText = QStringLiteral("RS0ISS*");
    s.alarmDataText = QStringLiteral("Hello from Tarn");
    s.aprs.clear();
    s.aprsEnabled = 0;
    s.selectedBeacon = 1;
    for (int i = 0; i < kHistoryBoxCount; ++i) {
        const auto box = static_cast<HistoryBox>(i);
        s.history(box) = defaultHistory(box);
    }
    s.savePosition = 0;
    s.dataBoxForeColor = kDefaultDataBoxForeColor;
    s.dataBoxBackColor = kDefaultDataBoxBackColor;
    s.zenoTag = 0;
    s.bbsMode = 0;
    s.bbsPassword.clear();
    s.swlMode = 0;
    s.logDigipeatedMessages = 0;
}

Settings firstRunSettings(const QString& callsign) {
    Settings s;
    s.callsign = callsign.trimmed().toUpper();
    applyFirstRunDefaults(s);
    return s;
}

}  // namespace zeno
