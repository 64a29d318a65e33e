#include "config/formdefaults.h"
#include "config/settingsfile.h"
#include "config/settingsio.h"
#include "fakesettingsview.h"
#include "settingssamples.h"
#include "testdoubles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <csignal>

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

QByteArray fileOf(const Settings& s) {
    SettingsDiagnostics d;
    d.writtenAt = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5));
    return writeSettingsFile(s, d);
}

// A view showing the texts and geometry that everyKeySettings() describes.
void showEveryKeyTexts(FakeSettingsView& view) {
    const Settings s = everyKeySettings();
    view.texts[HistoryBox::TxData] = s.txDataDefault;
    view.texts[HistoryBox::MessageFor] = s.defaultFor;
    view.texts[HistoryBox::MessageText] = s.defaultMessage;
    view.texts[HistoryBox::AprsData] = s.defaultAprsText;
    view.geometry = {s.leftPos, s.topPos, s.hSize - 80, s.vSize - 80};
}

}  // namespace

class TestSettingsIo : public QObject {
    Q_OBJECT

private slots:
    void init();

    void writesFirstRunFile();
    void roundTripsThroughTheWindow();

    void startsWithoutFile();
    void stopsAtPlaceholderCallsign_data();
    void stopsAtPlaceholderCallsign();
    void refusesShortCallsign_data();
    void refusesShortCallsign();
    void appliesGeometry_data();
    void appliesGeometry();
    void appliesColoursOnlyWhenReadable_data();
    void appliesColoursOnlyWhenReadable();
    void setsBoxTexts();
    void readsOldFormat();
    void fallsBackOnReadError();
    void fallsBackForEveryCut();
    void survivesGarbageFiles();

    void reportsUnwritableLocation();
    void keepsOldFileWhenDiskIsFull();
    void keepsReadOnlyDirectoryUntouched();

private:
    QString settingsPath() const { return settingsFilePath(dir_->path()); }

    std::unique_ptr<QTemporaryDir> dir_;
    AppState state_;
    FakeSettingsView view_;
    RecordingDialogs dialogs_;
    StubPlatform platform_;
};

void TestSettingsIo::init() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    state_ = AppState();
    state_.appPath = dir_->path();
    view_ = FakeSettingsView();
    dialogs_ = RecordingDialogs();
    platform_ = StubPlatform();
}

void TestSettingsIo::writesFirstRunFile() {
    state_.settings = firstRunSettings(QStringLiteral("PA3XYZ"));
    state_.link.RadioPort = 0;
    state_.link.EngineInitText = QStringLiteral("Engine 127.0.0.1:8000 v1.6") + QChar(0) + "ports";
    view_.texts[HistoryBox::TxData] = FormDefaults::txText();
    view_.texts[HistoryBox::MessageFor] = FormDefaults::messageFor();
    view_.texts[HistoryBox::MessageText] = FormDefaults::messageText();
    view_.texts[HistoryBox::AprsData] = FormDefaults::aprsComment();
    view_.geometry = {1234.5, 900, 11407.5, 8100};

    QVERIFY(SaveSettings(state_, view_, dialogs_, platform_));
    QVERIFY(dialogs_.boxes.isEmpty());
    QCOMPARE(state_.osText, QStringLiteral("6.1  Test System 1"));

    QByteArray expected = readAll(QFINDTESTDATA("../../data/config/first-run.ini"));
    QVERIFY(!expected.isEmpty());
    expected.replace("@APPPATH@", dir_->path().toLatin1());
    const QByteArray actual = readAll(settingsPath());
    // Line by line first, for a readable failure; then every byte, line ends included.
    QCOMPARE(fileLines(actual), fileLines(expected));
    QCOMPARE(actual, expected);
}

