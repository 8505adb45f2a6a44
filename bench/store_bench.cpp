// SPDX-License-Identifier: GPL-3.0-or-later
// The first-run initialisation on the real store file: 142 keys written and
// synced once, in a fresh temporary XDG_CONFIG_HOME for every run.
// Run: build/bench/store_bench

#include "platform/qsettings/qsettings_store.h"
#include "settings/first_run.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

using namespace volna;

class YesPrompter : public Prompter {
public:
    Answer ask(const Message&) override { return Answer::Yes; }
};

void BM_firstRunOnDisk(benchmark::State& state) {
    YesPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        state.ResumeTiming();
        QSettingsStore store(prompter);
        benchmark::DoNotOptimize(initialiseStoreOnFirstRun(store, prompter));
    }
}
BENCHMARK(BM_firstRunOnDisk)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
