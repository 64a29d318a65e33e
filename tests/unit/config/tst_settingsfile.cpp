#include "config/firstrun.h"
#include "config/settingsfile.h"
#include "config/systemtext.h"
#include "settingssamples.h"
#include "testdoubles.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

SettingsDiagnostics someDiagnostics() {
    SettingsDiagnostics d;
    d.systemDirectory = QStringLiteral("/etc/");
    d.appPath = QStringLiteral("/opt/zeno");
    d.writtenAt = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58));
    d.osText = QStringLiteral("6.1  Test");
    d.engineInitText = QStringLiteral("Engine");
    return d;
}

QByteArray written(const Settings& s) {
    return writeSettingsFile(s, someDiagnostics());
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void formatsReals_data();
    void formatsReals();
    void parsesNumbers_data();
    void parsesNumbers();
    void parsesReals_data();
    void parsesReals();
    void encodesLatin1();

    void roundTripsEveryKey();
    void firstRunDefaultsReplaceEveryValue();
    void clampsIntegersSoTheyReadBack();
    void keepsEveryValueOnItsLine();
    void writesDiagnostics();
    void writesListsWithinLimits_data();
    void writesListsWithinLimits();
    void readsListsWithinLimits_data();
    void readsListsWithinLimits();
    void readsListEntriesAsTheyStand();
    void keepsListsTheFileLeavesEmpty();
    void readsBbsLine_data();
    void readsBbsLine();
    void cutsDefaultForAndKeepsEmptyDefaults();
    void stopsAtPlaceholderCallsign_data();
    void stopsAtPlaceholderCallsign();
    void readsOldFormat();
    void goesOnAfterABadNumber();
    void acceptsOtherLineEnds();
    void reportsEveryCutFile();
    void survivesGarbage();

    void namesWindowsReleases_data();
    void namesWindowsReleases();
    void detectsSystemText_data();
    void detectsSystemText();
};

void TestSettingsFile::formatsReals_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 12345.0 << " 12345";
    QTest::newRow("half") << 7545.5 << " 7545.5";
    QTest::newRow("small fraction") << 0.25 << " 0.25";
    QTest::newRow("negative") << -120.0 << "-120";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("single precision") << 1234.56789 << " 1234.5679";
    QTest::newRow("large, no exponent") << 1e20 << " 100000002004087734272";
    QTest::newRow("not a number") << std::nan("") << " 0";
}

void TestSettingsFile::formatsReals() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatRealValue(value), text);
}

void TestSettingsFile::parsesNumbers_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<qint64>("value");
    QTest::newRow("sign blank") << " 60" << true << qint64(60);
    QTest::newRow("blanks around") << "\t 60  " << true << qint64(60);
    QTest::newRow("negative") << "-1" << true << qint64(-1);
    QTest::newRow("plus") << "+3" << true << qint64(3);
    QTest::newRow("empty reads as 0") << "" << true << qint64(0);
    QTest::newRow("blanks read as 0") << "   " << true << qint64(0);
    QTest::newRow("16-bit top") << "32767" << true << qint64(32767);
    QTest::newRow("beyond 16 bits") << "32768" << false << qint64(0);
    QTest::newRow("word") << "sixty" << false << qint64(0);
    QTest::newRow("trailing text") << "60s" << false << qint64(0);
    QTest::newRow("two numbers") << "6 0" << false << qint64(0);
    QTest::newRow("decimal point") << "1.5" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
    QTest::newRow("huge") << QString(200, QLatin1Char('9')) << false << qint64(0);
    QTest::newRow("key line") << "[Beacon]" << false << qint64(0);
}

void TestSettingsFile::parsesNumbers() {
    QFETCH(QString, line);
    QFETCH(bool, converts);
    QFETCH(qint64, value);
    const std::optional<qint64> parsed = parseIntegerValue(line, -32768, 32767);
    QCOMPARE(parsed.has_value(), converts);
    if (converts)
        QCOMPARE(*parsed, value);
}

void TestSettingsFile::parsesReals_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << " 11480" << true << 11480.0;
    QTest::newRow("fraction") << " 7545.5 " << true << 7545.5;
    QTest::newRow("no leading digit") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "12." << true << 12.0;
    QTest::newRow("negative") << "-45" << true << -45.0;
    QTest::newRow("empty") << "" << true << 0.0;
    QTest::newRow("exponent") << "1e5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("beyond single precision") << "1" + QString(40, QLatin1Char('0')) << false << 0.0;
}

