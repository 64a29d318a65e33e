#include "link/sendrules.h"
#include "support/testrows.h"

#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// "V N0CALL>CQ <01>RS0ISS....Hello pid=f0": NUL shown as ".", other unprintables as <hex>.
QStringList describe(const std::vector<WireFrame>& frames) {
    QStringList list;
    for (const WireFrame& frame : frames) {
        QString data;
        for (char c : frame.data) {
            const uchar b = uchar(c);
            data += b == 0                    ? QStringLiteral(".")
                    : (b >= 0x20 && b < 0x7F) ? QString(QLatin1Char(c))
                                              : QStringLiteral("<%1>").arg(b, 2, 16, QChar(u'0'));
        }
        list << QStringLiteral("%1 %2>%3 %4%5")
                    .arg(QLatin1Char(frame.kind))
                    .arg(QString::fromLatin1(frame.callFrom), QString::fromLatin1(frame.callTo),
                         data, frame.pid ? QStringLiteral(" pid=%1").arg(frame.pid, 2, 16) : "")
                    .trimmed();
    }
    return list;
}

}  // namespace

class TestSendRules : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void mapsProgramKindsToApiFrames_data() {
        columns<QString, QString, QString, QStringList>("kind", "callField", "data", "expected");
        QString viaEight = QStringLiteral("V N0CALL>CQ <08>");
        for (int i = 1; i <= 8; ++i)
            viaEight += QStringLiteral("A%1........").arg(i);
        using L = QStringList;
        row("V without path is M", "V", "CQ ", QString::fromLatin1("caf\xe9"),
            L{"M N0CALL>CQ caf<e9>"});
        row("V lower case, commas, blanks, empty parts", "V", " cq  rs0iss,, wide2-1 ", "Hi",
            L{"V N0CALL>CQ <02>RS0ISS....WIDE2-1...Hi"});
        row("V path of nine keeps eight", "V", "CQ A1,A2,A3,A4,A5,A6,A7,A8,A9", "", L{viaEight});
        row("V path call cut to nine", "V", "CQ ABCDEFGHIJK", "x",
            L{"V N0CALL>CQ <01>ABCDEFGHI.x"});
        row("V without address", "V", "  ", "Hello", L{});
        row("c connects to the first word", "c", "n2bbb N9DIG", "", L{"C N0CALL>N2BBB"});
        row("v with path", "v", "N2BBB N9DIG,N8DIG", "",
            L{"v N0CALL>N2BBB <02>N9DIG.....N8DIG....."});
        row("v without path connects directly", "v", "N2BBB ", "", L{"C N0CALL>N2BBB"});
        row("d from a call-from buffer", "d", QStringLiteral("n2bbb") + QChar(0) + "garbage", "",
            L{"d N0CALL>N2BBB"});
        row("d without address", "d", "", "", L{});
        row("D to a linked station", "D", "N1AAA N9DIG", "hello\r",
            L{"D N0CALL>N1AAA hello<0d> pid=f0"});
        row("D from the call the station connected to", "D", "N3CCC", "x",
            L{"D N0CALL-1>N3CCC x pid=f0"});
        row("d from the call the station connected to", "d", "N3CCC", "", L{"d N0CALL-1>N3CCC"});
        row("D to an unlinked station", "D", "N2BBB", "hello", L{});
        row("D empty", "D", "N1AAA", "", L{});
        row("P registers", "P", "n0call", "", L{"X N0CALL>"});
        row("not the program's kind", "M", "CQ", "x", L{});
    }

    void mapsProgramKindsToApiFrames() {
        QFETCH(QString, kind);
        QFETCH(QString, callField);
        QFETCH(QString, data);
        QFETCH(QStringList, expected);
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        links.linkUp(QStringLiteral("n3ccc"), QStringLiteral("n0call-1"));  // case does not matter
        links.linkUp(QStringLiteral("N2BBB"), QStringLiteral("N0CALL"));
        links.linkDown(QStringLiteral("n2bbb"));
        const auto frames =
            wireFramesForSend(kind.at(0), callField, data, QStringLiteral("n0call"), 3, links);
        QCOMPARE(describe(frames), expected);
        for (const WireFrame& frame : frames)
            QCOMPARE(frame.port, 3);
    }

    void splitsLongData() {
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        const QString data = QStringLiteral("abcdefghijklmnopqrstuvwxyz").repeated(24);
        const auto frames = wireFramesForSend(u'D', QStringLiteral("N1AAA"), data,
                                              QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(frames.size(), size_t(3));
        QByteArray joined;
        for (const WireFrame& frame : frames) {
            QVERIFY(frame.data.size() <= 256);
            joined += frame.data;
        }
        QCOMPARE(joined, data.toLatin1());

        // The engine closes a client that sends more than 2122 bytes at once.
        const auto ui = wireFramesForSend(u'V', QStringLiteral("CQ RS0ISS"), QString(5000, u'x'),
                                          QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(ui.size(), size_t(1));
        QVERIFY(ui[0].data.size() <= 2122);
    }
};

QTEST_GUILESS_MAIN(TestSendRules)
#include "tst_sendrules.moc"
