// SPDX-License-Identifier: GPL-3.0-or-later
// 24 hours of traffic at four frames a second (345 600 frames) through the poll tick, as
// fast as it goes; the resident memory at the end must be within 1 MiB of what it was after
// the first 1000 frames.
//   build/release/bench/soak_polltick [frames]
#include "tickrig.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <chrono>
#include <cstdio>

using namespace zeno;
using namespace zeno::bench;

namespace {

constexpr long kDayOfFrames = 24L * 3600 * 4;
constexpr long kSettledAfter = 1000;
constexpr long kAllowedGrowthKiB = 1024;
// Frames the engine sends at a time. In use the link holds one or two; big batches would
// measure the test engine's socket buffers rather than the program.
constexpr int kBatch = 100;
constexpr long kReportEvery = 50000;

}  // namespace

int main(int argc, char** argv) {
    choosePlatform();
    QApplication app(argc, argv);
    reportPlatform();
    const long frames = argc > 1 ? std::atol(argv[1]) : kDayOfFrames;

    TickRig rig(0);
    const auto started = std::chrono::steady_clock::now();
    long done = 0;
    long settledKiB = -1;
    while (done < frames) {
        const int batch = int(std::min<long>(kBatch, frames - done));
        rig.queueFrames(batch);
        for (int i = 0; i < batch; ++i)
            rig.tick();
        done += batch;
        if (settledKiB < 0 && done >= kSettledAfter) {
            settledKiB = residentKiB();
            std::printf("after %ld frames: resident %ld KiB\n", done, settledKiB);
        } else if (done % kReportEvery == 0) {
            std::printf("after %ld frames: resident %ld KiB\n", done, residentKiB());
        }
        std::fflush(stdout);
    }
    const long endKiB = residentKiB();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const auto* monitor = rig.fixture().find<QPlainTextEdit>(QStringLiteral("Text1"));
    std::printf("after %ld frames: resident %ld KiB (%+ld KiB), %.1f s, monitor %d blocks\n", done,
                endKiB, endKiB - settledKiB, seconds, monitor->document()->blockCount());
    if (endKiB - settledKiB > kAllowedGrowthKiB) {
        std::printf("FAIL: grew by more than %ld KiB\n", kAllowedGrowthKiB);
        return 1;
    }
    std::printf("OK\n");
    return 0;
}
