// SPDX-License-Identifier: GPL-3.0-or-later
// The link's per-frame path on a busy channel: bytes from the engine split into frames, raw
// frames decoded and rendered as monitor text, queued, and taken by the program.
//   build/release/bench/bench_link
// items_per_second is frames per second through the whole path.
#include "link/agwwire.h"
#include "link/frameintake.h"
#include "support/ax25.h"

#include "benchmain.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

using namespace zeno;

namespace {

// What the engine sends for a heard frame: its raw 'K' frame (port byte, then AX.25).
QByteArray rawFrameOnTheWire(const QString& tnc2) {
    WireFrame frame;
    frame.kind = 'K';
    frame.callFrom = "N0CALL";
    frame.callTo = "CQ";
    frame.data = QByteArray(1, '\0') + test::ax25FromTnc2(tnc2);
    return encodeWireFrame(frame);
}

// A stream of typical traffic: UI text and APRS through one or two digipeaters.
QByteArray traffic(int frames) {
    const QStringList kinds = {
        QStringLiteral("PA3ABC-7>CQ,RS0ISS*,WIDE2-1:Hello via the ISS, 73 de the station"),
        QStringLiteral("N0CALL>APRS,PCSAT-1*:=5231.50N/01324.00E-Portable station, 5 W"),
        QStringLiteral("DL1XYZ-9>APZ123,WIDE1-1*,WIDE2*:!4237.14N/07120.83W>Mobile"),
        QStringLiteral("W3ADO-1>BEACON:>QRV on the next pass"),
    };
    QByteArray stream;
    for (int i = 0; i < frames; ++i)
        stream += rawFrameOnTheWire(kinds[i % kinds.size()]);
    return stream;
}

void BM_DecodeRenderQueue(benchmark::State& state) {
    constexpr int kFrames = 1000;
    const QByteArray stream = traffic(kFrames);
    WireDecoder decoder;
    FrameIntake intake([] { return QTime(21, 4, 9); });
    std::vector<WireFrame> frames;
    frames.reserve(kFrames);
    for (auto _ : state) {
        frames.clear();
        decoder.feed(stream, frames);
        for (const WireFrame& frame : frames)
            intake.take(frame);
        while (auto queued = intake.queue().pop())
            benchmark::DoNotOptimize(queued->data.constData());
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_DecodeRenderQueue)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return zeno::bench::runBenchmarks<QCoreApplication>(argc, argv); }
