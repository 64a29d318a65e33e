// The poll tick: its steps in order against a recording view and hooks.
#include "config/appstate.h"
#include "monitor/heardlist.h"
#include "monitor/monitorfilter.h"
#include "monitor/pollhooks.h"
#include "monitor/polltick.h"
#include "platform/apppath.h"
#include "support/fakeplatform.h"
#include "support/scripteddialogs.h"

#include <QQueue>
#include <QTest>
#include <functional>

using namespace zeno;
using namespace zeno::test;

namespace {

const QChar kNul(0);

AgwFrame frame(char kind, const QString& data, const QString& from = QString()) {
    AgwFrame f;
    f.kind = kind;
    f.callFrom = from;
    f.data = data;
    f.dataLength = int(data.size());
    return f;
}

// A monitored UI frame as the link renders it.
AgwFrame heard(const QString& calls, const QString& info) {
    return frame('U', QStringLiteral(" 1:Fm %1 <UI pid=F0 Len=%2 >[21:04:09]\r%3\r\r")
                              .arg(calls)
                              .arg(info.size())
                              .arg(info) +
                          kNul);
}

// Everything the tick does to the window and the other sides, as one ordered log.
struct Rig : FrameSource, MonitorView, PollHooks {
    AppState state;
    FakePlatform platform;
    MonitorFilter filter;
    HeardList heardList;
    PollTick tick{state, platform, *this, filter, heardList, *this, *this};

    QQueue<AgwFrame> frames;
    QStringList log;
    QString clock = QStringLiteral("00:00:00");
    QString monitor;  // CR LF text
    bool stopMonitor = false;
    bool viewData = false;
    bool autoScroll = true;
    bool goOnAfterConnectedEvent = true;
    std::function<void()> duringConnectedEvent;

    Rig() {
        state.appPath = QStringLiteral("/zeno");
        platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(21, 4, 9)));
    }

    std::optional<AgwFrame> fetch() override {
        log << "fetch";
        if (frames.isEmpty())
            return std::nullopt;
        return frames.dequeue();
    }
    QString clockCaption() const override { return clock; }
    void setClockCaption(const QString& caption) override {
        clock = caption;
        log << "clock " + caption;
    }
    bool stopMonitorChecked() const override { return stopMonitor; }
    bool viewDataChecked() const override { return viewData; }
    bool autoScrollChecked() const override { return autoScroll; }
    void appendToMonitor(const QString& text) override {
        monitor += text;
        log << "append";
    }
    qsizetype monitorLength() const override { return monitor.size(); }
    QChar monitorLastChar() const override { return monitor.isEmpty() ? QChar() : monitor.back(); }
    void cutMonitorFront(qsizetype count) override {
        monitor.remove(0, count);
        log << QStringLiteral("cut %1").arg(count);
    }
    void scrollMonitorToEnd() override { log << "scroll"; }
    void showHeardStation(const QString& call, int count) override {
        log << QStringLiteral("heard %1 %2").arg(call).arg(count);
    }
    void Klok_Change() override { log << "Klok_Change"; }
    void beaconStep() override { log << "beacon"; }
    void LogAPRSMessages(const QString& header, const QString& data) override {
        log << "LogAPRSMessages " + header + " | " + data;
    }
    bool connectedModeEvent(const AgwFrame& f, const QString& firstLine,
                            const QString& body) override {
        log << QStringLiteral("connected %1 %2 | %3").arg(f.kindLetter(), firstLine, body);
        if (duringConnectedEvent)
            duringConnectedEvent();
        return goOnAfterConnectedEvent;
    }

    // The log of one tick, without the clock (it shows the same second all along).
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
    void stepsInOrder();
    void clockChangesOncePerSecond();
    void noFrameEndsAfterTheBeacon();
    void stopMonitorDropsFrames();
    void viewDataHidesHeadersOnly();
    void filterHidesFromTheMonitorOnly();
    void aprsMessagesAreLoggedEvenWhenHidden();
    void trimAtTheLimit();
    void autoScrollOff();
    void engineInitTextIsTheFirstTextWithANul();
    void connectedModeKinds_data();
    void connectedModeKinds();
    void refusedConnectionNeverSoundsTheAlarm();
    void noTickInsideATick();
};

