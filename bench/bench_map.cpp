// SPDX-License-Identifier: GPL-3.0-or-later
// The map window's repaint with many stations, the Earth's pictures and the satellite:
//   build/release/bench/bench_map
// (set QT_QPA_PLATFORM=xcb under an X server for the cost on a real display).
#include "benchmain.h"
#include "tickrig.h"

#include "support/fakeplatform.h"
#include "ui/windows/formmap.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QRandomGenerator>

using namespace zeno;

namespace {

QList<MapStation> stations(int count) {
    QRandomGenerator random(7);
    QList<MapStation> out;
    for (int i = 0; i < count; ++i)
        out.append({QStringLiteral("N%1ABC").arg(i),
                    '/',
                    '-',
                    {random.bounded(360.0) - 180, random.bounded(170.0) - 85},
                    i % 5 == 0,
                    {}});
    return out;
}

void BM_MapRepaint(benchmark::State& state) {
    test::FakePlatform platform;
    FormMap map(platform);
    map.Timer1->stop();
    const QList<MapStation> plotted = stations(int(state.range(0)));
    map.Canvas->stationSource = [&plotted] { return plotted; };
    map.Canvas->setSatellite(parseTle(QStringLiteral("ISS (ZARYA)"),
                                      QStringLiteral("1 25544U 98067A   26338.54791667  "
                                                     ".00014232  00000+0  25733-3 0  9991"),
                                      QStringLiteral("2 25544  51.6339 176.4162 0006213 "
                                                     "104.7731 255.3987 15.49851837596517")),
                             0);
    map.resize(1200, 700);
    map.show();
    map.Canvas->refresh();
    QImage target(map.Canvas->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        map.Canvas->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_MapRepaint)->Arg(100)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QApplication>(argc, argv); }
