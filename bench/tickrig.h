// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole program on the window-test fixture, fed with ordinary monitored traffic from the
// in-process engine, for timing and soaking the poll tick.

#include "benchplatform.h"
#include "config/appstate.h"
#include "link/agwlink.h"
#include "support/fixture/zenofixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define ZENO_BENCH_CALLGRIND 1
#endif

namespace zeno::bench {

// A pass of the ISS as the monitor sees it: thirty stations, UI text and APRS.
constexpr int kStations = 30;
inline QString trafficFrame(int n) {
    static const QStringList kInfo{
        QStringLiteral("Hello via the ISS, 73 de the station"),
        QStringLiteral("=5231.50N/01324.00E-Portable station, 5 W and a whip"),
        QStringLiteral("!4237.14N/07120.83W>Mobile via RS0ISS"),
        QStringLiteral(">QRV on the next pass"),
    };
    const QString call = QStringLiteral("PA%1ABC-%2").arg(n % 10).arg(n % 3 + 1);
    return call + QStringLiteral(">CQ,RS0ISS*:") + kInfo[n % kInfo.size()];
}

class TickRig {
public:
    // A started program whose monitor holds about `monitorChars` characters.
    explicit TickRig(qsizetype monitorChars) {
        f_.platform.setNow(QDateTime(QDate(2024, 5, 1), QTime(12, 0, 0)));
        f_.writeStationSettings(QStringLiteral("PA3XYZ"));
        if (!f_.start() ||
            !f_.tickUntil([&] { return !f_.state().link.EngineInitText.isEmpty(); }) ||
            // Heard frames reach only a client that asked for them: wait until it has.
            !f_.tickUntil(
                [&] { return f_.server.countOfKind('k') + f_.server.countOfKind('m') > 0; })) {
            std::fprintf(stderr, "the program did not start\n");
            std::exit(2);
        }
        f_.form1().show();
        // Every station of the traffic already heard: a new station costs more, and is
        // measured on its own.
        queueFrames(kStations);
        while (pending() > 0)
            tick();
        QString text;  // CR LF line ends: its size is what the monitor counts
        for (int n = 0; text.size() + 80 < monitorChars; ++n)
            text += trafficFrame(n) + QStringLiteral("\r\n");
        f_.form1().replaceMonitorText(text);
    }

    test::ZenoFixture& fixture() { return f_; }

    // Has the engine send count more frames and waits until the link holds them all.
    void queueFrames(int count) {
        QStringList frames;
        for (int i = 0; i < count; ++i)
            frames.append(trafficFrame(next_++));
        queue(frames);
    }
    // The same for frames of the caller's own.
    void queue(const QStringList& frames) {
        const qsizetype target = f_.link().pendingFrames() + frames.size();
        for (const QString& frame : frames)
            f_.server.sendHeard(frame);
        QDeadlineTimer deadline(60000);  // valgrind is slow
        while (f_.link().pendingFrames() < target) {
            if (deadline.hasExpired()) {
                std::fprintf(stderr, "the link did not get the frames (%lld of %lld)\n",
                             qlonglong(f_.link().pendingFrames()), qlonglong(target));
                std::exit(2);
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

    // One poll tick, a quarter of a second later than the last.
    void tick() {
        stepClock();
        tickAtThisTime();
    }
    // The same in two steps, so that the fake clock's step, two local time conversions, is not
    // timed with the tick.
    void stepClock() { f_.platform.advance(250); }
    void tickAtThisTime() { f_.form1().Timer1_Timer(); }

    qsizetype pending() { return f_.link().pendingFrames(); }

private:
    test::ZenoFixture f_;
    int next_ = 0;
};

// Instructions are counted under callgrind run with --collect-atstart=no: only between
// countFrom() and countTo(), so its total divided by the frames timed is per frame.
//   valgrind --tool=callgrind --collect-atstart=no build/release/bench/bench_polltick
inline void countFrom() {
#ifdef ZENO_BENCH_CALLGRIND
    CALLGRIND_TOGGLE_COLLECT;
#endif
}
inline void countTo() { countFrom(); }

// Fewer rounds under valgrind, which runs fifty times slower: instruction counts need few.
inline int rounds(int normal) {
#ifdef ZENO_BENCH_CALLGRIND
    if (RUNNING_ON_VALGRIND)
        return std::max(1, normal / 40);
#endif
    return normal;
}

// The value below which `percent` of the values lie.
inline double percentile(std::vector<double>& values, int percent) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() * size_t(percent) / 100];
}

// CPU time of this process, in microseconds.
inline double cpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// The resident memory of this process, from /proc.
inline long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace zeno::bench