void TestSettingsIo::roundTripsThroughTheWindow() {
    state_.settings = everyKeySettings();
    state_.settings.radioPort = 1;
    state_.link.RadioPort = 3;  // the port in use is what counts
    showEveryKeyTexts(view_);
    QVERIFY(SaveSettings(state_, view_, dialogs_, platform_));

    AppState loaded;
    loaded.appPath = state_.appPath;
    FakeSettingsView window;
    QCOMPARE(LoadSettings(loaded, window, dialogs_), LoadOutcome::Applied);
    QVERIFY(dialogs_.boxes.isEmpty());
    QCOMPARE(fileOf(loaded.settings), fileOf(state_.settings));
    QCOMPARE(loaded.link.RadioPort, 3);

    QCOMPARE(window.callsign, QStringLiteral("PA3XYZ"));
    QCOMPARE(window.entries[HistoryBox::TxData], QStringList({"Hello world", " leading blank"}));
    QCOMPARE(window.entries[HistoryBox::Via], QStringList({"RS0ISS", "ARISS", ""}));
    QCOMPARE(window.texts[HistoryBox::TxData], QStringLiteral("Typed but not kept"));
    QCOMPARE(window.texts[HistoryBox::To], QStringLiteral("APRS"));
    QCOMPARE(window.texts[HistoryBox::Via], QStringLiteral("WIDE2-2"));
    QCOMPARE(window.texts[HistoryBox::AprsData], QStringLiteral("Portable"));
    QCOMPARE(window.texts[HistoryBox::MessageFor], QStringLiteral("PA0AAA"));
    QCOMPARE(window.texts[HistoryBox::MessageText], QStringLiteral("Draft message"));
    QCOMPARE(window.monitorFont, QStringLiteral("Courier New"));
    QCOMPARE(window.autoScroll, false);
    QCOMPARE(window.dataBoxFore, 0);
    QCOMPARE(window.dataBoxBack, 16777215);
    QCOMPARE(window.monitorText, 65535);
    QCOMPARE(window.monitorBackground, 8388608);
    QVERIFY(window.beaconOn);
    // +80 on the way out, -80 on the way in.
    QCOMPARE(
        window.callsStartingWith(QStringLiteral("setWindow")),
        QStringList({"setWindowLeft -45", "setWindowTop 1234.25", "setWindowSize 11407.5 8100"}));
}

void TestSettingsIo::startsWithoutFile() {
    state_.settings.beaconInterval = 99;
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::NoFile);
    QCOMPARE(state_.settings.callsign, QStringLiteral("MYCALL"));
    QCOMPARE(state_.settings.beaconInterval, 99);
    QVERIFY(view_.calls.isEmpty());
    QVERIFY(dialogs_.boxes.isEmpty());
}

void TestSettingsIo::stopsAtPlaceholderCallsign_data() {
    QTest::addColumn<QByteArray>("callsign");
    QTest::newRow("as written") << QByteArray("MYCALL");
    QTest::newRow("lower case, blanks") << QByteArray(" mycall ");
}

void TestSettingsIo::stopsAtPlaceholderCallsign() {
    QFETCH(QByteArray, callsign);
    putBytes(settingsPath(), withValue(fileOf(everyKeySettings()), "[Your Call Sign]", callsign));
    state_.settings.beaconInterval = 99;
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::NoCallsign);
    QVERIFY(!isCallsignSet(state_.settings.callsign));
    QCOMPARE(state_.settings.beaconInterval, 99);
    QVERIFY(view_.calls.isEmpty());
    QVERIFY(dialogs_.boxes.isEmpty());
}

void TestSettingsIo::refusesShortCallsign_data() {
    QTest::addColumn<QByteArray>("callsign");
    QTest::newRow("one letter") << QByteArray("A");
    QTest::newRow("one letter in blanks") << QByteArray("  A  ");
    QTest::newRow("empty") << QByteArray("");
}

