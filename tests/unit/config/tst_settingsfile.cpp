// The settings file as one walk over its field table: every field written, read back and
// damaged.

#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "config/systemtext.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"

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

QByteArrayList writtenLines(const Settings& s) { return fileLines(written(s)); }

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
    {"ct", "as it stands", {" a  b "}, {" a  b "}, false},
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
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

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
        const QByteArrayList out = writtenLines(r.settings);
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
        const QByteArrayList out = writtenLines(r.settings);
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

    void callsignRules_data() {
        columns<QString, bool, bool>("call", "readable", "valid");  // in a file; when entered
        row("SSID, blanks around", " pa3xyz-15 ", true, true);
        row("two characters", "AB", true, true);
        row("one character", "A", true, false);
        row("ten characters", "PA3XYZ-150", false, false);
        row("two dashes", "PA-3XY-1", true, false);
        row("a slash", "PA3XYZ/P", true, false);
        row("control character", "PA3\x01XY", false, false);
        row("letter outside ASCII", QStringLiteral("PA3\u00c4B"), true, false);
    }

    void callsignRules() {
        QFETCH(QString, call);
        QFETCH(bool, readable);
        QCOMPARE(isReadableCallsign(call), readable);
        QTEST(isValidCallsign(call), "valid");
        // A file holding an unreadable callsign is read as holding none.
        const SettingsFileContent r = read(sampleFile(100, 0, {call.toLatin1()}));
        QCOMPARE(r.callsignUnreadable, !readable);
        QCOMPARE(r.callsignPlaceholder, !readable);
    }

    // Every value but what the window supplies at the first save, and the callsign.
    void firstRunDefaultsReplaceEveryValue() {
        Settings start = sample(500);
        applyFirstRunDefaults(start);
        const Settings first = firstRunSettings(QStringLiteral(" v500 "));
        const QByteArrayList window{"[h-size]",           "[v-size]",           "[left-pos]",
                                    "[top-pos]",          "[TXDataDefault]",    "[Default For:]",
                                    "[Default Message:]", "[Default APRS Text]"};
        for (int i = 0; i < kFields; ++i)
            QCOMPARE(valueOf(writtenLines(start), i), window.contains(keyOf(i))
                                                          ? sampleValue(i, 500)
                                                          : valueOf(writtenLines(first), i));
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
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
