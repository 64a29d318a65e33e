// SPDX-License-Identifier: GPL-3.0-or-later
// The poll tick with a full monitor: one tick takes a monitored frame and appends it.
//   build/release/bench/bench_polltick
// Besides Google Benchmark's mean (which includes pausing between ticks) each benchmark
// reports the median and 99th percentile of single ticks, timed on their own.
#include "benchmain.h"
#include "tickrig.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

using namespace zeno;
using namespace zeno::bench;

namespace {

double percentile(std::vector<double>& values, int percent) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() * size_t(percent) / 100];
}

// CPU time of this process, in microseconds.
double cpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// Runs one tick per iteration, each with one frame waiting. Between ticks (untimed) frames are
// queued when needed. The tick alone is timed, and separately the CPU time of the tick
// together with the repaint it causes, which is what the operator pays. Ticks that also cut
// the front of the monitor are reported on their own.
void runTicks(benchmark::State& state, TickRig& rig) {
    const auto* text = rig.fixture().find<QPlainTextEdit>(QStringLiteral("Text1"));
    std::vector<double> ticksUs;
    std::vector<double> shownUs;
    std::vector<double> trimsUs;
    ticksUs.reserve(size_t(state.max_iterations));
    shownUs.reserve(size_t(state.max_iterations));
    for (auto _ : state) {
        state.PauseTiming();
        rig.queueFrames(1);
        QCoreApplication::processEvents();
        const int before = text->document()->characterCount();
        state.ResumeTiming();
        const double cpuStart = cpuMicroseconds();
        const auto start = std::chrono::steady_clock::now();
        rig.tick();
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        state.PauseTiming();
        // The repaint the tick caused; the second pass paints what the first one posted.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        shownUs.push_back(cpuMicroseconds() - cpuStart);
        state.ResumeTiming();
        ticksUs.push_back(us);
        if (text->document()->characterCount() < before)
            trimsUs.push_back(us);
    }
    state.counters["median_us"] = percentile(ticksUs, 50);
    state.counters["p99_us"] = percentile(ticksUs, 99);
    state.counters["shown_cpu_median_us"] = percentile(shownUs, 50);
    state.counters["shown_cpu_p99_us"] = percentile(shownUs, 99);
    state.counters["trims"] = double(trimsUs.size());
    state.counters["trim_median_us"] = percentile(trimsUs, 50);
}

// The window as the operator has it, AutoScroll on. The monitor runs between 26000 and
// 29000 characters: most ticks append, about one in thirty cuts the front as well.
void BM_TickWithFullMonitor(benchmark::State& state) {
    TickRig rig(29000);
    runTicks(state, rig);
}
BENCHMARK(BM_TickWithFullMonitor)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// The same with the window hidden (minimised): what is left without the screen.
void BM_TickWithFullMonitorHidden(benchmark::State& state) {
    TickRig rig(29000);
    rig.fixture().form1().hide();
    runTicks(state, rig);
}
BENCHMARK(BM_TickWithFullMonitorHidden)->Unit(benchmark::kMicrosecond)->Iterations(20000);

// A frame from a station not heard before, with `range` stations already in the heard list:
// the tick and the repaint, as CPU time.
void BM_NewStation(benchmark::State& state) {
    TickRig rig(29000);
    const auto station = [](int n) { return QStringLiteral("N%1XY>CQ:new").arg(n); };
    QStringList heard;
    for (int n = 0; n < state.range(0); ++n)
        heard.append(station(n));
    rig.queue(heard);
    while (rig.pending() > 0)
        rig.tick();
    QCoreApplication::processEvents();
    std::vector<double> shownUs;
    int next = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        rig.queue({station(next++)});
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const double cpuStart = cpuMicroseconds();
        rig.tick();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        shownUs.push_back(cpuMicroseconds() - cpuStart);
    }
    state.counters["shown_cpu_median_us"] = percentile(shownUs, 50);
}
BENCHMARK(BM_NewStation)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(300);

// A tick with nothing waiting: the clock and the beacon counter only.
void BM_IdleTick(benchmark::State& state) {
    TickRig rig(29000);
    for (auto _ : state)
        rig.tick();
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QApplication>(argc, argv); }