void TestSettingsIo::refusesShortCallsign() {
    QFETCH(QByteArray, callsign);
    const QByteArray bytes = withValue(fileOf(everyKeySettings()), "[Your Call Sign]", callsign);
    putBytes(settingsPath(), bytes);
    state_.settings.toHistory = {QStringLiteral("DX")};
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::InvalidCallsign);
    QCOMPARE(dialogs_.boxes.size(), 1);
    QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("No valid call entered."));
    QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("No valid Callsign"));
    QCOMPARE(dialogs_.boxes[0].icon, MsgIcon::Exclamation);
    QVERIFY(view_.calls.isEmpty());
    QCOMPARE(state_.settings.toHistory, QStringList({"DX"}));  // the box was not refilled
    QCOMPARE(readAll(settingsPath() + ".bad"), bytes);
}

void TestSettingsIo::appliesGeometry_data() {
    QTest::addColumn<int>("savePosition");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QStringList>("calls");
    // The fake screen is 19200 x 14400 twips.
    QTest::newRow("not remembered") << 0 << 100.0 << 100.0 << 12000.0 << 9000.0 << QStringList();
    QTest::newRow("remembered") << -1 << 100.0 << 200.0 << 12000.0 << 9000.0
                                << QStringList({"setWindowLeft 100", "setWindowTop 200",
                                                "setWindowSize 11920 8920"});
    QTest::newRow("edges just inside")
        << -1 << -79.0 << 9999.5 << 12000.0 << 9000.0
        << QStringList({"setWindowLeft -79", "setWindowTop 9999.5", "setWindowSize 11920 8920"});
    QTest::newRow("edges outside")
        << -1 << -80.0 << 10000.0 << 12000.0 << 9000.0 << QStringList({"setWindowSize 11920 8920"});
    QTest::newRow("too narrow") << -1 << 0.0 << 0.0 << 5000.0 << 9000.0
                                << QStringList({"setWindowLeft 0", "setWindowTop 0"});
    QTest::newRow("just large enough")
        << -1 << 0.0 << 0.0 << 5001.0 << 3000.0
        << QStringList({"setWindowLeft 0", "setWindowTop 0", "setWindowSize 4921 2920"});
    QTest::newRow("too low") << -1 << 0.0 << 0.0 << 12000.0 << 2999.0
                             << QStringList({"setWindowLeft 0", "setWindowTop 0"});
    QTest::newRow("screen size") << -1 << 0.0 << 0.0 << 19200.0 << 14400.0
                                 << QStringList(
                                        {"setWindowLeft 0", "setWindowTop 0", "maximizeWindow"});
    QTest::newRow("true other than -1")
        << 1 << 100.0 << 100.0 << 12000.0 << 9000.0 << QStringList();
}

void TestSettingsIo::appliesGeometry() {
    QFETCH(int, savePosition);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QStringList, calls);
    Settings s = everyKeySettings();
    s.savePosition = savePosition;
    s.leftPos = left;
    s.topPos = top;
    s.hSize = width;
    s.vSize = height;
    putBytes(settingsPath(), fileOf(s));
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
    QStringList geometryCalls = view_.callsStartingWith(QStringLiteral("setWindow"));
    geometryCalls << view_.callsStartingWith(QStringLiteral("maximizeWindow"));
    QCOMPARE(geometryCalls, calls);
    const bool maximized = calls.contains(QStringLiteral("maximizeWindow"));
    QCOMPARE(dialogs_.boxes.size(), maximized ? 1 : 0);
    if (maximized)
        QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("maximize"));
}

void TestSettingsIo::appliesColoursOnlyWhenReadable_data() {
    QTest::addColumn<int>("fore");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("header");
    QTest::addColumn<int>("screen");
    QTest::newRow("all readable") << 0 << 16777215 << 16777215 << 16711680;
    QTest::newRow("boxes unreadable") << 255 << 255 << 16777215 << 16711680;
    QTest::newRow("monitor unreadable") << 0 << 16777215 << 65535 << 65535;
}

