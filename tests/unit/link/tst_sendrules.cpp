#include "link/sendrules.h"

#include <QTest>

using namespace zeno;

namespace {

// "V N0CALL>CQ <01>RS0ISS<00><00><00><00>Hello": bytes outside printable ASCII in <hex>.
QString describe(const WireFrame& frame) {
    QString data;
    for (char c : frame.data) {
        const uchar b = uchar(c);
        data += (b >= 0x20 && b < 0x7F) ? QString(QLatin1Char(c))
                                        : QStringLiteral("<%1>").arg(b, 2, 16, QLatin1Char('0'));
    }
    QString text =
        QStringLiteral("%1 %2>%3 %4")
            .arg(QLatin1Char(frame.kind))
            .arg(QString::fromLatin1(frame.callFrom), QString::fromLatin1(frame.callTo), data);
    if (frame.pid != 0)
        text += QStringLiteral(" pid=%1").arg(frame.pid, 2, 16);
    return text.trimmed();
}

QStringList describeAll(const std::vector<WireFrame>& frames) {
    QStringList list;
    for (const WireFrame& frame : frames)
        list << describe(frame);
    return list;
}

const QString kPad4 = QStringLiteral("<00><00><00><00>");

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

        const QString viaRs0iss = QStringLiteral("<01>RS0ISS") + kPad4;
        const QString viaTwo =
            QStringLiteral("<02>RS0ISS") + kPad4 + QStringLiteral("WIDE2-1<00><00><00>");

