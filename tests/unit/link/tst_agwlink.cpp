#include "link/agwlink.h"
#include "support/ax25.h"
#include "support/fakeagwserver.h"
#include "support/fakeplatform.h"

#include <QSignalSpy>
#include <QTest>

using namespace zeno;
using namespace zeno::test;

namespace {

constexpr int kWait = 5000;
const QString kMarker = QStringLiteral("MARK");
const QString kNul(QChar(0));

// The link against an in-test engine, with short timings so that nothing waits long.
struct Rig {
    FakeAgwServer server;
    FakePlatform platform;
    LinkValues values;
    AgwLink link;
    QSignalSpy states;

    Rig()
        : link(values, platform, EngineAddress{QStringLiteral("127.0.0.1"), server.port()}),
          states(&link, &AgwLink::linkStateChanged) {
        link.setTimings(LinkTimings{2000, 50, 300});
        platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
    }

    std::optional<AgwFrame> next() {
        std::optional<AgwFrame> frame;
        (void)QTest::qWaitFor([&] { return (frame = link.fetch()).has_value(); }, kWait);
        return frame;
    }

    // Starts and takes the start-up text and the frames it sent away.
    bool start(const QString& call = QStringLiteral("N0CALL")) {
        const bool up = link.start(call);
        const auto text = next();
        server.clearReceived();
        return up && text && text->data.startsWith(QLatin1String("AGWPE engine"));
    }

    QString engineText(const QString& rest) const {
        return QStringLiteral("AGWPE engine 127.0.0.1:%1 version ").arg(server.port()) + rest +
               kNul;
    }

    // Every frame the link hands out before a marker the engine sends now, as
    // "kind callFrom data" (with "!length" where dataLength disagrees).
    QStringList fetchedBeforeMarker() {
        server.sendData(kMarker, QStringLiteral("N0CALL"), "mark");
        QStringList frames;
        while (auto frame = next()) {
            if (frame->callFrom == kMarker)
                return frames;
            frames << QStringLiteral("%1 %2 %3")
                              .arg(frame->kindLetter(), frame->callFrom, frame->data) +
                          (frame->dataLength == frame->data.size() ? "" : "!length");
        }
        return frames << QStringLiteral("(no marker)");
    }

    // Every frame the engine received since the last look, up to a marker the link sends now, as
    // "kind from>to data [port]": NUL shown as ".", other unprintables as <hex>.
    QStringList sentBeforeMarker() {
        const int markers = server.countOfKind('M');
        link.send('V', kMarker, {});
        if (!server.waitForCount('M', markers + 1, kWait))
            return {QStringLiteral("(no marker)")};
        QStringList frames;
        for (const auto& frame : server.received().mid(0, server.received().size() - 1)) {
            QString data;
            for (char c : frame.data) {
                data += c == 0            ? QStringLiteral(".")
                        : uchar(c) < 0x20 ? QStringLiteral("<%1>").arg(int(c), 2, 16, QChar(u'0'))
                                          : QString(QLatin1Char(c));
            }
            frames << QStringLiteral("%1 %2>%3 %4 %5")
                          .arg(QLatin1Char(frame.kind))
                          .arg(frame.callFrom, frame.callTo, data,
                               frame.port ? QString::number(frame.port) : QString())
                          .trimmed();
        }
        server.clearReceived();
        return frames;
    }
};

}  // namespace