void TestSettingsIo::appliesColoursOnlyWhenReadable() {
    QFETCH(int, fore);
    QFETCH(int, back);
    QFETCH(int, header);
    QFETCH(int, screen);
    Settings s = everyKeySettings();
    s.dataBoxForeColor = fore;
    s.dataBoxBackColor = back;
    s.headerColor = header;
    s.screenColor = screen;
    putBytes(settingsPath(), fileOf(s));
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
    QCOMPARE(view_.callsStartingWith("setDataBoxColors").size(), fore != back ? 1 : 0);
    QCOMPARE(view_.callsStartingWith("setMonitorColors").size(), header != screen ? 1 : 0);
    QCOMPARE(state_.settings.dataBoxForeColor, fore);  // the setting is read all the same
}

void TestSettingsIo::setsBoxTexts() {
    Settings s = everyKeySettings();
    s.toCall = QStringLiteral("ABCDEFGHIJKLMN");
    s.digistation.clear();
    s.txDataDefault.clear();
    s.defaultFor.clear();
    s.defaultMessage.clear();
    s.defaultAprsText.clear();
    s.aprsDataHistory.clear();
    putBytes(settingsPath(), fileOf(s));
    view_.entries[HistoryBox::AprsData] = {QStringLiteral("kept")};
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);

    QCOMPARE(view_.texts[HistoryBox::To], QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(state_.settings.toCall, QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(view_.texts[HistoryBox::TxData], QStringLiteral("Hello world"));
    QCOMPARE(view_.texts[HistoryBox::MessageFor], QStringLiteral("PA0AAA"));
    QCOMPARE(view_.texts[HistoryBox::MessageText], QString());
    QCOMPARE(view_.texts[HistoryBox::Via], QString());
    QCOMPARE(view_.entries[HistoryBox::Via], QStringList({"RS0ISS", "ARISS", ""}));
    // A list the file leaves empty leaves its box alone.
    QVERIFY(view_.callsStartingWith(QStringLiteral("setHistory %1").arg(int(HistoryBox::AprsData)))
                .isEmpty());
    QCOMPARE(view_.entries[HistoryBox::AprsData], QStringList({"kept"}));
}

void TestSettingsIo::readsOldFormat() {
    QList<QByteArray> lines = fileLines(fileOf(everyKeySettings()));
    lines[0] = ";ZENO v.2.5";
    putBytes(settingsPath(), joinLines(lines.mid(0, lines.indexOf("[ZENO Tag]") + 2)));
    state_.settings.messageForHistory = {QStringLiteral("DX")};
    state_.settings.bbsMode = 1;

    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Applied);
    const QStringList addressees({"DX", "BLN", "EMAIL", "NWS", "SAT"});
    QCOMPARE(view_.entries[HistoryBox::MessageFor], addressees);
    QCOMPARE(state_.settings.messageForHistory, addressees);
    QCOMPARE(view_.entries[HistoryBox::TxData], QStringList({"Hello world", " leading blank"}));
    QCOMPARE(state_.link.RadioPort, 3);
    QCOMPARE(state_.settings.bbsMode, 1);
    QVERIFY(view_.beaconOn);
}

