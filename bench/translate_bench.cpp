// SPDX-License-Identifier: GPL-3.0-or-later
// What showing a text costs at the Qt edge with the English translation
// installed: a caption found whole, a text filled from a template, the
// read-out's number that no entry matches (looked up at every change of a
// label during a scan), and the same number with Russian (no translation).
// Run: build/bench/translate_bench

#include "toolkit/text_templates.h"
#include "ui/translate.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <string>

namespace {

using namespace volna;

void showEach(benchmark::State& state, Language language, const std::string& text) {
    LanguageSwitch languages;
    if (!languages.speak(language)) {
        state.SkipWithError("no English translation in this build");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(shown(text));
    }
}

void BM_caption(benchmark::State& state) {
    showEach(state, Language::English, "Сканирование по каналам");
}
void BM_filledTemplate(benchmark::State& state) {
    showEach(state, Language::English,
             fillText(kBusyAgoTemplate, {"145500", fillText(kMinutesAgoTemplate, {"2", "5"})}));
}
void BM_numberEnglish(benchmark::State& state) {
    showEach(state, Language::English, "145500");
}
void BM_numberRussian(benchmark::State& state) {
    showEach(state, Language::Russian, "145500");
}

BENCHMARK(BM_caption);
BENCHMARK(BM_filledTemplate);
BENCHMARK(BM_numberEnglish);
BENCHMARK(BM_numberRussian);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
