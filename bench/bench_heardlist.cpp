// SPDX-License-Identifier: GPL-3.0-or-later
// A frame from a station not heard before, with 100, 1 000 and 10 000 stations already in the
// heard list: the tick and the repaint it causes, as CPU time. A new station should cost about
// the same however long the list is.
//   build/release/bench/bench_heardlist
#include "benchmain.h"
#include "tickrig.h"
#include "ui/main/stationsside.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <vector>

using namespace zeno;
using namespace zeno::bench;

namespace {

QString station(int n) { return QStringLiteral("N%1XY>CQ:new").arg(n); }

void BM_NewStation(benchmark::State& state) {
    TickRig rig(29000);
    QStringList heard;
    for (int n = 0; n < state.range(0); ++n)
        heard.append(station(n));
    rig.queue(heard);
    while (rig.pending() > 0)
        rig.tick();
    // The program stores what it heard once a minute: the stations heard so far are written
    // now, not in the first frames measured.
    for (int i = 0; i <= StationsSide::kTicksPerStationCommit; ++i)
        rig.tick();
    QCoreApplication::processEvents();
    std::vector<double> shownUs;
    int next = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        rig.queue({station(next++)});
        QCoreApplication::processEvents();
        state.ResumeTiming();
        countFrom();
        const double cpuStart = cpuMicroseconds();
        rig.tick();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        shownUs.push_back(cpuMicroseconds() - cpuStart);
        countTo();
    }
    state.counters["shown_cpu_median_us"] = percentile(shownUs, 50);
    state.counters["shown_frames"] = double(shownUs.size());
}
BENCHMARK(BM_NewStation)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(rounds(400));

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QApplication>(argc, argv); }
