// SPDX-License-Identifier: GPL-3.0-or-later
// The highest rate of the whole-band scan: the real console window and its Qt
// event loop (offscreen), the simulated radio, every scan speed at 1 ms, both
// delays 0. Prints the retunes per second over a few seconds of scanning, and
// how far apart the ticks came (each gap is how long a notch was listened to).
// Run: build/bench/scan_rate [seconds]

#include "console/console.h"
#include "settings/memory_store.h"
#include "settings/store_layout.h"
#include "synth/simulated_radio.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"
#include "ui/console_window.h"
#include "ui/ui_binding.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace volna;

class SilentPrompter : public Prompter {
public:
    Answer ask(const Message&) override { return Answer::Yes; }
};

void storeFastScan(MemoryStore& store) {
    const std::pair<std::string_view, const char*> settings[] = {
        {kKeyLowerBound, "144000"},  {kKeyUpperBound, "146000"}, {kKeyIfOffset, "-10700"},
        {kKeyTxShift, "-600"},       {kKeyBandScanSpeed, "1"},   {kKeyRangeScanSpeed, "1"},
        {kKeyChannelScanSpeed, "1"}, {kKeyDelay1, "0"},          {kKeyDelay2, "0"}};
    for (const auto& [key, value] : settings) {
        store.writeSetting(kSectionSettings, key, value);
    }
    store.writeSetting(kSectionFlags, kKeyNew, "1");
}

// The gaps between ticks in µs: the shortest, 1st, 50th and 99th percentile and the longest.
void printGaps(std::vector<std::chrono::steady_clock::time_point> ticks) {
    std::vector<double> gaps;
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        gaps.push_back(std::chrono::duration<double, std::micro>(ticks[i] - ticks[i - 1]).count());
    }
    if (gaps.empty()) {
        return;
    }
    std::sort(gaps.begin(), gaps.end());
    const auto at = [&](double share) { return gaps[std::size_t(share * (gaps.size() - 1))]; };
    const auto longGaps =
        std::count_if(gaps.begin(), gaps.end(), [](double gap) { return gap > 2000; });
    std::printf(
        "gaps between ticks, us: min %.0f, p1 %.0f, p50 %.0f, p99 %.0f, max %.0f; %d over 2 ms\n",
        gaps.front(), at(0.01), at(0.5), at(0.99), gaps.back(), int(longGaps));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 3;

    Program program;
    SimulatedRadio radio;
    MemoryStore store;
    SilentPrompter prompter;
    storeFastScan(store);
    Form1 console(program, radio, store, prompter);
    ConsoleWindow window(console);
    UiBinding binding(program);
    binding.addView(window);
    startConsole(console);

    std::vector<std::chrono::steady_clock::time_point> ticks;
    ticks.reserve(std::size_t(seconds) * 2000);
    auto step = console.bandScanTimer.onTick;
    console.bandScanTimer.onTick = [&ticks, step] {
        ticks.push_back(std::chrono::steady_clock::now());
        step();
    };

    int startWords = 0;
    QElapsedTimer clock;
    QTimer::singleShot(200, [&] {
        radio.clearOperations();
        program.click(console.bandScanButton); // "Scan"
        startWords = radio.wordCount();
        ticks.clear();
        clock.start();
    });
    QTimer::singleShot(200 + seconds * 1000, [&] {
        const double elapsed = clock.elapsed() / 1000.0;
        const int retunes = radio.wordCount() - startWords;
        std::printf("whole-band scan at 1 ms: %d retunes in %.2f s = %.0f per second\n", retunes,
                    elapsed, retunes / elapsed);
        printGaps(ticks);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
