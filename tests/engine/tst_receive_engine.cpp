// The receive side against a real direwolf: a recording of varied frames goes into the engine as
// audio, and the poll loop takes what the engine heard into the monitor, the heard list and the
// alarm.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "support/direwolfchannel.h"
#include "support/fixture/zenofixture.h"
#include "support/qtwarnings.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// The engine runs at the recordings' rate while the channel streams at its own: they play at
// twice their speed, which the demodulator does not mind.
constexpr int kRecordingRate = 22050;
constexpr int kHeardWithinMs = 40000;

QString sourcePath(const QString& name) {
    return qEnvironmentVariable("ZENO_SOURCE_DIR", QStringLiteral(".")) + u'/' + name;
}

const QStringList kHeardInOrder{"N0CALL", "PA3ABC",  "N1ABC",    "N2XYZ", "DL1ABC",
                                "KB1XYZ", "N1ABC-7", "DL1ABC-9", "N4ABC", "N6ABC",
                                "N3DEF",  "N1ABC-9", "OE1XYZ",   "N7NUL", "N1AAA",
                                "N2BBB",  "NBD",     "N8ABC",    "N9ABC"};

}  // namespace

class ReceiveEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        engine_ =
            channel_.addStation({.callsign = QStringLiteral("N0RX"),
                                 .extraConfig = {QStringLiteral("ARATE %1").arg(kRecordingRate)}});
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
    }

    void init() { failOnUnexpectedWarnings(); }

    // Each case starts on a quiet channel.
    void cleanup() {
        QVERIFY(QTest::qWaitFor([&] { return channel_.playedOut(); }, kHeardWithinMs));
    }

    void recordingThroughTheEngineAndThePollLoop() {
        QString error;
        const auto audio =
            readWavPcm(sourcePath("tests/data/receive/frames.wav"), &error, kRecordingRate);
        QVERIFY2(audio, qPrintable(error));
        QFile monitorFile(sourcePath("tests/data/receive/frames-monitor.txt"));
        QVERIFY(monitorFile.open(QIODevice::ReadOnly));
        const QString expectedMonitor = QString::fromUtf8(monitorFile.readAll());

        ZenoFixture f;
        Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"));
        settings.alarmMode = 1;
        settings.alarmHeaderText = QStringLiteral("pcsat*");
        f.writeSettings(settings);
        startProgram(f);

        channel_.play(*audio);
        const auto* list = f.find<QListWidget>("List1");
        int alarmsBeforePcsat = -1;
        const bool heardAll = f.tickUntil(
            [&] {
                if (alarmsBeforePcsat < 0 && f.monitorText().contains("pcsat* mentioned"))
                    alarmsBeforePcsat = int(f.platform.played.size());
                return channel_.playedOut() && list->count() == kHeardInOrder.size() &&
                       f.link().pendingFrames() == 0;
            },
            kHeardWithinMs);
        QVERIFY2(heardAll, qPrintable(f.monitorText() + engine_->describe()));

        // What the operator sees, the engine's clock times aside.
        static const QRegularExpression time(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\]"));
        QCOMPARE(f.monitorText().replace(time, QStringLiteral("[hh:mm:ss]")).split('\n'),
                 expectedMonitor.split('\n'));
        QCOMPARE(f.heardCalls(), kHeardInOrder);
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QString::number(kHeardInOrder.size()));

        // Once, for the frame repeated by PCSAT; not for the text in an information field.
        QCOMPARE(alarmsBeforePcsat, 0);
        QCOMPARE(f.platform.played, QStringList{appFile(f.appPath(), QStringLiteral("alarm.wav"))});
        QVERIFY(f.dialogs.problems().isEmpty());
    }

private:
    // Starts the program on the engine and waits for its start-up text: once the engine has
    // answered, it has taken the monitor request too, so every frame heard from then on
    // reaches the program.
    void startProgram(ZenoFixture& f) {
        f.useEngine(engine_->agwPort());
        f.create();
        f.link().setTimings({3000, 200, 3000});  // long enough for the engine's replies
        QVERIFY2(f.start(), qPrintable(engine_->describe()));
        f.state().engine.acknowledgeMessages = false;  // no acks on the air the recordings use
        QVERIFY(f.tickUntil([&] { return !f.state().link.EngineInitText.isEmpty(); }));
        QVERIFY2(f.state().link.EngineInitText.contains(QLatin1String("2005")),
                 qPrintable(f.state().link.EngineInitText + u'\n' + engine_->describe()));
        f.find<QPlainTextEdit>("Text1")->clear();
    }

    DirewolfChannel channel_;
    DirewolfStation* engine_ = nullptr;
};

QTEST_MAIN(ReceiveEngineTest)
#include "tst_receive_engine.moc"
