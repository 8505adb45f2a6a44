// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band the simulated radio listens to: signals, each with a frequency, a
// width and a pattern in time, and whether one of them is heard at a tuned
// frequency at a given moment. Pure functions of the band, the frequency and
// the time, so that the same seed and the same clock give the same answers.
// Also the band file's text format, and the built-in band of the 2 m range.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

// When a signal is on the air.
struct SignalPattern {
    enum Kind {
        Always,   // a birdie or a beacon
        Periodic, // onSeconds of every periodSeconds, from startSeconds on
        Bursts,   // each slot of slotMs on with a chance of dutyPercent
    };
    Kind kind = Always;
    int periodSeconds = 60;
    int onSeconds = 0;
    int startSeconds = 0;
    int dutyPercent = 0;
    int slotMs = 1000;

    bool operator==(const SignalPattern&) const = default;
};

struct SimulatedSignal {
    double kHz = 0;
    // Heard wherever the tuned frequency is within half the width of kHz: a
    // width of twice the notch spacing reaches the neighbouring notches.
    double widthKHz = 0;
    SignalPattern pattern;

    bool operator==(const SimulatedSignal&) const = default;
};

struct SimulatedBand {
    std::vector<SimulatedSignal> stations; // the signals
    std::uint64_t seed = 1;                // draws the bursts

    bool operator==(const SimulatedBand&) const = default;
};

// The most signals a band file may list.
inline constexpr std::size_t kMostSimulatedSignals = 1000;
// The largest band file read.
inline constexpr std::size_t kLargestBandFile = 1024 * 1024;

// Whether a signal of band is heard at kHz, ms after the radio started
// listening. Nothing is heard before 0.
bool heardAt(const SimulatedBand& band, double kHz, std::int64_t ms);

// The band of the 2 m range a fresh store tunes: a packet channel, a
// repeater output with traffic every minute, a beacon strong enough to be
// heard on its neighbouring notches, and a birdie.
SimulatedBand defaultSimulatedBand();

// A band file: one signal a line, "kHz, width kHz, pattern", where the
// pattern is "always", "every P on D [at S]" (seconds) or "bursts D% of L"
// (percent of slots of L ms); '#' starts a comment. The signals, or an
// English message naming the line at fault (its %n places filled).
struct BandFileResult {
    SimulatedBand band;
    std::string error;
};
BandFileResult parseSimulatedBand(std::string_view text);

} // namespace volna
