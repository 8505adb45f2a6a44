// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/control_word.h"
#include "synth/simulated_radio.h"
#include "synth/wire_diagram.h"
#include "synth/wire_recorder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace volna {
namespace {

using Kind = WireStep::Kind;

// The start word of a receive at 144000 kHz, sending order.
const std::string kWord5332 = "001010110010100000000101";

// The transfer the recorder keeps when clockOutWord sends divider 5332 to the
// simulated radio with the given delays.
WireTransfer recordedWord(int delay1Ms, int delay2Ms, bool transmit) {
    SimulatedRadio radio;
    WireRecorder recorder(radio);
    clockOutWord(recorder, buildControlWord(5332.0f), delay1Ms, delay2Ms, transmit);
    return recorder.lastTransfer();
}

const WireLine& line(const WireDiagram& diagram, int mask) {
    for (const WireLine& wire : diagram.lines) {
        if (wire.mask == mask) {
            return wire;
        }
    }
    throw std::logic_error("no such line");
}

// The level of a line at time t (a segment's start belongs to it).
bool levelAt(const WireLine& wire, double t) {
    for (const LevelSegment& segment : wire.segments) {
        if (segment.start <= t && t < segment.end) {
            return segment.high;
        }
    }
    throw std::logic_error("time outside the diagram");
}

int highSegments(const WireLine& wire) {
    int count = 0;
    for (const LevelSegment& segment : wire.segments) {
        count += segment.high ? 1 : 0;
    }
    return count;
}

// Segments follow each other without gaps from 0 to the end, alternating.
void expectContinuous(const WireDiagram& diagram) {
    for (const WireLine& wire : diagram.lines) {
        ASSERT_FALSE(wire.segments.empty()) << wire.name;
        EXPECT_EQ(wire.segments.front().start, 0.0) << wire.name;
        EXPECT_EQ(wire.segments.back().end, diagram.length) << wire.name;
        for (std::size_t i = 1; i < wire.segments.size(); ++i) {
            EXPECT_EQ(wire.segments[i].start, wire.segments[i - 1].end) << wire.name;
            EXPECT_NE(wire.segments[i].high, wire.segments[i - 1].high) << wire.name;
            EXPECT_LT(wire.segments[i].start, wire.segments[i].end) << wire.name;
        }
    }
}

TEST(WireDiagram, AReceiveWordDrawsItsLinesPulsesAndBitNumbers) {
    const WireDiagram diagram = wireDiagram(recordedWord(0, 0, false));
    expectContinuous(diagram);
    // 58 writes one slot apart, and one slot after the last.
    EXPECT_EQ(diagram.length, 58.0);
    EXPECT_TRUE(diagram.delays.empty()); // sleeps of 0 take no time
    const WireLine& frame = line(diagram, kFrameLine);
    ASSERT_EQ(frame.segments.size(), 2u);
    EXPECT_EQ(frame.segments[0], (LevelSegment{0, 57, true}));
    EXPECT_EQ(frame.segments[1], (LevelSegment{57, 58, false}));
    EXPECT_EQ(highSegments(line(diagram, kClockLine)), 24);
    EXPECT_EQ(highSegments(line(diagram, kDataLine)), 8); // the word's 1 bits
    EXPECT_EQ(line(diagram, kTransmitLine).segments.size(), 1u);
    EXPECT_FALSE(line(diagram, kTransmitLine).segments[0].high);

    ASSERT_EQ(diagram.pulses.size(), 24u);
    for (std::size_t i = 0; i < diagram.pulses.size(); ++i) {
        const ClockPulse& pulse = diagram.pulses[i];
        EXPECT_EQ(pulse.bit, static_cast<int>(i) + 1);
        EXPECT_EQ(pulse.data, kWord5332[i] == '1') << "bit " << i + 1;
        EXPECT_EQ(pulse.fall - pulse.rise, 1.0);
        EXPECT_EQ(levelAt(line(diagram, kDataLine), pulse.rise), pulse.data);
        if (i > 0) {
            EXPECT_GT(pulse.rise, diagram.pulses[i - 1].fall);
        }
    }
    EXPECT_EQ(diagram.readBack, wordText(buildControlWord(5332.0f)));
    EXPECT_EQ(diagram.readBack, kWord5332);
    EXPECT_EQ(diagram.framePulses, 24);
    EXPECT_TRUE(diagram.frameEnded);
    EXPECT_FALSE(diagram.truncated);
}

TEST(WireDiagram, DelaysAreDrawnToScaleAndSayTheirMilliseconds) {
    for (const auto& [delay1, delay2] : {std::pair{2, 1}, std::pair{20, 10}}) {
        const WireDiagram diagram = wireDiagram(recordedWord(delay1, delay2, false));
        expectContinuous(diagram);
        ASSERT_EQ(diagram.delays.size(), 48u);
        const double first = diagram.delays[0].width;
        const double second = diagram.delays[1].width;
        EXPECT_EQ(diagram.delays[0].ms, delay1);
        EXPECT_EQ(diagram.delays[1].ms, delay2);
        EXPECT_DOUBLE_EQ(first, 2 * second);
        EXPECT_LE(first, kLongestDelaySlots);
        // The clock stays high for the second delay, the data leads it by the first.
        for (const ClockPulse& pulse : diagram.pulses) {
            EXPECT_DOUBLE_EQ(pulse.fall - pulse.rise, std::max(1.0, second));
        }
        EXPECT_EQ(diagram.readBack, kWord5332);
        // Each delay starts where the write before it was and ends at the next.
        for (std::size_t i = 1; i < diagram.delays.size(); ++i) {
            EXPECT_GE(diagram.delays[i].start, diagram.delays[i - 1].start + first / 2);
        }
    }
}

TEST(WireDiagram, TheTransmitLineIsHighAtEveryClockAndAfterATransmitWord) {
    const WireDiagram diagram = wireDiagram(recordedWord(1, 1, true));
    expectContinuous(diagram);
    const WireLine& transmit = line(diagram, kTransmitLine);
    ASSERT_EQ(diagram.pulses.size(), 24u);
    for (const ClockPulse& pulse : diagram.pulses) {
        EXPECT_TRUE(levelAt(transmit, pulse.rise)) << "bit " << pulse.bit;
    }
    EXPECT_TRUE(transmit.segments.back().high);
    EXPECT_FALSE(line(diagram, kFrameLine).segments.back().high);
    // Between bits the port holds the frame line alone, and the diagram shows
    // what went out: the transmit line drops there.
    EXPECT_EQ(highSegments(transmit), 25);
    EXPECT_EQ(diagram.readBack, kWord5332);
}

TEST(WireDiagram, NoWritesGiveAnEmptyDiagram) {
    for (const WireTransfer& transfer :
         {WireTransfer{}, WireTransfer{{Kind::Sleep, 5}, {Kind::Sleep, 0}}}) {
        const WireDiagram diagram = wireDiagram(transfer);
        EXPECT_TRUE(diagram.empty());
        EXPECT_TRUE(diagram.pulses.empty());
        EXPECT_TRUE(diagram.delays.empty());
        for (const WireLine& wire : diagram.lines) {
            EXPECT_TRUE(wire.segments.empty());
        }
    }
}

TEST(WireDiagram, AFrameThatNeverFallsAndAClockLeftHighEndWithTheDiagram) {
    const WireDiagram diagram =
        wireDiagram({{Kind::Write, 1}, {Kind::Write, 7}, {Kind::Write, 1}, {Kind::Write, 3}});
    expectContinuous(diagram);
    EXPECT_EQ(diagram.length, 4.0);
    EXPECT_FALSE(diagram.frameEnded);
    EXPECT_EQ(diagram.framePulses, 2);
    EXPECT_EQ(diagram.readBack, "10");
    ASSERT_EQ(diagram.pulses.size(), 2u);
    EXPECT_EQ(diagram.pulses[1].fall, diagram.length);
    EXPECT_TRUE(line(diagram, kFrameLine).segments.back().high);
}

TEST(WireDiagram, PulsesBeyond24AreNumberedButTheWordKeeps24Digits) {
    WireTransfer transfer = {{Kind::Write, 1}};
    for (int i = 0; i < 30; ++i) {
        transfer.push_back({Kind::Write, i % 2 == 0 ? 7 : 3});
        transfer.push_back({Kind::Write, 1});
    }
    transfer.push_back({Kind::Write, 0});
    const WireDiagram diagram = wireDiagram(transfer);
    ASSERT_EQ(diagram.pulses.size(), 30u);
    EXPECT_EQ(diagram.pulses.back().bit, 30);
    EXPECT_EQ(diagram.framePulses, 30);
    EXPECT_EQ(diagram.readBack, "101010101010101010101010");
}

TEST(WireDiagram, ClocksOutsideAFrameHaveNoNumberAndANewFrameStartsAnewWord) {
    const WireDiagram diagram = wireDiagram({{Kind::Write, 2}, // clock without a frame
                                             {Kind::Write, 0},
                                             {Kind::Write, 1},
                                             {Kind::Write, 3},
                                             {Kind::Write, 0},
                                             {Kind::Write, 1},
                                             {Kind::Write, 7},
                                             {Kind::Write, 0}});
    ASSERT_EQ(diagram.pulses.size(), 3u);
    EXPECT_EQ(diagram.pulses[0].bit, 0);
    EXPECT_EQ(diagram.pulses[1].bit, 1);
    EXPECT_EQ(diagram.pulses[2].bit, 1);
    EXPECT_EQ(diagram.readBack, "1"); // the last frame's word
    EXPECT_EQ(diagram.framePulses, 1);
    EXPECT_TRUE(diagram.frameEnded);
}

TEST(WireDiagram, AHugeSleepStaysWithinItsWidthAndZeroOrNegativeSleepsTakeNoTime) {
    const WireDiagram huge = wireDiagram({{Kind::Write, 1},
                                          {Kind::Sleep, INT_MAX},
                                          {Kind::Write, 3},
                                          {Kind::Sleep, 1},
                                          {Kind::Write, 1}});
    expectContinuous(huge);
    ASSERT_EQ(huge.delays.size(), 2u);
    EXPECT_DOUBLE_EQ(huge.delays[0].width, kLongestDelaySlots);
    EXPECT_EQ(huge.delays[0].ms, INT_MAX);
    EXPECT_LT(huge.delays[1].width, 1e-6); // to scale against the huge one
    // Writes stay at least a slot apart, so the short pulse can still be seen.
    EXPECT_DOUBLE_EQ(huge.pulses[0].fall - huge.pulses[0].rise, 1.0);
    EXPECT_DOUBLE_EQ(huge.length, kLongestDelaySlots + 2.0);

    const WireDiagram none =
        wireDiagram({{Kind::Write, 1}, {Kind::Sleep, 0}, {Kind::Sleep, -7}, {Kind::Write, 0}});
    EXPECT_TRUE(none.delays.empty());
    EXPECT_EQ(none.length, 2.0);
}

TEST(WireDiagram, AnOverlongTransferIsCutAtTheCap) {
    WireTransfer transfer;
    for (std::size_t i = 0; i < 3 * kMaxWireSteps; ++i) {
        transfer.push_back({Kind::Write, static_cast<int>(i % 16)});
    }
    const WireDiagram diagram = wireDiagram(transfer);
    EXPECT_TRUE(diagram.truncated);
    EXPECT_EQ(diagram.length, static_cast<double>(kMaxWireSteps));
    EXPECT_LE(line(diagram, kFrameLine).segments.size(), kMaxWireSteps);
}

} // namespace
} // namespace volna
