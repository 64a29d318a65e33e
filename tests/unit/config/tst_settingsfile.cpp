// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as one walk over its field table (every field written, read back and
// damaged), then LoadSettings and SaveSettings against a fake main window.

#include "config/firstrun.h"
#include "config/formdefaults.h"
#include "config/settingsfile.h"
#include "config/settingsio.h"
#include "config/systemtext.h"
#include "fakesettingsview.h"
#include "files/textfiles.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"
#include "support/testrows.h"

#include <QMap>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>

using namespace zeno;
using namespace zeno::test;

namespace {

const int kFields = int(settingsFields().size());

// The key line of a field; after the last field the first "[reserved]".
QByteArray keyOf(int field) {
    return field < kFields ? QByteArray(settingsFields()[field].key.data()) : "[reserved]";
}

// c callsign, t text, d default text, i integer, l long, r real, a alarm mode, L list, b BBS
char kindOf(int field) { return "ctdilraLb"[int(settingsFields()[field].kind)]; }

// A field's value lines in the sample files: each field away from its default and from every
// other field, holding the number base + its position.
QByteArrayList sampleValue(int field, int base) {
    const char kind = kindOf(field);
    const QByteArray n = QByteArray::number(base + field);
    const QByteArray v = QByteArray("ctdL").contains(kind) ? 'V' + n : ' ' + n;
    if (kind == 'L')
        return {v, v + 'b', "[**end**]"};
    return {kind == 'r' ? v + ".5" : kind == 'b' ? v + " /PW" : v};
}

QByteArray joinLines(const QByteArrayList& lines) { return lines.join("\r\n") + "\r\n"; }

QByteArrayList fileLines(const QByteArray& bytes) {
    return QByteArray(bytes).replace("\r\n", "\n").chopped(1).split('\n');
}

// The sample file, with one field's value lines replaced when asked.
QByteArray sampleFile(int base, int field = -1, const QByteArrayList& value = {}) {
    QByteArrayList lines{";ZENO v.3.0.1", "; comment"};
    for (int i = 0; i < kFields; ++i)
        lines << keyOf(i) << (i == field ? value : sampleValue(i, base));
    return joinLines(lines << "[reserved]"
                           << " ");
}

Settings sample(int base) { return readSettingsFile(sampleFile(base), Settings()).settings; }

// Read over the settings of the sample file 500.
SettingsFileContent read(const QByteArray& bytes) {
    static const Settings before = sample(500);
    return readSettingsFile(bytes, before);
}

QByteArray written(const Settings& s) { return writeSettingsFile(s, {}); }

// A field's value lines in a file's lines.
QByteArrayList valueOf(const QByteArrayList& lines, int field) {
    const qsizetype first = lines.indexOf(keyOf(field)) + 1;
    return lines.mid(first, lines.indexOf(keyOf(field + 1), first) - first);
}

Settings station() { return firstRunSettings(QStringLiteral("PA3XYZ")); }

// Kinds, name, value lines, the value written again (none: the field keeps what it held),
// read error.
using ValueCase = std::tuple<const char*, const char*, QByteArrayList, QByteArrayList, bool>;
const QList<ValueCase> kValueCases{
    {"ia", "largest", {"\t32767 "}, {" 32767"}, false},
    {"ia", "smallest", {"-32768"}, {"-32768"}, false},
    {"ia", "one above", {"32768"}, {}, true},
    {"ia", "one below", {"-32769"}, {}, true},
    {"ia", "empty", {""}, {" 0"}, false},
    {"ia", "a unit behind", {"60s"}, {}, true},
    {"l", "largest", {"2147483647"}, {" 2147483647"}, false},
    {"l", "smallest", {"-2147483648"}, {"-2147483648"}, false},
    {"l", "one above", {"2147483648"}, {}, true},
    {"l", "one below", {"-2147483649"}, {}, true},
    {"r", "a fraction", {" -.25 "}, {"-0.25"}, false},
    {"r", "beyond single precision", {'1' + QByteArray(39, '0')}, {}, true},
    {"r", "an exponent", {"1e5"}, {}, true},
    {"ct", "as it stands", {" pa3-x "}, {" pa3-x "}, false},
    {"d", "long", {"ABCDEFGHIJKL"}, {"ABCDEFGHIJKL"}, false},  // "[Default For:]" is cut to 9
    {"d", "empty", {""}, {}, false},
    {"L", "entries", {" x ", "", "y", " [**end**] "}, {" x ", "y", "[**end**]"}, false},
    {"L", "none", {"[**end**]"}, {}, false},
    {"b", "split at the first slash", {" 2 /A/B"}, {" 2 /A/B"}, false},
    {"b", "mode that is no number", {"x /PW"}, {" 0 /PW"}, false},
    {"b", "open, no password", {" 0 /"}, {" 0 /"}, false},
    {"b", "mode alone", {" 1"}, {}, false},
    {"b", "no slash", {" 2 SECRET"}, {}, true},
    {"b", "mode overflows", {"99999/PW"}, {}, true},
};

}  // namespace

