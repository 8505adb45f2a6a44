#include "synth/control_word.h"
#include "synth/simulated_radio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

const std::string kStartWord = "001010110010100000000101"; // 144000 kHz, receive

// The port values for a word text from the transfer's table: a receive
// transfer sends 5 / 3 / 7, a transmit transfer 13 / 11 / 15, 1 after each bit.
std::vector<int> expectedWrites(const std::string& word, bool transmit) {
    const int dataFirst = transmit ? 13 : 5;
    const int clockZero = transmit ? 11 : 3;
    const int clockOne = transmit ? 15 : 7;
    std::vector<int> writes{1};
    for (char digit : word) {
        if (digit == '1') {
            writes.push_back(dataFirst);
        }
        writes.push_back(digit == '1' ? clockOne : clockZero);
        writes.push_back(1);
    }
    writes.push_back(transmit ? 8 : 0);
    return writes;
}

TEST(ClockOutWord, WritesTheExactSequenceOfTheWord) {
    for (bool transmit : {false, true}) {
        SimulatedRadio radio;
        clockOutWord(radio, buildControlWord(5332.0f), 0, 0, transmit);
        const std::vector<int> writes = radio.writes();
        EXPECT_EQ(writes, expectedWrites(kStartWord, transmit)) << "transmit " << transmit;
        EXPECT_EQ(writes.size(), 58u);
        EXPECT_EQ(writes.back(), transmit ? 8 : 0);
        EXPECT_EQ(radio.transmitting(), transmit);
    }
}

// Negative delays reach the port as 0; a delay of 0 is still a sleep call.
TEST(ClockOutWord, SleepsBeforeAndAfterEachClockRise) {
    const struct {
        int delay1, delay2, slept1, slept2;
    } cases[] = {{3, 7, 3, 7}, {0, 0, 0, 0}, {-5, 2, 0, 2}};
    for (const auto& c : cases) {
        SimulatedRadio radio;
        clockOutWord(radio, buildControlWord(5332.0f), c.delay1, c.delay2, false);
        const std::vector<PortOp>& ops = radio.operations();
        int clockRises = 0;
        for (std::size_t i = 1; i + 1 < ops.size(); ++i) {
            if (ops[i].kind == PortOp::Out && (ops[i].value & kClockLine) != 0) {
                ++clockRises;
                EXPECT_EQ(ops[i - 1], (PortOp{PortOp::Sleep, 0, c.slept1})) << c.delay1;
                EXPECT_EQ(ops[i + 1], (PortOp{PortOp::Sleep, 0, c.slept2})) << c.delay2;
            }
        }
        EXPECT_EQ(clockRises, 24);
        EXPECT_EQ(ops.size(), 58u + 48u);
    }
}

// The radio must receive the divider of every tuning position of the default
// band (144000..146000 kHz, raster 25) at every step size, on receive and on
// transmit: N = (144000 - 10700) / 25 + p * step and (144000 - 600) / 25 + p * step.
TEST(ClockOutWord, RadioDecodesTheDividerOfEveryPositionOfTheBand) {
    SimulatedRadio radio;
    int words = 0;
    for (int stepFactor : {1, 2, 4}) {
        for (int position = 0; position <= 80 / stepFactor; ++position) {
            for (bool transmit : {false, true}) {
                const int expected = (transmit ? 5736 : 5332) + position * stepFactor;
                const float n = transmit ? transmitDivider(144000, -600, 25, stepFactor, position)
                                         : receiveDivider(144000, -10700, 25, stepFactor, position);
                clockOutWord(radio, buildControlWord(n), 0, 0, transmit);
                ++words;
                ASSERT_EQ(radio.wordCount(), words);
                ASSERT_EQ(radio.lastWordLength(), 24);
                EXPECT_EQ(radio.lastDivider(), expected)
                    << "step " << stepFactor << " position " << position << " tx " << transmit;
                EXPECT_EQ(wordText(radio.lastWord()).substr(14), "0000000101");
                EXPECT_EQ(radio.transmitting(), transmit);
            }
        }
    }
}

TEST(ClockOutWord, RadioReadsTheDividerFromTheFourteenLowPositions) {
    const struct {
        float divider;
        int decoded;
    } cases[] = {{0.0f, 0}, {1.0f, 1}, {8192.0f, 8192}, {16383.0f, 16383}, {16389.0f, 5}};
    for (const auto& c : cases) {
        SimulatedRadio radio;
        clockOutWord(radio, buildControlWord(c.divider), 0, 0, false);
        EXPECT_EQ(radio.lastDivider(), c.decoded) << c.divider;
    }
}

} // namespace
} // namespace volna
