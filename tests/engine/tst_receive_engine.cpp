// The receive side against a real direwolf: a recording of varied frames goes into the
// engine as audio, and the program's poll loop takes what the engine heard into the
// monitor, the heard list and the alarm.
#include "config/appstate.h"
#include "config/firstrun.h"
#include "link/agwlink.h"
#include "platform/apppath.h"
#include "support/direwolf.h"
#include "support/direwolffeeder.h"
#include "support/fixture/zenofixture.h"

#include <QDir>
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

// The recording's sample rate. The engine is set to it while the feeder streams at its own
// pace, so the recording plays at twice its speed: the demodulator does not mind.
constexpr int kRecordingRate = 22050;
constexpr int kHeardAllWithinMs = 40000;

QString dataFile(const QString& name) {
    return qEnvironmentVariable("ZENO_SOURCE_DIR") + QStringLiteral("/tests/data/receive/") + name;
}

// The samples of a 16-bit mono WAV file at kRecordingRate, or empty.
QByteArray recordingSamples(const QString& path, QString* why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = path + QStringLiteral(": ") + file.errorString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        *why = path + QStringLiteral(": not a WAV file");
        return {};
    }
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(b + at + 4);
        if (id == "fmt " && (qFromLittleEndian<quint16>(b + at + 10) != 1 ||
                             qFromLittleEndian<quint32>(b + at + 12) != quint32(kRecordingRate) ||
                             qFromLittleEndian<quint16>(b + at + 22) != 16)) {
            *why = path + QStringLiteral(": not 16-bit mono at %1 Hz").arg(kRecordingRate);
            return {};
        }
        if (id == "data")
            return bytes.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    *why = path + QStringLiteral(": no samples");
    return {};
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Times of day vary: the engine's own texts carry its clock.
QString withoutTimes(QString text) {
    static const QRegularExpression time(QStringLiteral("\\[\\d\\d:\\d\\d:\\d\\d\\]"));
    return text.replace(time, QStringLiteral("[hh:mm:ss]"));
}

QString visible(QString text) {
    for (int c = 0; c < 32; ++c) {
        if (c != '\n')
            text.replace(QChar(c), QStringLiteral("<%1>").arg(c, 2, 16, QLatin1Char('0')));
    }
    return text;
}

const QStringList kHeardInOrder{"N0CALL", "PA3ABC",  "N1ABC",    "N2XYZ", "DL1ABC",
                                "KB1XYZ", "N1ABC-7", "DL1ABC-9", "N4ABC", "N6ABC",
                                "N3DEF",  "N1ABC-9", "OE1XYZ",   "N7NUL", "N1AAA",
                                "N2BBB",  "NBD",     "N8ABC",    "N9ABC"};

}  // namespace

class ReceiveEngineTest : public QObject {
    Q_OBJECT

private slots:
    void recordingThroughTheEngineAndThePollLoop();
};

void ReceiveEngineTest::recordingThroughTheEngineAndThePollLoop() {
    QString why;
    const QByteArray samples = recordingSamples(dataFile(QStringLiteral("frames.wav")), &why);
    QVERIFY2(!samples.isEmpty(), qPrintable(why));
    const QString expectedMonitor = readText(dataFile(QStringLiteral("frames-monitor.txt")));
    QVERIFY(!expectedMonitor.isEmpty());

    DirewolfStation engine({.callsign = QStringLiteral("N0RX"),
                            .extraConfig = {QStringLiteral("ARATE %1").arg(kRecordingRate)}});
    QVERIFY2(engine.start(), qPrintable(engine.errorString()));

    ZenoFixture f;
    f.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
    Settings settings = firstRunSettings(QStringLiteral("PA3XYZ"));
    settings.alarmMode = 1;
    settings.alarmHeaderText = QStringLiteral("pcsat*");
    f.writeSettings(settings);
    f.writeFile(QStringLiteral("engine.ini"),
                QStringLiteral("host=127.0.0.1\r\nport=%1\r\n").arg(engine.agwPort()).toLatin1());
    f.create();
    // Long enough for the engine's replies: they prove it took the monitor request, so no
    // frame of the recording is heard before monitoring is on.
    f.link().setTimings({3000, 200, 3000});
    QVERIFY2(f.start(), qPrintable(engine.describe()));
    QVERIFY(f.tickUntil([&] { return !f.state().link.EngineInitText.isEmpty(); }));
    QVERIFY2(f.state().link.EngineInitText.contains(QLatin1String("2005")),
             qPrintable(f.state().link.EngineInitText + QLatin1Char('\n') + engine.describe()));
    f.find<QPlainTextEdit>("Text1")->clear();

    AudioFeeder feeder(engine.audioPort());
    feeder.sendPcm(samples, QStringLiteral("frames.wav"));
    const auto* list = f.find<QListWidget>("List1");
    int alarmsBeforePcsat = -1;
    const bool heardAll = f.tickUntil(
        [&] {
            if (alarmsBeforePcsat < 0 &&
                f.monitorText().contains(QLatin1String("pcsat* mentioned")))
                alarmsBeforePcsat = int(f.platform.played.size());
            return feeder.isIdle() && list->count() == kHeardInOrder.size() &&
                   f.link().pendingFrames() == 0;
        },
        kHeardAllWithinMs);
    QVERIFY2(heardAll, qPrintable(visible(f.monitorText()) + engine.describe()));

    // What the operator sees, the engine's clock times aside.
    const QString monitor = withoutTimes(f.monitorText());
    if (monitor != expectedMonitor) {
        // Too long for a failure message: leave it next to the expectation's name.
        const QString seen = QDir::temp().filePath(QStringLiteral("frames-monitor.seen.txt"));
        QFile out(seen);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(monitor.toUtf8());
        QFAIL(qPrintable(QStringLiteral("the monitor differs from frames-monitor.txt; it shows "
                                        "what %1 holds:\n%2")
                             .arg(seen, visible(monitor).left(600))));
    }

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

QTEST_MAIN(ReceiveEngineTest)
#include "tst_receive_engine.moc"
