#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "config/systemtext.h"
#include "settingssamples.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

QByteArray written(const Settings& s) {
    SettingsDiagnostics d;
    d.systemDirectory = QStringLiteral("/etc/");
    d.appPath = QStringLiteral("/opt/zeno");
    d.writtenAt = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58));
    d.osText = QStringLiteral("6.1  Test");
    d.engineInitText = QStringLiteral("AGW 1.0") + QChar(0) + QStringLiteral("after the NUL");
    d.addOnMenuVisible = true;
    return writeSettingsFile(s, d);
}

SettingsFileContent readBytes(const QByteArray& bytes) {
    return readSettingsFile(bytes, otherSettings());
}

// The file of everyKeySettings() with the value line after key replaced.
QByteArray everyKeyFileWith(const QByteArray& key, const QByteArray& value) {
    return withValue(written(everyKeySettings()), key, value);
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Single precision, a blank for the sign, never an exponent.
    void formatsReals() {
        QCOMPARE(formatRealValue(12345.0), " 12345");
        QCOMPARE(formatRealValue(7545.5), " 7545.5");
        QCOMPARE(formatRealValue(-120.0), "-120");
        QCOMPARE(formatRealValue(-0.0), " 0");
        QCOMPARE(formatRealValue(1234.56789), " 1234.5679");
        QCOMPARE(formatRealValue(1e20), " 100000002004087734272");
        QCOMPARE(formatRealValue(std::nan("")), " 0");
    }

    // Blanks around are skipped, an empty line reads as 0; "-" where the value does not convert.
    void parsesNumbers() {
        const auto shown = [](const auto& value) {
            return value ? QString::number(*value) : QStringLiteral("-");
        };
        QStringList integers, reals;
        for (const QString& line :
             QStringList{"\t 60  ", "-1", "", "32767", "32768", "60s", QString(200, u'9')})
            integers << shown(parseIntegerValue(line, -32768, 32767));
        QCOMPARE(integers.join(u' '), "60 -1 0 32767 - - -");
        // The last one is beyond single precision.
        for (const QString& line :
             QStringList{" 7545.5 ", ".5", "1e5", "1.2.3", "nan", "1" + QString(40, u'0')})
            reals << shown(parseRealValue(line));
        QCOMPARE(reals.join(u' '), "7545.5 0.5 - - - -");
    }

    void encodesLatin1() {
        // One "?" per character, also for one outside the 16-bit range.
        QCOMPARE(toLatin1Bytes(QStringLiteral("Zoë€") + QString::fromUcs4(U"\U0001F600") + "c"),
                 "Zo\xEB??c");
    }

    void roundTripsEveryKey() {
        const QByteArray bytes = written(everyKeySettings());
        const SettingsFileContent r = readBytes(bytes);
        QVERIFY(!r.readError && !r.oldFormat && !r.callsignPlaceholder);
        // Written again, the values read give the same file: no key was lost or moved.
        QCOMPARE(written(r.settings), bytes);
        QCOMPARE(r.settings.topPos, 1234.25);
        QCOMPARE(r.settings.alarmDataText, QStringLiteral("Zoë"));
        QCOMPARE(r.settings.txDataHistory.at(1), " leading blank");
        QCOMPARE(r.settings.viaHistory, QStringList({"RS0ISS", "ARISS"}));  // no empty entry
        QCOMPARE(r.listCounts[size_t(HistoryBox::Via)], 2);
        // The diagnostics are never read back; the rest of them is in the first-run file.
        QVERIFY(bytes.endsWith(";agwinit AGW 1.0\r\n;addon   True\r\n"));
        // Other line ends read the same.
        for (const char* end : {"\n", "\r"})
            QCOMPARE(written(readBytes(QByteArray(bytes).replace("\r\n", end)).settings), bytes);
    }

    void firstRunDefaultsReplaceEveryValue() {
        Settings start = otherSettings();
        applyFirstRunDefaults(start);
        // Left alone: the callsign, and what the window supplies at the first save.
        Settings expected = firstRunSettings(start.callsign);
        expected.hSize = expected.vSize = expected.leftPos = expected.topPos = 7;
        expected.txDataDefault = expected.defaultFor = expected.defaultMessage =
            expected.defaultAprsText = QStringLiteral("x");
        QCOMPARE(written(start), written(expected));
        QCOMPARE(firstRunSettings(QStringLiteral(" pa3xyz ")).callsign, "PA3XYZ");
    }

    void keepsEveryValueReadable() {
        Settings s = everyKeySettings();
        s.beaconInterval = 40000;
        s.radioPort = -40000;
        s.aprs = QStringLiteral("two\r\nlines");
        s.alarmHeaderText = QStringLiteral("cr\ronly");
        s.txDataHistory = {QStringLiteral("a"), QStringLiteral(" [**end**] "),
                           QStringLiteral("b\nc")};
        s.defaultFor = QStringLiteral("ABCDEFGHIJKL");
        s.defaultMessage.clear();  // an empty default keeps what was there
        const SettingsFileContent r = readBytes(written(s));
        QVERIFY(!r.readError);
        QCOMPARE(r.settings.beaconInterval, 32767);
        QCOMPARE(r.settings.radioPort, -32768);
        QCOMPARE(r.settings.aprs, "two  lines");
        QCOMPARE(r.settings.alarmHeaderText, "cr only");
        QCOMPARE(r.settings.txDataHistory, QStringList({"a", "b c"}));
        QCOMPARE(r.settings.defaultFor, "ABCDEFGHI");
        QCOMPARE(r.settings.defaultMessage, "x");
        QCOMPARE(r.settings.defaultAprsText, s.defaultAprsText);
    }

    void keepsListsWithinLimits_data() {
        columns<int, QByteArray, int, int>("box", "key", "writeLimit", "readLimit");
        row("TX", int(HistoryBox::TxData), QByteArray("[TX data text]"), 25, 31);
        row("To", int(HistoryBox::To), QByteArray("[To text]"), 10, 13);
        row("Via", int(HistoryBox::Via), QByteArray("[Via text]"), 11, 14);
        row("APRS-Data", int(HistoryBox::AprsData), QByteArray("[APRS-Data]"), 25, 31);
        row("For", int(HistoryBox::MessageFor), QByteArray("[APRS Message For]"), 10, 13);
        row("Message text", int(HistoryBox::MessageText), QByteArray("[APRS Message Text]"), 25,
            31);
    }

    void keepsListsWithinLimits() {
        QFETCH(int, box);
        Settings s = everyKeySettings();
        QStringList& list = s.history(HistoryBox(box));
        list.clear();
        QList<QByteArray> lines;
        for (int i = 0; i < 40; ++i) {
            lines << "entry " + QByteArray::number(i);
            list << QString::fromLatin1(lines.last());
        }
        // The writer writes the first entries, the reader keeps the first and counts them all.
        const QByteArray bytes = written(s);
        QCOMPARE(readBytes(bytes).settings.history(HistoryBox(box)),
                 list.mid(0, fetched<int>("writeLimit")));
        const SettingsFileContent r =
            readBytes(withListLines(bytes, fetched<QByteArray>("key"), lines));
        QVERIFY(!r.readError);
        QCOMPARE(r.settings.history(HistoryBox(box)), list.mid(0, fetched<int>("readLimit")));
        QCOMPARE(r.listCounts[size_t(box)], 40);
        QCOMPARE(r.settings.defaultAprsText, "Portable");  // still in step
    }

    void listEntriesAsTheyStand() {
        // Blank entries are not written; the first 25 entries count, blank or not.
        Settings s = everyKeySettings();
        s.txDataHistory = QStringList(40, QStringLiteral("entry"));
        s.txDataHistory[3] = QString();
        s.txDataHistory[7] = QStringLiteral(" ");
        QCOMPARE(readBytes(written(s)).settings.txDataHistory, QStringList(23, "entry"));

        // Read back, an empty line is no entry; a line of blanks is one, kept as it stands.
        QByteArray bytes =
            withListLines(written(everyKeySettings()), "[To text]", {"  CQ  ", "", "   ", "DX"});
        bytes = withListLines(bytes, "[APRS-Data]", {"", ""});
        const SettingsFileContent r =
            readBytes(bytes.replace("DX\r\n[**end**]", "DX\r\n  [**end**] "));
        QVERIFY(!r.readError);
        QCOMPARE(r.settings.toHistory, QStringList({"  CQ  ", "   ", "DX"}));
        // A list the file leaves empty keeps what it held.
        QCOMPARE(r.listCounts[size_t(HistoryBox::AprsData)], 0);
        QCOMPARE(r.settings.aprsDataHistory, QStringList({"old"}));
    }

    void readsBbsLine_data() {
        columns<QByteArray, bool, int, QString>("line", "error", "mode", "password");
        // otherSettings() holds mode 7 and password "x": those mean "left as it was".
        row("split at the first slash", QByteArray(" 2 /A/B"), false, 2, "A/B");
        row("no blanks", QByteArray("2/AB"), false, 2, "AB");
        row("open, no password", QByteArray(" 0 /"), false, 0, "");
        row("mode that is no number", QByteArray("x /PW"), false, 0, "PW");
        row("mode alone", QByteArray(" 1"), false, 7, "x");
        row("no slash", QByteArray(" 2 SECRET"), true, 7, "x");
        row("mode overflows", QByteArray("99999/PW"), true, 7, "x");
    }

    void readsBbsLine() {
        const SettingsFileContent r =
            readBytes(everyKeyFileWith("[BBS Commands]", fetched<QByteArray>("line")));
        QTEST(r.readError, "error");
        QTEST(r.settings.bbsMode, "mode");
        QTEST(r.settings.bbsPassword, "password");
        QCOMPARE(r.settings.swlMode, 1);  // the next values still read
    }

    // A file of the previous release: the same lines up to "[ZENO Tag]", then nothing we read.
    void readsOldFormat() {
        QList<QByteArray> lines = fileLines(written(everyKeySettings()));
        lines[0] = ";ZENO v.2.5 old release";
        lines = lines.mid(0, lines.indexOf("[ZENO Tag]") + 2) << "[something else]"
                                                              << "junk";
        const SettingsFileContent r = readBytes(joinLines(lines));
        QVERIFY(r.oldFormat);
        QVERIFY(!r.readError);
        QCOMPARE(r.settings.zenoTag, -1);
        QCOMPARE(r.settings.messageForHistory, QStringList({"old"}));
        QCOMPARE(r.settings.bbsMode, 7);
        QCOMPARE(r.listCounts[size_t(HistoryBox::MessageFor)], 0);

        // The same cut in a current file is a short file.
        lines[0] = ";ZENO v.3.0.1";
        QVERIFY(readBytes(joinLines(lines)).readError);
    }

    void survivesCutAndBrokenFiles() {
        // Cut after every line and inside every line: short as soon as a value line is missing.
        const QByteArray whole = written(everyKeySettings());
        const qsizetype lastValueAt = whole.indexOf("[Default APRS Text]\r\n") + 21;
        for (qsizetype size = 0; size <= whole.size(); ++size) {
            const SettingsFileContent r = readBytes(whole.left(size));
            QVERIFY2(r.readError == (size <= lastValueAt) && !r.oldFormat && !r.callsignPlaceholder,
                     qPrintable(QStringLiteral("cut after %1 bytes").arg(size)));
        }
        QRandomGenerator random(20240307);
        for (int size : {2, 300, 70000}) {
            QByteArray bytes(size, Qt::Uninitialized);
            for (char& c : bytes)
                c = static_cast<char>(random.bounded(256));
            const SettingsFileContent r = readBytes(bytes);
            QVERIFY(r.readError || r.callsignPlaceholder || r.oldFormat);
        }
        // Far more than the reader takes: one endless line.
        const SettingsFileContent endless = readBytes(QByteArray(3 * kSettingsFileReadLimit, 'A'));
        QVERIFY(endless.readError);
        QCOMPARE(endless.settings.callsign, "OTHER");  // line 3 never came
        // A runaway value line is cut, and the lines after it still read.
        const SettingsFileContent runaway =
            readBytes(everyKeyFileWith("[To call]", QByteArray(100000, 'T')));
        QCOMPARE(runaway.settings.toCall.size(), kSettingsLineLimit);
        QVERIFY(!runaway.readError);
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
        const SettingsFileContent r =
            readBytes(everyKeyFileWith("[Your Call Sign]", call.toLatin1()));
        QCOMPARE(r.callsignUnreadable, !readable);
        QCOMPARE(r.callsignPlaceholder, !readable);
    }

    void detectsSystemText() {
        FakePlatform platform;
        const auto text = [&](const char* version) {
            platform.setOsVersion(version, QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
            return detectwindows(platform);
        };
        QCOMPARE(text("4.0"), "4.0  Windows 95");
        QCOMPARE(text("5.1"), "5.1  Windows XP");
        QCOMPARE(text("6.1"), "6.1  Debian GNU/Linux 12 (bookworm)");
        QCOMPARE(text(""), "Err detecting windows");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
