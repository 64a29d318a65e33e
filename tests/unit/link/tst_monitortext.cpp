#include "link/ax25decode.h"
#include "link/monitortext.h"
#include "support/ax25.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// One monitor line heard at 21:04:09: the header up to its '>', then what follows the time.
void renderRow(const char* name, const QByteArray& ax25, const QByteArray& header,
               const QByteArray& afterTime, char kind = 'S', int port = 0) {
    row(name, ax25, port, header + "[21:04:09]\r" + afterTime + '\0', kind);
}

QByteArray withNul(const char* text) { return QByteArray(text) + '\0'; }

}  // namespace

class TestMonitorText : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void rendersARawFrame_data() {
        columns<QByteArray, int, QByteArray, char>("ax25", "port", "expected", "kind");
        renderRow("every repeated digi marked",
                  ax25FromTnc2("N4GHI-15>ID,W3ADO-1*,PCSAT-1*,WIDE2-1:Hello"),
                  " 1:Fm N4GHI-15 To ID Via W3ADO-1*,PCSAT-1*,WIDE2-1 <UI pid=F0 Len=5 >",
                  "Hello\r\r", 'U');
        renderRow("second port, no via", ax25FromTnc2("N3DEF>BEACON:no via at all"),
                  " 2:Fm N3DEF To BEACON <UI pid=F0 Len=13 >", "no via at all\r\r", 'U', 1);
        renderRow("NUL bytes in the info",
                  ax25Frame("N0CALL", "CQ", {}, ax25Ui, 0xF0, QByteArray("ab\0cd\0", 6)),
                  " 1:Fm N0CALL To CQ <UI pid=F0 Len=6 >", "abcd\r\r", 'U');
        // No info left: still a blank line after the header.
        renderRow("info of NULs only, SSID 0",
                  ax25Frame("N0CALL-0", "CQ-0", {}, ax25Ui, 0xF0, QByteArray("\0\0", 2)),
                  " 1:Fm N0CALL To CQ <UI pid=F0 Len=2 >", "\r", 'U');
        renderRow("I frame, other pid, poll bit",
                  ax25Frame("N1AAA", "N2BBB", {}, 0xBE, 0x08, "seg"),  // N(S) 7, N(R) 5
                  " 1:Fm N1AAA To N2BBB <I R5 S7 pid=08 Len=3 >", "seg\r\r", 'I');
        renderRow("XID with info",
                  ax25Frame("A", "B", {}, 0xAF, -1, QByteArray("\x82\x80\0\x17", 4)),
                  " 1:Fm A To B <XID Len=4 >", "\x82\x80\x17\r\r");
        // Frames without info, from A to B: the description and a blank line.
        const std::pair<int, const char*> controls[] = {
            {0x21, "RR R1"}, {0x65, "RNR R3"}, {0x49, "REJ R2"}, {0x7F, "SABME"},   {0x73, "UA"},
            {0x53, "DISC"},  {0x1F, "DM"},     {0xE3, "TEST"},   {0x27, "U ctl=27"}};
        for (const auto& [control, text] : controls)
            renderRow(text, ax25Frame("A", "B", {}, control, -1, {}),
                      QByteArray(" 1:Fm A To B <") + text + " >", "\r");
    }

    void rendersARawFrame() {
        QFETCH(QByteArray, ax25);
        QFETCH(int, port);
        QFETCH(QByteArray, expected);
        QFETCH(char, kind);
        const auto frame = decodeAx25(ax25);
        QVERIFY(frame.has_value());
        const MonitorText rendered = renderMonitorText(*frame, port, QTime(21, 4, 9));
        QCOMPARE(rendered.text, expected);
        QCOMPARE(rendered.kind, kind);
    }

    void refusesWhatIsNotAFrame_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = ax25FromTnc2("N0CALL>CQ:hi");
        QStringList nineDigis;
        for (int i = 1; i <= 9; ++i)
            nineDigis << QStringLiteral("DIGI%1").arg(i);
        row("empty", QByteArray());
        row("UI without pid", good.left(15));
        row("address never ends", ax25Address("CQ", true, false) + ax25Address("N0", false, false));
        row("unprintable call", QByteArray(good).replace(2, 1, QByteArray(1, 0x0A)));
        row("blank inside a call", QByteArray(good).replace(8, 1, "\x40"));  // N CALL
        row("empty call", QByteArray(good).replace(0, 6, QByteArray(6, 0x40)));
        row("nine digis", ax25Frame("N0CALL", "CQ", nineDigis, ax25Ui, 0xF0, "x"));
    }

    void refusesWhatIsNotAFrame() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodeAx25(bytes).has_value());
    }

    // Texts as Dire Wolf 1.6 sends them (captured), and as older engines do.
    void normalisesEngineTexts_data() {
        columns<QByteArray, QByteArray>("engine", "expected");
        row("UI",
            withNul(" 1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=5 PF=0 >[00:02:30]\rHello\r"),
            withNul(" 1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r"));
        row("I frame", withNul(" 1:Fm A To B <I S0 R1 pid=0xF0 Len=6 P=0 >[00:04:05]\rhello\r\r"),
            withNul(" 1:Fm A To B <I R1 S0 pid=F0 Len=6 >[00:04:05]\rhello\r\r\r"));
        row("XID cut at a NUL", withNul(" 1:Fm A To B <XID P=1 Len=27 >[00:04:04]\r\x82\x80\r"),
            withNul(" 1:Fm A To B <XID Len=27 >[00:04:04]\r\x82\x80\r\r"));
        row("info ending in CR",
            withNul(" 1:Fm A To CQ <UI pid=F0 Len=6 PF=0 >[00:02:30]\rHello\r\r"),
            withNul(" 1:Fm A To CQ <UI pid=F0 Len=6 >[00:02:30]\rHello\r\r\r"));
        row("classic shape unchanged",
            withNul(" 1:Fm A To CQ <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r"),
            withNul(" 1:Fm A To CQ <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r"));
        row("no NUL at the end", QByteArray(" 1:Fm A To CQ <UA F=1 >[00:02:30]\r"),
            withNul(" 1:Fm A To CQ <UA >[00:02:30]\r\r"));
        row("not a monitor text", withNul("*** CONNECTED To Station N1AAA\r"),
            withNul("*** CONNECTED To Station N1AAA\r"));
    }

    void normalisesEngineTexts() {
        QFETCH(QByteArray, engine);
        QFETCH(QByteArray, expected);
        QCOMPARE(normaliseEngineText(engine), expected);
    }

    void showsUtf8OnlyWhenItIsUtf8_data() {
        columns<QByteArray, QString>("bytes", "shown");
        row("UTF-8 with umlauts",
            QByteArray("Gr\xc3\xbc\xc3\x9f"
                       "e"),
            QString::fromUtf8("Grüße"));
        row("Latin-1 umlaut",
            QByteArray("Gr\xfc\xdf"
                       "e"),
            QString::fromLatin1("Gr\xfc\xdf"
                                "e"));
        row("cut UTF-8 sequence", QByteArray("ab\xc3"), QString::fromLatin1("ab\xc3"));
        row("ASCII with NUL", QByteArray("Hi\r\0", 4), QString::fromLatin1("Hi\r\0", 4));
    }

    void showsUtf8OnlyWhenItIsUtf8() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(shownText(bytes), shown);
    }
};

QTEST_GUILESS_MAIN(TestMonitorText)
#include "tst_monitortext.moc"
