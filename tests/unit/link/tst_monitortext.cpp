// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ax25decode.h"
#include "link/monitortext.h"
#include "support/ax25.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// One monitor line heard at 21:04:09 (after the frames `before`): the header up to its '>',
// then what follows the time.
void renderRow(const char* name, const QByteArray& ax25, const QByteArray& header,
               const QByteArray& afterTime, char kind = 'S', int port = 0,
               const QByteArrayList& before = {}) {
    row(name, before, ax25, port, header + "[21:04:09]\r" + afterTime + '\0', kind);
}

QByteArray withNul(const char* text) { return QByteArray(text) + '\0'; }

// A frame from A to B: the addresses, then its control field and the rest as given.
QByteArray fromAToB(const QByteArray& rest) {
    return ax25Address("B", true, false) + ax25Address("A", false, true) + rest;
}

}  // namespace

class TestMonitorText : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void rendersARawFrame_data() {
        columns<QByteArrayList, QByteArray, int, QByteArray, char>("before", "ax25", "port",
                                                                   "expected", "kind");
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
        renderRow("XID cut short, as text",
                  ax25Frame("A", "B", {}, 0xAF, -1, QByteArray("\x82\x80\0\x17", 4)),
                  " 1:Fm A To B <XID Len=4 >", "\x82\x80\x17\r\r");
        // Modulo 128 told by the shape: a second control byte, then pid F0 or 08.
        renderRow("I frame, modulo 128", fromAToB("\x04\x06\xF0hello from N1AAA again"),
                  " 1:Fm A To B <I R3 S2 pid=F0 Len=22 >", "hello from N1AAA again\r\r", 'I');
        renderRow("I frame, modulo 128, highest N(S)", fromAToB("\xFE\xC9\x08seg"),
                  " 1:Fm A To B <I R100 S127 pid=08 Len=3 >", "seg\r\r", 'I');
        renderRow("XID of Dire Wolf",
                  fromAToB(QByteArray::fromHex("af8280001702022100030386a802060208000801200902"
                                               "0bb80a010a")),
                  " 1:Fm A To B <XID Len=27 >",
                  "XID: half duplex, REJ, SREJ, modulo 128, window 32, I field 256, ack timer "
                  "3000 ms, retries 10\r\r");
        renderRow("XID, modulo 8", fromAToB(QByteArray::fromHex("bf8280000902024100030382a402")),
                  " 1:Fm A To B <XID Len=13 >", "XID: full duplex, REJ, modulo 8\r\r");
        renderRow("TEST with text", fromAToB("\xF3ping"), " 1:Fm A To B <TEST Len=4 >", "ping\r\r");
        renderRow("FRMR, modulo 8", fromAToB("\x87\xAF\x64\x01"), " 1:Fm A To B <FRMR Len=3 >",
                  "FRMR: XID rejected, V(S) 2, V(R) 3, unknown control field\r\r");
        renderRow("FRMR, modulo 128", fromAToB("\x97\x04\x06\x0A\x0C\x08"),
                  " 1:Fm A To B <FRMR Len=5 >",
                  "FRMR: I R3 S2 rejected, V(S) 5, V(R) 6, wrong N(R)\r\r");
        // What the link's SABM or SABME said outweighs the shape of its frames.
        const QByteArray otherPid = fromAToB(QByteArray::fromHex("0204cf") + 'x');
        renderRow("SABM, then text starting with F0", fromAToB("\x02\xF0\xF0\x9F\x98\x80"),
                  " 1:Fm A To B <I R0 S1 pid=F0 Len=4 >", "\xF0\x9F\x98\x80\r\r", 'I', 0,
                  {fromAToB("\x3F")});
        renderRow("SABME the other way, then another pid", otherPid,
                  " 1:Fm A To B <I R2 S1 pid=CF Len=1 >", "x\r\r", 'I', 0,
                  {ax25Frame("B", "A", {}, 0x7F, -1, {})});
        renderRow("a DISC forgets the link", otherPid, " 1:Fm A To B <I R0 S1 pid=04 Len=2 >",
                  "\xCFx\r\r", 'I', 0, {fromAToB("\x7F"), fromAToB("\x53")});
        // Frames without info, from A to B: the description and a blank line.
        const std::pair<const char*, const char*> controls[] = {
            {"\x21", "RR R1"},      {"\x65", "RNR R3"},      {"\x49", "REJ R2"},
            {"\x6D", "SREJ R3"},    {"\x01\xFF", "RR R127"}, {"\x05\x0A", "RNR R5"},
            {"\x09\x02", "REJ R1"}, {"\x0D\x09", "SREJ R4"}, {"\x7F", "SABME"},
            {"\x73", "UA"},         {"\x53", "DISC"},        {"\x1F", "DM"},
            {"\xE3", "TEST"},       {"\x27", "U ctl=27"}};
        for (const auto& [control, text] : controls)
            renderRow(text, fromAToB(control), QByteArray(" 1:Fm A To B <") + text + " >", "\r");
    }

    void rendersARawFrame() {
        QFETCH(QByteArray, ax25);
        QFETCH(int, port);
        QFETCH(QByteArray, expected);
        QFETCH(char, kind);
        Ax25Decoder decoder;
        for (const QByteArray& heard : fetched<QByteArrayList>("before"))
            decoder.decode(heard, port);
        const auto frame = decoder.decode(ax25, port);
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