class TestSettingsFile : public QObject {
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

    // Every field read from value lines of its kind and written again, while every other field
    // still reads its own sample value.
    void readsAndWritesEveryField_data() {
        columns<int, QByteArrayList, QByteArrayList, bool>("field", "lines", "written", "error");
        for (int i = 0; i < kFields; ++i) {
            for (const auto& [kinds, name, lines, written, error] : kValueCases) {
                QByteArrayList again = written.isEmpty() ? sampleValue(i, 500) : written;
                if (keyOf(i) == "[Default For:]" && lines == again)
                    again = {lines.first().left(9)};
                if (std::strchr(kinds, kindOf(i)))
                    QTest::addRow("%s %s", keyOf(i).data(), name) << i << lines << again << error;
            }
        }
    }

    void readsAndWritesEveryField() {
        QFETCH(int, field);
        const SettingsFileContent r =
            read(sampleFile(100, field, fetched<QByteArrayList>("lines")));
        QTEST(r.readError, "error");
        const QByteArrayList out = fileLines(written(r.settings));
        QTEST(valueOf(out, field), "written");
        for (int other = 0; other < kFields; ++other) {
            if (other != field)
                QCOMPARE(valueOf(out, other), sampleValue(other, 100));
        }
    }

    // A line deleted, or a key line put in its place, anywhere: every other value is still read
    // from under its own key line, and no value is ever a key line. At a key position a key
    // line reads like any other: the order of the lines is the format.
    void damagedFileNeverGivesAKeyLine_data() {
        columns<int, bool>("line", "deleted");
        for (int i = 0; i < fileLines(sampleFile(100)).size(); ++i) {
            QTest::addRow("line %d deleted", i + 1) << i << true;
            QTest::addRow("line %d a key line", i + 1) << i << false;
        }
    }

    void damagedFileNeverGivesAKeyLine() {
        QFETCH(int, line);
        QFETCH(bool, deleted);
        QByteArrayList lines = fileLines(sampleFile(100));
        int owner = -1;  // the field the line belongs to, and its value with the line deleted
        while (owner + 1 < kFields && lines.indexOf(keyOf(owner + 1)) <= line &&
               line < lines.indexOf("[reserved]"))
            ++owner;
        QByteArrayList shortened = owner < 0 ? QByteArrayList() : sampleValue(owner, 100);
        if (owner >= 0 && deleted && line > lines.indexOf(keyOf(owner)))
            shortened.removeAt(line - lines.indexOf(keyOf(owner)) - 1);
        if (deleted)
            lines.removeAt(line);
        else
            lines[line] = " [to CALL] ";
        const SettingsFileContent r = read(joinLines(lines));
        // The callsign's own line lost: no callsign, and nothing after it is read.
        const bool noCallsign = line == 3;
        QCOMPARE(r.callsignPlaceholder, noCallsign);
        const QByteArrayList out = fileLines(written(r.settings));
        for (int i = 0; i < kFields; ++i) {
            const QByteArrayList value = valueOf(out, i);
            const QList<QByteArrayList> kept{
                sampleValue(i, 100), sampleValue(i, 500), shortened, {"MYCALL"}};
            if (i == owner)
                QVERIFY2(kept.contains(value), value.join('|'));
            else
                QCOMPARE(value, sampleValue(i, noCallsign ? 500 : 100));
        }
    }

    // A removed pair shifts the later values; a key line the reader has passed is not read
    // again when it has lost its place; missing first lines lose nothing.
    void readsByPositionAndOnward() {
        QByteArrayList lines = fileLines(sampleFile(100));
        lines.remove(lines.indexOf("[Default For:]"), 2);
        lines[lines.indexOf("[To call]")] = "[Digistation]";
        lines.removeAt(lines.lastIndexOf("[Digistation]"));
        const Settings s = read(joinLines(lines)).settings;
        QCOMPARE(QStringList(
                     {s.toCall, s.digistation, s.defaultFor, s.defaultMessage, s.defaultAprsText}),
                 QStringList({"V101", "V502", "V136", "V137", " "}));
        // Without its header and comment line the file begins with the callsign's key line.
        const SettingsFileContent headless = read(joinLines(fileLines(sampleFile(100)).mid(2)));
        QVERIFY(!headless.readError && headless.settings.callsign == "V100");
    }