void TestSettingsFile::parsesReals() {
    QFETCH(QString, line);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const std::optional<double> parsed = parseRealValue(line);
    QCOMPARE(parsed.has_value(), converts);
    if (converts)
        QCOMPARE(*parsed, value);
}

void TestSettingsFile::encodesLatin1() {
    QCOMPARE(toLatin1Bytes(QStringLiteral("Zoë")), QByteArray("Zo\xEB"));
    // One "?" per character, also for one outside the 16-bit range.
    QCOMPARE(toLatin1Bytes(QStringLiteral("a€b") + QString::fromUcs4(U"\U0001F600") + "c"),
             QByteArray("a?b?c"));
}

void TestSettingsFile::roundTripsEveryKey() {
    const Settings sample = everyKeySettings();
    const QByteArray bytes = written(sample);
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(!read.readError);
    QVERIFY(!read.oldFormat);
    QVERIFY(!read.callsignPlaceholder);
    // Written again, the values read give the same file: no key was lost or moved.
    QCOMPARE(written(read.settings), bytes);
    QCOMPARE(read.settings.hSize, 11487.5);
    QCOMPARE(read.settings.topPos, 1234.25);
    QCOMPARE(read.settings.alarmMode, std::optional<int>(2));
    QCOMPARE(read.settings.bbsMode, 2);
    QCOMPARE(read.settings.bbsPassword, QStringLiteral("SECRET/2"));
    QCOMPARE(read.settings.alarmDataText, QStringLiteral("Zoë"));
    QCOMPARE(read.settings.txDataHistory.at(1), QStringLiteral(" leading blank"));
    QCOMPARE(read.settings.viaHistory, QStringList({"RS0ISS", "ARISS"}));
    QCOMPARE(read.listCounts[static_cast<size_t>(HistoryBox::Via)], 2);
}

void TestSettingsFile::firstRunDefaultsReplaceEveryValue() {
    Settings start = otherSettings();
    applyFirstRunDefaults(start);
    // Left alone: the callsign, and what the window supplies at the first save.
    Settings expected = firstRunSettings(start.callsign);
    expected.hSize = start.hSize;
    expected.vSize = start.vSize;
    expected.leftPos = start.leftPos;
    expected.topPos = start.topPos;
    expected.txDataDefault = start.txDataDefault;
    expected.defaultFor = start.defaultFor;
    expected.defaultMessage = start.defaultMessage;
    expected.defaultAprsText = start.defaultAprsText;
    QCOMPARE(written(start), written(expected));
    QCOMPARE(firstRunSettings(QStringLiteral(" pa3xyz ")).callsign, QStringLiteral("PA3XYZ"));
}

void TestSettingsFile::clampsIntegersSoTheyReadBack() {
    Settings s = everyKeySettings();
    s.beaconInterval = 40000;
    s.radioPort = -40000;
    const SettingsFileContent read = readSettingsFile(written(s), otherSettings());
    QVERIFY(!read.readError);
    QCOMPARE(read.settings.beaconInterval, 32767);
    QCOMPARE(read.settings.radioPort, -32768);
}

void TestSettingsFile::keepsEveryValueOnItsLine() {
    Settings s = everyKeySettings();
    s.aprs = QStringLiteral("two\r\nlines");
    s.alarmHeaderText = QStringLiteral("cr\ronly");
    s.txDataHistory = {QStringLiteral("a"), QStringLiteral(" [**end**] "), QStringLiteral("b\nc")};
    const QByteArray bytes = written(s);
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(!read.readError);
    QCOMPARE(read.settings.aprs, QStringLiteral("two  lines"));
    QCOMPARE(read.settings.alarmHeaderText, QStringLiteral("cr only"));
    QCOMPARE(read.settings.txDataHistory, QStringList({"a", "b c"}));
    QCOMPARE(read.settings.defaultAprsText, s.defaultAprsText);
}

void TestSettingsFile::writesDiagnostics() {
    SettingsDiagnostics d = someDiagnostics();
    d.engineInitText = QStringLiteral("AGW 1.0") + QChar(0) + QStringLiteral("after the NUL");
    d.addOnMenuVisible = true;
    const QList<QByteArray> lines = fileLines(writeSettingsFile(everyKeySettings(), d));
    const qsizetype debug = lines.indexOf("[Debugset]");
    QCOMPARE(lines.mid(debug - 12, 12),
             QList<QByteArray>({"[reserved]", " ", "[reserved]", " ", "[reserved]", " ",
                                "[reserved]", " ", "[reserved]", " ", "[reserved]", " "}));
    QCOMPARE(lines.mid(debug + 1),
             QList<QByteArray>({";winddir /etc/", ";apppath /opt/zeno", ";timeset 23:59:58",
                                ";dateset 12-31-2024", ";windver 6.1  Test", ";agwinit AGW 1.0",
                                ";addon   True"}));
}

