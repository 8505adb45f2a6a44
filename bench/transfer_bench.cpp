// SPDX-License-Identifier: GPL-3.0-or-later
// How much the receive transfer costs beyond its port writes: sent1 on a port
// that only counts, both delays 0, against a bare loop making the same writes
// and sleeps on the same port. Run: build/bench/transfer_bench

#include "console/console.h"
#include "settings/memory_store.h"
#include "synth/control_word.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"

#include "counting_port.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace volna;
using bench::CountingPort;

class SilentPrompter : public Prompter {
public:
    Answer ask(const Message&) override { return Answer::Yes; }
};

void BM_sent1(benchmark::State& state) {
    Program program;
    CountingPort port;
    MemoryStore store;
    SilentPrompter prompter;
    Form1 form{program, port, store, prompter};
    startConsole(form);
    int position = 0;
    for (auto _ : state) {
        form.sent1(position);
        position = (position + 1) % 81;
    }
    benchmark::DoNotOptimize(port.sum());
}
BENCHMARK(BM_sent1);

// The same port operations as sent1 for the same positions, taken from the
// words the transfer itself would send, replayed without anything else.
void BM_bareWrites(benchmark::State& state) {
    CountingPort counting;
    ParallelPort* opaque = &counting;
    benchmark::DoNotOptimize(opaque); // calls go through the interface, as sent1's do
    ParallelPort& port = *opaque;
    std::vector<ControlBits> words;
    for (int position = 0; position <= 80; ++position) {
        words.push_back(buildControlWord(receiveDivider(144000, -10700, 25, 1, position)));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const ControlBits& bits = words[next];
        port.out(kDataRegister, kFrameLine);
        for (int bit : bits) {
            if (bit != 0) {
                port.out(kDataRegister, kFrameLine | kDataLine);
            }
            port.sleep(0);
            port.out(kDataRegister, kFrameLine | kClockLine | (bit != 0 ? kDataLine : 0));
            port.sleep(0);
            port.out(kDataRegister, kFrameLine);
        }
        port.out(kDataRegister, 0);
        next = (next + 1) % words.size();
    }
    benchmark::DoNotOptimize(counting.sum());
}
BENCHMARK(BM_bareWrites);

} // namespace

BENCHMARK_MAIN();
