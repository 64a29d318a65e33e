// The receive side against a real direwolf: a recording of varied frames goes into the
// engine as audio, and the poll loop takes what the engine heard into the monitor, the heard
// list and the alarm.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "support/direwolf.h"
#include "support/direwolffeeder.h"
#include "support/fixture/zenofixture.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

using namespace zeno;
using namespace zeno::test;

namespace {

// The engine runs at the recording's rate while the feeder streams at its own pace: the
// recording plays at twice its speed, which the demodulator does not mind.
constexpr quint32 kRecordingRate = 22050;

QByteArray readData(const QString& name) {
    QFile file(qEnvironmentVariable("ZENO_SOURCE_DIR") + "/tests/data/receive/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kHeardInOrder{"N0CALL", "PA3ABC",  "N1ABC",    "N2XYZ", "DL1ABC",
                                "KB1XYZ", "N1ABC-7", "DL1ABC-9", "N4ABC", "N6ABC",
                                "N3DEF",  "N1ABC-9", "OE1XYZ",   "N7NUL", "N1AAA",
                                "N2BBB",  "NBD",     "N8ABC",    "N9ABC"};

}  // namespace

class ReceiveEngineTest : public QObject {
    Q_OBJECT

private slots:
    void recordingThroughTheEngineAndThePollLoop() {
        // frames.wav has the plain 44-byte header of 16-bit mono samples.
        const QByteArray wav = readData(QStringLiteral("frames.wav"));
        QVERIFY2(wav.startsWith("RIFF") && wav.mid(36, 4) == "data" &&
                     qFromLittleEndian<quint32>(wav.constData() + 24) == kRecordingRate,
                 "tests/data/receive/frames.wav is not the expected recording");
        const QString expectedMonitor = QString::fromUtf8(readData("frames-monitor.txt"));

        DirewolfStation engine({.callsign = QStringLiteral("N0RX"),
                                .extraConfig = {QStringLiteral("ARATE %1").arg(kRecordingRate)}});
        QVERIFY2(engine.start(), qPrintable(engine.errorString()));

        ZenoFixture f;
        Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"));
        settings.alarmMode = 1;
        settings.alarmHeaderText = QStringLiteral("pcsat*");
        f.writeSettings(settings);
        f.writeFile(
            QStringLiteral("engine.ini"),
            QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(engine.agwPort()).toLatin1());
        f.create();
        // Long enough for the engine's replies: they prove it took the monitor request, so no
        // frame of the recording is heard before monitoring is on.
        f.link().setTimings({3000, 200, 3000});
        QVERIFY2(f.start(), qPrintable(engine.describe()));
        QVERIFY(f.tickUntil([&] { return !f.state().link.EngineInitText.isEmpty(); }));
        QVERIFY2(f.state().link.EngineInitText.contains(QLatin1String("2005")),
                 qPrintable(f.state().link.EngineInitText + '\n' + engine.describe()));
        f.find<QPlainTextEdit>("Text1")->clear();

        AudioFeeder feeder(engine.audioPort());
        feeder.sendPcm(wav.mid(44), QStringLiteral("frames.wav"));
        const auto* list = f.find<QListWidget>("List1");
        int alarmsBeforePcsat = -1;
        const bool heardAll = f.tickUntil(
            [&] {
                if (alarmsBeforePcsat < 0 && f.monitorText().contains("pcsat* mentioned"))
                    alarmsBeforePcsat = int(f.platform.played.size());
                return feeder.isIdle() && list->count() == kHeardInOrder.size() &&
                       f.link().pendingFrames() == 0;
            },
            40000);
        QVERIFY2(heardAll, qPrintable(f.monitorText() + engine.describe()));

        // What the operator sees, the engine's clock times aside.
        static const QRegularExpression time(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\]"));
        QCOMPARE(f.monitorText().replace(time, QStringLiteral("[hh:mm:ss]")).split('\n'),
                 expectedMonitor.split('\n'));

        QStringList heard;
        for (int i = 0; i < list->count(); ++i)
            heard << list->item(i)->text();
        QCOMPARE(heard, kHeardInOrder);
        QCOMPARE(f.find<QLabel>("StationTeller")->text(), QString::number(kHeardInOrder.size()));

        // Once, for the frame repeated by PCSAT; not for the text in an information field.
        QCOMPARE(alarmsBeforePcsat, 0);
        QCOMPARE(f.platform.played, QStringList{appFile(f.appPath(), QStringLiteral("alarm.wav"))});
        QVERIFY(f.dialogs.problems().isEmpty());
    }
};

QTEST_MAIN(ReceiveEngineTest)
#include "tst_receive_engine.moc"
