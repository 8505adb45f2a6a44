// SPDX-License-Identifier: GPL-3.0-or-later
// What the wire recorder adds to a transfer and what a paint of the wire
// diagram costs in building its model: clockOutWord on a port that only
// counts, bare, through the recorder with nobody listening (the diagram
// closed) and with one listener (the diagram open); and wireDiagram of one
// recorded word. Run: build/bench/wire_bench

#include "synth/control_word.h"
#include "synth/wire_diagram.h"
#include "synth/wire_recorder.h"

#include "counting_port.h"

#include <benchmark/benchmark.h>

namespace {

using namespace volna;
using bench::CountingPort;

void BM_clockOutBare(benchmark::State& state) {
    CountingPort counting;
    ParallelPort* port = &counting;
    benchmark::DoNotOptimize(port); // calls go through the interface
    const ControlBits word = buildControlWord(5332.0f);
    for (auto _ : state) {
        clockOutWord(*port, word, 0, 0, false);
    }
    benchmark::DoNotOptimize(counting.sum());
}
BENCHMARK(BM_clockOutBare);

void BM_clockOutRecorded(benchmark::State& state) {
    CountingPort counting;
    WireRecorder recorder(counting);
    long heard = 0;
    Subscription listener;
    if (state.range(0) != 0) {
        listener = recorder.transferRecorded.subscribe([&heard] { ++heard; });
    }
    ParallelPort* port = &recorder;
    benchmark::DoNotOptimize(port);
    const ControlBits word = buildControlWord(5332.0f);
    for (auto _ : state) {
        clockOutWord(*port, word, 0, 0, false);
    }
    benchmark::DoNotOptimize(counting.sum());
    benchmark::DoNotOptimize(heard);
}
BENCHMARK(BM_clockOutRecorded)->Arg(0)->Arg(1)->ArgName("listeners");

void BM_wireDiagram(benchmark::State& state) {
    CountingPort counting;
    WireRecorder recorder(counting);
    clockOutWord(recorder, buildControlWord(5332.0f), 2, 1, false);
    for (auto _ : state) {
        WireDiagram diagram = wireDiagram(recorder.lastTransfer());
        benchmark::DoNotOptimize(diagram.length);
    }
}
BENCHMARK(BM_wireDiagram);

} // namespace

BENCHMARK_MAIN();
