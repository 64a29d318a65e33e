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

    std::optional<AgwFrame> next(int timeoutMs = kWait) {
        std::optional<AgwFrame> frame;
        (void)QTest::qWaitFor([&] { return (frame = link.fetch()).has_value(); }, timeoutMs);
        return frame;
    }

    // Starts and takes the start-up text away.
    bool start(const QString& call = QStringLiteral("N0CALL")) {
        if (!link.start(call))
            return false;
        const auto text = next();
        return text && text->data.startsWith(QLatin1String("AGWPE engine"));
    }

    // Every frame the link hands out before a marker the engine sends now.
    QList<AgwFrame> framesBeforeMarker() {
        server.sendData(kMarker, QStringLiteral("N0CALL"), "mark");
        QList<AgwFrame> frames;
        while (auto frame = next()) {
            if (frame->callFrom == kMarker)
                return frames;
            frames << *frame;
        }
        frames << AgwFrame{};  // the marker never came: make the comparison fail
        return frames;
    }

    // Every frame the engine received before a marker the link sends now.
    QList<FakeAgwServer::Frame> receivedBeforeMarker() {
        const int markers = server.countOfKind('M');
        link.send(QLatin1Char('V'), kMarker, QString());
        if (!server.waitForCount('M', markers + 1, kWait))
            return {};
        QList<FakeAgwServer::Frame> frames = server.received();
        frames.removeLast();
        return frames;
    }
};

QString kinds(const QList<FakeAgwServer::Frame>& frames) {
    QString text;
    for (const auto& frame : frames)
        text += QLatin1Char(frame.kind);
    return text;
}

QString nul() {
    return QString(QChar(0));
}

}  // namespace

