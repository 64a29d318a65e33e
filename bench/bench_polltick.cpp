// SPDX-License-Identifier: GPL-3.0-or-later
// The poll tick with a full monitor: one tick takes a monitored frame and appends it.
//   build/release/bench/bench_polltick
// Besides Google Benchmark's mean (which includes pausing between ticks) each benchmark
// reports the median and 99th percentile of single ticks, timed on their own, and the CPU time
// of a shown frame: the tick and the repaint it causes. Under callgrind (see tickrig.h) only
// shown frames are counted; divide the total by `shown_frames`.
#include "benchmain.h"
#include "tickrig.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <chrono>
#include <vector>

using namespace zeno;
using namespace zeno::bench;

namespace {

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
        rig.stepClock();
        state.ResumeTiming();
        countFrom();
        const double cpuStart = cpuMicroseconds();
        const auto start = std::chrono::steady_clock::now();
        rig.tickAtThisTime();
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        state.PauseTiming();
        // The repaint the tick caused; the second pass paints what the first one posted.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        shownUs.push_back(cpuMicroseconds() - cpuStart);
        countTo();
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
    state.counters["shown_frames"] = double(shownUs.size());
}

// The window as the operator has it, AutoScroll on. The monitor runs between 26000 and
// 29000 characters: most ticks append, about one in thirty cuts the front as well.
void BM_TickWithFullMonitor(benchmark::State& state) {
    TickRig rig(29000);
    runTicks(state, rig);
}
BENCHMARK(BM_TickWithFullMonitor)->Unit(benchmark::kMicrosecond)->Iterations(rounds(20000));

// A monitor that has only begun to fill, as after a start: it holds under 7 000 characters
// for the whole run, so no tick cuts its front.
void BM_TickWithShortMonitor(benchmark::State& state) {
    TickRig rig(1000);
    runTicks(state, rig);
}
BENCHMARK(BM_TickWithShortMonitor)->Unit(benchmark::kMicrosecond)->Iterations(80);

// The same with the window hidden (minimised): what is left without the screen.
void BM_TickWithFullMonitorHidden(benchmark::State& state) {
    TickRig rig(29000);
    rig.fixture().form1().hide();
    runTicks(state, rig);
}
BENCHMARK(BM_TickWithFullMonitorHidden)->Unit(benchmark::kMicrosecond)->Iterations(rounds(20000));

// A tick with nothing waiting: the clock and the beacon counter only.
void BM_IdleTick(benchmark::State& state) {
    TickRig rig(29000);
    for (auto _ : state)
        rig.tick();
}
BENCHMARK(BM_IdleTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QApplication>(argc, argv); }