void PollTickTest::stepsInOrder() {
    Rig r;
    r.state.settings.alarmMode = 1;
    r.state.settings.alarmHeaderText = QStringLiteral("RS0ISS*");
    r.frames << heard(QStringLiteral("N1ABC To APRS Via RS0ISS*"),
                      QStringLiteral(":PA3XYZ   :Good morning{01"));
    const QString header =
        QStringLiteral("Fm N1ABC To APRS Via RS0ISS* <UI pid=F0 Len=26 >[21:04:09]");
    const QString body = QStringLiteral(":PA3XYZ   :Good morning{01\r\n\r\n") + kNul;
    QCOMPARE(r.tickLog(),
             (QStringList{"clock 21:04:09", "Klok_Change", "fetch", "beacon", "append",
                          "LogAPRSMessages " + header + " | " + body, "scroll", "heard N1ABC 1"}));
    QCOMPARE(r.monitor, header + "\r\n:PA3XYZ   :Good morning{01\r\n\r\n");
    QCOMPARE(r.platform.played, QStringList{appFile(QStringLiteral("/zeno"), "alarm.wav")});
}

void PollTickTest::clockChangesOncePerSecond() {
    Rig r;
    r.tick.Timer1_Timer();
    QCOMPARE(r.clock, QStringLiteral("21:04:09"));
    for (int i = 0; i < 3; ++i) {
        r.platform.advance(250);
        QCOMPARE(r.tickLog(), (QStringList{"fetch", "beacon"}));
    }
    r.platform.advance(250);
    QCOMPARE(r.tickLog().mid(0, 2), (QStringList{"clock 21:04:10", "Klok_Change"}));
}

void PollTickTest::noFrameEndsAfterTheBeacon() {
    Rig r;
    r.tick.Timer1_Timer();
    QCOMPARE(r.tickLog(), (QStringList{"fetch", "beacon"}));
    QVERIFY(r.monitor.isEmpty());
}

void PollTickTest::stopMonitorDropsFrames() {
    Rig r;
    r.state.settings.alarmMode = 1;
    r.state.settings.alarmHeaderText = QString();
    r.stopMonitor = true;
    r.frames << heard(QStringLiteral("N0CALL To CQ"), QStringLiteral(":PA3XYZ   :hi"))
             << heard(QStringLiteral("N1ABC To CQ"), QStringLiteral("Hello"));
    QCOMPARE(r.tickLog(), (QStringList{"clock 21:04:09", "Klok_Change", "fetch", "beacon"}));
    r.platform.advance(1000);
    QCOMPARE(r.tickLog(), (QStringList{"clock 21:04:10", "Klok_Change", "fetch", "beacon"}));
    QVERIFY(r.frames.isEmpty());

    // Nothing of them shows up later.
    r.stopMonitor = false;
    r.tick.Timer1_Timer();
    QVERIFY(r.monitor.isEmpty());
    QVERIFY(r.heardList.isEmpty());
    QCOMPARE(r.alarms(), 0);
    QVERIFY(r.state.link.EngineInitText.isEmpty());
}

void PollTickTest::viewDataHidesHeadersOnly() {
    Rig r;
    r.viewData = true;
    r.state.settings.alarmMode = 1;
    r.state.settings.alarmHeaderText = QStringLiteral("n0call");
    r.frames << heard(QStringLiteral("N0CALL To CQ"), QStringLiteral("Hello"));
    r.tick.Timer1_Timer();
    QCOMPARE(r.monitor, QStringLiteral("Hello\r\n\r\n"));
    QCOMPARE(r.heardList.entries(), QStringList{"N0CALL"});
    QCOMPARE(r.alarms(), 1);
}

