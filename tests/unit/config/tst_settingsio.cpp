#include "config/formdefaults.h"
#include "config/settingsfile.h"
#include "config/settingsio.h"
#include "fakesettingsview.h"
#include "settingssamples.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kWriteFailed = QStringLiteral(
    "Could not write to disk. Is the disk write-protected (CD-ROM)? If so, then please install "
    "this program to your HD first.");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray fileOf(const Settings& s) { return writeSettingsFile(s, SettingsDiagnostics()); }

// The text each box shows, in box order.
QStringList boxTexts(const FakeSettingsView& view) {
    QStringList texts;
    for (int i = 0; i < kHistoryBoxCount; ++i)
        texts << view.texts.value(HistoryBox(i));
    return texts;
}

}  // namespace

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        state_ = AppState();
        state_.appPath = dir_->path();
        view_ = FakeSettingsView();
        dialogs_.reset();
    }

    void cleanup() {
        QVERIFY2(dialogs_.problems().isEmpty(), qPrintable(dialogs_.problems().join(u'\n')));
    }

    void writesFirstRunFile() {
        state_.settings = firstRunSettings(QStringLiteral("PA3XYZ"));
        state_.link.EngineInitText = QStringLiteral("Engine 127.0.0.1:8000 v1.6") + QChar(0) + "x";
        view_.texts[HistoryBox::TxData] = FormDefaults::txText();
        view_.texts[HistoryBox::MessageFor] = FormDefaults::messageFor();
        view_.texts[HistoryBox::MessageText] = FormDefaults::messageText();
        view_.texts[HistoryBox::AprsData] = FormDefaults::aprsComment();
        view_.geometry = {1234.5, 900, 11407.5, 8100};
        FakePlatform platform;
        platform.setNow(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)));

        QVERIFY(SaveSettings(state_, view_, dialogs_, platform));
        QCOMPARE(state_.osText, "6.1  Test System 1");
        QByteArray expected = readAll(QFINDTESTDATA("../../data/config/first-run.ini"));
        QVERIFY(!expected.isEmpty());
        expected.replace("@APPPATH@", dir_->path().toLatin1());
        const QByteArray actual = readAll(settingsPath());
        // Line by line first, for a readable failure; then every byte, line ends included.
        QCOMPARE(fileLines(actual), fileLines(expected));
        QCOMPARE(actual, expected);
    }

    void roundTripsThroughTheWindow() {
        state_.settings = everyKeySettings();
        state_.settings.radioPort = 1;
        state_.link.RadioPort = 3;  // the port in use is what counts
        const Settings& s = state_.settings;
        view_.texts = {{HistoryBox::TxData, s.txDataDefault},
                       {HistoryBox::MessageFor, s.defaultFor},
                       {HistoryBox::MessageText, s.defaultMessage},
                       {HistoryBox::AprsData, s.defaultAprsText}};
        view_.geometry = {s.leftPos, s.topPos, s.hSize - 80, s.vSize - 80};
        QVERIFY(SaveSettings(state_, view_, dialogs_, FakePlatform()));

        AppState loaded;
        loaded.appPath = state_.appPath;
        FakeSettingsView window;
        QCOMPARE(LoadSettings(loaded, window, dialogs_), LoadOutcome::Applied);
        QCOMPARE(fileOf(loaded.settings), fileOf(state_.settings));
        QCOMPARE(loaded.link.RadioPort, 3);
        QCOMPARE(window.entries[HistoryBox::Via], QStringList({"RS0ISS", "ARISS", ""}));
        QCOMPARE(boxTexts(window), QStringList({"Typed but not kept", "APRS", "WIDE2-2", "Portable",
                                                "PA0AAA", "Draft message"}));
        // The window size: +80 on the way out, -80 on the way in.
        QCOMPARE(
            window.calls.filter(QRegularExpression("^(?!setHistory|selectFirst|setBoxText)")),
            QStringList({"showCallsign PA3XYZ", "setMonitorFont Courier New",
                         "setAutoScrollChecked false", "setDataBoxColors 0 16777215",
                         "setMonitorColors 65535 8388608", "setWindowLeft -45",
                         "setWindowTop 1234.25", "setWindowSize 11407.5 8100", "showBeaconOn"}));
    }

    void loadsOnlyWithACallsign_data() {
        columns<QByteArray, LoadOutcome>("callsign", "outcome");  // null: no file at all
        row("no file", QByteArray(), LoadOutcome::NoFile);
        row("placeholder", QByteArray(" mycall "), LoadOutcome::NoCallsign);
        row("one letter in blanks", QByteArray("  A  "), LoadOutcome::InvalidCallsign);
        row("empty", QByteArray(""), LoadOutcome::InvalidCallsign);
        row("two letters", QByteArray("AB"), LoadOutcome::Applied);
    }

    void loadsOnlyWithACallsign() {
        QFETCH(QByteArray, callsign);
        QFETCH(LoadOutcome, outcome);
        const QByteArray bytes =
            withValue(fileOf(everyKeySettings()), "[Your Call Sign]", callsign);
        if (!callsign.isNull())
            putBytes(settingsPath(), bytes);
        const bool refused = outcome == LoadOutcome::InvalidCallsign;
        if (refused)
            dialogs_.expectMessage(QStringLiteral("No valid Callsign"), MsgAnswer::Ok,
                                   QStringLiteral("No valid call entered."));
        state_.settings.toHistory = {QStringLiteral("DX")};
        QCOMPARE(LoadSettings(state_, view_, dialogs_), outcome);
        if (outcome == LoadOutcome::Applied) {
            QCOMPARE(view_.calls.value(0), "showCallsign AB");
            return;
        }
        QVERIFY(view_.calls.isEmpty());
        QCOMPARE(state_.settings.toHistory, QStringList({"DX"}));  // the box was not refilled
        if (refused) {
            QCOMPARE(dialogs_.shown.value(0).icon, MsgIcon::Exclamation);
            QCOMPARE(readAll(settingsPath() + ".bad"), bytes);
        } else {
            QCOMPARE(state_.settings.callsign, "MYCALL");
        }
    }

    // The fake screen is 19200 x 14400 twips.
    void appliesGeometry_data() {
        columns<int, QList<double>, QStringList>("savePosition", "stored", "calls");
        const QList<double> usual{100, 200, 12000, 9000};  // left, top, width, height
        const QString usualSize = QStringLiteral("setWindowSize 11920 8920");
        const QStringList atZero{"setWindowLeft 0", "setWindowTop 0"};
        row("not remembered", 0, usual, QStringList());
        row("remembered", -1, usual,
            QStringList({"setWindowLeft 100", "setWindowTop 200", usualSize}));
        row("edges just inside", -1, QList<double>{-79, 9999.5, 12000, 9000},
            QStringList({"setWindowLeft -79", "setWindowTop 9999.5", usualSize}));
        row("edges outside", -1, QList<double>{-80, 10000, 12000, 9000}, QStringList({usualSize}));
        row("too narrow", -1, QList<double>{0, 0, 5000, 9000}, atZero);
        row("just large enough", -1, QList<double>{0, 0, 5001, 3000},
            atZero + QStringList{"setWindowSize 4921 2920"});
        row("screen size", -1, QList<double>{0, 0, 19200, 14400},
            atZero + QStringList{"maximizeWindow"});
    }

    void appliesGeometry() {
        QFETCH(QList<double>, stored);
        QFETCH(QStringList, calls);
        Settings s = everyKeySettings();
        s.savePosition = fetched<int>("savePosition");
        s.leftPos = stored[0];
        s.topPos = stored[1];
        s.hSize = stored[2];
        s.vSize = stored[3];
        putBytes(settingsPath(), fileOf(s));
        if (calls.contains(QStringLiteral("maximizeWindow")))
            dialogs_.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok,
                                   QStringLiteral("maximize"));
        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
        QCOMPARE(view_.callsStartingWith("setWindow") + view_.callsStartingWith("maximize"), calls);
    }

    // Equal text and background colours are read but not applied.
    void appliesColoursOnlyWhenReadable_data() {
        columns<int, int, int>("back", "screen", "applied");  // text 0 on back, 65535 on screen
        row("all readable", 16777215, 16711680, 2);
        row("boxes unreadable", 0, 16711680, 1);
        row("monitor unreadable", 16777215, 65535, 1);
    }

    void appliesColoursOnlyWhenReadable() {
        QFETCH(int, back);
        Settings s = everyKeySettings();
        s.dataBoxBackColor = back;
        s.screenColor = fetched<int>("screen");
        putBytes(settingsPath(), fileOf(s));
        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
        QTEST(int(view_.callsStartingWith("set").filter("Colors").size()), "applied");
        QCOMPARE(state_.settings.dataBoxBackColor, back);
    }

    void setsBoxTexts() {
        Settings s = everyKeySettings();
        s.toCall = QStringLiteral("ABCDEFGHIJKLMN");
        s.digistation = s.txDataDefault = s.defaultFor = s.defaultMessage = s.defaultAprsText =
            QString();
        s.aprsDataHistory.clear();
        putBytes(settingsPath(), fileOf(s));
        view_.entries[HistoryBox::AprsData] = {QStringLiteral("kept")};
        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
        // An empty default shows the first entry, but the Via and message texts stay empty.
        QCOMPARE(boxTexts(view_), QStringList({"Hello world", "ABCDEFGHIJ", "", "", "PA0AAA", ""}));
        QCOMPARE(state_.settings.toCall, "ABCDEFGHIJ");
        // A list the file leaves empty leaves its box alone.
        QCOMPARE(
            view_.callsStartingWith(QStringLiteral("setHistory %1").arg(int(HistoryBox::AprsData))),
            QStringList());
        QCOMPARE(view_.entries[HistoryBox::AprsData], QStringList({"kept"}));
    }

    // A file of the previous release holds no message lists: the usual addressees are offered.
    void readsOldFormat() {
        QList<QByteArray> lines = fileLines(fileOf(everyKeySettings()));
        lines[0] = ";ZENO v.2.5";
        putBytes(settingsPath(), joinLines(lines.mid(0, lines.indexOf("[ZENO Tag]") + 2)));
        state_.settings.messageForHistory = {QStringLiteral("DX")};
        state_.settings.bbsMode = 1;

        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
        const QStringList addressees({"DX", "BLN", "EMAIL", "NWS", "SAT"});
        QCOMPARE(view_.entries[HistoryBox::MessageFor], addressees);
        QCOMPARE(state_.settings.messageForHistory, addressees);
        QCOMPARE(state_.settings.bbsMode, 1);
    }

    void fallsBackOnReadError() {
        Settings s = everyKeySettings();
        s.headerColor = s.screenColor = 0;
        s.alarmHeaderText.clear();
        s.alarmDataText.clear();
        s.txDataHistory = {QStringLiteral("Software: ZENO 2.5 beta"), QStringLiteral("Hello")};
        s.radioPort = 2;
        const QByteArray bytes = withValue(fileOf(s), "[Beacon Interval]", "sixty");
        putBytes(settingsPath(), bytes);
        Settings& r = state_.settings;
        r.toHistory = {QStringLiteral("DX")};
        r.viaHistory = {QStringLiteral("V1")};
        r.messageForHistory = {QStringLiteral("F1")};
        r.aprsDataHistory = {QStringLiteral("A1")};
        r.beaconInterval = 99;

        QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Defaults);
        // The default entries join what the boxes held; an old release's text follows this one.
        QCOMPARE(view_.entries,
                 (QMap<HistoryBox, QStringList>{
                     {HistoryBox::TxData, {"Software: ZENO 3.0", "Hello"}},
                     {HistoryBox::To, {"DX", "CQ", "APRS", "PCSAT"}},
                     {HistoryBox::Via, {"V1", "RS0ISS", "PCSAT-1", "W3ADO-1", "WIDE,WIDE", ""}},
                     {HistoryBox::MessageFor, {"F1", "BLN", "EMAIL", "NWS", "SAT"}}}));
        QCOMPARE(r.viaHistory, view_.entries[HistoryBox::Via]);
        QCOMPARE(r.aprsDataHistory, QStringList({"A1"}));
        // The monitor is made usable with the default colours, font and alarm texts; nothing
        // else of the file reaches the window.
        QCOMPARE(view_.calls.filter(QRegularExpression("^(?!setHistory)")),
                 QStringList({"showCallsign PA3XYZ", "setMonitorColors 16777215 16711680",
                              "setMonitorFont Fixedsys", "setDataBoxColors 16711680 14737632"}));
        QCOMPARE(r.alarmHeaderText + "|" + r.alarmDataText, "RS0ISS*|Hello from Tarn");
        QCOMPARE(state_.link.RadioPort, 2);
        QCOMPARE(r.zenoTag, 0);
        QCOMPARE(r.beaconInterval, 99);
        // The next save replaces the file; what the operator had stays beside it.
        QCOMPARE(readAll(settingsPath() + ".bad"), bytes);
    }

    void aFailedSaveLosesNothing() {
        // The application path is a plain file: nothing can be written there.
        const QString notADirectory = dir_->filePath(QStringLiteral("plain-file"));
        putBytes(notADirectory, "x");
        state_.appPath = notADirectory;
        state_.settings = everyKeySettings();
        view_.geometry = {1, 2, 3, 4};
        dialogs_.expectMessage(QStringLiteral("ZENO"), MsgAnswer::Ok, kWriteFailed);
        QVERIFY(!SaveSettings(state_, view_, dialogs_, FakePlatform()));
        QCOMPARE(dialogs_.shown.value(0).icon, MsgIcon::Exclamation);
        QCOMPARE(dialogs_.shown.value(0).buttons, MsgButtons::Ok);
        QCOMPARE(fileOf(state_.settings), fileOf(everyKeySettings()));
        QCOMPARE(readAll(notADirectory), "x");
    }

private:
    QString settingsPath() const { return settingsFilePath(dir_->path()); }

    std::unique_ptr<QTemporaryDir> dir_;
    AppState state_;
    FakeSettingsView view_;
    ScriptedDialogs dialogs_;
};

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "tst_settingsio.moc"
