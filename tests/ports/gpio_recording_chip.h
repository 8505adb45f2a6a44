// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A GPIO chip for tests: answers as its script says, and records every call
// that reached it, so a test sees what the port asked of the chip and the
// level each requested line was set to.

#include "platform/gpio/gpio_chip.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace volna::test {

// What the chip answers and what reached it; the test owns it and the chip
// (owned by the port) writes into it.
struct GpioChipScript {
    // Answers: an errno value fails that call.
    int openError = 0;
    int lines = 54;
    int outputsError = 0;
    int inputError = 0;
    std::map<int, std::string> heldByOthers; // offset -> consumer
    int setsBeforeFailure = -1;              // the set after this many fails
    int setError = 0;
    int readError = 0;
    int busyHigh = 1;
    int descriptor = -1;

    // Records.
    std::vector<std::string> calls;    // "open gpiochip0", "set 1,0,0,0", ...
    std::vector<std::uint64_t> levels; // after each set: bit n is line n's level
    GpioOutputs outputs{-1, -1, -1, -1};
    int input = -1;
};

class RecordingGpioChip : public GpioChip {
public:
    explicit RecordingGpioChip(GpioChipScript& script) : script_(script) {}

    int open(const std::string& device) override {
        script_.calls.push_back("open " + device);
        return script_.openError;
    }
    int lineCount() const override { return script_.lines; }
    int requestOutputs(const GpioOutputs& offsets) override {
        script_.calls.push_back("outputs " + joined(offsets));
        if (script_.outputsError == 0) {
            script_.outputs = offsets;
        }
        return script_.outputsError;
    }
    int setOutputs(const GpioOutputs& levels) override;
    int requestInput(int offset) override {
        script_.calls.push_back("input " + std::to_string(offset));
        if (script_.inputError == 0) {
            script_.input = offset;
        }
        return script_.inputError;
    }
    int readInput(int& high) override {
        script_.calls.push_back("read");
        high = script_.busyHigh;
        return script_.readError;
    }
    bool lineInUse(int offset, std::string& consumer) override {
        const auto held = script_.heldByOthers.find(offset);
        if (held == script_.heldByOthers.end()) {
            return false;
        }
        consumer = held->second;
        return true;
    }
    void release() override { script_.calls.push_back("release"); }
    int outputDescriptor() const override { return script_.descriptor; }

    static std::string joined(const GpioOutputs& values) {
        return std::to_string(values[0]) + ',' + std::to_string(values[1]) + ',' +
               std::to_string(values[2]) + ',' + std::to_string(values[3]);
    }

private:
    GpioChipScript& script_;
};

inline int RecordingGpioChip::setOutputs(const GpioOutputs& levels) {
    script_.calls.push_back("set " + joined(levels));
    const int sets = static_cast<int>(script_.levels.size());
    if (script_.setsBeforeFailure >= 0 && sets >= script_.setsBeforeFailure) {
        return script_.setError;
    }
    std::uint64_t lines = 0;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] != 0) {
            lines |= std::uint64_t{1} << script_.outputs[i];
        }
    }
    script_.levels.push_back(lines);
    return 0;
}

} // namespace volna::test
