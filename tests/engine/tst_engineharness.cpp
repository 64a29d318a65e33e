// The engine test harness against the real direwolf, checked with a raw AGW client: audio
// in, the simulated radio channel, the digipeater set-up and the independent decoders.
#include "support/direwolf.h"
#include "support/direwolfchannel.h"
#include "support/direwolffeeder.h"
#include "support/direwolftools.h"
#include "support/engineclient.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace zeno::test;

Q_DECLARE_METATYPE(zeno::test::DirewolfOptions)

namespace {

// One transmission takes about half a second on air; this leaves room for a slow machine.
constexpr int kHeardWithinMs = 8000;

EngineClient::Predicate frameFrom(char kind, const QString& source, const QByteArray& text) {
    return [=](const EngineFrame& frame) {
        return frame.kind == kind && frame.callFrom == source && frame.data.contains(text);
    };
}

}  // namespace

class EngineHarnessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        a_ = channel_.addStation({.callsign = QStringLiteral("N1AAA")});
        b_ = channel_.addStation({.callsign = QStringLiteral("N2BBB")});
        digi_ = channel_.addStation({.callsign = QStringLiteral("N9DIG"), .aprsDigipeat = true});
        QVERIFY2(receiver_.start(), qPrintable(receiver_.errorString()));
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));

        const QList<std::pair<EngineClient*, DirewolfStation*>> sessions{
            {&rxClient_, &receiver_}, {&aClient_, a_}, {&bClient_, b_}, {&digiClient_, digi_}};
        rxClient_.connectToEngine(receiver_.agwPort());
        rxClient_.send('k');  // raw frames too
        for (const auto& [client, station] : sessions) {
            if (!client->isConnected()) {
                QVERIFY2(client->connectToEngine(station->agwPort()),
                         qPrintable(client->errorString()));
            }
            client->beginSession(station->callsign());
        }
        // The engines read a new client's commands only once a second: wait for all at once.
        for (const auto& [client, station] : sessions) {
            QVERIFY2(client->waitForSession(),
                     qPrintable(client->errorString() + QLatin1Char('\n') + station->describe()));
        }
    }

    void init() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        for (EngineClient* client : {&rxClient_, &aClient_, &bClient_, &digiClient_})
            client->clearFrames();
    }

    void feederAudioIsDecodedByTheEngine() {
        AudioFeeder feeder(receiver_.audioPort());
        QSignalSpy sent(&feeder, &AudioFeeder::packetSent);
        QVERIFY2(feeder.sendPacket(QStringLiteral("N0CALL>CQ,RS0ISS*:Hello")),
                 qPrintable(feeder.errorString()));

        const auto monitored =
            rxClient_.waitForFrame(frameFrom('U', QStringLiteral("N0CALL"), {}), kHeardWithinMs);
        QVERIFY2(monitored, qPrintable(rxClient_.describeFrames() + u'\n' + receiver_.describe()));
        static const QRegularExpression text(
            QStringLiteral("^ 1:Fm N0CALL To CQ Via RS0ISS <UI pid=F0 Len=5 PF=0 "
                           ">\\[\\d\\d:\\d\\d:\\d\\d\\]\rHello\r\\x00$"));
        QVERIFY2(text.match(monitored->text()).hasMatch(), qPrintable(monitored->toString()));

        // The raw frame comes first: no FCS, and the digipeater's has-been-repeated bit set
        // (what the program needs for its "*" mark), and no newline added to the info.
        const auto raw =
            rxClient_.framesMatching([](const EngineFrame& f) { return f.kind == 'K'; });
        QCOMPARE(raw.size(), 1);
        const QByteArray ax25 = raw.first().data.mid(1);
        QCOMPARE(ax25.size(), 3 * 7 + 2 + 5);
        QVERIFY(uchar(ax25.at(20)) & 0x80);
        QVERIFY(ax25.endsWith("\x03\xf0Hello"));

        QVERIFY(QTest::qWaitFor([&] { return feeder.isIdle(); }, kHeardWithinMs));
        QCOMPARE(sent.count(), 1);
    }

    void feederPlaysAPreparedWav() {
        QString error;
        QByteArray pcm;
        for (const char* packet : {"N1WAV>CQ:first", "N2WAV>CQ:second"}) {
            const auto audio = modulatePacket(QString::fromLatin1(packet), &error);
            QVERIFY2(audio, qPrintable(error));
            pcm += *audio + silencePcm(300);
        }
        QTemporaryDir dir;
        const QString wav = dir.filePath(QStringLiteral("two.wav"));
        QVERIFY2(writeWavPcm(wav, pcm, &error), qPrintable(error));

        AudioFeeder feeder(receiver_.audioPort());
        QVERIFY2(feeder.sendWav(wav), qPrintable(feeder.errorString()));
        QVERIFY(rxClient_.waitForFrame(frameFrom('U', QStringLiteral("N2WAV"), "second"),
                                       kHeardWithinMs));
        QCOMPARE(rxClient_.framesMatching(frameFrom('U', QStringLiteral("N1WAV"), "first")).size(),
                 1);
        QVERIFY(QTest::qWaitFor([&] { return feeder.isIdle(); }, kHeardWithinMs));
        QCOMPARE(feeder.sentLabels(), QStringList{wav});
    }

    void channelCarriesEachStationToTheOthers() {
        aClient_.send('M', a_->callsign(), "CQ", "from A");
        for (EngineClient* other : {&bClient_, &digiClient_}) {
            QVERIFY2(other->waitForFrame(frameFrom('U', a_->callsign(), "from A"), kHeardWithinMs),
                     qPrintable(other->describeFrames() + u'\n' + channel_.describe()));
        }
        QVERIFY2(aClient_.waitForFrame(frameFrom('T', a_->callsign(), "from A"), kHeardWithinMs),
                 qPrintable(aClient_.describeFrames()));

        // Anything A heard of its own transmission would have arrived before B's answer.
        bClient_.send('M', b_->callsign(), "CQ", "from B");
        QVERIFY2(aClient_.waitForFrame(frameFrom('U', b_->callsign(), "from B"), kHeardWithinMs),
                 qPrintable(aClient_.describeFrames() + u'\n' + channel_.describe()));
        QVERIFY2(aClient_.framesMatching(frameFrom('U', a_->callsign(), {})).isEmpty(),
                 qPrintable(aClient_.describeFrames()));
    }

    void digipeaterRepeatsAWidePath() {
        aClient_.send('V', a_->callsign(), QStringLiteral("CQ"),
                      EngineClient::pathBlock({QStringLiteral("WIDE1-1")}) + "via the digi");
        QVERIFY2(digiClient_.waitForFrame(frameFrom('T', a_->callsign(), "via the digi"),
                                          kHeardWithinMs),
                 qPrintable(digiClient_.describeFrames() + u'\n' + channel_.describe()));
        // B hears A directly and then the repeated copy.
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         return bClient_
                                    .framesMatching(frameFrom('U', a_->callsign(), "via the digi"))
                                    .size() == 2;
                     },
                     kHeardWithinMs),
                 qPrintable(bClient_.describeFrames()));
    }

    void recordedTransmissionDecodesWithAtest() {
        rxClient_.send('M', receiver_.callsign(), "CQ", "on tape");
        QVERIFY2(
            rxClient_.waitForFrame(frameFrom('T', receiver_.callsign(), "on tape"), kHeardWithinMs),
            qPrintable(rxClient_.describeFrames() + u'\n' + receiver_.describe()));
        // The frame is modulated when its 'T' is sent; it reaches the file soon after.
        QString error;
        std::optional<QStringList> decoded;
        (void)QTest::qWaitFor(
            [&] {
                decoded = decodeWithAtest(receiver_.transmitFile(), &error);
                return !decoded || !decoded->isEmpty();
            },
            kHeardWithinMs);
        QVERIFY2(decoded, qPrintable(error));
        QCOMPARE(*decoded, QStringList{QStringLiteral("N0RX>CQ:on tape")});
    }

    void startFailsWithAClearMessage_data() {
        QTest::addColumn<DirewolfOptions>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("not installed")
            << DirewolfOptions{.program = QStringLiteral("zeno-no-such-engine")}
            << QStringLiteral("'zeno-no-such-engine' is not installed");
        QTest::newRow("output name too long for direwolf")
            << DirewolfOptions{.transmitPath = QStringLiteral("/tmp/a-rather-long-name/tx.raw")}
            << QStringLiteral("longer than the 29 characters");
    }

    void startFailsWithAClearMessage() {
        QFETCH(DirewolfOptions, options);
        QFETCH(QString, message);
        DirewolfStation station(options);
        QVERIFY(!station.start());
        QVERIFY2(station.errorString().contains(message), qPrintable(station.errorString()));
        QVERIFY(!station.isRunning());
    }

private:
    DirewolfStation receiver_{{.callsign = QStringLiteral("N0RX"), .recordTransmit = true}};
    VirtualChannel channel_;
    DirewolfStation* a_ = nullptr;
    DirewolfStation* b_ = nullptr;
    DirewolfStation* digi_ = nullptr;
    EngineClient rxClient_, aClient_, bClient_, digiClient_;
};

QTEST_GUILESS_MAIN(EngineHarnessTest)
#include "tst_engineharness.moc"