void TestSettingsFile::writesListsWithinLimits_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QList<int>>("blanks");
    QTest::addColumn<int>("written");
    QTest::newRow("TX 40") << int(HistoryBox::TxData) << QByteArray("[TX data text]") << 40
                           << QList<int>() << 25;
    QTest::newRow("TX 40, blanks in the first 25")
        << int(HistoryBox::TxData) << QByteArray("[TX data text]") << 40 << QList<int>({3, 7, 30})
        << 23;
    QTest::newRow("To 12") << int(HistoryBox::To) << QByteArray("[To text]") << 12 << QList<int>()
                           << 10;
    QTest::newRow("Via 12") << int(HistoryBox::Via) << QByteArray("[Via text]") << 12
                            << QList<int>() << 11;
    QTest::newRow("Via with empty entry")
        << int(HistoryBox::Via) << QByteArray("[Via text]") << 5 << QList<int>({4}) << 4;
    QTest::newRow("APRS-Data 30") << int(HistoryBox::AprsData) << QByteArray("[APRS-Data]") << 30
                                  << QList<int>() << 25;
    QTest::newRow("For 14") << int(HistoryBox::MessageFor) << QByteArray("[APRS Message For]") << 14
                            << QList<int>() << 10;
    QTest::newRow("Message text 26")
        << int(HistoryBox::MessageText) << QByteArray("[APRS Message Text]") << 26 << QList<int>()
        << 25;
    QTest::newRow("none") << int(HistoryBox::To) << QByteArray("[To text]") << 0 << QList<int>()
                          << 0;
}

void TestSettingsFile::writesListsWithinLimits() {
    QFETCH(int, box);
    QFETCH(QByteArray, key);
    QFETCH(int, entries);
    QFETCH(QList<int>, blanks);
    QFETCH(int, written);
    Settings s = everyKeySettings();
    QStringList& list = s.history(static_cast<HistoryBox>(box));
    list.clear();
    for (int i = 0; i < entries; ++i)
        list << (blanks.contains(i) ? QString(i % 2, QLatin1Char(' '))
                                    : QStringLiteral("entry %1").arg(i));
    const QList<QByteArray> lines = listLines(::written(s), key);
    QCOMPARE(lines.size(), written);
    if (written > 0) {
        QCOMPARE(lines.first(), QByteArray("entry 0"));  // the first entries are the ones kept
        QVERIFY(!lines.contains(QByteArray()) && !lines.contains(QByteArray(" ")));
    }
}

void TestSettingsFile::readsListsWithinLimits_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("kept");
    QTest::newRow("TX 40") << int(HistoryBox::TxData) << QByteArray("[TX data text]") << 40 << 31;
    QTest::newRow("TX 31") << int(HistoryBox::TxData) << QByteArray("[TX data text]") << 31 << 31;
    QTest::newRow("To 20") << int(HistoryBox::To) << QByteArray("[To text]") << 20 << 13;
    QTest::newRow("Via 20") << int(HistoryBox::Via) << QByteArray("[Via text]") << 20 << 14;
    QTest::newRow("APRS-Data 40") << int(HistoryBox::AprsData) << QByteArray("[APRS-Data]") << 40
                                  << 31;
    QTest::newRow("For 20") << int(HistoryBox::MessageFor) << QByteArray("[APRS Message For]") << 20
                            << 13;
    QTest::newRow("Message text 40")
        << int(HistoryBox::MessageText) << QByteArray("[APRS Message Text]") << 40 << 31;
}

void TestSettingsFile::readsListsWithinLimits() {
    QFETCH(int, box);
    QFETCH(QByteArray, key);
    QFETCH(int, entries);
    QFETCH(int, kept);
    QList<QByteArray> lines;
    for (int i = 0; i < entries; ++i)
        lines << "entry " + QByteArray::number(i);
    const QByteArray bytes = withListLines(written(everyKeySettings()), key, lines);

    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(!read.readError);
    const QStringList& list = read.settings.history(static_cast<HistoryBox>(box));
    QCOMPARE(list.size(), kept);
    QCOMPARE(list.first(), QStringLiteral("entry 0"));
    QCOMPARE(list.last(), QStringLiteral("entry %1").arg(kept - 1));
    QCOMPARE(read.listCounts[static_cast<size_t>(box)], entries);
    // The rest of the file stays in step.
    QCOMPARE(read.settings.defaultAprsText, QStringLiteral("Portable"));
}

