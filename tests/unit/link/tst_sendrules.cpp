#include "link/sendrules.h"

#include <QTest>

using namespace zeno;

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
        QString text =
            QStringLiteral("%1 %2>%3 %4")
                .arg(QLatin1Char(frame.kind))
                .arg(QString::fromLatin1(frame.callFrom), QString::fromLatin1(frame.callTo), data);
        if (frame.pid != 0)
            text += QStringLiteral(" pid=%1").arg(frame.pid, 2, 16);
        list << text.trimmed();
    }
    return list;
}

void sendRow(const char* name, const char* kind, const QString& callField, const QString& data,
             const QStringList& expected) {
    QTest::newRow(name) << QString::fromLatin1(kind) << callField << data << expected;
}

}  // namespace

class TestSendRules : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void mapsProgramKindsToApiFrames_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("callField");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("expected");
        const QStringList viaTwo{"V N0CALL>CQ <02>RS0ISS....WIDE2-1...Hi"};
        QString viaEight = QStringLiteral("V N0CALL>CQ <08>");
        for (int i = 1; i <= 8; ++i)
            viaEight += QStringLiteral("A%1........").arg(i);

        sendRow("V without path is M", "V", "CQ ", "Hello", {"M N0CALL>CQ Hello"});
        sendRow("V with path", "V", "CQ RS0ISS", "Hello", {"V N0CALL>CQ <01>RS0ISS....Hello"});
        sendRow("V path with comma", "V", "CQ RS0ISS,WIDE2-1", "Hi", viaTwo);
        sendRow("V path with blanks", "V", "CQ RS0ISS WIDE2-1", "Hi", viaTwo);
        sendRow("V lower case, empty parts", "V", " cq  rs0iss,, wide2-1 ", "Hi", viaTwo);
        sendRow("V path of nine keeps eight", "V", "CQ A1,A2,A3,A4,A5,A6,A7,A8,A9", "", {viaEight});
        sendRow("V path call cut to nine", "V", "CQ ABCDEFGHIJK", "x",
                {"V N0CALL>CQ <01>ABCDEFGHI.x"});
        sendRow("V Latin-1 text", "V", "CQ", QString::fromLatin1("caf\xe9"),
                {"M N0CALL>CQ caf<e9>"});
        sendRow("V without address", "V", "  ", "Hello", {});
        sendRow("c connects to the first word", "c", "n2bbb N9DIG", "", {"C N0CALL>N2BBB"});
        sendRow("v with path", "v", "N2BBB N9DIG,N8DIG", "",
                {"v N0CALL>N2BBB <02>N9DIG.....N8DIG....."});
        sendRow("v without path connects directly", "v", "N2BBB ", "", {"C N0CALL>N2BBB"});
        sendRow("d", "d", "N2BBB", "", {"d N0CALL>N2BBB"});
        sendRow("d from a call-from buffer", "d", QStringLiteral("n2bbb") + QChar(0) + "garbage",
                "", {"d N0CALL>N2BBB"});
        sendRow("d without address", "d", "", "", {});
        sendRow("D to a linked station", "D", "N1AAA N9DIG", "hello\r",
                {"D N0CALL>N1AAA hello<0d> pid=f0"});
        sendRow("D from the call the station connected to", "D", "N3CCC", "x",
                {"D N0CALL-1>N3CCC x pid=f0"});
        sendRow("d from the call the station connected to", "d", "N3CCC", "", {"d N0CALL-1>N3CCC"});
        sendRow("D to an unlinked station", "D", "N2BBB", "hello", {});
        sendRow("D empty", "D", "N1AAA", "", {});
        sendRow("P registers", "P", "n0call", "", {"X N0CALL>"});
        sendRow("unknown M", "M", "CQ", "x", {});
        sendRow("unknown C", "C", "N2BBB", "", {});
        sendRow("unknown K", "K", "CQ", "x", {});
        sendRow("unknown x", "x", "N0CALL", "", {});
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

    void splitsLongConnectedData() {
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        const QString data = QStringLiteral("abcdefghijklmnopqrstuvwxyz").repeated(24);
        const auto frames = wireFramesForSend(u'D', QStringLiteral("N1AAA"), data,
                                              QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(frames.size(), size_t(3));
        QByteArray joined;
        for (const WireFrame& frame : frames) {
            QVERIFY(frame.data.size() <= 256);
            QCOMPARE(frame.kind, 'D');
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
