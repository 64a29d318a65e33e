#include "link/ax25decode.h"
#include "link/monitortext.h"
#include "support/ax25.h"
#include "support/fakeagwserver.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

const QTime kHeardAt(21, 4, 9);

QByteArray text(const char* literal, qsizetype size) {
    return QByteArray(literal, size);
}

}  // namespace

class TestMonitorText : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void rendersARawFrame_data() {
        QTest::addColumn<QByteArray>("ax25");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<char>("kind");

        QTest::newRow("repeated and unrepeated digis")
            << ax25FromTnc2("N0CALL>CQ,RS0ISS*,WIDE2-1:Hello") << 0
            << QByteArray(
                   " 1:Fm N0CALL To CQ Via RS0ISS*,WIDE2-1 <UI pid=F0 Len=5 >[21:04:09]"
                   "\rHello\r\r") +
                   '\0'
            << 'U';
        QTest::newRow("no digi repeated")
            << ax25FromTnc2("N1ABC-7>APRS,RS0ISS,WIDE2-1:=4237.14N/07120.83W-") << 0
            << QByteArray(
                   " 1:Fm N1ABC-7 To APRS Via RS0ISS,WIDE2-1 <UI pid=F0 Len=20 >"
                   "[21:04:09]\r=4237.14N/07120.83W-\r\r") +
                   '\0'
            << 'U';
        QTest::newRow("every digi marked, not only the last")
            << ax25FromTnc2("N4GHI-15>ID,W3ADO-1*,PCSAT-1*,WIDE2:x") << 0
            << QByteArray(
                   " 1:Fm N4GHI-15 To ID Via W3ADO-1*,PCSAT-1*,WIDE2 <UI pid=F0 Len=1 >"
                   "[21:04:09]\rx\r\r") +
                   '\0'
            << 'U';
        QTest::newRow("second port, no via")
            << ax25FromTnc2("N3DEF>BEACON:no via at all") << 1
            << QByteArray(
                   " 2:Fm N3DEF To BEACON <UI pid=F0 Len=13 >[21:04:09]\rno via at all"
                   "\r\r") +
                   '\0'
            << 'U';
        QTest::newRow("NUL bytes in the info")
            << ax25Frame("N0CALL", "CQ", {}, ax25Ui, 0xF0, text("ab\0cd\0", 6)) << 0
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=6 >[21:04:09]\rabcd\r\r") + '\0'
            << 'U';
        QTest::newRow("info of NULs only")
            << ax25Frame("N0CALL", "CQ", {}, ax25Ui, 0xF0, text("\0\0", 2)) << 0
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=2 >[21:04:09]\r") + '\0' << 'U';
        QTest::newRow("UI without info")
            << ax25FromTnc2("N0CALL-0>CQ-0:") << 0
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=0 >[21:04:09]\r") + '\0' << 'U';
        QTest::newRow("I frame") << ax25Frame("N1AAA", "N2BBB", {}, ax25I(1, 0), 0xF0,
                                              "hello from A\r")
                                 << 0
                                 << QByteArray(
                                        " 1:Fm N1AAA To N2BBB <I R0 S1 pid=F0 Len=13 >[21:04:09]"
                                        "\rhello from A\r\r\r") +
                                        '\0'
                                 << 'I';
        QTest::newRow("I frame, other pid, poll bit")
            << ax25Frame("N1AAA", "N2BBB", {}, ax25I(7, 5) | 0x10, 0x08, "seg") << 0
            << QByteArray(" 1:Fm N1AAA To N2BBB <I R5 S7 pid=08 Len=3 >[21:04:09]\rseg\r\r") + '\0'
            << 'I';
        QTest::newRow("RR") << ax25Frame("N2BBB", "N1AAA", {}, ax25Rr(1), -1, {}) << 0
                            << QByteArray(" 1:Fm N2BBB To N1AAA <RR R1 >[21:04:09]\r") + '\0'
                            << 'S';
        QTest::newRow("RNR") << ax25Frame("N2BBB", "N1AAA", {}, ax25Rnr(3), -1, {}) << 0
                             << QByteArray(" 1:Fm N2BBB To N1AAA <RNR R3 >[21:04:09]\r") + '\0'
                             << 'S';
        QTest::newRow("REJ") << ax25Frame("N2BBB", "N1AAA", {}, ax25Rej(2), -1, {}) << 0
                             << QByteArray(" 1:Fm N2BBB To N1AAA <REJ R2 >[21:04:09]\r") + '\0'
                             << 'S';
        QTest::newRow("SABM via digi")
            << ax25Frame("N1AAA", "N2BBB", {"N9DIG*"}, ax25Sabm, -1, {}) << 0
            << QByteArray(" 1:Fm N1AAA To N2BBB Via N9DIG* <SABM >[21:04:09]\r") + '\0' << 'S';
        QTest::newRow("SABME") << ax25Frame("N1AAA", "N2BBB", {}, ax25Sabme, -1, {}) << 0
                               << QByteArray(" 1:Fm N1AAA To N2BBB <SABME >[21:04:09]\r") + '\0'
                               << 'S';
        QTest::newRow("UA") << ax25Frame("N2BBB", "N1AAA", {}, ax25Ua, -1, {}) << 0
                            << QByteArray(" 1:Fm N2BBB To N1AAA <UA >[21:04:09]\r") + '\0' << 'S';
        QTest::newRow("DISC") << ax25Frame("N1AAA", "N2BBB", {}, ax25Disc, -1, {}) << 0
                              << QByteArray(" 1:Fm N1AAA To N2BBB <DISC >[21:04:09]\r") + '\0'
                              << 'S';
        QTest::newRow("DM") << ax25Frame("N2BBB", "N1AAA", {}, ax25Dm, -1, {}) << 0
                            << QByteArray(" 1:Fm N2BBB To N1AAA <DM >[21:04:09]\r") + '\0' << 'S';
        QTest::newRow("XID with info")
            << ax25Frame("N1AAA", "N2BBB", {}, ax25Xid, -1, text("\x82\x80\0\x17", 4)) << 0
            << QByteArray(" 1:Fm N1AAA To N2BBB <XID Len=4 >[21:04:09]\r\x82\x80\x17\r\r") + '\0'
            << 'S';
        QTest::newRow("FRMR") << ax25Frame("N2BBB", "N1AAA", {}, ax25Frmr, -1, "abc") << 0
                              << QByteArray(
                                     " 1:Fm N2BBB To N1AAA <FRMR Len=3 >[21:04:09]"
                                     "\rabc\r\r") +
                                     '\0'
                              << 'S';
        QTest::newRow("TEST empty")
            << ax25Frame("N2BBB", "N1AAA", {}, ax25Test, -1, {}) << 0
            << QByteArray(" 1:Fm N2BBB To N1AAA <TEST >[21:04:09]\r") + '\0' << 'S';
        QTest::newRow("unknown U")
            << ax25Frame("N2BBB", "N1AAA", {}, 0x27, -1, {}) << 0
            << QByteArray(" 1:Fm N2BBB To N1AAA <U ctl=27 >[21:04:09]\r") + '\0' << 'S';
    }

    void rendersARawFrame() {
        QFETCH(QByteArray, ax25);
        QFETCH(int, port);
        QFETCH(QByteArray, expected);
        QFETCH(char, kind);
        const auto frame = decodeAx25(ax25);
        QVERIFY(frame.has_value());
        const MonitorText rendered = renderMonitorText(*frame, port, kHeardAt);
        QCOMPARE(rendered.text, expected);
        QCOMPARE(rendered.kind, kind);
    }

    void refusesWhatIsNotAFrame_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = ax25FromTnc2("N0CALL>CQ:hi");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short address") << good.left(10);
        QTest::newRow("no control") << good.left(14);
        QTest::newRow("UI without pid") << good.left(15);
        QTest::newRow("one address only") << ax25Address("CQ", true, true) + "\x03\xF0hi";
        QTest::newRow("address never ends")
            << ax25Address("CQ", true, false) + ax25Address("N0CALL", false, false);
        QByteArray unprintable = good;
        unprintable[2] = char(0x05 << 1);
        QTest::newRow("unprintable call") << unprintable;
        QByteArray blankInside = good;
        blankInside[7 + 1] = char(' ' << 1);  // "N CALL"
        QTest::newRow("blank inside a call") << blankInside;
        QByteArray blankCall = good;
        for (int i = 0; i < 6; ++i)
            blankCall[i] = char(' ' << 1);
        QTest::newRow("empty call") << blankCall;
        QStringList nineDigis;
        for (int i = 1; i <= 9; ++i)
            nineDigis << QStringLiteral("DIGI%1").arg(i);
        QTest::newRow("nine digis") << ax25Frame("N0CALL", "CQ", nineDigis, ax25Ui, 0xF0, "x");
    }

    void refusesWhatIsNotAFrame() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!decodeAx25(bytes).has_value());
    }

    void normalisesEngineTexts_data() {
        QTest::addColumn<QByteArray>("engine");
        QTest::addColumn<QByteArray>("expected");
        // Texts as Dire Wolf 1.6 sends them (captured), and as older engines do.
        QTest::newRow("UI")
            << QByteArray(
                   " 1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=5 PF=0 >[00:02:30]\rHello\r") +
                   '\0'
            << QByteArray(" 1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r") +
                   '\0';
        QTest::newRow("I frame")
            << QByteArray(
                   " 1:Fm N1AAA To N2BBB <I S0 R0 pid=0xF0 Len=13 P=0 >[00:04:05]"
                   "\rhello from A\r\r") +
                   '\0'
            << QByteArray(
                   " 1:Fm N1AAA To N2BBB <I R0 S0 pid=F0 Len=13 >[00:04:05]"
                   "\rhello from A\r\r\r") +
                   '\0';
        QTest::newRow("segment")
            << QByteArray(" 1:Fm N1AAA To N2BBB <I S2 R0 pid=0x08 Len=3 P=0 >[01:13:39]\rabc\r") +
                   '\0'
            << QByteArray(" 1:Fm N1AAA To N2BBB <I R0 S2 pid=08 Len=3 >[01:13:39]\rabc\r\r") + '\0';
        QTest::newRow("RR") << QByteArray(" 1:Fm N2BBB To N1AAA <RR R1 F=0 >[01:12:29]\r") + '\0'
                            << QByteArray(" 1:Fm N2BBB To N1AAA <RR R1 >[01:12:29]\r") + '\0';
        QTest::newRow("SABME") << QByteArray(" 1:Fm N1AAA To N2BBB <SABME P=1 >[00:04:01]\r") + '\0'
                               << QByteArray(" 1:Fm N1AAA To N2BBB <SABME >[00:04:01]\r") + '\0';
        QTest::newRow("XID cut at a NUL")
            << QByteArray(" 1:Fm N1AAA To N2BBB <XID P=1 Len=27 >[00:04:04]\r\x82\x80\r") + '\0'
            << QByteArray(" 1:Fm N1AAA To N2BBB <XID Len=27 >[00:04:04]\r\x82\x80\r\r") + '\0';
        QTest::newRow("info ending in CR")
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=6 PF=0 >[00:02:30]\rHello\r\r") + '\0'
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=6 >[00:02:30]\rHello\r\r\r") + '\0';
        QTest::newRow("classic shape unchanged")
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r") + '\0'
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=5 >[00:02:30]\rHello\r\r") + '\0';
        QTest::newRow("empty UI")
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=0 PF=0 >[00:02:30]\r") + '\0'
            << QByteArray(" 1:Fm N0CALL To CQ <UI pid=F0 Len=0 >[00:02:30]\r") + '\0';
        QTest::newRow("no NUL at the end")
            << QByteArray(" 1:Fm N0CALL To CQ <UA F=1 >[00:02:30]\r")
            << QByteArray(" 1:Fm N0CALL To CQ <UA >[00:02:30]\r") + '\0';
        QTest::newRow("no description")
            << QByteArray(" 1:Fm N0CALL To CQ [00:02:30]\rHello\r") + '\0'
            << QByteArray(" 1:Fm N0CALL To CQ [00:02:30]\rHello\r\r") + '\0';
        QTest::newRow("not a monitor text")
            << QByteArray("*** CONNECTED To Station N1AAA\r") + '\0'
            << QByteArray("*** CONNECTED To Station N1AAA\r") + '\0';
    }

    void normalisesEngineTexts() {
        QFETCH(QByteArray, engine);
        QFETCH(QByteArray, expected);
        QCOMPARE(normaliseEngineText(engine), expected);
    }

    // The same frame looks the same whether it came raw or as the engine's text (but for the
    // "*" marks, which only the raw frame can carry).
    void rawAndEngineTextAgree_data() {
        QTest::addColumn<QString>("tnc2");
        QTest::newRow("via") << QStringLiteral("N1ABC-7>APRS,RS0ISS,WIDE2-1:=4237.14N/07120.83W-");
        QTest::newRow("no via") << QStringLiteral("N3DEF>BEACON:no via at all");
        QTest::newRow("message") << QStringLiteral("N2XYZ>APZ123,WIDE1-1::N0CALL   :test{1");
    }

    void rawAndEngineTextAgree() {
        QFETCH(QString, tnc2);
        const QByteArray engineText = FakeAgwServer::direwolfUiText(tnc2);
        const QTime shown =
            QTime::fromString(QString::fromLatin1(engineText.mid(engineText.indexOf('[') + 1, 8)),
                              QStringLiteral("HH:mm:ss"));
        const auto frame = decodeAx25(ax25FromTnc2(tnc2));
        QVERIFY(frame.has_value());
        QCOMPARE(renderMonitorText(*frame, 0, shown).text, normaliseEngineText(engineText));
    }
};

QTEST_GUILESS_MAIN(TestMonitorText)
#include "tst_monitortext.moc"
