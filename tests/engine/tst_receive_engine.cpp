// SPDX-License-Identifier: GPL-3.0-or-later
// The receive side against a real direwolf: the link's start-up text from the engine's replies
// comes first, then a recording of varied frames goes into the engine as audio, and the poll
// loop takes what the engine heard into the monitor, the heard list and the alarm. Last, two
// other direwolf stations on the channel hold a link while ZENO's engine only listens.
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
// The stations that talk run at the same rate, so they hear each other.
const QStringList kAtRecordingRate{QStringLiteral("ARATE %1").arg(kRecordingRate)};
constexpr int kHeardWithinMs = 40000;
constexpr int kLinkWithinMs = 15000;
const QString kLinkA = QStringLiteral("N5AAA");
const QString kLinkB = QStringLiteral("N6BBB");

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

    // Dire Wolf sets up a link to its own kind with SABME: modulo 128, two control bytes. Each
    // side answers what it got, so every N(R) is known; the last frame is B's I S2 R3.
    void modulo128LinkOfOtherStations() {
        EngineClient* const side[] = {&channel_.client(1), &channel_.client(2)};
        const QString call[] = {kLinkA, kLinkB};
        const auto got = [](char kind, const QString& text = {}) {
            return
                [=](const EngineFrame& f) { return f.kind == kind && f.text().startsWith(text); };
        };
        side[1]->send('X', kLinkB);  // B takes calls
        f_.find<QPlainTextEdit>("Text1")->clear();
        side[0]->send('C', kLinkA, kLinkB);
        QVERIFY2(side[0]->waitForFrame(got('C'), kLinkWithinMs), qPrintable(channel_.describe()));
        QStringList expected;
        for (int i = 0; i < 6; ++i) {
            const int from = i % 2;
            const QString line = QStringLiteral("%1 %2").arg(from ? "pong" : "ping").arg(i / 2 + 1);
            side[from]->send('D', call[from], call[1 - from], line.toLatin1() + '\r', 0xF0);
            QVERIFY2(side[1 - from]->waitForFrame(got('D', line), kLinkWithinMs),
                     qPrintable(channel_.describe()));
            expected << QStringLiteral("Fm %1 To %2 <I R%3 S%4 pid=F0 Len=7 >\n%5")
                            .arg(call[from], call[1 - from])
                            .arg((i + 1) / 2)
                            .arg(i / 2)
                            .arg(line);
        }
        QVERIFY(f_.tickUntil([&] { return f_.monitorText().contains(u"pong 3"); }, kLinkWithinMs));
        static const QRegularExpression iFrame(
            QStringLiteral("(Fm \\S+ To \\S+ <I [^>]*>)\\[\\d\\d:\\d\\d:\\d\\d\\](\\n.*)"));
        QStringList shown;
        for (const QRegularExpressionMatch& match : iFrame.globalMatch(f_.monitorText()))
            shown << match.captured(1) + match.captured(2);
        QCOMPARE(shown, expected);
    }

private:
    DirewolfChannel channel_{{{.callsign = QStringLiteral("N0RX"), .extraConfig = kAtRecordingRate},
                              {.callsign = kLinkA, .extraConfig = kAtRecordingRate},
                              {.callsign = kLinkB, .extraConfig = kAtRecordingRate}}};
    ZenoFixture f_;
};

QTEST_MAIN(ReceiveEngineTest)
#include "tst_receive_engine.moc"
