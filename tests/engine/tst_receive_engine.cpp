// The receive side against a real direwolf: the link's start-up text from the engine's replies
// comes first, then a recording of varied frames goes into the engine as audio, and the poll
// loop takes what the engine heard into the monitor, the heard list and the alarm.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "support/direwolf.h"
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
        QVERIFY2(channel_.start(), qPrintable(channel_.errorString()));
        Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"));
        settings.alarmMode = 1;
        settings.alarmHeaderText = QStringLiteral("pcsat*");
        f_.writeSettings(settings);
        f_.useEngine(channel_.agwPort(0));
        f_.create();
        f_.link().setTimings({3000, 200, 3000});  // long enough for the engine's replies
        QVERIFY2(f_.start(), qPrintable(channel_.describe()));
        f_.state().engine.acknowledgeMessages = false;  // no acks on the air the recordings use
    }

    void init() { failOnUnexpectedWarnings(); }

    // Once it is there the engine has answered, so it has taken the monitor request too and
    // every frame heard from then on reaches the program.
    void startUpTextComesFirst() {
        QVERIFY(f_.tickUntil([&] { return !f_.monitorText().isEmpty(); }));
        // Its address, the version from the 'R' reply and the port from the 'G' reply.
        QCOMPARE(f_.monitorText().trimmed(),
                 QStringLiteral("AGWPE engine 127.0.0.1:%1 version 2005.127, 1 radio port: "
                                "Port1 first soundcard mono")
                     .arg(channel_.agwPort(0)));
    }

    void recordingThroughTheEngineAndThePollLoop() {
        QString error;
        const auto audio =
            readWavPcm(sourcePath("tests/data/receive/frames.wav"), kRecordingRate, &error);
        QVERIFY2(audio, qPrintable(error));
        QFile monitorFile(sourcePath("tests/data/receive/frames-monitor.txt"));
        QVERIFY(monitorFile.open(QIODevice::ReadOnly));
        const QString expectedMonitor = QString::fromUtf8(monitorFile.readAll());

        f_.find<QPlainTextEdit>("Text1")->clear();
        channel_.play(*audio);
        const auto* list = f_.find<QListWidget>("List1");
        int alarmsBeforePcsat = -1;
        const bool heardAll = f_.tickUntil(
            [&] {
                if (alarmsBeforePcsat < 0 && f_.monitorText().contains("pcsat* mentioned"))
                    alarmsBeforePcsat = int(f_.platform.played.size());
                return channel_.playedOut() && list->count() == kHeardInOrder.size() &&
                       f_.link().pendingFrames() == 0;
            },
            kHeardWithinMs);
        QVERIFY2(heardAll, qPrintable(f_.monitorText() + channel_.describe()));

        // What the operator sees, the engine's clock times aside. The "*" marks and the
        // 8-bit text come from the raw frames, not from the engine's own monitor text.
        static const QRegularExpression time(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\]"));
        QCOMPARE(f_.monitorText().replace(time, QStringLiteral("[hh:mm:ss]")).split('\n'),
                 expectedMonitor.split('\n'));
        QCOMPARE(f_.heardCalls(), kHeardInOrder);
        QCOMPARE(f_.find<QLabel>("StationTeller")->text(), QString::number(kHeardInOrder.size()));

        // Once, for the frame repeated by PCSAT; not for the text in an information field.
        QCOMPARE(alarmsBeforePcsat, 0);
        QCOMPARE(f_.platform.played,
                 QStringList{appFile(f_.appPath(), QStringLiteral("alarm.wav"))});
        QVERIFY(f_.dialogs.problems().isEmpty());
    }

private:
    DirewolfChannel channel_{{{.callsign = QStringLiteral("N0RX"),
                               .extraConfig = {QStringLiteral("ARATE %1").arg(kRecordingRate)}}}};
    ZenoFixture f_;
};

QTEST_MAIN(ReceiveEngineTest)
#include "tst_receive_engine.moc"