    // What would not read back as it stands is brought into range, onto one line, or left out.
    void writesOnlyWhatReadsBack() {
        Settings s = sample(100);
        s.beaconInterval = 40000;
        s.radioPort = -40000;
        s.aprs = QStringLiteral("two\r\nlines");
        s.toCall = QStringLiteral(" [beacon] ");
        // One "?" per character Latin-1 cannot hold, also for one outside the 16-bit range.
        s.alarmDataText = QStringLiteral("Zoë€") + QString::fromUcs4(U"\U0001F600");
        s.txDataHistory = QStringList{" ", " [**end**] ", "[APRS]", "b\nc"} + QStringList(26, "e");
        const SettingsFileContent r = read(written(s));
        QVERIFY(!r.readError);
        QCOMPARE(QList<int>({r.settings.beaconInterval, r.settings.radioPort}),
                 QList<int>({32767, -32768}));
        QCOMPARE(r.settings.aprs + '|' + r.settings.toCall + '|' + r.settings.alarmDataText,
                 QStringLiteral("two  lines||Zoë??"));
        // The first 25 entries count, the ones left out among them.
        QCOMPARE(r.settings.txDataHistory, QStringList{"b c"} + QStringList(21, "e"));
        SettingsDiagnostics addOns;
        addOns.addOnMenuVisible = true;
        QVERIFY(writeSettingsFile(s, addOns).endsWith(";addon   True\r\n"));
        // Single precision in the shortest text that reads back, never an exponent.
        QCOMPARE(formatRealValue(1234.56789) + formatRealValue(1e20) + formatRealValue(NAN),
                 " 1234.5679 100000002004087734272 0");
    }

    void keepsListsWithinLimits_data() {
        columns<QByteArray, int, int>("key", "writeLimit", "readLimit");
        row("TX", QByteArray("[TX data text]"), 25, 31);
        row("To", QByteArray("[To text]"), 10, 13);
        row("Via", QByteArray("[Via text]"), 11, 14);
        row("APRS-Data", QByteArray("[APRS-Data]"), 25, 31);
        row("For", QByteArray("[APRS Message For]"), 10, 13);
        row("Text", QByteArray("[APRS Message Text]"), 25, 31);
    }

    void keepsListsWithinLimits() {
        int field = 0;
        while (keyOf(field) != fetched<QByteArray>("key"))
            ++field;
        const auto box = std::get<HistoryBox>(settingsFields()[field].member);
        QByteArrayList lines;
        Settings s;
        for (int i = 0; i < 40; ++i)
            s.history(box) << QString::fromLatin1(
                lines.emplaceBack("entry " + QByteArray::number(i)));
        // The writer writes the first entries, the reader keeps the first and counts them all.
        QCOMPARE(read(written(s)).settings.history(box),
                 s.history(box).mid(0, fetched<int>("writeLimit")));
        const SettingsFileContent r = read(sampleFile(100, field, lines << "[**end**]"));
        QVERIFY(!r.readError);
        QCOMPARE(r.settings.history(box), s.history(box).mid(0, fetched<int>("readLimit")));
        QCOMPARE(r.listCounts[size_t(box)], 40);
    }

    void survivesCutAndLongFiles() {
        // Cut after every line and inside every line: short as soon as a value line is missing;
        // other line ends read the same.
        const QByteArray whole = sampleFile(100);
        const qsizetype lastValueAt = whole.indexOf("[Default APRS Text]\r\n") + 21;
        for (qsizetype size = 0; size <= whole.size(); ++size) {
            const SettingsFileContent r = read(whole.left(size));
            QVERIFY2(r.readError == (size <= lastValueAt) && !r.oldFormat && !r.callsignPlaceholder,
                     qPrintable(QStringLiteral("cut after %1 bytes").arg(size)));
        }
        for (const char* end : {"\n", "\r"}) {
            const QByteArray other = QByteArray(whole).replace("\r\n", end);
            QCOMPARE(written(read(other).settings), written(sample(100)));
        }
        // Far more than the reader takes: one endless line, where line 3 never comes.
        const SettingsFileContent endless = read(QByteArray(3 * kSettingsFileReadLimit, 'A'));
        QVERIFY(endless.readError && endless.settings.callsign == "V500");
        // A runaway value line is cut, and the lines after it still read.
        const SettingsFileContent runaway = read(sampleFile(100, 1, {QByteArray(100000, 'T')}));
        QVERIFY(runaway.settings.toCall.size() == kSettingsLineLimit && !runaway.readError);
    }