        QTest::newRow("V without path is M") << "V"
                                             << "CQ"
                                             << "Hello" << QStringList{"M N0CALL>CQ Hello"};
        QTest::newRow("V with a trailing blank") << "V"
                                                 << "CQ "
                                                 << "Hello" << QStringList{"M N0CALL>CQ Hello"};
        QTest::newRow("V with path")
            << "V"
            << "CQ RS0ISS"
            << "Hello" << QStringList{"V N0CALL>CQ " + viaRs0iss + "Hello"};
        QTest::newRow("V path with comma") << "V"
                                           << "CQ RS0ISS,WIDE2-1"
                                           << "Hi" << QStringList{"V N0CALL>CQ " + viaTwo + "Hi"};
        QTest::newRow("V path with blanks") << "V"
                                            << "CQ RS0ISS WIDE2-1"
                                            << "Hi" << QStringList{"V N0CALL>CQ " + viaTwo + "Hi"};
        QTest::newRow("V path lower case, empty parts")
            << "V"
            << " cq  rs0iss,, wide2-1 "
            << "Hi" << QStringList{"V N0CALL>CQ " + viaTwo + "Hi"};
        QTest::newRow("V path of nine keeps eight")
            << "V"
            << "CQ A1,A2,A3,A4,A5,A6,A7,A8,A9"
            << ""
            << QStringList{
                   "V N0CALL>CQ <08>A1<00><00><00><00><00><00><00><00>"
                   "A2<00><00><00><00><00><00><00><00>A3<00><00><00><00><00><00><00><00>"
                   "A4<00><00><00><00><00><00><00><00>A5<00><00><00><00><00><00><00><00>"
                   "A6<00><00><00><00><00><00><00><00>A7<00><00><00><00><00><00><00><00>"
                   "A8<00><00><00><00><00><00><00><00>"};
        QTest::newRow("V path call cut to nine")
            << "V"
            << "CQ ABCDEFGHIJK"
            << "x" << QStringList{"V N0CALL>CQ <01>ABCDEFGHI<00>x"};
        QTest::newRow("V Latin-1 text")
            << "V"
            << "CQ" << QString::fromLatin1("caf\xe9") << QStringList{"M N0CALL>CQ caf<e9>"};
        QTest::newRow("V without address") << "V"
                                           << "  "
                                           << "Hello" << QStringList{};
        QTest::newRow("c connects to the first word") << "c"
                                                      << "N2BBB "
                                                      << "" << QStringList{"C N0CALL>N2BBB"};
        QTest::newRow("c ignores the rest") << "c"
                                            << "n2bbb N9DIG"
                                            << "" << QStringList{"C N0CALL>N2BBB"};
        QTest::newRow("v with path")
            << "v"
            << "N2BBB N9DIG,N8DIG"
            << ""
            << QStringList{"v N0CALL>N2BBB <02>N9DIG<00><00><00><00><00>N8DIG<00><00><00><00><00>"};
        QTest::newRow("v without path connects directly") << "v"
                                                          << "N2BBB "
                                                          << "" << QStringList{"C N0CALL>N2BBB"};
        QTest::newRow("d") << "d"
                           << "N2BBB"
                           << "" << QStringList{"d N0CALL>N2BBB"};
        QTest::newRow("d from a call-from buffer")
            << "d" << QString(QStringLiteral("n2bbb") + QChar(0) + QStringLiteral("garbage here"))
            << "" << QStringList{"d N0CALL>N2BBB"};
        QTest::newRow("d without address") << "d"
                                           << ""
                                           << "" << QStringList{};
        QTest::newRow("D to a linked station")
            << "D"
            << "N1AAA"
            << "hello\r" << QStringList{"D N0CALL>N1AAA hello<0d> pid=f0"};
        QTest::newRow("D first word of a path") << "D"
                                                << "N1AAA N9DIG"
                                                << "x" << QStringList{"D N0CALL>N1AAA x pid=f0"};
        QTest::newRow("D from the call the station connected to")
            << "D"
            << "N3CCC"
            << "x" << QStringList{"D N0CALL-1>N3CCC x pid=f0"};
        QTest::newRow("d from the call the station connected to")
            << "d"
            << "N3CCC"
            << "" << QStringList{"d N0CALL-1>N3CCC"};
        QTest::newRow("D to an unlinked station") << "D"
                                                  << "N2BBB"
                                                  << "hello" << QStringList{};
        QTest::newRow("D empty") << "D"
                                 << "N1AAA"
                                 << "" << QStringList{};
        QTest::newRow("P registers") << "P"
                                     << "n0call"
                                     << "" << QStringList{"X N0CALL>"};
        QTest::newRow("unknown M") << "M"
                                   << "CQ"
                                   << "x" << QStringList{};
        QTest::newRow("unknown C") << "C"
                                   << "N2BBB"
                                   << "" << QStringList{};
        QTest::newRow("unknown K") << "K"
                                   << "CQ"
                                   << "x" << QStringList{};
        QTest::newRow("unknown x") << "x"
                                   << "N0CALL"
                                   << "" << QStringList{};
    }

    void mapsProgramKindsToApiFrames() {
        QFETCH(QString, kind);
        QFETCH(QString, callField);
        QFETCH(QString, data);
        QFETCH(QStringList, expected);
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        links.linkUp(QStringLiteral("N3CCC"), QStringLiteral("N0CALL-1"));
        const auto frames =
            wireFramesForSend(kind.at(0), callField, data, QStringLiteral("n0call"), 0, links);
        QCOMPARE(describeAll(frames), expected);
    }

    void usesTheGivenPort() {
        ConnectedStations links;
        const auto frames =
            wireFramesForSend(QLatin1Char('V'), QStringLiteral("CQ"), QStringLiteral("x"),
                              QStringLiteral("N0CALL"), 3, links);
        QCOMPARE(frames.size(), size_t(1));
        QCOMPARE(frames[0].port, 3);
    }

    void splitsLongConnectedData() {
        ConnectedStations links;
        links.linkUp(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        QString data;
        for (int i = 0; i < 600; ++i)
            data += QLatin1Char(char('a' + i % 26));
        const auto frames = wireFramesForSend(QLatin1Char('D'), QStringLiteral("N1AAA"), data,
                                              QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(frames.size(), size_t(3));
        QByteArray joined;
        for (const WireFrame& frame : frames) {
            QVERIFY(frame.data.size() <= kMaxConnectedChunk);
            QCOMPARE(frame.kind, 'D');
            joined += frame.data;
        }
        QCOMPARE(frames[0].data.size(), 256);
        QCOMPARE(joined, data.toLatin1());
    }

    void keepsEveryFrameUnderTheEngineLimit() {
        ConnectedStations links;
        const auto frames =
            wireFramesForSend(QLatin1Char('V'), QStringLiteral("CQ RS0ISS"), QString(5000, 'x'),
                              QStringLiteral("N0CALL"), 0, links);
        QCOMPARE(frames.size(), size_t(1));
        QVERIFY(frames[0].data.size() <= 2122);
    }

    void tracksLinksPerStation() {
        ConnectedStations links;
        QVERIFY(!links.isUp(QStringLiteral("N1AAA")));
        links.linkUp(QStringLiteral("n1aaa"), QStringLiteral("n0call"));
        links.linkUp(QStringLiteral("N2BBB"), QStringLiteral("N0CALL-1"));
        links.linkUp(QString(), QStringLiteral("N0CALL"));  // no station: not a link
        QVERIFY(links.isUp(QStringLiteral("N1AAA")));
        QCOMPARE(links.ownSideOf(QStringLiteral("n1aaa")), QStringLiteral("N0CALL"));
        links.linkDown(QStringLiteral("N1AAA"));
        QVERIFY(!links.isUp(QStringLiteral("n1aaa")));
        QCOMPARE(links.ownSideOf(QStringLiteral("N1AAA")), QString());
        QCOMPARE(links.stations(), QStringList{QStringLiteral("N2BBB")});
    }
};

QTEST_GUILESS_MAIN(TestSendRules)
#include "tst_sendrules.moc"
