// LoadSettings and SaveSettings against a fake main window: what is shown of a file, and when.

#include "config/firstrun.h"
#include "config/formdefaults.h"
#include "config/settingsfile.h"
#include "config/settingsio.h"
#include "config/settingsview.h"
#include "fakesettingsview.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fileOf(const Settings& s) { return writeSettingsFile(s, {}); }

Settings station() { return firstRunSettings(QStringLiteral("PA3XYZ")); }

// The main window as the settings code sees it: logs every change but those of the boxes'
// entries and texts as "name arguments", and keeps the entries and texts, which the code reads
// back.

}  // namespace

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        dir_ = std::make_unique<QTemporaryDir>();
        state_ = AppState();
        state_.appPath = dir_->path();
        view_ = FakeSettingsView();
        dialogs_.reset();
    }

    void cleanup() { QCOMPARE(dialogs_.problems(), QStringList()); }

    // The port in use goes into the file, not the one read last.
    void writesFirstRunFile() {
        state_.settings = station();
        state_.settings.radioPort = 2;
        state_.link.EngineInitText = QStringLiteral("Engine 127.0.0.1:8000 v1.6") + QChar(0) + "x";
        view_.texts = {{HistoryBox::TxData, FormDefaults::txText()},
                       {HistoryBox::MessageFor, FormDefaults::messageFor()},
                       {HistoryBox::MessageText, FormDefaults::messageText()},
                       {HistoryBox::AprsData, FormDefaults::aprsComment()}};
        view_.geometry = {1234.5, 900, 11407.5, 8100};
        FakePlatform platform;
        platform.setNow(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)));

        QVERIFY(SaveSettings(state_, view_, dialogs_, platform));
        QCOMPARE(state_.osText, "6.1  Test System 1");
        QByteArray expected = readAll(QFINDTESTDATA("../../data/config/first-run.ini"));
        expected.replace("@APPPATH@", dir_->path().toLatin1());
        // Line by line for a readable failure; every byte counts, line ends included.
        QCOMPARE(readAll(path()).split('\n'), expected.split('\n'));
    }

    // The window's place and size go out and come back (the size +80 on the way out, -80 on
    // the way in) where they are usable; the fake screen is 19200 x 14400 twips. The texts of
    // the boxes go out and come back too, and all of it is shown.
    void roundTripsThroughTheWindow_data() {
        columns<QList<double>, QStringList>("geometry", "calls");  // left, top, width, height
        row("just inside", QList<double>{-79, 9999.5, 4921, 2920},
            QStringList({"setWindowLeft -79", "setWindowTop 9999.5", "setWindowSize 4921 2920"}));
        row("just outside", QList<double>{-80, 10000, 4920, 8920}, QStringList());
        row("screen size", QList<double>{0, 0, 19120, 14320},
            QStringList({"setWindowLeft 0", "setWindowTop 0", "maximizeWindow"}));
    }

    void roundTripsThroughTheWindow() {
        QFETCH(QList<double>, geometry);
        QFETCH(QStringList, calls);
        Settings& s = state_.settings = station();
        state_.link.RadioPort = 3;
        s.savePosition = s.beacon = -1;
        s.autoScroll = 0;
        view_.texts = {{HistoryBox::TxData, "Typed"},
                       {HistoryBox::MessageFor, "PA0AAA"},
                       {HistoryBox::MessageText, "Draft"},
                       {HistoryBox::AprsData, "Portable"}};
        view_.geometry = {geometry[0], geometry[1], geometry[2], geometry[3]};
        QVERIFY(SaveSettings(state_, view_, dialogs_, FakePlatform()));

        AppState loaded;
        loaded.appPath = state_.appPath;
        FakeSettingsView window;
        if (calls.contains(QStringLiteral("maximizeWindow")))
            dialogs_.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                   QStringLiteral("maximize"));
        QCOMPARE(LoadSettings(loaded, window, dialogs_), LoadOutcome::Applied);
        QCOMPARE(loaded.link.RadioPort, 3);
        QCOMPARE(window.entries[HistoryBox::Via],
                 QStringList({"RS0ISS", "PCSAT-1", "W3ADO-1", "WIDE,WIDE", ""}));
        QCOMPARE(window.texts.values(),
                 QStringList({"Typed", "CQ", "RS0ISS", "Portable", "PA0AAA", "Draft"}));
        QCOMPARE(window.calls,
                 QStringList({"showCallsign PA3XYZ", "setMonitorFont Fixedsys",
                              "setAutoScrollChecked false", "setDataBoxColors 16711680 14737632",
                              "setMonitorColors 16777215 16711680"}) +
                     calls + QStringList{"showBeaconOn"});
    }

    void loadsOnlyWithACallsign_data() {
        columns<QString, LoadOutcome>("callsign", "outcome");  // null: no file at all
        row("no file", QString(), LoadOutcome::NoFile);
        row("placeholder", QString(" mycall "), LoadOutcome::NoCallsign);
        row("one letter in blanks", QString("  A  "), LoadOutcome::InvalidCallsign);
        row("two letters", QString("ab"), LoadOutcome::Applied);
    }

    // Without a callsign nothing is shown and the boxes keep their entries. With one: empty
    // texts show the first entry or nothing, "[To call]" is cut to 10 characters, a list the
    // file leaves empty leaves its box alone, and colours that would hide the text are not
    // applied.
    void loadsOnlyWithACallsign() {
        QFETCH(QString, callsign);
        QFETCH(LoadOutcome, outcome);
        Settings s = station();
        s.callsign = callsign;
        s.toCall = QStringLiteral("ABCDEFGHIJKLMN");
        s.digistation = s.txDataDefault = s.defaultFor = s.defaultMessage = s.defaultAprsText =
            QString();
        s.toHistory = {QStringLiteral("QST")};
        s.aprsDataHistory.clear();
        s.dataBoxForeColor = s.dataBoxBackColor;
        s.screenColor = s.headerColor;
        if (!callsign.isNull())
            put(fileOf(s));
        const bool refused = outcome == LoadOutcome::InvalidCallsign;
        if (refused)
            dialogs_.expectMessage(QStringLiteral("No valid Callsign"), MsgAnswer::Ok,
                                   QStringLiteral("No valid call entered."));
        view_.entries[HistoryBox::AprsData] = state_.settings.toHistory = {QStringLiteral("DX")};
        QCOMPARE(LoadSettings(state_, view_, dialogs_), outcome);
        QCOMPARE(readAll(path() + ".bad"), refused ? fileOf(s) : QByteArray());
        if (refused)
            QCOMPARE(dialogs_.shown.value(0).icon, MsgIcon::Exclamation);
        if (outcome != LoadOutcome::Applied) {
            QCOMPARE(state_.settings.toHistory, QStringList({"DX"}));
            QCOMPARE(view_.calls, QStringList());
            QVERIFY(refused || state_.settings.callsign == "MYCALL");
            return;
        }
        QCOMPARE(state_.settings.toHistory + QStringList(state_.settings.toCall),
                 QStringList({"QST", "ABCDEFGHIJ"}));
        QCOMPARE(view_.texts.values(),
                 QStringList({"Software: ZENO 3.0", "ABCDEFGHIJ", "", "BLN", ""}));
        QCOMPARE(view_.entries[HistoryBox::AprsData], QStringList({"DX"}));
        QCOMPARE(view_.calls, QStringList({"showCallsign AB", "setMonitorFont Fixedsys",
                                           "setAutoScrollChecked true"}));
    }

    // A file of the previous release ends after "[ZENO Tag]" and holds no message lists: the
    // usual addressees are offered.
    void readsOldFormat() {
        const QByteArray bytes = fileOf(station()).replace(";ZENO v.3", ";ZENO v.2");
        put(bytes.left(bytes.indexOf("[APRS Message For]")) + "[something else]\r\n");
        state_.settings.messageForHistory = {QStringLiteral("DX")};
        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
        const QStringList addressees({"DX", "BLN", "EMAIL", "NWS", "SAT"});
        QCOMPARE(view_.entries[HistoryBox::MessageFor], addressees);
        QCOMPARE(state_.settings.messageForHistory, addressees);
    }

    void fallsBackOnReadError() {
        Settings s = station();
        s.headerColor = s.screenColor = 0;
        s.alarmHeaderText.clear();
        s.alarmDataText.clear();
        s.txDataHistory = {QStringLiteral("Software: ZENO 2.5 beta"), QStringLiteral("Hello")};
        s.radioPort = 2;
        const QByteArray bytes =
            fileOf(s).replace("[Beacon Interval]\r\n 60", "[Beacon Interval]\r\nsixty");
        put(bytes);
        Settings& r = state_.settings;
        r.toHistory = {QStringLiteral("DX")};
        r.aprsDataHistory = {QStringLiteral("A1")};
        r.beaconInterval = 99;

        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Defaults);
        // The default entries join what the boxes held; an old release's text follows this one.
        QCOMPARE(view_.entries,
                 (QMap<HistoryBox, QStringList>{
                     {HistoryBox::TxData, {"Software: ZENO 3.0", "Hello"}},
                     {HistoryBox::To, {"DX", "CQ", "APRS", "PCSAT"}},
                     {HistoryBox::Via, {"RS0ISS", "PCSAT-1", "W3ADO-1", "WIDE,WIDE", ""}},
                     {HistoryBox::MessageFor, {"BLN", "EMAIL", "NWS", "SAT"}}}));
        QCOMPARE(r.toHistory, view_.entries[HistoryBox::To]);
        QCOMPARE(r.aprsDataHistory, QStringList({"A1"}));
        // The monitor is made usable with the default colours, font and alarm texts; nothing
        // else of the file reaches the window.
        QCOMPARE(view_.calls,
                 QStringList({"showCallsign PA3XYZ", "setMonitorColors 16777215 16711680",
                              "setMonitorFont Fixedsys", "setDataBoxColors 16711680 14737632"}));
        QCOMPARE(r.alarmHeaderText + "|" + r.alarmDataText, "RS0ISS*|Hello from Tarn");
        QCOMPARE(QList<int>({state_.link.RadioPort, r.zenoTag, r.beaconInterval}),
                 QList<int>({2, 0, 99}));
        // The next save replaces the file; what the operator had stays beside it.
        QCOMPARE(readAll(path() + ".bad"), bytes);
    }

    void aFailedSaveLosesNothing() {
        state_.appPath = dir_->filePath(QStringLiteral("missing"));  // nothing can be written
        state_.settings = station();
        view_.geometry = {1, 2, 3, 4};
        dialogs_.expectMessage(
            QStringLiteral("ZENO"), MsgAnswer::Ok,
            QStringLiteral("Could not write to disk. Is the disk write-protected (CD-ROM)? If so, "
                           "then please install this program to your HD first."));
        QVERIFY(!SaveSettings(state_, view_, dialogs_, FakePlatform()));
        QCOMPARE(dialogs_.shown.value(0).icon, MsgIcon::Exclamation);
        QCOMPARE(fileOf(state_.settings), fileOf(station()));
    }

private:
    QString path() const { return settingsFilePath(dir_->path()); }
    void put(const QByteArray& bytes) {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

    std::unique_ptr<QTemporaryDir> dir_;
    AppState state_;
    FakeSettingsView view_;
    ScriptedDialogs dialogs_;
};

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "tst_settingsio.moc"
