// SPDX-License-Identifier: GPL-3.0-or-later
// The setup dialog's rules: what it opens with, what OK refuses and stores, the colour choices.

#include "config/appstate.h"
#include "config/firstrun.h"
#include "config/setupvalues.h"
#include "support/testrows.h"

#include <QTest>
#include <tuple>

using namespace zeno;
using namespace zeno::test;

using Refusal = SetupRefusal;
Q_DECLARE_METATYPE(SetupRefusal)
Q_DECLARE_METATYPE(ColorButton)

class TestSetupValues : public QObject {
    Q_OBJECT

    AppState state_;  // a station with its commands disabled
    SetupValues values_;

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        state_ = AppState();
        state_.settings = firstRunSettings(QStringLiteral("PA3ABC"));
        state_.settings.bbsMode = 1;
        values_ = SetupValues::from(state_);
    }

    void opensWithUsableValues_data() {
        // stored: box text, box back, header, screen, interval; shown: box text, box back,
        // header, data, screen
        columns<QList<int>, QList<int>, QString>("stored", "shown", "interval");
        row("as stored", QList<int>{1, 2, 3, 4, 30}, QList<int>{1, 2, 3, 0, 4}, QString("30"));
        row("equal box colours: the default scheme", QList<int>{7, 7, 3, 4, 30},
            QList<int>{16711680, 14737632, 3, 0, 4}, QString("30"));
        row("equal monitor colours: white on blue", QList<int>{1, 2, 5, 5, 30},
            QList<int>{1, 2, 16777215, 0, 16711680}, QString("30"));
        row("interval 5 opens as 10", QList<int>{1, 2, 3, 4, 5}, QList<int>{1, 2, 3, 0, 4},
            QString("10"));
    }

    void opensWithUsableValues() {
        QFETCH(QList<int>, stored);
        Settings& s = state_.settings;
        std::tie(s.dataBoxForeColor, s.dataBoxBackColor, s.headerColor, s.screenColor,
                 s.beaconInterval) =
            std::tuple(stored[0], stored[1], stored[2], stored[3], stored[4]);
        s.bbsPassword = QStringLiteral(" secret ");
        const SetupValues v = SetupValues::from(state_);
        QCOMPARE((QList<int>{v.dataBoxForeColor, v.dataBoxBackColor, v.headerColor, v.dataColor,
                             v.screenColor}),
                 fetched<QList<int>>("shown"));
        QTEST(v.beaconInterval, "interval");
        QCOMPARE(v.bbsPassword, QStringLiteral("SECRET"));
    }

    void okChecksInOrder_data() {
        columns<QString, int, QString, QString, SetupRefusal, QString, int>(
            "callsign", "bbsMode", "password", "port", "refusal", "storedCall", "storedMode");
        const QString ok = QStringLiteral("8000"), old = QStringLiteral("PA3ABC"), none;
        row("lower case, blanks", QString(" pa3xyz-9 "), 0, none, ok, Refusal::None, "PA3XYZ-9", 0);
        // Which callsigns are valid is the settings' rule; here only that OK asks it.
        row("a slash", QString("PA3XYZ/P"), 0, none, ok, Refusal::Callsign, old, 0);
        // A short password opens the commands to everyone and stops before anything else.
        row("password of two", QString("A"), 2, QString(" ab "), ok, Refusal::BbsPassword, old, 0);
        row("password of three", old, 2, QString(" abc "), ok, Refusal::None, old, 2);
        row("disabled needs none", old, 1, none, ok, Refusal::None, old, 1);
        for (const char* port : {"0", "65536", "80a"})
            row(port, QString("PA3XYZ"), 0, none, QString(port), Refusal::EnginePort, old, 0);
    }

    void okChecksInOrder() {
        QFETCH(QString, password);
        QFETCH(SetupRefusal, refusal);
        values_.callsign = fetched<QString>("callsign");
        values_.bbsMode = fetched<int>("bbsMode");
        values_.bbsPassword = password;
        values_.enginePort = fetched<QString>("port");
        values_.beaconInterval = QStringLiteral("45");
        QCOMPARE(values_.validate(), refusal);
        QCOMPARE(values_.apply(state_).refusal, refusal);
        QTEST(state_.settings.callsign, "storedCall");
        QTEST(state_.settings.bbsMode, "storedMode");
        // The steps before the callsign stay applied when it is refused.
        QCOMPARE(state_.settings.beaconInterval, refusal == Refusal::BbsPassword ? 60 : 45);
        if (refusal == Refusal::None)
            QCOMPARE(state_.settings.bbsPassword, password.trimmed().toUpper());
    }

    void okReportsWhatChanged_data() {
        columns<QString, QString, SetupRefusal, bool, bool>("callsign", "host", "refusal",
                                                            "callsignChanged", "engineChanged");
        const QString local = QStringLiteral("127.0.0.1"), call = QStringLiteral("PA3ABC");
        row("nothing", QString("pa3abc"), local, Refusal::None, false, false);
        row("callsign", QString("PA3ABC-1"), local, Refusal::None, true, false);
        row("engine host", call, QString(" engine.local "), Refusal::None, false, true);
        row("blank in host", QString("N0CALL"), QString("a b"), Refusal::EngineHost, false, false);
    }

    void okReportsWhatChanged() {
        QFETCH(QString, host);
        QFETCH(SetupRefusal, refusal);
        values_.callsign = fetched<QString>("callsign");
        values_.engineHost = host;
        values_.acknowledgeMessages = false;
        const SetupResult result = values_.apply(state_);
        QCOMPARE(result.refusal, refusal);
        QTEST(result.callsignChanged, "callsignChanged");
        QTEST(result.engineChanged, "engineChanged");
        QCOMPARE(state_.engine.address.host, result.engineChanged ? host.trimmed() : "127.0.0.1");
        QCOMPARE(state_.engine.acknowledgeMessages, refusal != Refusal::None);
    }

    void beaconInterval_data() {
        columns<QString, int>("typed", "stored");
        row("5", QString("5"), 10);
        row("not a number", QString("abc"), 10);
        row("empty", QString(), 10);
        row("blanks around", QString(" 25 "), 25);
        row("a unit behind", QString("30 s"), 30);
        row("negative", QString("-20"), 10);
        row("beyond the file's range", QString("99999"), 32767);
    }

    void beaconInterval() { QTEST(beaconIntervalFrom(fetched<QString>("typed")), "stored"); }

    void colourChoices_data() {
        // colours: box text, box back, header, screen, data
        columns<ColorButton, int, bool, QList<int>>("button", "chosen", "refused", "colours");
        const QList<int> same{1, 2, 3, 4, 5};
        row("box text as its background", ColorButton::DataBoxText, 2, true, same);
        row("box text", ColorButton::DataBoxText, 9, false, QList<int>{9, 2, 3, 4, 5});
        row("box background as its text", ColorButton::DataBoxBackground, 1, true, same);
        row("monitor text as the screen", ColorButton::MonitorText, 4, true, same);
        row("screen as the monitor text", ColorButton::MonitorBackground, 3, true, same);
        row("screen", ColorButton::MonitorBackground, 9, false, QList<int>{1, 2, 3, 9, 5});
        row("data line: no comparison", ColorButton::DataLine, 4, false, QList<int>{1, 2, 3, 4, 4});
        row("cancelled", ColorButton::MonitorText, -1, false, same);
    }

    void colourChoices() {
        SetupValues& v = values_;
        std::tie(v.dataBoxForeColor, v.dataBoxBackColor, v.headerColor, v.screenColor,
                 v.dataColor) = std::tuple(1, 2, 3, 4, 5);
        QTEST(v.pickColor(fetched<ColorButton>("button"), fetched<int>("chosen")).has_value(),
              "refused");
        QCOMPARE((QList<int>{v.dataBoxForeColor, v.dataBoxBackColor, v.headerColor, v.screenColor,
                             v.dataColor}),
                 fetched<QList<int>>("colours"));
    }

    void listenerMode_data() {
        columns<int, bool, int, bool, int, bool, bool>(
            "before", "checked", "swlMode", "refuseIncoming", "beacon", "layout", "restartNotice");
        row("switched on", 0, true, 1, true, 0, true, false);
        row("kept on", 1, true, 1, true, 0, true, false);
        row("switched off", 1, false, 0, false, -1, false, true);
        row("kept off", 0, false, 0, true, -1, false, false);
    }

    void listenerMode() {
        state_.settings.swlMode = fetched<int>("before");
        SetupValues v = SetupValues::from(state_);
        v.listener = fetched<bool>("checked");
        v.refuseIncoming = true;  // "Disable Incomming Connects" ticked
        v.beaconOn = true;
        const SetupResult result = v.apply(state_);
        QTEST(state_.settings.swlMode, "swlMode");
        QTEST(state_.connection.RefuseIncoming, "refuseIncoming");
        QTEST(state_.settings.beacon, "beacon");
        QTEST(result.listenerOn, "layout");
        QTEST(result.listenerOff, "restartNotice");
    }
};

QTEST_GUILESS_MAIN(TestSetupValues)
#include "tst_setupvalues.moc"