void PollTickTest::filterHidesFromTheMonitorOnly() {
    Rig r;
    ScriptedDialogs dialogs;
    r.state.settings.alarmMode = 2;
    r.state.settings.alarmDataText = QStringLiteral("Hello");
    QVERIFY(menufiltersChoice(r.filter, MonitorFilter::OnlyDigipeated, {}, {}, dialogs));
    r.frames << heard(QStringLiteral("N0CALL To CQ Via RS0ISS"), QStringLiteral("Hello"))
             << heard(QStringLiteral("N1ABC To CQ Via RS0ISS*"), QStringLiteral("Hello"))
             << frame('D', QStringLiteral("line one\rline two\r"), QStringLiteral("N1AAA"));
    r.tick.Timer1_Timer();
    QVERIFY(r.monitor.isEmpty());
    r.tick.Timer1_Timer();
    QVERIFY(r.monitor.startsWith(QStringLiteral("Fm N1ABC")));
    const qsizetype shown = r.monitor.size();
    r.tick.Timer1_Timer();
    QCOMPARE(r.monitor.size(), shown);  // connected-mode text is hidden by any filter
    QCOMPARE(r.heardList.entries(), (QStringList{"N0CALL", "N1ABC"}));
    QCOMPARE(r.alarms(), 2);
}

void PollTickTest::aprsMessagesAreLoggedEvenWhenHidden() {
    Rig r;
    ScriptedDialogs dialogs;
    QVERIFY(
        menufiltersChoice(r.filter, MonitorFilter::CallTo, QStringLiteral("NOBODY"), {}, dialogs));
    r.frames << heard(QStringLiteral("N2XYZ To APZ123 Via WIDE1-1"),
                      QStringLiteral(":N0CALL   :test{1"))
             << heard(QStringLiteral("N2XYZ To APZ123"), QStringLiteral(":N0CALL  :one short"));
    QVERIFY(r.tickLog().filter(QStringLiteral("LogAPRSMessages")).size() == 1);
    QVERIFY(r.tickLog().filter(QStringLiteral("LogAPRSMessages")).isEmpty());
    QVERIFY(r.monitor.isEmpty());
}

void PollTickTest::trimAtTheLimit() {
    // The limit counts the CR LF text: 29000 characters stay, one more drops it to 26000.
    Rig exact;
    exact.monitor = QString(28989, QLatin1Char('x'));
    exact.frames << frame('U', QStringLiteral(" 1:Fm ABCDEF\r") + kNul);  // adds 11: 29000 exactly
    QVERIFY(exact.tickLog().filter(QStringLiteral("cut")).isEmpty());
    QCOMPARE(exact.monitor.size(), 29000);

    exact.frames << frame('U', QStringLiteral(" 1:Fm A\r") + kNul);  // 29006
    QVERIFY(exact.tickLog().contains(QStringLiteral("cut 3006")));
    QCOMPARE(exact.monitor.size(), 26000);
    QVERIFY(exact.monitor.endsWith(QStringLiteral("Fm ABCDEF\r\nFm A\r\n")));
}

void PollTickTest::autoScrollOff() {
    Rig r;
    r.autoScroll = false;
    r.frames << heard(QStringLiteral("N0CALL To CQ"), QStringLiteral("Hello"));
    QVERIFY(!r.tickLog().contains(QStringLiteral("scroll")));
}

void PollTickTest::engineInitTextIsTheFirstTextWithANul() {
    Rig r;
    r.frames << frame('D', QStringLiteral("no NUL here\r"))
             << frame('U', QStringLiteral("AGWPE engine 127.0.0.1:8000, version 2005.127") + kNul)
             << heard(QStringLiteral("N0CALL To CQ"), QStringLiteral("Hello"));
    r.tick.Timer1_Timer();
    QVERIFY(r.state.link.EngineInitText.isEmpty());
    r.tick.Timer1_Timer();
    QCOMPARE(r.state.link.EngineInitText,
             QStringLiteral("AGWPE engine 127.0.0.1:8000, version 2005.127"));
    r.tick.Timer1_Timer();
    QCOMPARE(r.state.link.EngineInitText,
             QStringLiteral("AGWPE engine 127.0.0.1:8000, version 2005.127"));
    // Shown as a line of its own, without its NUL.
    QVERIFY(r.monitor.contains(
        QStringLiteral("\r\nAGWPE engine 127.0.0.1:8000, version 2005.127\r\n")));
    QVERIFY(!r.monitor.contains(kNul));
}