void TestSettingsIo::fallsBackOnReadError() {
    Settings s = everyKeySettings();
    s.headerColor = 0;
    s.screenColor = 0;
    s.dataColor = 255;
    s.alarmHeaderText.clear();
    s.alarmDataText.clear();
    s.txDataHistory = {QStringLiteral("Software: ZENO 2.5 beta"), QStringLiteral("Hello")};
    s.radioPort = 2;
    const QByteArray bytes = withValue(fileOf(s), "[Beacon Interval]", "sixty");
    putBytes(settingsPath(), bytes);
    state_.settings.toHistory = {QStringLiteral("DX")};
    state_.settings.viaHistory = {QStringLiteral("V1")};
    state_.settings.messageForHistory = {QStringLiteral("F1")};
    state_.settings.aprsDataHistory = {QStringLiteral("A1")};
    state_.settings.beaconInterval = 99;

    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Defaults);
    QVERIFY(dialogs_.boxes.isEmpty());
    const Settings& r = state_.settings;
    QCOMPARE(view_.callsign, QStringLiteral("PA3XYZ"));
    QCOMPARE(view_.entries[HistoryBox::To], QStringList({"DX", "CQ", "APRS", "PCSAT"}));
    QCOMPARE(view_.entries[HistoryBox::Via],
             QStringList({"V1", "RS0ISS", "PCSAT-1", "W3ADO-1", "WIDE,WIDE", ""}));
    QCOMPARE(view_.entries[HistoryBox::MessageFor],
             QStringList({"F1", "BLN", "EMAIL", "NWS", "SAT"}));
    QCOMPARE(view_.entries[HistoryBox::TxData], QStringList({"Software: ZENO 3.0", "Hello"}));
    for (HistoryBox box :
         {HistoryBox::To, HistoryBox::Via, HistoryBox::MessageFor, HistoryBox::TxData})
        QCOMPARE(r.history(box), view_.entries[box]);
    QCOMPARE(r.aprsDataHistory, QStringList({"A1"}));
    QVERIFY(!view_.entries.contains(HistoryBox::AprsData));
    QVERIFY(!view_.entries.contains(HistoryBox::MessageText));

    QCOMPARE(r.headerColor, 16777215);
    QCOMPARE(r.dataColor, 0);
    QCOMPARE(r.screenColor, 16711680);
    QCOMPARE(view_.monitorText, 16777215);
    QCOMPARE(view_.monitorBackground, 16711680);
    QCOMPARE(r.alarmHeaderText, QStringLiteral("RS0ISS*"));
    QCOMPARE(r.alarmDataText, QStringLiteral("Hello from Tarn"));
    QCOMPARE(view_.monitorFont, QStringLiteral("Fixedsys"));
    QCOMPARE(r.monitorFont, QStringLiteral("Fixedsys"));
    QCOMPARE(view_.dataBoxFore, 16711680);
    QCOMPARE(view_.dataBoxBack, 14737632);
    QCOMPARE(state_.link.RadioPort, 2);
    QCOMPARE(r.zenoTag, 0);
    QCOMPARE(r.beaconInterval, 99);
    // Nothing else of the file reaches the window.
    QVERIFY(view_.callsStartingWith("setWindow").isEmpty());
    QVERIFY(view_.callsStartingWith("setBoxText").isEmpty());
    QVERIFY(!view_.beaconOn);
    QVERIFY(view_.callsStartingWith("setAutoScrollChecked").isEmpty());
    // The next save replaces the file; what the operator had stays beside it.
    QCOMPARE(readAll(settingsPath() + ".bad"), bytes);
}

void TestSettingsIo::fallsBackForEveryCut() {
    const QByteArray whole = fileOf(everyKeySettings());
    // Offsets of the first value line that must be there and of the last one.
    const qsizetype callsignAt = whole.indexOf("[Your Call Sign]\r\n") + 18;
    const qsizetype lastValueAt = whole.indexOf("[Default APRS Text]\r\n") + 21;
    for (qsizetype size = 0; size <= whole.size(); ++size) {
        const QString where = QStringLiteral("cut after %1 bytes").arg(size);
        putBytes(settingsPath(), whole.left(size));
        AppState state;
        state.appPath = state_.appPath;
        FakeSettingsView view;
        RecordingDialogs dialogs;
        const LoadOutcome outcome = LoadSettings(state, view, dialogs);
        if (size <= callsignAt + 1) {
            QVERIFY2(outcome == LoadOutcome::InvalidCallsign, qPrintable(where));
            QVERIFY2(dialogs.boxes.size() == 1 && view.calls.isEmpty(), qPrintable(where));
        } else if (size <= lastValueAt) {
            QVERIFY2(outcome == LoadOutcome::Defaults, qPrintable(where));
            QVERIFY2(dialogs.boxes.isEmpty(), qPrintable(where));
            QVERIFY2(view.monitorFont == QStringLiteral("Fixedsys"), qPrintable(where));
            QVERIFY2(view.entries[HistoryBox::To] == QStringList({"CQ", "APRS", "PCSAT"}),
                     qPrintable(where));
        } else {
            QVERIFY2(outcome == LoadOutcome::Applied, qPrintable(where));
            QVERIFY2(view.monitorFont == QStringLiteral("Courier New"), qPrintable(where));
        }
    }
}

