// Splitting a fetched frame into header line, first line and body.
#include "monitor/framesplit.h"

#include <QTest>

using namespace zeno;

namespace {

QString withNul(const char* text) {
    return QString::fromLatin1(text) + QChar(0);
}

}  // namespace

class FrameSplitTest : public QObject {
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void onlyDataLengthCounts();
    void dataLengthPastTheDataIsHarmless();
};

void FrameSplitTest::split_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("body");

    QTest::newRow("monitored UI frame")
        << withNul(" 1:Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]\rHello\r\r")
        << "Fm N0CALL To CQ Via RS0ISS* <UI pid=F0 Len=5 >[21:04:09]"
        << "" << withNul("Hello\r\n\r\n");
    QTest::newRow("blank, digit, :Fm, calls, CR, Hello, CR") << " 1:Fm N0CALL To CQ\rHello\r"
                                                             << "Fm N0CALL To CQ"
                                                             << ""
                                                             << "Hello\r\n";
    QTest::newRow("header without body") << withNul(" 1:Fm N2BBB To N1AAA <RR R1 >[01:12:29]\r")
                                         << "Fm N2BBB To N1AAA <RR R1 >[01:12:29]"
                                         << "" << withNul("");
    QTest::newRow("any port digit") << " 7:Fm A To B\rx"
                                    << "Fm A To B"
                                    << ""
                                    << "x";
    // Anything but ":Fm " at characters 3 to 6 is not a monitor header.
    QTest::newRow(":Fm one character late") << "  1:Fm A To B\rx"
                                            << ""
                                            << "  1:Fm A To B"
                                            << "\r\nx";
    QTest::newRow("lower-case fm") << " 1:fm A To B\rx"
                                   << ""
                                   << " 1:fm A To B"
                                   << "\r\nx";
    QTest::newRow("Fm without blank") << " 1:FmA\rx"
                                      << ""
                                      << " 1:FmA"
                                      << "\r\nx";
    QTest::newRow("connected event") << withNul("*** CONNECTED To Station N1AAA\r") << ""
                                     << "*** CONNECTED To Station N1AAA" << withNul("\r\n");
    QTest::newRow("connected data, lines after the first") << "hello from A\rsecond\rthird\r"
                                                           << ""
                                                           << "hello from A"
                                                           << "\r\nsecond\r\nthird\r\n";
    // No CR: the first line is all of it, and the body takes the whole data once more.
    QTest::newRow("start-up text, no CR") << withNul("AGWPE engine 127.0.0.1:8000") << ""
                                          << "AGWPE engine 127.0.0.1:8000"
                                          << "\r\n" + withNul("AGWPE engine 127.0.0.1:8000");
    QTest::newRow("header without CR") << " 1:Fm A To B"
                                       << "Fm A To B"
                                       << ""
                                       << " 1:Fm A To B";
    // Codes 0 to 12 vanish from the first line before the header test; later lines keep them.
    QTest::newRow("codes below 13 in the first line") << QStringLiteral(
                                                             " 1:Fm N\x07"
                                                             "B\x01"
                                                             "D To C\x0bQ Via R\x05S\x0c\x09\n"
                                                             "ISS\rb\x07\x01\n")
                                                      << "Fm NBD To CQ Via RSISS"
                                                      << "" << QStringLiteral("b\x07\x01\n");
    QTest::newRow("codes below 13 before the port")
        << QStringLiteral("\x00\x0a 1:Fm A To B\rx") << "Fm A To B"
        << ""
        << "x";
    QTest::newRow("codes 14 to 31 stay")
        << QStringLiteral(" 1:Fm A\x0e\x1b To B\rx") << QStringLiteral("Fm A\x0e\x1b To B") << ""
        << "x";
    QTest::newRow("CRs in the body get LFs") << " 1:Fm A To B\r\rline\r\n\r"
                                             << "Fm A To B"
                                             << ""
                                             << "\r\nline\r\n\n\r\n";
    QTest::newRow("LF alone in the body stays") << " 1:Fm A To B\ra\nb"
                                                << "Fm A To B"
                                                << ""
                                                << "a\nb";
    QTest::newRow("empty data") << ""
                                << ""
                                << ""
                                << "\r\n";
    QTest::newRow("only a CR") << "\r"
                               << ""
                               << ""
                               << "\r\n";
    QTest::newRow("8-bit text") << QStringLiteral(" 1:Fm A To B\rGr\u00fc\u00dfe\r") << "Fm A To B"
                                << "" << QStringLiteral("Gr\u00fc\u00dfe\r\n");
}

void FrameSplitTest::split() {
    QFETCH(QString, data);
    QFETCH(QString, header);
    QFETCH(QString, firstLine);
    QFETCH(QString, body);
    const SplitFrame s = splitFrame(data, int(data.size()));
    QCOMPARE(s.HeaderLine, header);
    QCOMPARE(s.firstLine, firstLine);
    QCOMPARE(s.BodyText, body);
}

void FrameSplitTest::onlyDataLengthCounts() {
    const QString data = QStringLiteral(" 1:Fm A To B\rHello\rnot part of the frame");
    const SplitFrame s = splitFrame(data, 19);
    QCOMPARE(s.HeaderLine, QStringLiteral("Fm A To B"));
    QCOMPARE(s.BodyText, QStringLiteral("Hello\r\n"));
}

void FrameSplitTest::dataLengthPastTheDataIsHarmless() {
    QCOMPARE(splitFrame(QStringLiteral(" 1:Fm A\rx"), 5000).BodyText, QStringLiteral("x"));
    QCOMPARE(splitFrame(QStringLiteral(" 1:Fm A\rx"), -3).BodyText, QStringLiteral("\r\n"));
}

QTEST_APPLESS_MAIN(FrameSplitTest)
#include "tst_framesplit.moc"