void PollTickTest::connectedModeKinds_data() {
    QTest::addColumn<char>("kind");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("handed");  // what connected mode gets, "" for nothing
    QTest::newRow("c") << 'c' << QStringLiteral("*** CONNECTED To Station N1AAA\r") + kNul
                       << "connected c *** CONNECTED To Station N1AAA | \r\n" + QString(kNul);
    QTest::newRow("D") << 'D' << QStringLiteral("hello from A\rsecond\r")
                       << "connected D hello from A | \r\nsecond\r\n";
    QTest::newRow("d") << 'd' << QStringLiteral("*** DISCONNECTED From Station N1AAA\r") + kNul
                       << "connected d *** DISCONNECTED From Station N1AAA | \r\n" + QString(kNul);
    QTest::newRow("monitored I frame is not connected mode")
        << 'I' << QStringLiteral(" 1:Fm N1AAA To N2BBB <I R0 S0 pid=F0 Len=5 >\rhello\r\r") + kNul
        << "";
    QTest::newRow("T") << 'T'
                       << QStringLiteral(" 1:Fm PA3XYZ To CQ <UI pid=F0 Len=2 >\rhi\r\r") + kNul
                       << "";
}

void PollTickTest::connectedModeKinds() {
    QFETCH(char, kind);
    QFETCH(QString, data);
    QFETCH(QString, handed);
    Rig r;
    r.state.settings.alarmMode = 2;
    r.state.settings.alarmDataText = QString();  // any body sounds
    r.frames << frame(kind, data, QStringLiteral("N1AAA"));
    const QStringList log = r.tickLog();
    const QStringList connected = log.filter(QStringLiteral("connected"));
    QCOMPARE(connected, handed.isEmpty() ? QStringList() : QStringList{handed});
    QCOMPARE(r.alarms(), 1);
}

void PollTickTest::refusedConnectionNeverSoundsTheAlarm() {
    Rig r;
    r.state.settings.alarmMode = 2;
    r.state.settings.alarmDataText = QString();
    r.goOnAfterConnectedEvent = false;
    r.frames << frame('c', QStringLiteral("*** CONNECTED To Station N1AAA\r") + kNul);
    const QStringList log = r.tickLog();
    QCOMPARE(log.last().left(11), QStringLiteral("connected c"));
    QCOMPARE(r.alarms(), 0);
}

void PollTickTest::noTickInsideATick() {
    // A question box inside connected mode runs the event loop, and the timer fires in it.
    Rig r;
    int nested = 0;
    r.duringConnectedEvent = [&] {
        QVERIFY(r.tick.isRunning());
        ++nested;
        r.tick.Timer1_Timer();
        r.tick.Timer1_Timer();
    };
    r.frames << frame('c', QStringLiteral("*** CONNECTED To Station N1AAA\r") + kNul)
             << heard(QStringLiteral("N0CALL To CQ"), QStringLiteral("Hello"));
    const QStringList log = r.tickLog();
    QCOMPARE(nested, 1);
    QCOMPARE(log.count(QStringLiteral("fetch")), 1);
    QCOMPARE(log.count(QStringLiteral("beacon")), 1);
    QCOMPARE(r.frames.size(), 1);  // the next frame waits for the next tick
    QVERIFY(!r.tick.isRunning());
    r.tick.Timer1_Timer();
    QVERIFY(r.frames.isEmpty());
}

QTEST_APPLESS_MAIN(PollTickTest)
#include "tst_polltick.moc"