    // none: a file holding it is read as holding no callsign (one letter is refused aloud).
    void callsignRules_data() {
        columns<QString, bool, bool>("call", "valid", "none");
        row("SSID, blanks around", " pa3xyz-15 ", true, false);
        row("two characters", "AB", true, false);
        row("one character", "A", false, false);
        row("ten characters", "PA3XYZ-150", false, true);
        row("two dashes", "PA-3XY-1", false, true);
        row("a slash", "PA3XYZ/P", false, true);
        row("control character", "PA3\x01XY", false, true);
        row("letter outside ASCII", QStringLiteral("PA3\u00c4B"), false, true);
        row("a key line", "[To call]", false, true);
    }

    void callsignRules() {
        QFETCH(QString, call);
        QTEST(isValidCallsign(call), "valid");
        const SettingsFileContent r = read(sampleFile(100, 0, {call.toLatin1()}));
        QTEST(r.callsignUnreadable, "none");
        QTEST(r.callsignPlaceholder, "none");
    }

    // Every value but what the window supplies at the first save, and the callsign.
    void firstRunDefaultsReplaceEveryValue() {
        Settings start = sample(500);
        applyFirstRunDefaults(start);
        const QByteArrayList after = fileLines(written(start));
        const QByteArrayList first = fileLines(written(firstRunSettings(QStringLiteral(" v500 "))));
        const QByteArrayList window{"[h-size]",           "[v-size]",           "[left-pos]",
                                    "[top-pos]",          "[TXDataDefault]",    "[Default For:]",
                                    "[Default Message:]", "[Default APRS Text]"};
        for (int i = 0; i < kFields; ++i)
            QCOMPARE(valueOf(after, i),
                     window.contains(keyOf(i)) ? sampleValue(i, 500) : valueOf(first, i));
    }

    void detectsSystemText() {
        FakePlatform platform;
        QStringList texts;
        for (const char* version : {"4.0", "5.1", "6.1", ""}) {
            platform.setOsVersion(version, QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
            texts << detectwindows(platform);
        }
        QCOMPARE(texts,
                 QStringList({"4.0  Windows 95", "5.1  Windows XP",
                              "6.1  Debian GNU/Linux 12 (bookworm)", "Err detecting windows"}));
    }

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
        QByteArray expected = readFile(QFINDTESTDATA("../../data/config/first-run.ini"));
        expected.replace("@APPPATH@", dir_->path().toLatin1());
        // Line by line for a readable failure; every byte counts, line ends included.
        QCOMPARE(readFile(path()).split('\n'), expected.split('\n'));
    }

    // The boxes' texts and the window's place and size (+80 out, -80 in, where usable on the
    // fake 19200 x 14400 twips screen) go out and come back, and all of it is shown.
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

        state_.link.RadioPort = 0;
        FakeSettingsView window;
        if (calls.contains(QStringLiteral("maximizeWindow")))
            dialogs_.expectMessage(kProgramTitle, MsgAnswer::Ok, QStringLiteral("maximize"));
        QCOMPARE(LoadSettings(state_, window, dialogs_), LoadOutcome::Applied);
        QCOMPARE(state_.link.RadioPort, 3);
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
    // texts show the first entry or nothing, "[To call]" is cut to 10, an empty list leaves its
    // box alone, and colours that would hide the text are not applied.
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
            put(written(s));
        const bool refused = outcome == LoadOutcome::InvalidCallsign;
        if (refused)
            dialogs_.expectMessage(QStringLiteral("No valid Callsign"), MsgAnswer::Ok,
                                   QStringLiteral("No valid call entered."));
        view_.entries[HistoryBox::AprsData] = state_.settings.toHistory = {QStringLiteral("DX")};
        QCOMPARE(LoadSettings(state_, view_, dialogs_), outcome);
        QCOMPARE(readFile(path() + ".bad"), refused ? written(s) : QByteArray());
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
        const QByteArray bytes = written(station()).replace(";ZENO v.3", ";ZENO v.2");
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
        s.alarmHeaderText = s.alarmDataText = QString();
        s.txDataHistory = {QStringLiteral("Software: ZENO 2.5 beta"), QStringLiteral("Hello")};
        s.radioPort = 2;
        const QByteArray bytes =
            written(s).replace("[Beacon Interval]\r\n 60", "[Beacon Interval]\r\nsixty");
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
        QCOMPARE(readFile(path() + ".bad"), bytes);
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
        QVERIFY(!SaveSettings(state_, view_, dialogs_, FakePlatform()));  // told once
        QCOMPARE(dialogs_.shown.value(0).icon, MsgIcon::Exclamation);
        QCOMPARE(written(state_.settings), written(station()));
    }

private:
    QString path() const { return settingsFilePath(dir_->path()); }
    void put(const QByteArray& bytes) { QVERIFY(replaceFile(path(), bytes).isEmpty()); }

    std::unique_ptr<QTemporaryDir> dir_;
    AppState state_;
    FakeSettingsView view_;
    ScriptedDialogs dialogs_;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
