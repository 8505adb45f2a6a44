// SPDX-License-Identifier: GPL-3.0-or-later
// What the band-activity picture costs: one busy test recorded (what every scan
// step pays, whether the window is open or not) and one frame's brightness for
// a strip 800 pixels wide (what an open window pays four times a second), on
// the 2 m band at 25 kHz (81 columns) and on the widest band kept (4096).
// Run: build/bench/band_activity_bench

#include "scan/band_activity.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace volna;

Band bandOf(std::int64_t columns) {
    return {144000, 144000 + 25.0 * static_cast<double>(columns - 1), 25, 1};
}

void BM_recordOneTest(benchmark::State& state) {
    const Band band = bandOf(state.range(0));
    BandActivity activity(band);
    std::int64_t now = 0;
    double kHz = band.lowerKHz;
    for (auto _ : state) {
        activity.record(kHz, now, (now & 63) == 0);
        now += 1; // a 1 ms scan
        kHz = kHz >= band.upperKHz ? band.lowerKHz : kHz + 25;
    }
    benchmark::DoNotOptimize(activity.brightness(0, now));
}
BENCHMARK(BM_recordOneTest)->Arg(81)->Arg(4096);

void BM_frameOf800Pixels(benchmark::State& state) {
    const Band band = bandOf(state.range(0));
    BandActivity activity(band);
    std::int64_t now = 0;
    for (; now < 600'000; now += 7) { // ten minutes of tests fill every bin
        activity.record(band.lowerKHz + 25.0 * static_cast<double>(now % state.range(0)), now,
                        now % 5 == 0);
    }
    for (auto _ : state) {
        double sum = 0;
        for (std::int32_t column = 0; column < activity.notchCount(); ++column) {
            sum += activity.brightness(column, now);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_frameOf800Pixels)->Arg(81)->Arg(4096);

} // namespace

BENCHMARK_MAIN();