class TestAgwLink : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void startRegistersAndNamesTheEngine() {
        Rig rig;
        QVERIFY(rig.link.start(" n0call "));
        QVERIFY(rig.link.isUp());
        QCOMPARE(rig.states.count(), 1);
        const auto text = rig.next();
        QVERIFY(text);
        QCOMPARE(text->data, rig.engineText("2005.127, 1 radio port: Port1 Fake soundcard"));
        QCOMPARE(text->dataLength, int(text->data.size()));
        QCOMPARE(text->kind, int('G'));
        // Known to the program as soon as it is made, before any poll tick takes it.
        QCOMPARE(rig.values.EngineInitText + kNul, text->data);
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"m >", "k >", "X N0CALL>", "R >", "G >"}));

        // A later start only registers the new call, and hands out a fresh start-up text.
        QVERIFY(rig.link.start("N1NEW"));
        QVERIFY(rig.next());
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"X N1NEW>"}));
        QCOMPARE(rig.server.clientCount(), 1);
        QCOMPARE(rig.states.count(), 1);
    }

    void startFailsWithoutAnEngineAndDropsSends() {
        Rig rig;
        rig.server.stop();
        QVERIFY(!rig.link.start("N0CALL"));
        QVERIFY(!rig.link.isUp());
        QCOMPARE(rig.states.count(), 0);
        QSignalSpy requests(&rig.link, &AgwLink::sendRequested);
        rig.link.send('V', "CQ", "lost");
        QVERIFY(!rig.link.fetch());
        // The program's sends can still be observed.
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0),
                 QVariantList({QVariant::fromValue(QChar(u'V')), "CQ", QStringLiteral("lost")}));

        // The engine starts later: the link finds it by itself, registers, and names it.
        QVERIFY(rig.server.listen(rig.server.port()));
        QVERIFY(rig.server.waitForFrame('X'));
        QCOMPARE(rig.server.receivedOfKind('X').first().callFrom, QStringLiteral("N0CALL"));
        const auto text = rig.next();
        QVERIFY(text && text->data.startsWith(QLatin1String("AGWPE engine")));
        QCOMPARE(rig.states.count(), 1);
    }

    // Held back until the engine has told who it is, or has let the reply time pass.
    void startupTextComesBeforeMonitoredFrames() {
        Rig rig;
        rig.server.setSilent(true);
        QVERIFY(rig.link.start("N0CALL"));
        QVERIFY(rig.server.waitForFrame('G'));
        rig.server.sendHeard("N0CALL>CQ:early");
        QTRY_COMPARE_WITH_TIMEOUT(rig.link.pendingFrames(), qsizetype(1), kWait);
        QVERIFY(!rig.link.fetch());
        const auto text = rig.next();
        QVERIFY(text);
        QCOMPARE(text->data, rig.engineText("unknown, radio ports unknown"));
        const auto heard = rig.next();
        QVERIFY(heard);
        QVERIFY(heard->data.startsWith(QLatin1String(" 1:Fm N0CALL To CQ <UI")));
    }

    void engineEventsBecomeProgramKinds() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendConnected("N1AAA", "N0CALL");
        rig.server.sendData("N1AAA", "N0CALL", "hello\r");
        rig.server.sendDisconnected("N1AAA", "N0CALL");
        // Replies the link keeps to itself.
        for (char kind : {'X', 'y', 'Y', 'g', 'R', 'G', 'H'})
            rig.server.sendFrame(0, kind, "N0CALL", {}, QByteArray(4, '\0'));
        QCOMPARE(rig.fetchedBeforeMarker(),
                 QStringList({"c N1AAA *** CONNECTED To Station N1AAA\r" + kNul, "D N1AAA hello\r",
                              "d N1AAA *** DISCONNECTED From Station N1AAA\r" + kNul}));
        QCOMPARE(rig.values.ReceivedKind, int('D'));  // the marker
    }

    void sendsUseTheRadioPortOfTheMoment() {
        Rig rig;
        QVERIFY(rig.start());
        rig.values.RadioPort = 1;
        rig.link.send('V', "CQ RS0ISS", "Hello");
        rig.values.RadioPort = 0;
        rig.link.send('V', "CQ", QString::fromLatin1("caf\xe9"));
        rig.link.send('P', "N0CALL", {});
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"V N0CALL>CQ <01>RS0ISS....Hello 1",
                              "M N0CALL>CQ " + QString::fromLatin1("caf\xe9"), "X N0CALL>"}));

        // A frame from another port changes nothing in the settings.
        rig.server.sendFrame(3, 'D', "N1AAA", "N0CALL", "x");
        const auto frame = rig.next();
        QVERIFY(frame);
        QCOMPARE(frame->port, 3);
        QCOMPARE(rig.values.RadioPort, 0);
    }

    void connectedDataOnlyWhileTheLinkIsUp() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send('D', "N1AAA", "too early");
        QCOMPARE(rig.sentBeforeMarker(), QStringList());

        rig.server.sendConnected("N1AAA", "N0CALL", false);
        QCOMPARE(rig.fetchedBeforeMarker().size(), 1);
        rig.link.send('D', "N1AAA", {});  // empty: nothing
        rig.link.send('D', "N1AAA", QString(700, u't'));
        const QString line = QStringLiteral("D N0CALL>N1AAA ");
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({line + QString(256, u't'), line + QString(256, u't'),
                              line + QString(188, u't')}));

        rig.server.sendDisconnected("N1AAA", "N0CALL");
        QCOMPARE(rig.fetchedBeforeMarker().size(), 1);
        rig.link.send('D', "N1AAA", "too late");
        rig.link.send('d', "N1AAA", {});
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"d N0CALL>N1AAA"}));
    }

    // The engine knows a link by both calls: a station that called our second registered
    // call is answered from that call.
    void connectedDataGoesFromOurSideOfTheLink() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send('P', "N0CALL-1", {});
        rig.server.sendConnected("N3CCC", "N0CALL-1");
        QCOMPARE(rig.fetchedBeforeMarker().size(), 1);
        rig.server.clearReceived();
        rig.link.send('D', "N3CCC", "hi\r");
        rig.link.send('d', "N3CCC", {});
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"D N0CALL-1>N3CCC hi<0d>", "d N0CALL-1>N3CCC"}));
    }

    void reconnectsAfterTheEngineDropsUs() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send('P', "N0CALL-1", {});
        rig.server.sendConnected("N1AAA", "N0CALL");
        QCOMPARE(rig.fetchedBeforeMarker().size(), 1);
        rig.server.clearReceived();

        rig.server.dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 3, kWait);
        QCOMPARE(rig.states.at(1).at(0).toBool(), false);
        QVERIFY(rig.link.isUp());
        // The link that was up is reported down; no second start-up text.
        QCOMPARE(rig.fetchedBeforeMarker(),
                 QStringList({"d N1AAA *** DISCONNECTED From Station N1AAA\r" + kNul}));

        rig.link.send('D', "N1AAA", "gone");
        // Both calls registered again; the link that went down takes no data.
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"m >", "k >", "X N0CALL>", "X N0CALL-1>", "R >", "G >"}));

        // It keeps trying while the engine is away.
        const quint16 port = rig.server.port();
        rig.server.stop();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 4, kWait);
        rig.link.send('V', "CQ", "while down");
        QVERIFY(rig.server.listen(port));
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 5, kWait);
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"m >", "k >", "X N0CALL>", "X N0CALL-1>", "R >", "G >"}));
    }

    void closeEndsTheConnection() {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.server.waitForClients(1));
        bool upWhileClosing = false;
        connect(&rig.link, &AgwLink::closing, this, [&] { upWhileClosing = rig.link.isUp(); });
        rig.link.close();
        QVERIFY(upWhileClosing);
        QVERIFY(!rig.link.isUp());
        QCOMPARE(rig.states.count(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(rig.server.clientCount(), 0, kWait);
    }

    void brokenStreamsCloseAndReconnect_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("engineCloses");
        QByteArray huge = FakeAgwServer::encode(0, 'U', {}, {}, {});
        huge[28] = 0x01;
        huge[30] = 0x01;  // 65537 bytes announced, none sent
        QTest::newRow("huge length") << huge << false;
        QTest::newRow("kind not a letter")
            << FakeAgwServer::encode(0, 'D', {}, {}, "x").replace(4, 1, "5") << false;
        QTest::newRow("garbage") << QByteArray(100, char(0xA5)) << false;
        QTest::newRow("NUL kind") << QByteArray(36, '\0') << false;
        QTest::newRow("close mid-frame")
            << FakeAgwServer::encode(0, 'D', QStringLiteral("N1AAA"), {}, "abcdef").left(40)
            << true;
    }

    void brokenStreamsCloseAndReconnect() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, engineCloses);
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.server.waitForClients(1));
        QSignalSpy connections(&rig.server, &FakeAgwServer::clientConnected);
        rig.server.sendRaw(bytes);
        if (engineCloses)
            rig.server.dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 3, kWait);
        QCOMPARE(connections.count(), 1);
        // The new connection starts clean: nothing of the broken one is left over.
        QCOMPARE(rig.fetchedBeforeMarker(), QStringList());
    }

    void rendersHeardFramesFromTheRawCopy() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendHeard("N0CALL>CQ,RS0ISS*,WIDE2-1:Hello");
        rig.server.sendHeard("N1ABC-7>APRS:a" + kNul + "b", 1);
        // The engine's own texts of the same frames are dropped.
        QCOMPARE(
            rig.fetchedBeforeMarker(),
            QStringList(
                {"U N0CALL  1:Fm N0CALL To CQ Via RS0ISS*,WIDE2-1 <UI pid=F0 Len=5 "
                 ">[21:04:09]\rHello\r\r" +
                     kNul,
                 "U N1ABC-7  2:Fm N1ABC-7 To APRS <UI pid=F0 Len=3 >[21:04:09]\rab\r\r" + kNul}));
    }

    void usesEngineTextsOnlyWithoutARawCopy() {
        Rig rig;
        QVERIFY(rig.start());
        const QByteArray text =
            QByteArray(" 1:Fm N1AAA To N2BBB <I S1 R0 pid=0xF0 Len=3 P=0 >[00:04:05]\rabc\r") +
            '\0';
        rig.server.sendFrame(0, 'I', "N1AAA", "N2BBB", text);
        rig.server.sendTransmitted("N0CALL>CQ,RS0ISS:Hi");
        QStringList frames = rig.fetchedBeforeMarker();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0],
                 "I N1AAA  1:Fm N1AAA To N2BBB <I R0 S1 pid=F0 Len=3 >[00:04:05]\rabc\r\r" + kNul);
        QVERIFY2(
            frames[1].startsWith("T N0CALL  1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=2 >[") &&
                frames[1].endsWith("]\rHi\r\r" + kNul),
            qPrintable(frames[1]));

        // Once raw frames come, the texts are duplicates; 'T' stays (no raw copy of those).
        rig.server.sendHeard("N0CALL>CQ:x");
        rig.server.sendFrame(0, 'I', "N1AAA", "N2BBB", text);
        rig.server.sendTransmitted("N0CALL>CQ:y");
        frames = rig.fetchedBeforeMarker();
        QCOMPARE(frames.size(), 2);
        QVERIFY(frames[0].startsWith('U') && frames[1].startsWith('T'));

        // The engine's text stands in for a raw frame that would not decode.
        rig.server.sendFrame(0, 'K', "N9BAD", "CQ", QByteArray("\0\x01\x02", 3));
        rig.server.sendFrame(0, 'U', "N9BAD", "CQ", FakeAgwServer::direwolfUiText("N9BAD>CQ:odd"));
        rig.server.sendFrame(0, 'K', {}, {}, QByteArray());  // empty: dropped, no crash
        frames = rig.fetchedBeforeMarker();
        QCOMPARE(frames.size(), 1);
        QVERIFY(frames[0].startsWith("U N9BAD  1:Fm N9BAD To CQ <UI pid=F0 Len=3 >["));
        QVERIFY(rig.link.isUp());
    }

    void receivingKeepsWithinItsLimits() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendData("N1AAA", "N0CALL", QByteArray(5000, 'z'));
        const auto big = rig.next();
        QVERIFY(big);
        QCOMPARE(big->data, QString(2000, u'z'));  // the program's buffer
        QCOMPARE(big->dataLength, 2000);

        // A full queue drops the oldest.
        QByteArray flood;
        for (int i = 0; i < int(kReceiveQueueCapacity) + 5; ++i)
            flood += FakeAgwServer::encode(0, 'D', "N1AAA", {}, QByteArray::number(i));
        rig.server.sendRaw(flood);
        QTRY_COMPARE_WITH_TIMEOUT(rig.link.droppedFrames(), qint64(5), kWait);
        QCOMPARE(rig.link.pendingFrames(), kReceiveQueueCapacity);
        const auto first = rig.link.fetch();
        QVERIFY(first);
        QCOMPARE(first->data, "5");
    }
};

QTEST_GUILESS_MAIN(TestAgwLink)
#include "tst_agwlink.moc"
