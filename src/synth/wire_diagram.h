// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timing diagram of one recorded transfer: the frame, clock, data and
// transmit lines as level segments on a time axis, the clock pulses with their
// bit numbers, the sleeps, and the word the synthesizer read from the lines.
// Pure computation over the steps the wire recorder kept; the window draws it.

#include "synth/wire_recorder.h"

#include <array>
#include <string>
#include <vector>

namespace volna {

// The time axis in slots: consecutive writes are one slot apart, a sleep of
// d ms adds d * msWidth slots (and writes around it are that far apart).
// msWidth is 1 unless the longest sleep would then exceed this many slots;
// it is then scaled down so that the longest sleep takes exactly that.
inline constexpr double kLongestDelaySlots = 4.0;

// A stretch of time where one line holds one level.
struct LevelSegment {
    double start = 0; // slots
    double end = 0;   // slots
    bool high = false;

    bool operator==(const LevelSegment&) const = default;
};

// One line of the data register and its levels, from the first write on.
struct WireLine {
    int mask = 0;     // kFrameLine, kClockLine, kDataLine or kTransmitLine
    const char* name; // "FRAME", "CLOCK", "DATA", "TX"
    std::vector<LevelSegment> segments;
};

// A clock pulse: from a rising to the next falling clock edge.
struct ClockPulse {
    double rise = 0;   // slots
    double fall = 0;   // slots; the diagram's end when the clock never falls
    int bit = 0;       // 1, 2, ...: the n-th rising clock of its frame; 0 outside a frame
    bool data = false; // the data line at the rising edge
};

// A sleep of ms > 0 milliseconds at its place on the axis.
struct WireDelay {
    double start = 0; // slots
    double width = 0; // slots, ms * msWidth
    int ms = 0;
};

struct WireDiagram {
    // Frame, clock, data and transmit, in that order.
    std::array<WireLine, 4> lines{{{kFrameLine, "FRAME", {}},
                                   {kClockLine, "CLOCK", {}},
                                   {kDataLine, "DATA", {}},
                                   {kTransmitLine, "TX", {}}}};
    std::vector<ClockPulse> pulses;
    std::vector<WireDelay> delays;
    double length = 0;  // slots: the last write, sleeps after it, one slot more
    double msWidth = 1; // slots per millisecond of sleep
    // The data line at each rising clock of the last frame, position 1 first,
    // as '0' and '1', at most 24 digits (the word the synthesizer took).
    std::string readBack;
    int framePulses = 0;     // rising clocks in the last frame, 24 for a whole word
    bool frameEnded = false; // the last frame fell within the transfer
    bool truncated = false;  // the transfer held more than kMaxWireSteps steps

    bool empty() const { return length <= 0; }
};

// The diagram of transfer. A transfer without writes gives an empty diagram;
// only the first kMaxWireSteps steps are drawn. Lines are taken as low before
// the first write when edges are counted.
WireDiagram wireDiagram(const WireTransfer& transfer);

} // namespace volna
