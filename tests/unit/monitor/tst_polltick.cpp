// SPDX-License-Identifier: GPL-3.0-or-later
// The poll tick: its steps in order against a recording view and hooks.
#include "config/appstate.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/pollhooks.h"
#include "monitor/polltick.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"
#include "support/testrows.h"

#include <QQueue>
#include <QTest>
#include <functional>

using namespace zeno;
using namespace zeno::test;

namespace {

const QString kNul(QChar(0));

AgwFrame frame(char kind, const QString& data) {
    return {0, kind, QStringLiteral("N1AAA"), data, int(data.size())};
}

// A monitored UI frame as the link renders it.
AgwFrame heard(const QString& calls, const QString& info) {
    return frame('U', " 1:Fm " + calls + " <UI pid=F0 >[21:04:09]\r" + info + "\r\r" + kNul);
}

// Everything the tick does to the window and the other sides, as one ordered log.
struct Rig : FrameSource, MonitorView, BeaconHooks, MessageLogHook, ConnectedModeHook {
    AppState state;
    FakePlatform platform;
    MonitorFilter filter;
    HeardList heardList;
    PollTick tick{state, platform, *this, filter, heardList, *this, PollHooks{*this, *this, *this}};
    QQueue<AgwFrame> frames;
    QStringList log;
    QString clock = QStringLiteral("00:00:00"), monitor;  // the monitor as CR LF text
    bool stopMonitor = false, viewData = false, autoScroll = true, goOn = true, pausing = false;
    int shown = 0;
    std::function<void()> duringConnectedEvent = [] {};

    explicit Rig(int alarmMode = 0, const QString& alarmText = QString()) {
        state.appPath = QStringLiteral("/zeno");
        state.settings.alarmMode = alarmMode;
        (alarmMode == 1 ? state.settings.alarmHeaderText : state.settings.alarmDataText) =
            alarmText;
    }
    std::optional<AgwFrame> fetch() override {
        log << "fetch";
        return frames.isEmpty() ? std::nullopt : std::optional(frames.dequeue());
    }
    QString clockCaption() const override { return clock; }
    void setClockCaption(const QString& caption) override { log << "clock " + (clock = caption); }
    bool stopMonitorChecked() const override { return stopMonitor; }
    bool viewDataChecked() const override { return viewData; }
    bool autoScrollChecked() const override { return autoScroll; }
    void appendToMonitor(const QString& text) override { log << "append", monitor += text; }
    qsizetype monitorLength() const override { return monitor.size(); }
    QChar monitorLastChar() const override { return monitor.isEmpty() ? QChar() : monitor.back(); }
    void cutMonitorFront(qsizetype n) override {
        log << QString("cut %1").arg(n), monitor.remove(0, n);
    }
    void scrollMonitorToEnd() override { log << "scroll"; }
    void showMonitorNow() override { ++shown; }
    void showHeardStation(const QString& call, int n) override {
        log << "heard " + call + ' ' + QString::number(n);
    }
    void Klok_Change() override { log << "Klok_Change"; }
    void beaconStep() override { log << "beacon"; }
    void LogAPRSMessages(const QString& header, const QString& data) override {
        log << "LogAPRSMessages " + header + " | " + data;
    }
    bool connectedModeEvent(const AgwFrame& f, const QString& firstLine,
                            const QString& body) override {
        log << QStringLiteral("connected %1 %2 | %3").arg(f.kindLetter(), firstLine, body);
        duringConnectedEvent();
        return goOn;
    }
    bool holdsPollTick() const override { return pausing; }

    QStringList tickLog() {
        log.clear();
        tick.Timer1_Timer();
        return log;
    }
    int alarms() const { return int(platform.played.size()); }
};

}  // namespace

class PollTickTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void stepsInOrder() {
        Rig r(1, QStringLiteral("RS0ISS*"));
        r.frames << heard("N1ABC To APRS Via RS0ISS*", ":PA3XYZ   :Good morning{01");
        const QString header = "Fm N1ABC To APRS Via RS0ISS* <UI pid=F0 >[21:04:09]";
        const QString body = ":PA3XYZ   :Good morning{01\r\n\r\n" + kNul;
        QCOMPARE(r.tickLog(), (QStringList{"clock 12:00:00", "Klok_Change", "fetch", "beacon",
                                           "append", "LogAPRSMessages " + header + " | " + body,
                                           "scroll", "heard N1ABC 1", "fetch"}));
        QCOMPARE(r.monitor, header + "\r\n:PA3XYZ   :Good morning{01\r\n\r\n");
        QCOMPARE(r.platform.played, QStringList{appFile(QStringLiteral("/zeno"), "alarm.wav")});
        // No frame: nothing more; the clock changes once per second.
        for (int i = 0; i < 3; ++i) {
            r.platform.advance(250);
            QCOMPARE(r.tickLog(), (QStringList{"fetch", "beacon"}));
        }
        r.autoScroll = false;
        r.platform.advance(250);
        r.frames << heard("N0CALL To CQ", "Hello");
        QCOMPARE(r.tickLog(), (QStringList{"clock 12:00:01", "Klok_Change", "fetch", "beacon",
                                           "append", "heard N0CALL 2", "fetch"}));
        // Stop Monitor: every waiting frame is fetched and gone, none shows up later.
        r.stopMonitor = true;
        r.frames << heard("N2XYZ To CQ Via RS0ISS*", ":PA3XYZ   :hi") << heard("N1ABC To CQ", "Hi");
        QCOMPARE(r.tickLog(), (QStringList{"fetch", "beacon", "fetch", "fetch"}));
        r.stopMonitor = false;
        QCOMPARE(r.tickLog(), (QStringList{"fetch", "beacon"}));
        QVERIFY(r.heardList.entries().size() == 2 && r.alarms() == 1);
        r.pausing = true;  // no tick while connected mode pauses
        QVERIFY(r.tickLog().isEmpty());
    }

    // "View Data" hides the headers and a filter hides frames, from the monitor only.
    void hidingTouchesTheMonitorOnly() {
        Rig r(2, QStringLiteral("Hello"));
        r.viewData = true;
        r.filter.chooseOnlyDigipeated();
        r.frames << heard("N0CALL To CQ Via RS0ISS", ":N2XYZ    :Hello{1")
                 << heard("N1ABC To CQ Via RS0ISS*", "Hello") << frame('D', "line one\rline two\r");
        // Connected-mode text is hidden by any filter.
        QCOMPARE(r.tickLog().filter(QStringLiteral("LogAPRSMessages Fm N0CALL")).size(), 1);
        QCOMPARE(r.monitor, QStringLiteral("Hello\r\n\r\n"));
        QCOMPARE(r.heardList.entries(), (QStringList{"N0CALL", "N1ABC"}));
        QCOMPARE(r.alarms(), 2);
    }

    // The limit counts the CR LF text: 29000 characters stay, one more drops it to 26000.
    void trimAtTheLimit() {
        Rig r;
        r.monitor = QString(28989, 'x');
        r.frames << frame('U', " 1:Fm ABCDEF\r" + kNul);  // adds 11
        QVERIFY(r.tickLog().filter(QStringLiteral("cut")).isEmpty());
        QCOMPARE(r.monitor.size(), 29000);
        r.frames << frame('U', " 1:Fm A\r" + kNul);  // 29006
        QVERIFY(r.tickLog().contains(QStringLiteral("cut 3006")));
        QCOMPARE(r.monitor.size(), 26000);
        QVERIFY(r.monitor.endsWith(QStringLiteral("Fm ABCDEF\r\nFm A\r\n")));
    }

    void engineInitTextIsTheFirstTextWithANul() {
        const QString init = QStringLiteral("AGWPE engine 127.0.0.1:8000, version 2005.127");
        Rig r;
        r.frames << frame('D', "no NUL here\r") << frame('U', init + kNul)
                 << heard("N0CALL To CQ", "Hello");
        r.tick.Timer1_Timer();
        QCOMPARE(r.state.link.EngineInitText, init);  // not the later frame's
        // A line of its own, without its NUL.
        QVERIFY(r.monitor.contains("\r\n" + init + "\r\n") && !r.monitor.contains(kNul));
    }

    void connectedModeKinds_data() {
        // goOn: what connected mode answers; handed: what it gets, "" for nothing
        columns<char, QString, bool, QString, int>("kind", "data", "goOn", "handed", "alarms");
        const QString connect = QStringLiteral("*** CONNECTED To Station N1AAA\r") + kNul;
        const QString handed = "connected c *** CONNECTED To Station N1AAA | \r\n" + kNul;
        row("c", 'c', connect, true, handed, 1);
        row("c refused: no alarm", 'c', connect, false, handed, 0);
        row("D", 'D', "hi from A\rsecond\r", true, "connected D hi from A | \r\nsecond\r\n", 1);
        row("monitored I frame is not connected mode", 'I',
            " 1:Fm N1AAA To CQ <UI pid=F0 Len=2 >\rhi\r\r" + kNul, true, QString(), 1);
    }

    void connectedModeKinds() {
        Rig r(2, QString());  // any body sounds
        r.goOn = fetched<bool>("goOn");
        r.frames << frame(fetched<char>("kind"), fetched<QString>("data"));
        QTEST(r.tickLog().filter(QStringLiteral("connected")).join(QString()), "handed");
        QTEST(r.alarms(), "alarms");
    }

    // Every waiting frame in one tick and one repaint, unless a box ran the event loop (a tick
    // fired inside), connected mode began to wait, or the tick's time share ran out.
    void framesOfOneTick_data() {
        columns<QString, int>("during", "taken");
        row("nothing", QString(), 3);
        row("nested tick", QStringLiteral("nested"), 1);
        row("connected mode waits", QStringLiteral("wait"), 1);
        row("time share used", QStringLiteral("slow"), 1);
        row("end pending", QStringLiteral("end"), 1);
    }

    void framesOfOneTick() {
        QFETCH(QString, during);
        QFETCH(int, taken);
        Rig r;
        r.duringConnectedEvent = [&] {
            QVERIFY(r.tick.isRunning());
            if (during == "nested")
                r.tick.Timer1_Timer();
            r.pausing = during == "wait";
            if (during == "slow")
                QTest::qSleep(kTickFrameBudgetMs + 5);
            if (during == "end")
                r.tick.setEndPending([] { return true; });
        };
        r.frames << frame('c', "*** CONNECTED To Station N1AAA\r" + kNul)
                 << heard("N0CALL To CQ", "Hello") << heard("N1ABC To CQ", "Hi");
        QCOMPARE(r.tickLog().count(QStringLiteral("fetch")), taken + (taken == 3));
        QCOMPARE(r.frames.size(), 3 - taken);
        QCOMPARE(r.shown, 2);  // before the connected event and once at the end
        QVERIFY(!r.tick.isRunning());
        r.pausing = false;
        r.tick.Timer1_Timer();
        QCOMPARE(r.frames.isEmpty(), during != "end");  // no tick while the end is pending
    }
};

QTEST_APPLESS_MAIN(PollTickTest)
#include "tst_polltick.moc"