void TestSettingsFile::readsListEntriesAsTheyStand() {
    QByteArray bytes =
        withListLines(written(everyKeySettings()), "[To text]", {"  CQ  ", "", "   ", "DX"});
    const QByteArray withBlankEnd = bytes.replace("DX\r\n[**end**]", "DX\r\n  [**end**]  ");
    const SettingsFileContent read = readSettingsFile(withBlankEnd, otherSettings());
    QVERIFY(!read.readError);
    // An empty line is no entry; a line of blanks is one, like any text, kept as it stands.
    QCOMPARE(read.settings.toHistory, QStringList({"  CQ  ", "   ", "DX"}));
    QCOMPARE(read.settings.viaHistory, QStringList({"RS0ISS", "ARISS"}));
}

void TestSettingsFile::keepsListsTheFileLeavesEmpty() {
    const QByteArray bytes = withListLines(written(everyKeySettings()), "[APRS-Data]", {"", ""});
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(!read.readError);
    QCOMPARE(read.listCounts[static_cast<size_t>(HistoryBox::AprsData)], 0);
    QCOMPARE(read.settings.aprsDataHistory, QStringList({"old"}));
}

void TestSettingsFile::readsBbsLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("error");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("password");
    // otherSettings() holds mode 7 and password "x": those mean "left as it was".
    QTest::newRow("password mode") << QByteArray(" 2 /SECRET") << false << 2 << "SECRET";
    QTest::newRow("split at the first slash") << QByteArray(" 2 /A/B") << false << 2 << "A/B";
    QTest::newRow("no blanks") << QByteArray("2/AB") << false << 2 << "AB";
    QTest::newRow("open, no password") << QByteArray(" 0 /") << false << 0 << "";
    QTest::newRow("disabled, no password") << QByteArray(" 1 /") << false << 1 << "";
    QTest::newRow("mode that is no number") << QByteArray("x /PW") << false << 0 << "PW";
    QTest::newRow("empty") << QByteArray("") << false << 7 << "x";
    QTest::newRow("mode alone") << QByteArray(" 1") << false << 7 << "x";
    QTest::newRow("no slash") << QByteArray(" 2 SECRET") << true << 7 << "x";
    QTest::newRow("mode overflows") << QByteArray("99999/PW") << true << 7 << "x";
}

void TestSettingsFile::readsBbsLine() {
    QFETCH(QByteArray, line);
    QFETCH(bool, error);
    QFETCH(int, mode);
    QFETCH(QString, password);
    const QByteArray bytes = withValue(written(everyKeySettings()), "[BBS Commands]", line);
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QCOMPARE(read.readError, error);
    QCOMPARE(read.settings.bbsMode, mode);
    QCOMPARE(read.settings.bbsPassword, password);
    QCOMPARE(read.settings.swlMode, 1);  // the next values still read
}

void TestSettingsFile::cutsDefaultForAndKeepsEmptyDefaults() {
    QByteArray bytes = withValue(written(everyKeySettings()), "[Default For:]", "ABCDEFGHIJKL");
    bytes = withValue(bytes, "[Default Message:]", "");
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(!read.readError);
    QCOMPARE(read.settings.defaultFor, QStringLiteral("ABCDEFGHI"));
    QCOMPARE(read.settings.defaultMessage, QStringLiteral("x"));
}

void TestSettingsFile::stopsAtPlaceholderCallsign_data() {
    QTest::addColumn<QByteArray>("callsign");
    QTest::newRow("as written") << QByteArray("MYCALL");
    QTest::newRow("lower case, blanks") << QByteArray("  mycall ");
}

void TestSettingsFile::stopsAtPlaceholderCallsign() {
    QFETCH(QByteArray, callsign);
    const QByteArray bytes = withValue(written(everyKeySettings()), "[Your Call Sign]", callsign);
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(read.callsignPlaceholder);
    QCOMPARE(read.settings.toCall, QStringLiteral("X"));
    QCOMPARE(read.settings.monitorFont, QStringLiteral("Other"));
}

