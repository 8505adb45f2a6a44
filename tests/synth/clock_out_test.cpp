// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/row_names.h"
#include "synth/control_word.h"
#include "synth/simulated_radio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

// The port values of the 144000 kHz receive word 001010110010100000000101
// (divider 5332): the frame line (1) alone first, then per bit a 0 as clock
// with frame (3) and back to the frame (1), a 1 as data (5), clock with data
// (7) and the frame (1); the frame falls at the end (0).
const std::vector<int> kReceiveWrites = {
    1,                                        // frame up
    3, 1, 3, 1, 5, 7, 1, 3, 1, 5, 7, 1, 3, 1, // positions 1-6:   0 0 1 0 1 0
    5, 7, 1, 5, 7, 1, 3, 1, 3, 1, 5, 7, 1,    // positions 7-11:  1 1 0 0 1
    3, 1, 5, 7, 1,                            // positions 12-13: 0 1
    3, 1, 3, 1, 3, 1, 3, 1,                   // positions 14-17: 0 0 0 0
    3, 1, 3, 1, 3, 1, 3, 1,                   // positions 18-21: 0 0 0 0
    5, 7, 1, 3, 1, 5, 7, 1,                   // positions 22-24: 1 0 1
    0,                                        // frame down
};

// The same word on transmit: the transmit line (8) joins the data and clock
// phases (11, 13, 15) and stays up after the word.
const std::vector<int> kTransmitWrites = {
    1,                                                     // frame up
    11, 1,  11, 1,  13, 15, 1,  11, 1,  13, 15, 1,  11, 1, // positions 1-6:   0 0 1 0 1 0
    13, 15, 1,  13, 15, 1,  11, 1,  11, 1,  13, 15, 1,     // positions 7-11:  1 1 0 0 1
    11, 1,  13, 15, 1,                                     // positions 12-13: 0 1
    11, 1,  11, 1,  11, 1,  11, 1,                         // positions 14-17: 0 0 0 0
    11, 1,  11, 1,  11, 1,  11, 1,                         // positions 18-21: 0 0 0 0
    13, 15, 1,  11, 1,  13, 15, 1,                         // positions 22-24: 1 0 1
    8,                                                     // frame down, transmit line up
};

struct SequenceCase {
    const char* name;
    bool transmit;
    const std::vector<int>* writes;
};

// The start word clocked out on receive or on transmit.
class ClockOutSequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(ClockOutSequence, WritesTheExactSequenceOfTheWord) {
    SimulatedRadio radio;
    clockOutWord(radio, buildControlWord(5332.0f), 0, 0, GetParam().transmit);
    EXPECT_EQ(radio.writes(), *GetParam().writes);
    EXPECT_EQ(radio.writes().size(), 58u);
    EXPECT_EQ(radio.transmitting(), GetParam().transmit);
}

INSTANTIATE_TEST_SUITE_P(Directions, ClockOutSequence,
                         ::testing::Values(SequenceCase{"Receive", false, &kReceiveWrites},
                                           SequenceCase{"Transmit", true, &kTransmitWrites}),
                         [](const auto& row) { return std::string(row.param.name); });

struct DelayCase {
    const char* name;
    int delay1, delay2, slept1, slept2;
};

// One word clocked out with the row's two delay settings.
class ClockOutDelays : public ::testing::TestWithParam<DelayCase> {};

// Negative delays reach the port as 0; a delay of 0 is still a sleep call.
TEST_P(ClockOutDelays, SleepsBeforeAndAfterEachClockRise) {
    const DelayCase& c = GetParam();
    SimulatedRadio radio;
    clockOutWord(radio, buildControlWord(5332.0f), c.delay1, c.delay2, false);
    const std::vector<PortOp>& ops = radio.operations();
    int clockRises = 0;
    for (std::size_t i = 1; i + 1 < ops.size(); ++i) {
        if (ops[i].kind == PortOp::Out && (ops[i].value & kClockLine) != 0) {
            ++clockRises;
            EXPECT_EQ(ops[i - 1], (PortOp{PortOp::Sleep, 0, c.slept1}));
            EXPECT_EQ(ops[i + 1], (PortOp{PortOp::Sleep, 0, c.slept2}));
        }
    }
    EXPECT_EQ(clockRises, 24);
    EXPECT_EQ(ops.size(), 58u + 48u);
}

