// SPDX-License-Identifier: GPL-3.0-or-later
// What the simulated band adds to a scan tick's busy test: a status read of
// the simulated radio tuned by a word, silent, with the built-in band, and
// with a band file's most signals, on a clock that moves 1 ms a read.
// Run: build/bench/simulated_band_bench

#include "synth/control_word.h"
#include "synth/simulated_band.h"
#include "synth/simulated_radio.h"

#include <benchmark/benchmark.h>

namespace {

using namespace volna;

SimulatedBand bandOf(int signals) {
    if (signals == 4) {
        return defaultSimulatedBand();
    }
    SimulatedBand band;
    for (int i = 0; i < signals; ++i) {
        band.stations.push_back({144000.0 + 2 * i, 25, {SignalPattern::Bursts, 60, 0, 0, 30, 500}});
    }
    return band;
}

void BM_statusRead(benchmark::State& state) {
    std::int64_t now = 0;
    SimulatedRadio radio(SimulatedRadio::History::Nothing);
    if (state.range(0) > 0) {
        radio.listenTo(bandOf(static_cast<int>(state.range(0))), [&now] { return ++now; });
    }
    clockOutWord(radio, buildControlWord(5396.0f), 0, 0, false);
    int busy = 0;
    for (auto _ : state) {
        busy += radio.in(kStatusRegister);
    }
    benchmark::DoNotOptimize(busy);
}
BENCHMARK(BM_statusRead)->Arg(0)->Arg(4)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
