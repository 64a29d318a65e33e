// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main() every Google Benchmark program here shares: a Qt application of the kind the
// measured code needs, widgets on the platform benchplatform.h chooses.

#include "benchplatform.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>
#include <type_traits>

namespace zeno::bench {

template <typename App>
int runBenchmarks(int argc, char** argv) {
    if constexpr (std::is_same_v<App, QApplication>)
        choosePlatform();
    App app(argc, argv);
    if constexpr (std::is_same_v<App, QApplication>)
        reportPlatform();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace zeno::bench