INSTANTIATE_TEST_SUITE_P(Delays, ClockOutDelays,
                         ::testing::Values(DelayCase{"Positive", 3, 7, 3, 7},
                                           DelayCase{"Zero", 0, 0, 0, 0},
                                           DelayCase{"NegativeCountsAsZero", -5, 2, 0, 2}),
                         [](const auto& row) { return std::string(row.param.name); });

// The radio must receive the divider of every tuning position of the default
// band (144000..146000 kHz, raster 25) at each step size, on receive and on
// transmit: one raster step of the divider per position and step factor, from
// the divider of the band's lower edge to that of its upper edge.
struct BandCase {
    const char* name;
    bool transmit;
    int stepFactor;
    int firstDivider; // (144000 - 10700) / 25 on receive, (144000 - 600) / 25 on transmit
    int lastDivider;  // (146000 - 10700) / 25 on receive, (146000 - 600) / 25 on transmit
};

// Every position of the default band at one step size, one direction.
class ClockOutBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(ClockOutBand, RadioDecodesTheDividerOfEveryPositionOfTheBand) {
    const BandCase& c = GetParam();
    SimulatedRadio radio;
    const int positions = 80 / c.stepFactor;
    for (int position = 0; position <= positions; ++position) {
        const float n = c.transmit ? transmitDivider(144000, -600, 25, c.stepFactor, position)
                                   : receiveDivider(144000, -10700, 25, c.stepFactor, position);
        clockOutWord(radio, buildControlWord(n), 0, 0, c.transmit);
        ASSERT_EQ(radio.wordCount(), position + 1);
        ASSERT_EQ(radio.lastWordLength(), 24);
        EXPECT_EQ(radio.lastDivider(), c.firstDivider + position * c.stepFactor)
            << "position " << position;
        EXPECT_EQ(wordText(radio.lastWord()).substr(14), "0000000101");
        EXPECT_EQ(radio.transmitting(), c.transmit);
    }
    EXPECT_EQ(radio.lastDivider(), c.lastDivider);
}

INSTANTIATE_TEST_SUITE_P(StepsAndDirections, ClockOutBand,
                         ::testing::Values(BandCase{"ReceiveStep1", false, 1, 5332, 5412},
                                           BandCase{"ReceiveStep2", false, 2, 5332, 5412},
                                           BandCase{"ReceiveStep4", false, 4, 5332, 5412},
                                           BandCase{"TransmitStep1", true, 1, 5736, 5816},
                                           BandCase{"TransmitStep2", true, 2, 5736, 5816},
                                           BandCase{"TransmitStep4", true, 4, 5736, 5816}),
                         [](const auto& row) { return std::string(row.param.name); });

struct DecodeCase {
    float divider;
    int decoded;
};

// One divider clocked out and decoded by the simulated radio.
class ClockOutDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ClockOutDecoding, RadioReadsTheDividerFromTheFourteenLowPositions) {
    SimulatedRadio radio;
    clockOutWord(radio, buildControlWord(GetParam().divider), 0, 0, false);
    EXPECT_EQ(radio.lastDivider(), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(Dividers, ClockOutDecoding,
                         ::testing::Values(DecodeCase{0.0f, 0}, DecodeCase{1.0f, 1},
                                           DecodeCase{8192.0f, 8192}, DecodeCase{16383.0f, 16383},
                                           DecodeCase{16389.0f, 5}),
                         [](const auto& row) { return test::rowName(row.param.divider); });

} // namespace
} // namespace volna
