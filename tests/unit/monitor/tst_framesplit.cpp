// Splitting a fetched frame into header line, first line and body.
#include "monitor/framesplit.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

class FrameSplitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void split_data() {
        // length: the frame's dataLength, -1 for all of the data
        columns<QString, int, QString, QString, QString>("data", "length", "header", "firstLine",
                                                         "body");
        const QString nul(QChar(0));
        row("UI frame", " 1:Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >\rHello\r\r" + nul, -1,
            "Fm N0CALL To CQ Via RS0ISS* <UI Len=5 >", "", "Hello\r\n\r\n" + nul);
        row("header without body", " 1:Fm A To B <RR R1 >\r" + nul, -1, "Fm A To B <RR R1 >", "",
            nul);
        // Only ":Fm " at characters 3 to 6 makes a monitor header.
        row(":Fm one character late", "  1:Fm A To B\rx", -1, "", "  1:Fm A To B", "\r\nx");
        row("lower-case fm", " 1:fm A To B\rx", -1, "", " 1:fm A To B", "\r\nx");
        row("connected data", "hello from A\rsecond\r", -1, "", "hello from A", "\r\nsecond\r\n");
        // No CR: the first line is all of it, and the body takes the whole data once more.
        row("start-up text, no CR", "AGWPE engine" + nul, -1, "", "AGWPE engine",
            "\r\nAGWPE engine" + nul);
        // Codes 0 to 12 vanish from the first line before the header test; later lines keep them.
        row("codes below 13 in the first line",
            QStringLiteral("\x0a 1:Fm N\x07"
                           "B\x01"
                           "D To C\x0bQ\x0c\x09\nX\rb\x07\x01\n"),
            -1, "Fm NBD To CQX", "", QStringLiteral("b\x07\x01\n"));
        row("codes 14 to 31 stay", QStringLiteral(" 1:Fm A\x0e\x1b\rx"), -1,
            QStringLiteral("Fm A\x0e\x1b"), "", "x");
        row("CRs in the body get LFs, a lone LF stays", " 1:Fm A\r\rline\r\n\ra\nb", -1, "Fm A", "",
            "\r\nline\r\n\n\r\na\nb");
        row("only dataLength counts", " 1:Fm A\rHello\rnot part of it", 14, "Fm A", "",
            "Hello\r\n");
        row("dataLength past the data", " 1:Fm A\rx", 5000, "Fm A", "", "x");
        row("negative dataLength", " 1:Fm A\rx", -3, "", "", "\r\n");
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
