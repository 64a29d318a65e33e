// SPDX-License-Identifier: GPL-3.0-or-later
// What the operator waits for on a busy channel, the whole program on the in-test engine:
//   build/release/bench/soak_throughput [steady|burst|map|idle] [idle seconds]
// steady  50 frames a second for 10 minutes of poll ticks (2400 ticks of 250 ms, driven as
//         fast as they run): latency from arrival to the screen in ticks (median, maximum),
//         frames dropped, resident memory.
// burst   10 000 frames at once: ticks until every one is on the screen, as seconds at four
//         ticks a second, and the real time the ticks took.
// map     the burst twice, events handled after each tick: without and with the map window
//         open, the real time each took.
// idle    a connected, quiet engine with the real 250 ms timer: CPU time over wall time,
//         beside the same for an empty Qt window.
// Without an argument all four run.
#include "tickrig.h"
#include "ui/main/form1menus.h"

#include <sys/resource.h>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <vector>

using namespace zeno;
using namespace zeno::bench;

namespace {

constexpr int kSteadyTicks = 2400;  // ten minutes
constexpr int kBurst = 10000;

// Ticks and, for every frame the tick took, how many ticks it waited (1: the first tick).
struct Latency {
    std::deque<int> arrivedAtTick;
    std::vector<int> waited;
    long taken = 0;

    void arrived(int tick, int frames) {
        for (int i = 0; i < frames; ++i)
            arrivedAtTick.push_back(tick);
    }
    void took(int tick, qsizetype frames) {
        for (qsizetype i = 0; i < frames && !arrivedAtTick.empty(); ++i) {
            waited.push_back(tick - arrivedAtTick.front() + 1);
            arrivedAtTick.pop_front();
            ++taken;
        }
    }
    int percentile(int percent) {
        if (waited.empty())
            return 0;
        std::sort(waited.begin(), waited.end());
        return waited[std::min(waited.size() - 1, waited.size() * size_t(percent) / 100)];
    }
};

void steady() {
    TickRig rig(29000);
    Latency latency;
    const long before = residentKiB();
    for (int tick = 0; tick < kSteadyTicks; ++tick) {
        const int frames = tick % 2 == 0 ? 12 : 13;  // 50 a second on average
        rig.queueFrames(frames);
        latency.arrived(tick, frames);
        const qsizetype pending = rig.pending();
        rig.tick();
        latency.took(tick, pending - rig.pending());
    }
    std::printf(
        "steady 50/s, %d ticks: %ld frames on screen, latency median %d max %d ticks, "
        "dropped %lld, resident %ld -> %ld KiB\n",
        kSteadyTicks, latency.taken, latency.percentile(50), latency.percentile(100),
        static_cast<long long>(rig.fixture().link().droppedFrames()), before, residentKiB());
}

void burst() {
    TickRig rig(29000);
    rig.queueFrames(kBurst);
    const long before = residentKiB();
    int ticks = 0;
    const auto start = std::chrono::steady_clock::now();
    while (rig.pending() > 0) {
        rig.tick();
        ++ticks;
    }
    const double realMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "burst of %d: on screen after %d ticks (%.2f s at four a second), ticks took "
        "%.0f ms of real time, dropped %lld, resident %ld -> %ld KiB\n",
        kBurst, ticks, ticks / 4.0, realMs,
        static_cast<long long>(rig.fixture().link().droppedFrames()), before, residentKiB());
}

// The burst with the events of a shown window handled after every tick, once without and once
// with the map window open: its once-a-second refresh must not slow the frames down.
double burstSeconds(bool withMap) {
    TickRig rig(29000);
    if (withMap)
        rig.fixture().form1().menuoptions_Click(static_cast<int>(OptionItem::Map));
    // Both windows shown and painted before the frames come: the map is open, not opening.
    const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    while (std::chrono::steady_clock::now() < settled)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    rig.queueFrames(kBurst);
    const auto start = std::chrono::steady_clock::now();
    while (rig.pending() > 0) {
        rig.tick();
        QCoreApplication::processEvents();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void burstWithMap() {
    const double without = burstSeconds(false);
    const double with = burstSeconds(true);
    std::printf("burst of %d, events handled every tick: %.2f s without the map, %.2f s with it\n",
                kBurst, without, with);
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `seconds` and returns the CPU used, as a percentage of one core.
double cpuPercentOver(int seconds) {
    QCoreApplication::processEvents();
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    return 100.0 * (cpuSeconds() - cpuBefore) / wall;
}

void idle(int seconds) {
    double empty = 0;
    {
        QWidget window;
        window.resize(640, 480);
        window.show();
        empty = cpuPercentOver(seconds);
    }
    TickRig rig(29000);
    rig.fixture().form1().controls().Timer1->start();  // the real poll timer
    const double program = cpuPercentOver(seconds);
    std::printf("idle for %d s: %.3f %% of one core (an empty Qt window: %.3f %%)\n", seconds,
                program, empty);
}

}  // namespace

int main(int argc, char** argv) {
    choosePlatform();
    QApplication app(argc, argv);
    reportPlatform();
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 60;
    if (mode.isEmpty() || mode == QLatin1String("steady"))
        steady();
    if (mode.isEmpty() || mode == QLatin1String("burst"))
        burst();
    if (mode.isEmpty() || mode == QLatin1String("map"))
        burstWithMap();
    if (mode.isEmpty() || mode == QLatin1String("idle"))
        idle(idleSeconds);
    return 0;
}
