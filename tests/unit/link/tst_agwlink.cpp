// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/agwlink.h"
#include "support/fakeagwserver.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"

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
    QList<LinkStatus> statuses;

    Rig()
        : link(values, platform, EngineAddress{QStringLiteral("127.0.0.1"), server.port()}),
          states(&link, &AgwLink::linkStateChanged) {
        link.setTimings(LinkTimings{2000, 50, 300});
        platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
        QObject::connect(&link, &AgwLink::statusChanged, [this](LinkStatus s) { statuses << s; });
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
    // "kind from>to data [port]".
    QStringList sentBeforeMarker() {
        const int markers = server.countOfKind('M');
        link.send('V', kMarker, {});
        if (!server.waitForCount('M', markers + 1, kWait))
            return {QStringLiteral("(no marker)")};
        QStringList frames;
        for (const auto& frame : server.received().mid(0, server.received().size() - 1)) {
            frames << QStringLiteral("%1 %2>%3 %4 %5")
                          .arg(QLatin1Char(frame.kind))
                          .arg(frame.callFrom, frame.callTo, frame.text(),
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
        // Sends go to the radio port of the moment.
        rig.values.RadioPort = 1;
        rig.link.send('V', "CQ", "Hello");
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"m >", "k >", "X N0CALL>", "R >", "G >", "M N0CALL>CQ Hello 1"}));
        rig.values.RadioPort = 0;

        // A later start only registers the new call, and hands out a fresh start-up text.
        QVERIFY(rig.link.start("N1NEW"));
        QVERIFY(rig.next());
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"X N1NEW>"}));
        QCOMPARE(rig.server.clientCount(), 1);
        QCOMPARE(rig.states.count(), 1);
        // A frame from another port changes nothing in the settings.
        rig.server.sendFrame(3, 'D', "N1AAA", "N0CALL", "x");
        const auto frame = rig.next();
        QVERIFY(frame && frame->port == 3);
        QCOMPARE(rig.values.RadioPort, 0);
    }

    // Sends are still reported while no engine runs, and the link finds the engine later.
    void findsALateEngine() {
        Rig rig;
        rig.server.stop();
        QVERIFY(!rig.link.start("N0CALL"));
        QVERIFY(!rig.link.isUp());
        QSignalSpy requests(&rig.link, &AgwLink::sendRequested);
        rig.link.send('V', "CQ", "lost");
        QCOMPARE(requests.value(0),
                 QVariantList({QVariant::fromValue(QChar(u'V')), "CQ", QStringLiteral("lost")}));
        QVERIFY(rig.server.listen(rig.server.port()));
        QVERIFY(rig.server.waitForFrame('X'));
        QCOMPARE(rig.server.receivedOfKind('X').first().callFrom, QStringLiteral("N0CALL"));
        const auto text = rig.next();
        QVERIFY(text && text->data.startsWith(QLatin1String("AGWPE engine")));
        QCOMPARE(rig.states.count(), 1);
        QVERIFY(rig.sentBeforeMarker().filter("lost").isEmpty());
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
        QVERIFY(heard && heard->callFrom == QStringLiteral("N0CALL"));
    }

    // The engine's connected-mode events become the program's kinds. It knows a link by both
    // calls: a station that called our second registered call is answered from that call, and
    // only while the link is up.
    void connectedMode() {
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send('P', "N0CALL-1", {});
        rig.link.send('D', "N3CCC", "too early");
        rig.server.sendConnected("N3CCC", "N0CALL-1");
        rig.server.sendData("N3CCC", "N0CALL-1", "hello\r");
        // Replies the link keeps to itself.
        for (char kind : {'X', 'y', 'Y', 'g', 'R', 'G', 'H'})
            rig.server.sendFrame(0, kind, "N0CALL", {}, QByteArray(4, '\0'));
        QCOMPARE(
            rig.fetchedBeforeMarker(),
            QStringList({"c N3CCC *** CONNECTED To Station N3CCC\r" + kNul, "D N3CCC hello\r"}));
        QCOMPARE(rig.values.ReceivedKind, int('D'));  // the marker
        rig.link.send('D', "N3CCC", "hi");
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"X N0CALL-1>", "D N0CALL-1>N3CCC hi"}));

        rig.server.sendDisconnected("N3CCC", "N0CALL-1");
        QCOMPARE(rig.fetchedBeforeMarker(),
                 QStringList({"d N3CCC *** DISCONNECTED From Station N3CCC\r" + kNul}));
        rig.link.send('D', "N3CCC", "too late");
        rig.link.send('d', "N3CCC", {});
        QCOMPARE(rig.sentBeforeMarker(), QStringList({"d N0CALL>N3CCC"}));
    }

    // A lost connection, or a stream that cannot be trusted, is closed and opened again; the
    // status bar says which.
    void reconnectsAfterALostOrBrokenConnection_data() {
        columns<QByteArray, bool, int>("bytes", "engineCloses", "status");
        row("engine closes mid-frame",
            FakeAgwServer::encode(0, 'D', QStringLiteral("N1AAA"), {}, "abcdef").left(40), true,
            int(LinkStatus::Lost));
        row("garbage", QByteArray(100, char(0xA5)), false, int(LinkStatus::BadFrame));
    }

    void reconnectsAfterALostOrBrokenConnection() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, engineCloses);
        Rig rig;
        QVERIFY(rig.start());
        rig.link.send('P', "N0CALL-1", {});
        rig.server.sendConnected("N1AAA", "N0CALL");
        QCOMPARE(rig.fetchedBeforeMarker().size(), 1);
        rig.server.clearReceived();

        rig.server.sendRaw(bytes);
        if (engineCloses)
            rig.server.dropClients();
        QTRY_COMPARE_WITH_TIMEOUT(rig.states.count(), 3, kWait);
        QCOMPARE(rig.states.at(1).at(0).toBool(), false);
        QVERIFY(rig.link.isUp());
        QTRY_COMPARE_WITH_TIMEOUT(rig.statuses.size(), 3, kWait);
        QTEST(int(rig.statuses.at(1)), "status");
        QCOMPARE(rig.statuses.at(2), LinkStatus::Answering);
        // The link that was up is reported down; nothing of the broken stream is left over and
        // there is no second start-up text.
        QCOMPARE(rig.fetchedBeforeMarker(),
                 QStringList({"d N1AAA *** DISCONNECTED From Station N1AAA\r" + kNul}));
        rig.link.send('D', "N1AAA", "gone");
        // Both calls registered again; the link that went down takes no data.
        QCOMPARE(rig.sentBeforeMarker(),
                 QStringList({"m >", "k >", "X N0CALL>", "X N0CALL-1>", "R >", "G >"}));
    }

    // An engine that takes the connection and never answers is never shown as connected: it
    // is left and tried again like a lost connection until it answers.
    void leavesAnEngineThatDoesNotAnswer() {
        Rig rig;
        rig.link.setTimings(LinkTimings{2000, 50, 300, 200});
        rig.server.setSilent(true);
        QVERIFY(rig.link.start("N0CALL"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.server.countOfKind('R') >= 2, kWait);
        QCOMPARE(linkStatusText(rig.statuses.value(0), "h:1"), "Engine at h:1 does not answer");
        rig.server.setSilent(false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.statuses.last(), LinkStatus::Answering, kWait);
        QCOMPARE(rig.statuses.count(LinkStatus::NoAnswer), rig.statuses.size() - 1);
        QVERIFY(rig.link.isUp());
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

    // Heard frames are rendered from the engine's raw copy, once; its own texts stand in only
    // where there is none. Which frames come out, by kind and sender: the texts are the
    // renderer's own test's.
    void monitorTextsFromRawFramesOrTheEngine() {
        Rig rig;
        QVERIFY(rig.start());
        const QByteArray text = FakeAgwServer::direwolfUiText("N1AAA>CQ:abc");
        rig.server.sendFrame(0, 'U', "N1AAA", "CQ", text);        // no raw copy so far
        rig.server.sendHeard("N0CALL>CQ,RS0ISS*,WIDE2-1:Hello");  // raw copy and the text
        rig.server.sendFrame(0, 'U', "N1AAA", "CQ", text);        // a duplicate now
        rig.server.sendTransmitted("N0CALL>CQ:y");                // no raw copy of these
        rig.server.sendFrame(0, 'K', "N9BAD", "CQ", QByteArray("\0\x01\x02", 3));  // no frame
        rig.server.sendFrame(0, 'U', "N9BAD", "CQ", FakeAgwServer::direwolfUiText("N9BAD>CQ:odd"));
        rig.server.sendFrame(0, 'K', {}, {}, QByteArray());  // empty: dropped, no crash
        QStringList frames = rig.fetchedBeforeMarker();
        for (QString& frame : frames)  // the repeated digipeater's mark comes from the raw copy
            frame = frame.section(u' ', 0, 1) + (frame.contains("RS0ISS*") ? " *" : "");
        QCOMPARE(frames, QStringList({"U N1AAA", "U N0CALL *", "T N0CALL", "U N9BAD"}));
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

        // Past its bytes the queue drops the oldest too.
        ReceiveQueue queue(10, 2500);
        for (const char c : {'a', 'b', 'c'})
            queue.push({0, 'U', "N1AAA", QByteArray(1000, c)});
        QCOMPARE(queue.dropped(), 1);
        QCOMPARE(queue.bytes(), 2010);
        QCOMPARE(queue.pop()->data.front(), 'b');
    }
};

QTEST_GUILESS_MAIN(TestAgwLink)
#include "tst_agwlink.moc"
