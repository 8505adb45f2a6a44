// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/simulated_band.h"

#include "toolkit/english_messages.h"
#include "toolkit/text.h"
#include "toolkit/text_templates.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace volna {

namespace {

// SplitMix64's finaliser: a well-mixed 64-bit value from any input, so that
// neighbouring slots of one signal are drawn independently.
std::uint64_t mixed(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

bool onAir(const SimulatedSignal& signal, std::size_t index, std::uint64_t seed, std::int64_t ms) {
    const SignalPattern& pattern = signal.pattern;
    switch (pattern.kind) {
    case SignalPattern::Always:
        return true;
    case SignalPattern::Periodic: {
        const std::int64_t period = std::int64_t{pattern.periodSeconds} * 1000;
        const std::int64_t phase =
            ((ms - std::int64_t{pattern.startSeconds} * 1000) % period + period) % period;
        return phase < std::int64_t{pattern.onSeconds} * 1000;
    }
    case SignalPattern::Bursts: {
        const auto slot = static_cast<std::uint64_t>(ms / pattern.slotMs);
        const std::uint64_t draw = mixed(mixed(seed ^ mixed(index)) ^ slot);
        return static_cast<int>(draw % 100) < pattern.dutyPercent;
    }
    }
    return false;
}

// A whole number from min to max, the whole text; false otherwise.
bool readInt(std::string_view text, int min, int max, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= min && value <= max;
}

bool readKHz(std::string_view text, double max, double& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value) && value >= 0 &&
           value <= max;
}

// A piece of the operator's file for a message: at most 40 characters of it.
std::string quoted(std::string_view text) {
    return firstCharacters(trimmed(text), 40);
}

std::vector<std::string> words(std::string_view text) {
    std::istringstream stream{std::string(text)};
    std::vector<std::string> found;
    for (std::string word; stream >> word;) {
        found.push_back(word);
    }
    return found;
}

// "always", "every P on D [at S]", "bursts D% of L"; an English message when
// the text is none of them or its numbers are out of range.
std::string readPattern(std::string_view text, SignalPattern& pattern) {
    const std::vector<std::string> w = words(text);
    if (w.size() == 1 && w[0] == "always") {
        pattern = {};
        return {};
    }
    if ((w.size() == 4 || w.size() == 6) && w[0] == "every" && w[2] == "on" &&
        (w.size() == 4 || w[4] == "at")) {
        pattern = {SignalPattern::Periodic};
        const bool read =
            readInt(w[1], 1, 86400, pattern.periodSeconds) &&
            readInt(w[3], 0, pattern.periodSeconds, pattern.onSeconds) &&
            (w.size() == 4 || readInt(w[5], 0, pattern.periodSeconds, pattern.startSeconds));
        return read ? std::string() : std::string(kBandPeriodMessage);
    }
    if (w.size() == 4 && w[0] == "bursts" && w[2] == "of") {
        pattern = {SignalPattern::Bursts};
        std::string_view duty = w[1];
        if (duty.ends_with('%')) {
            duty.remove_suffix(1);
        }
        const bool read =
            readInt(duty, 0, 100, pattern.dutyPercent) && readInt(w[3], 1, 60000, pattern.slotMs);
        return read ? std::string() : std::string(kBandBurstsMessage);
    }
    return fillText(kBandPatternMessage, {quoted(text)});
}

// One line without its comment: a signal, or a message saying what is wrong.
std::string readSignal(std::string_view line, SimulatedSignal& signal) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (fields.size() != 3) {
        return std::string(kBandFieldsMessage);
    }
    if (!readKHz(fields[0], 10000000, signal.kHz) || signal.kHz < 1) {
        return fillText(kBandFrequencyMessage, {quoted(fields[0])});
    }
    if (!readKHz(fields[1], 10000, signal.widthKHz)) {
        return fillText(kBandWidthMessage, {quoted(fields[1])});
    }
    return readPattern(fields[2], signal.pattern);
}

} // namespace

bool heardAt(const SimulatedBand& band, double kHz, std::int64_t ms) {
    if (ms < 0) {
        return false;
    }
    for (std::size_t i = 0; i < band.stations.size(); ++i) {
        const SimulatedSignal& signal = band.stations[i];
        if (std::abs(kHz - signal.kHz) <= signal.widthKHz / 2 && onAir(signal, i, band.seed, ms)) {
            return true;
        }
    }
    return false;
}

SimulatedBand defaultSimulatedBand() {
    SimulatedBand band;
    band.stations = {
        {144800, 25, {SignalPattern::Bursts, 60, 0, 0, 30, 1000}},    // packet
        {145600, 25, {SignalPattern::Periodic, 60, 20, 20, 0, 1000}}, // repeater output
        {145850, 60, {SignalPattern::Always}},                        // beacon
        {145950, 5, {SignalPattern::Always}},                         // birdie
    };
    return band;
}

BandFileResult parseSimulatedBand(std::string_view text) {
    BandFileResult result;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        line = trimmed(line.substr(0, line.find('#')));
        if (!line.empty() && line.back() == '\r') {
            line = trimmed(line.substr(0, line.size() - 1));
        }
        if (line.empty()) {
            continue;
        }
        if (result.band.stations.size() == kMostSimulatedSignals) {
            return {{}, fillText(kBandTooManyMessage, {std::to_string(kMostSimulatedSignals)})};
        }
        SimulatedSignal signal;
        if (std::string error = readSignal(line, signal); !error.empty()) {
            return {{}, fillText(kBandLineMessage, {std::to_string(number), error})};
        }
        result.band.stations.push_back(signal);
    }
    return result;
}

} // namespace volna