class TestAgwLink : public QObject {
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void startDoesTheExchangeOnceAndNamesTheEngine() {
        Rig rig;
        QVERIFY(rig.link.start(QStringLiteral(" n0call ")));
        QVERIFY(rig.link.isUp());
        QCOMPARE(rig.states.count(), 1);
        QCOMPARE(rig.states.at(0).at(0).toBool(), true);

        const auto text = rig.next();
        QVERIFY(text);
        const QString expected =
            QStringLiteral(
                "AGWPE engine 127.0.0.1:%1 version 2005.127, 1 radio port: Port1 Fake "
                "soundcard")
                .arg(rig.server.port()) +
            nul();
        QCOMPARE(text->data, expected);
        QCOMPARE(text->dataLength, expected.size());
        QCOMPARE(text->kind, int('G'));
        QCOMPARE(rig.values.ReceivedKind, int('G'));
        QVERIFY(!text->data.contains(QLatin1Char('\r')));

        const auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("mkXRG"));
        QCOMPARE(sent[2].callFrom, QStringLiteral("N0CALL"));
        QCOMPARE(rig.server.clientCount(), 1);
    }

    void startFailsWithoutAnEngineAndDropsSends() {
        Rig rig;
        rig.server.stop();
        QVERIFY(!rig.link.start(QStringLiteral("N0CALL")));
        QVERIFY(!rig.link.isUp());
        QCOMPARE(rig.states.count(), 0);
        QSignalSpy requests(&rig.link, &AgwLink::sendRequested);
        rig.link.send(QLatin1Char('P'), QStringLiteral("N0CALL"), QString());
        rig.link.send(QLatin1Char('V'), QStringLiteral("CQ"), QStringLiteral("lost"));
        QVERIFY(!rig.link.fetch());
        // The program's sends can still be observed.
        QCOMPARE(requests.count(), 2);
        QCOMPARE(requests.at(1).at(0).value<QChar>(), QLatin1Char('V'));
        QCOMPARE(requests.at(1).at(1).toString(), QStringLiteral("CQ"));
        QCOMPARE(requests.at(1).at(2).toString(), QStringLiteral("lost"));
    }

    void startupTextComesBeforeMonitoredFrames() {
        Rig rig;
        rig.server.setSilent(true);
        QVERIFY(rig.link.start(QStringLiteral("N0CALL")));
        QVERIFY(rig.server.waitForFrame('G'));
        rig.server.sendHeard(QStringLiteral("N0CALL>CQ:early"));
        QTRY_COMPARE_WITH_TIMEOUT(rig.link.pendingFrames(), qsizetype(1), kWait);
        QVERIFY(!rig.link.fetch());  // held back until the engine has told who it is

        QByteArray version(8, '\0');
        version[0] = char(0xD5);
        version[1] = char(0x07);
        version[4] = char(0x7F);
        rig.server.sendFrame(0, 'R', {}, {}, version);
        rig.server.sendFrame(0, 'G', {}, {},
                             QByteArray("2;Port1 first soundcard left;Port2 first soundcard right;"
                                        "Port3 INVALID CHANNEL;") +
                                 '\0');
        const auto text = rig.next();
        QVERIFY(text);
        QCOMPARE(text->data, QStringLiteral("AGWPE engine 127.0.0.1:%1 version 2005.127, 2 radio "
                                            "ports: Port1 first soundcard left; Port2 first "
                                            "soundcard right")
                                     .arg(rig.server.port()) +
                                 nul());
        const auto heard = rig.next();
        QVERIFY(heard);
        QVERIFY(heard->data.startsWith(QLatin1String(" 1:Fm N0CALL To CQ <UI")));
    }

    void startupTextAfterTheReplyTimeout() {
        Rig rig;
        rig.server.setSilent(true);
        QVERIFY(rig.link.start(QStringLiteral("N0CALL")));
        const auto text = rig.next();
        QVERIFY(text);
        QCOMPARE(text->data,
                 QStringLiteral("AGWPE engine 127.0.0.1:%1 version unknown, radio ports unknown")
                         .arg(rig.server.port()) +
                     nul());
    }

    void laterStartOnlyRegistersTheNewCall() {
        Rig rig;
        QVERIFY(rig.start());
        QVERIFY(rig.server.waitForFrame('G'));
        rig.server.clearReceived();
        QVERIFY(rig.start(QStringLiteral("N1NEW")));  // a fresh start-up text, at once
        const auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("X"));
        QCOMPARE(sent[0].callFrom, QStringLiteral("N1NEW"));
        QCOMPARE(rig.server.clientCount(), 1);
        QCOMPARE(rig.states.count(), 1);
    }

    void engineEventsBecomeProgramKinds() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendConnected(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        rig.server.sendData(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"), "hello\r");
        rig.server.sendDisconnected(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        // Replies the link keeps to itself.
        for (char kind : {'X', 'y', 'Y', 'g', 'R', 'G', 'H'})
            rig.server.sendFrame(0, kind, QStringLiteral("N0CALL"), {}, QByteArray(4, '\0'));

        const auto frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 3);
        QCOMPARE(frames[0].kind, int('c'));
        QCOMPARE(frames[0].callFrom, QStringLiteral("N1AAA"));
        QCOMPARE(frames[0].data, QStringLiteral("*** CONNECTED To Station N1AAA\r") + nul());
        QCOMPARE(frames[0].dataLength, 32);
        QCOMPARE(frames[1].kind, int('D'));
        QCOMPARE(frames[1].data, QStringLiteral("hello\r"));
        QCOMPARE(frames[1].dataLength, 6);
        QCOMPARE(frames[2].kind, int('d'));
        QCOMPARE(frames[2].callFrom, QStringLiteral("N1AAA"));
        QCOMPARE(frames[2].dataLength, 37);
        QCOMPARE(rig.values.ReceivedKind, int('D'));  // the marker
    }

    void sendsUseTheRadioPortOfTheMoment() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.clearReceived();
        rig.values.RadioPort = 1;
        rig.link.send(QLatin1Char('V'), QStringLiteral("CQ RS0ISS"), QStringLiteral("Hello"));
        rig.values.RadioPort = 0;
        rig.link.send(QLatin1Char('V'), QStringLiteral("CQ"), QString::fromLatin1("caf\xe9"));
        rig.link.send(QLatin1Char('P'), QStringLiteral("N0CALL"), QString());
        const auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("VMX"));
        QCOMPARE(sent[0].port, 1);
        QCOMPARE(sent[0].callFrom, QStringLiteral("N0CALL"));
        QCOMPARE(sent[0].callTo, QStringLiteral("CQ"));
        QCOMPARE(sent[0].data, QByteArray("\x01RS0ISS\0\0\0\0Hello", 16));
        QCOMPARE(sent[1].port, 0);
        QCOMPARE(sent[1].data, QByteArray("caf\xe9"));

        // A frame from another port changes nothing in the settings.
        rig.server.sendFrame(3, 'D', QStringLiteral("N1AAA"), QStringLiteral("N0CALL"), "x");
        const auto frame = rig.next();
        QVERIFY(frame);
        QCOMPARE(frame->port, 3);
        QCOMPARE(rig.values.RadioPort, 0);
    }

    void connectedDataOnlyWhileTheLinkIsUp() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.clearReceived();
        rig.link.send(QLatin1Char('D'), QStringLiteral("N1AAA"), QStringLiteral("too early"));
        QCOMPARE(kinds(rig.receivedBeforeMarker()), QString());

        rig.server.sendConnected(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"), false);
        QCOMPARE(rig.framesBeforeMarker().size(), 1);
        rig.server.clearReceived();
        rig.link.send(QLatin1Char('D'), QStringLiteral("N1AAA"), QString());  // empty: nothing
        const QString text = QString(700, QLatin1Char('t'));
        rig.link.send(QLatin1Char('D'), QStringLiteral("N1AAA"), text);
        auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("DDD"));
        QByteArray joined;
        for (const auto& frame : sent) {
            QVERIFY(frame.data.size() <= 256);
            QCOMPARE(frame.callFrom, QStringLiteral("N0CALL"));
            QCOMPARE(frame.callTo, QStringLiteral("N1AAA"));
            joined += frame.data;
        }
        QCOMPARE(joined, text.toLatin1());

        rig.server.sendDisconnected(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        QCOMPARE(rig.framesBeforeMarker().size(), 1);
        rig.server.clearReceived();
        rig.link.send(QLatin1Char('D'), QStringLiteral("N1AAA"), QStringLiteral("too late"));
        rig.link.send(QLatin1Char('d'), QStringLiteral("N1AAA"), QString());
        QCOMPARE(kinds(rig.receivedBeforeMarker()), QStringLiteral("d"));
    }

    // A station that called our second registered call is answered from that call: the
    // engine knows the link only by both calls.
    void connectedDataGoesFromOurSideOfTheLink() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send(QLatin1Char('P'), QStringLiteral("N0CALL-1"), QString());
        rig.server.sendConnected(QStringLiteral("N3CCC"), QStringLiteral("N0CALL-1"));
        QCOMPARE(rig.framesBeforeMarker().size(), 1);
        rig.server.clearReceived();
        rig.link.send(QLatin1Char('D'), QStringLiteral("N3CCC"), QStringLiteral("hi\r"));
        rig.link.send(QLatin1Char('d'), QStringLiteral("N3CCC"), QString());
        const auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("Dd"));
        QCOMPARE(sent[0].callFrom, QStringLiteral("N0CALL-1"));
        QCOMPARE(sent[1].callFrom, QStringLiteral("N0CALL-1"));
    }

    void reconnectsAfterTheEngineDropsUs() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send(QLatin1Char('P'), QStringLiteral("N0CALL-1"), QString());
        rig.server.sendConnected(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"));
        QCOMPARE(rig.framesBeforeMarker().size(), 1);
        QVERIFY(rig.server.waitForFrame('G'));
        rig.server.clearReceived();

        rig.server.dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 3, kWait);
        QCOMPARE(rig.states.at(1).at(0).toBool(), false);
        QCOMPARE(rig.states.at(2).at(0).toBool(), true);
        QVERIFY(rig.link.isUp());

        // The link that was up is reported down; no second start-up text.
        const auto frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].kind, int('d'));
        QCOMPARE(frames[0].callFrom, QStringLiteral("N1AAA"));
        QCOMPARE(frames[0].data, QStringLiteral("*** DISCONNECTED From Station N1AAA\r") + nul());

        rig.link.send(QLatin1Char('D'), QStringLiteral("N1AAA"), QStringLiteral("gone"));
        const auto sent = rig.receivedBeforeMarker();
        QCOMPARE(kinds(sent), QStringLiteral("mkXXRG"));
        QCOMPARE(sent[2].callFrom, QStringLiteral("N0CALL"));
        QCOMPARE(sent[3].callFrom, QStringLiteral("N0CALL-1"));
    }

    void reconnectsWhenTheEngineComesBack() {
        Rig rig;
        QVERIFY(rig.start());
        const quint16 port = rig.server.port();
        rig.server.stop();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 2, kWait);
        QVERIFY(!rig.link.isUp());
        rig.link.send(QLatin1Char('V'), QStringLiteral("CQ"), QStringLiteral("while down"));

        rig.server.clearReceived();
        QVERIFY(rig.server.listen(port));
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 3, kWait);
        QVERIFY(rig.link.isUp());
        QCOMPARE(kinds(rig.receivedBeforeMarker()), QStringLiteral("mkXRG"));
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
        QByteArray notALetter = FakeAgwServer::encode(0, 'D', {}, {}, "x");
        notALetter[4] = '5';
        QTest::newRow("huge length") << huge << false;
        QTest::newRow("kind not a letter") << notALetter << false;
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
        QCOMPARE(rig.framesBeforeMarker().size(), 0);
    }

    void rendersHeardFramesFromTheRawCopy() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendHeard(QStringLiteral("N0CALL>CQ,RS0ISS*,WIDE2-1:Hello"));
        rig.server.sendHeard(QString(QStringLiteral("N1ABC-7>APRS:a") + QChar(0) + "b"), 1);
        const auto frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 2);  // the engine's own texts are dropped
        QCOMPARE(frames[0].kind, int('U'));
        QCOMPARE(frames[0].callFrom, QStringLiteral("N0CALL"));
        QCOMPARE(frames[0].data, QStringLiteral(" 1:Fm N0CALL To CQ Via RS0ISS*,WIDE2-1 <UI pid=F0 "
                                                "Len=5 >[21:04:09]\rHello\r\r") +
                                     nul());
        QCOMPARE(
            frames[1].data,
            QStringLiteral(" 2:Fm N1ABC-7 To APRS <UI pid=F0 Len=3 >[21:04:09]\rab\r\r") + nul());
    }

    void normalisesTextsOfAnEngineWithoutRawFrames() {
        Rig rig;
        QVERIFY(rig.start());
        const QByteArray text =
            " 1:Fm N1AAA To N2BBB <I S1 R0 pid=0xF0 Len=3 P=0 >[00:04:05]\rabc\r" +
            QByteArray(1, '\0');
        rig.server.sendFrame(0, 'I', QStringLiteral("N1AAA"), QStringLiteral("N2BBB"), text);
        rig.server.sendTransmitted(QStringLiteral("N0CALL>CQ,RS0ISS:Hi"));
        auto frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0].kind, int('I'));
        QCOMPARE(frames[0].data,
                 QStringLiteral(" 1:Fm N1AAA To N2BBB <I R0 S1 pid=F0 Len=3 >[00:04:05]\rabc\r\r") +
                     nul());
        QCOMPARE(frames[1].kind, int('T'));
        QVERIFY(frames[1].data.contains(QLatin1String("Via RS0ISS <UI pid=F0 Len=2 >[")));
        QVERIFY(frames[1].data.endsWith(QStringLiteral("]\rHi\r\r") + nul()));

        // Once raw frames come, the texts are duplicates; 'T' stays (no raw copy of those).
        rig.server.sendHeard(QStringLiteral("N0CALL>CQ:x"));
        rig.server.sendFrame(0, 'I', QStringLiteral("N1AAA"), QStringLiteral("N2BBB"), text);
        rig.server.sendTransmitted(QStringLiteral("N0CALL>CQ:y"));
        frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0].kind, int('U'));
        QCOMPARE(frames[1].kind, int('T'));
    }

    void undecodableRawFrameFallsBackToTheEngineText() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendHeard(QStringLiteral("N0CALL>CQ:first"));
        rig.server.sendFrame(0, 'K', QStringLiteral("N9BAD"), QStringLiteral("CQ"),
                             QByteArray("\0\x01\x02", 3));
        rig.server.sendFrame(0, 'U', QStringLiteral("N9BAD"), QStringLiteral("CQ"),
                             FakeAgwServer::direwolfUiText(QStringLiteral("N9BAD>CQ:odd")));
        rig.server.sendFrame(0, 'K', {}, {}, QByteArray());  // empty: dropped, no crash
        const auto frames = rig.framesBeforeMarker();
        QCOMPARE(frames.size(), 2);
        QVERIFY(frames[1].data.startsWith(QLatin1String(" 1:Fm N9BAD To CQ <UI pid=F0 Len=3 >[")));
        QVERIFY(rig.link.isUp());
    }

    void fetchTruncatesToTheProgramBuffer() {
        Rig rig;
        QVERIFY(rig.start());
        rig.server.sendData(QStringLiteral("N1AAA"), QStringLiteral("N0CALL"),
                            QByteArray(5000, 'z'));
        const auto frame = rig.next();
        QVERIFY(frame);
        QCOMPARE(frame->data.size(), 2000);
        QCOMPARE(frame->dataLength, 2000);
    }

    void aFullQueueDropsTheOldest() {
        Rig rig;
        QVERIFY(rig.start());
        QByteArray flood;
        const int total = int(kReceiveQueueCapacity) + 5;
        for (int i = 0; i < total; ++i) {
            flood +=
                FakeAgwServer::encode(0, 'D', QStringLiteral("N1AAA"), {}, QByteArray::number(i));
        }
        rig.server.sendRaw(flood);
        QTRY_COMPARE_WITH_TIMEOUT(rig.link.droppedFrames(), qint64(5), kWait);
        QCOMPARE(rig.link.pendingFrames(), kReceiveQueueCapacity);
        const auto first = rig.link.fetch();
        QVERIFY(first);
        QCOMPARE(first->data, QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestAgwLink)
#include "tst_agwlink.moc"