void TestSettingsFile::readsOldFormat() {
    // A file of the previous release: the same lines up to "[ZENO Tag]", then nothing we read.
    QList<QByteArray> lines = fileLines(written(everyKeySettings()));
    lines[0] = ";ZENO v.2.5 old release";
    lines = lines.mid(0, lines.indexOf("[ZENO Tag]") + 2);
    lines << "[something else]"
          << "junk";
    const SettingsFileContent read = readSettingsFile(joinLines(lines), otherSettings());
    QVERIFY(read.oldFormat);
    QVERIFY(!read.readError);
    QCOMPARE(read.settings.callsign, QStringLiteral("PA3XYZ"));
    QCOMPARE(read.settings.radioPort, 3);
    QCOMPARE(read.settings.zenoTag, -1);
    QCOMPARE(read.settings.viaHistory, QStringList({"RS0ISS", "ARISS"}));
    QCOMPARE(read.settings.messageForHistory, QStringList({"old"}));
    QCOMPARE(read.settings.bbsMode, 7);
    QCOMPARE(read.settings.defaultAprsText, QStringLiteral("x"));
    QCOMPARE(read.listCounts[static_cast<size_t>(HistoryBox::MessageFor)], 0);

    // The same cut in a current file is a short file.
    lines[0] = ";ZENO v.3.0.1";
    QVERIFY(readSettingsFile(joinLines(lines), otherSettings()).readError);
}

void TestSettingsFile::goesOnAfterABadNumber() {
    const QByteArray bytes = withValue(written(everyKeySettings()), "[Beacon Interval]", "sixty");
    const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
    QVERIFY(read.readError);
    QCOMPARE(read.settings.beaconInterval, 11);
    QCOMPARE(read.settings.autoScroll, 0);
    QCOMPARE(read.settings.defaultAprsText, QStringLiteral("Portable"));
}

void TestSettingsFile::acceptsOtherLineEnds() {
    const QByteArray crlf = written(everyKeySettings());
    const Settings expected = readSettingsFile(crlf, otherSettings()).settings;
    for (const QByteArray& end : {QByteArray("\n"), QByteArray("\r")}) {
        QByteArray bytes = crlf;
        bytes.replace("\r\n", end);
        const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
        QVERIFY(!read.readError);
        QCOMPARE(written(read.settings), written(expected));
    }
}

void TestSettingsFile::reportsEveryCutFile() {
    const QList<QByteArray> lines = fileLines(written(everyKeySettings()));
    const qsizetype needed = lines.indexOf("[Default APRS Text]") + 2;
    for (qsizetype n = 0; n <= lines.size(); ++n) {
        const SettingsFileContent read =
            readSettingsFile(joinLines(lines.mid(0, n)), otherSettings());
        QVERIFY2(read.readError == (n < needed), qPrintable(QStringLiteral("%1 lines").arg(n)));
    }
}

void TestSettingsFile::survivesGarbage() {
    QRandomGenerator random(20240307);
    for (int size : {1, 2, 17, 300, 4096, 70000}) {
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes(size, Qt::Uninitialized);
            for (char& c : bytes)
                c = static_cast<char>(random.bounded(256));
            const SettingsFileContent read = readSettingsFile(bytes, otherSettings());
            QVERIFY(read.readError || read.callsignPlaceholder || read.oldFormat);
        }
    }
    // Far more than the reader takes: one endless line.
    const QByteArray huge(3 * kSettingsFileReadLimit, 'A');
    const SettingsFileContent read = readSettingsFile(huge, otherSettings());
    QVERIFY(read.readError);
    QCOMPARE(read.settings.callsign, QStringLiteral("OTHER"));  // line 3 never came
}

void TestSettingsFile::namesWindowsReleases_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    QTest::newRow("4.0") << "4.0"
                         << "Windows 95";
    QTest::newRow("4.10") << "4.10"
                          << "Windows 98";
    QTest::newRow("4.90") << "4.90"
                          << "Windows Me";
    QTest::newRow("5.0") << "5.0"
                         << "Windows 2000";
    QTest::newRow("5.1") << "5.1"
                         << "Windows XP";
    QTest::newRow("5.2") << "5.2"
                         << "";
    QTest::newRow("6.1") << "6.1"
                         << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSettingsFile::namesWindowsReleases() {
    QFETCH(QString, version);
    QFETCH(QString, name);
    QCOMPARE(windowsName(version), name);
}

void TestSettingsFile::detectsSystemText_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("known release") << "4.10"
                                   << "4.10  Windows 98";
    QTest::newRow("this system") << "6.1"
                                 << "6.1  Debian GNU/Linux 12 (bookworm)";
    QTest::newRow("no version") << ""
                                << "Err detecting windows";
}

void TestSettingsFile::detectsSystemText() {
    QFETCH(QString, version);
    QFETCH(QString, text);
    StubPlatform platform;
    platform.version = version;
    platform.name = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    QCOMPARE(detectwindows(platform), text);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
