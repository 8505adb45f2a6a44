// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/wire_diagram.h"

#include <algorithm>
#include <cstddef>

namespace volna {

namespace {

// Digits of the control word the read-back holds at most.
constexpr std::size_t kWordDigits = 24;

// The slots per millisecond that keep the longest sleep within
// kLongestDelaySlots and every sleep to scale against the others.
double msWidthFor(const WireTransfer& transfer, std::size_t count) {
    int longest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (transfer[i].kind == WireStep::Kind::Sleep) {
            longest = std::max(longest, transfer[i].value);
        }
    }
    return longest > kLongestDelaySlots ? kLongestDelaySlots / longest : 1.0;
}

// Walks the steps once, laying the writes and sleeps on the time axis.
class DiagramBuilder {
public:
    explicit DiagramBuilder(double msWidth) { diagram_.msWidth = msWidth; }

    void sleep(int ms) {
        if (ms <= 0) {
            return; // takes no time on the axis
        }
        const double width = ms * diagram_.msWidth;
        diagram_.delays.push_back({time_ + gap_, width, ms});
        gap_ += width;
    }

    // Writes are at least one slot apart, so every edge can be seen.
    void write(int value) {
        if (wrote_) {
            time_ += std::max(1.0, gap_);
        } else {
            time_ += gap_;
        }
        gap_ = 0;
        levels(value);
        edges(previous_, value);
        previous_ = value;
        wrote_ = true;
    }

    WireDiagram finish(bool truncated) {
        if (!wrote_) {
            return {};
        }
        diagram_.length = time_ + gap_ + 1.0;
        for (WireLine& line : diagram_.lines) {
            line.segments.back().end = diagram_.length;
        }
        if (clockHigh_) {
            diagram_.pulses.back().fall = diagram_.length;
        }
        diagram_.truncated = truncated;
        return std::move(diagram_);
    }

private:
    void levels(int value) {
        for (WireLine& line : diagram_.lines) {
            const bool high = (value & line.mask) != 0;
            if (line.segments.empty() || line.segments.back().high != high) {
                if (!line.segments.empty()) {
                    line.segments.back().end = time_;
                }
                line.segments.push_back({time_, time_, high});
            }
        }
    }

    // The frame's edges first: a frame and a clock rising together give bit 1.
    void edges(int before, int after) {
        const auto rose = [&](int mask) { return (before & mask) == 0 && (after & mask) != 0; };
        const auto fell = [&](int mask) { return (before & mask) != 0 && (after & mask) == 0; };
        if (rose(kFrameLine)) {
            diagram_.readBack.clear();
            diagram_.framePulses = 0;
            diagram_.frameEnded = false;
        }
        if (fell(kFrameLine)) {
            diagram_.frameEnded = true;
        }
        if (rose(kClockLine)) {
            clockRose(after);
        }
        if (fell(kClockLine)) {
            diagram_.pulses.back().fall = time_;
            clockHigh_ = false;
        }
    }

    void clockRose(int value) {
        const bool inFrame = (value & kFrameLine) != 0;
        const bool data = (value & kDataLine) != 0;
        const int bit = inFrame ? ++diagram_.framePulses : 0;
        if (inFrame && diagram_.readBack.size() < kWordDigits) {
            diagram_.readBack.push_back(data ? '1' : '0');
        }
        diagram_.pulses.push_back({time_, time_, bit, data});
        clockHigh_ = true;
    }

    WireDiagram diagram_;
    double time_ = 0;  // slots: the last write
    double gap_ = 0;   // slots of sleep since the last write
    int previous_ = 0; // the data register before the current write
    bool wrote_ = false;
    bool clockHigh_ = false;
};

} // namespace

WireDiagram wireDiagram(const WireTransfer& transfer) {
    const std::size_t count = std::min(transfer.size(), kMaxWireSteps);
    DiagramBuilder builder(msWidthFor(transfer, count));
    for (std::size_t i = 0; i < count; ++i) {
        if (transfer[i].kind == WireStep::Kind::Write) {
            builder.write(transfer[i].value);
        } else {
            builder.sleep(transfer[i].value);
        }
    }
    return builder.finish(transfer.size() > count);
}

} // namespace volna
