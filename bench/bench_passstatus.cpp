// SPDX-License-Identifier: GPL-3.0-or-later
// What the status bar's satellite line costs once a second: before a pass (a look at the kept
// passes and the text), during one (one SGP4 evaluation, the look angles and the text), and
// the prediction of the next 49 hours that runs once an hour.
//   build/release/bench/bench_passstatus
#include "orbit/passwatch.h"

#include "benchmain.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

using namespace zeno;

namespace {

PassWatch watch() {
    const QString tle = QStringLiteral(ZENO_SOURCE_DIR "/resources/defaults/tle.txt");
    PassWatch w;
    w.setElements(readTleFile(tle).sets);
    w.setSatellite(satelliteForVia(QStringLiteral("RS0ISS")));
    w.setObserver(Observer{52.97, -0.05, 10});
    return w;
}

// A pass whose AOS lies late enough in its hour that the ten minutes before it share the hour.
Pass passLateInItsHour(PassWatch& w) {
    const QDateTime from(QDate(2026, 12, 6), QTime(0, 0), Qt::UTC);
    for (const Pass& p : w.passesFrom(from)) {
        if (p.aos.time().minute() >= 12 && p.aos.time().hour() == p.los.time().hour())
            return p;
    }
    return w.passesFrom(from).first();
}

void statusEverySecond(benchmark::State& state, bool duringPass) {
    PassWatch w = watch();
    const Pass pass = passLateInItsHour(w);
    const QDateTime start = duringPass ? pass.aos.addSecs(1) : pass.aos.addSecs(-600);
    const int seconds = duringPass ? int(pass.aos.secsTo(pass.los)) - 2 : 590;
    // The clock as the platform gives it: local time, made before the timing.
    QList<QDateTime> clock;
    for (int s = 0; s < seconds; ++s)
        clock << start.addSecs(s).toLocalTime();
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(w.statusAt(clock[i++ % clock.size()]));
    state.counters["predictions"] = w.predictions();
}

void BM_StatusBeforePass(benchmark::State& state) { statusEverySecond(state, false); }
void BM_StatusDuringPass(benchmark::State& state) { statusEverySecond(state, true); }
BENCHMARK(BM_StatusBeforePass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatusDuringPass)->Unit(benchmark::kMicrosecond);

void BM_HourlyPrediction(benchmark::State& state) {
    PassWatch w = watch();
    QDateTime now(QDate(2026, 12, 6), QTime(0, 30), Qt::UTC);
    for (auto _ : state) {
        now = now.addSecs(3600);  // every call starts another hour
        benchmark::DoNotOptimize(w.statusAt(now));
    }
}
BENCHMARK(BM_HourlyPrediction)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QCoreApplication>(argc, argv); }