void TestSettingsIo::survivesGarbageFiles() {
    QRandomGenerator random(7);
    QList<QByteArray> files;
    for (int size : {1, 3, 64, 1500, 100000}) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        files << bytes;
    }
    files << QByteArray(3 * 1024 * 1024, '\0') << QByteArray(3 * 1024 * 1024, '\n');
    for (const QByteArray& bytes : files) {
        putBytes(settingsPath(), bytes);
        AppState state;
        state.appPath = state_.appPath;
        FakeSettingsView view;
        RecordingDialogs dialogs;
        const LoadOutcome outcome = LoadSettings(state, view, dialogs);
        QVERIFY(outcome == LoadOutcome::InvalidCallsign || outcome == LoadOutcome::Defaults);
        if (outcome == LoadOutcome::Defaults)
            QCOMPARE(view.monitorFont, QStringLiteral("Fixedsys"));
    }

    // A well-formed start and a list that runs on past what is read.
    QList<QByteArray> entries;
    for (int i = 0; i < 200000; ++i)
        entries << "entry " + QByteArray::number(i);
    putBytes(settingsPath(), withListLines(fileOf(everyKeySettings()), "[TX data text]", entries));
    QCOMPARE(LoadSettings(state_, view_, dialogs_), LoadOutcome::Defaults);
    QCOMPARE(view_.entries[HistoryBox::TxData].size(), 31);
    QCOMPARE(view_.entries[HistoryBox::TxData].last(), QStringLiteral("entry 30"));
}

void TestSettingsIo::reportsUnwritableLocation() {
    const QString notADirectory = dir_->filePath(QStringLiteral("plain-file"));
    putBytes(notADirectory, "x");
    state_.appPath = notADirectory;
    state_.settings = everyKeySettings();
    const QByteArray before = fileOf(state_.settings);
    view_.geometry = {1, 2, 3, 4};

    QVERIFY(!SaveSettings(state_, view_, dialogs_, platform_));
    QCOMPARE(dialogs_.boxes.size(), 1);
    QCOMPARE(dialogs_.boxes[0].text, kWriteFailed);
    QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("ZENO"));
    QCOMPARE(dialogs_.boxes[0].icon, MsgIcon::Exclamation);
    QCOMPARE(dialogs_.boxes[0].buttons, MsgButtons::Ok);
    QCOMPARE(fileOf(state_.settings), before);
    QCOMPARE(readAll(notADirectory), QByteArray("x"));
}

void TestSettingsIo::keepsOldFileWhenDiskIsFull() {
    const QByteArray old = fileOf(everyKeySettings());
    putBytes(settingsPath(), old);
    state_.settings = firstRunSettings(QStringLiteral("PA3XYZ"));

    // A file size limit makes every write past 100 bytes fail, as on a full disk.
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0)
        QSKIP("cannot limit the file size here");
    const bool saved_ok = SaveSettings(state_, view_, dialogs_, platform_);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved_ok);
    QCOMPARE(dialogs_.boxes.size(), 1);
    QCOMPARE(dialogs_.boxes[0].text, kWriteFailed);
    QCOMPARE(readAll(settingsPath()), old);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"zeno.ini"}));
}

void TestSettingsIo::keepsReadOnlyDirectoryUntouched() {
    putBytes(settingsPath(), "old");
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir_->filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("file permissions do not bind this user (root)");
    }
    const bool saved = SaveSettings(state_, view_, dialogs_, platform_);
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(dialogs_.boxes.size(), 1);
    QCOMPARE(readAll(settingsPath()), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestSettingsIo)
#include "tst_settingsio.moc"
