// SPDX-License-Identifier: GPL-3.0-or-later
// The station list's share of the poll tick: StationModel::take() runs for every frame the tick
// takes; apply() and the store's commit run once per tick, after the tick's frames.
//   build/release/bench/bench_stations
// BM_TakeFrame is the per-frame cost of the hook; BM_BurstTick takes a whole burst (up to the
// 10 000 frames the link queues) and then brings the rows and zeno.db up to date.
#include "stations/stationmodel.h"
#include "stations/stationstore.h"

#include "benchmain.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QTemporaryDir>

using namespace zeno;

namespace {

// A pass of the ISS: 200 stations sending positions, Mic-E, status, weather and messages,
// each frame as the tick splits it.
struct Frames {
    QStringList headers;
    QStringList bodies;
};

Frames passFrames(int count) {
    static const char* const kInfo[] = {
        "=5231.50N/01324.00E-Portable station, 5 W and a whip",
        "!4237.14N/07120.83W>088/036/A=001234 Mobile via RS0ISS",
        "`(_fn\"Oj/]Kenwood TH-D74",
        ">QRV on the next pass",
        "@092345z4903.50N/07201.75W_220/004g005t077r000p000P000h50b09900wRSW",
        ":PA3XYZ   :see you on the next pass{12",
    };
    Frames f;
    for (int n = 0; n < count; ++n) {
        const QString call =
            QStringLiteral("PA%1AB%2-%3").arg(n % 10).arg(QChar('A' + n % 20)).arg(n % 3);
        // Mic-E carries its latitude in the destination.
        const QString to =
            n % std::size(kInfo) == 2 ? QStringLiteral("T4SP0R") : QStringLiteral("APRS");
        f.headers << QStringLiteral("Fm %1 To %2 Via RS0ISS*,WIDE2-1 <UI pid=F0 Len=50 >[21:04:09]")
                         .arg(call, to);
        f.bodies << QString::fromLatin1(kInfo[n % std::size(kInfo)]) + QStringLiteral("\r\n\r\n") +
                        QChar(0);
    }
    return f;
}

void BM_TakeFrame(benchmark::State& state) {
    const Frames f = passFrames(1000);
    const QDateTime heard = QDateTime::currentDateTime();
    StationModel model;
    qsizetype i = 0;
    for (auto _ : state) {
        model.take(f.headers[i], f.bodies[i], heard);
        if (++i == f.headers.size()) {
            i = 0;
            state.PauseTiming();
            model.apply();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TakeFrame);

void BM_BurstTick(benchmark::State& state) {
    const Frames f = passFrames(int(state.range(0)));
    const QDateTime heard = QDateTime::currentDateTime();
    QTemporaryDir dir;
    StationStore store;
    store.open(dir.filePath(QStringLiteral("zeno.db")));
    StationModel model;
    for (auto _ : state) {
        for (qsizetype i = 0; i < f.headers.size(); ++i)
            model.take(f.headers[i], f.bodies[i], heard);
        for (const Station& s : model.apply())
            store.putStation(s);
        store.commit();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BurstTick)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QCoreApplication>(argc, argv); }
