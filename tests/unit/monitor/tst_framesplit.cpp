// Splitting a fetched frame into header line, first line and body.
#include "monitor/framesplit.h"

#include <QTest>

using namespace zeno;

class FrameSplitTest : public QObject {
    Q_OBJECT

private slots:
    void split_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("length");  // the frame's dataLength, -1 for all of the data
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("body");
        const auto row = [](const char* name, const QString& data, const QString& header,
                            const QString& firstLine, const QString& body, int length = -1) {
            QTest::newRow(name) << data << length << header << firstLine << body;
        };
        const QString nul(QChar(0));

        row("UI frame", " 1:Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >\rHello\r\r" + nul,
            "Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >", "", "Hello\r\n\r\n" + nul);
        row("blank, 1, :Fm, calls, CR, Hello, CR", " 1:Fm N0CALL To CQ\rHello\r", "Fm N0CALL To CQ",
            "", "Hello\r\n");
        row("header without body", " 1:Fm A To B <RR R1 >\r" + nul, "Fm A To B <RR R1 >", "", nul);
        // Only ":Fm " at characters 3 to 6 makes a monitor header.
        row(":Fm one character late", "  1:Fm A To B\rx", "", "  1:Fm A To B", "\r\nx");
        row("lower-case fm", " 1:fm A To B\rx", "", " 1:fm A To B", "\r\nx");
        row("Fm without blank", " 1:FmA\rx", "", " 1:FmA", "\r\nx");
        row("connected data", "hello from A\rsecond\rthird\r", "", "hello from A",
            "\r\nsecond\r\nthird\r\n");
        // No CR: the first line is all of it, and the body takes the whole data once more.
        row("start-up text, no CR", "AGWPE engine" + nul, "", "AGWPE engine",
            "\r\nAGWPE engine" + nul);
        row("header without CR", " 1:Fm A To B", "Fm A To B", "", " 1:Fm A To B");
        // Codes 0 to 12 vanish from the first line before the header test; later lines keep them.
        row("codes below 13 in the first line",
            QStringLiteral(" 1:Fm N\x07"
                           "B\x01"
                           "D To C\x0bQ\x0c\x09\nX\rb\x07\x01\n"),
            "Fm NBD To CQX", "", QStringLiteral("b\x07\x01\n"));
        row("codes below 13 before the port", QStringLiteral("\x00\x0a 1:Fm A\rx"), "Fm A", "",
            "x");
        row("codes 14 to 31 stay", QStringLiteral(" 1:Fm A\x0e\x1b\rx"),
            QStringLiteral("Fm A\x0e\x1b"), "", "x");
        row("CRs in the body get LFs, a lone LF stays", " 1:Fm A\r\rline\r\n\ra\nb", "Fm A", "",
            "\r\nline\r\n\n\r\na\nb");
        row("empty data", "", "", "", "\r\n");
        row("only dataLength counts", " 1:Fm A\rHello\rnot part of it", "Fm A", "", "Hello\r\n",
            14);
        row("dataLength past the data", " 1:Fm A\rx", "Fm A", "", "x", 5000);
        row("negative dataLength", " 1:Fm A\rx", "", "", "\r\n", -3);
    }

    void split() {
        QFETCH(QString, data);
        QFETCH(int, length);
        QFETCH(QString, header);
        QFETCH(QString, firstLine);
        QFETCH(QString, body);
        const SplitFrame s = splitFrame(data, length == -1 ? int(data.size()) : length);
        QCOMPARE(s.HeaderLine, header);
        QCOMPARE(s.firstLine, firstLine);
        QCOMPARE(s.BodyText, body);
    }
};

QTEST_APPLESS_MAIN(FrameSplitTest)
#include "tst_framesplit.moc"
