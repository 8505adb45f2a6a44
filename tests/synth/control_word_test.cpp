// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/control_word.h"

#include "support/row_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace volna {
namespace {

struct LineCase {
    const char* name;
    int line;
    int bit;
};

// One port line and the data register bit it must be.
class PortLineTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(PortLineTable, IsItsOwnBitOfTheDataRegister) {
    EXPECT_EQ(GetParam().line, 1 << GetParam().bit);
}

INSTANTIATE_TEST_SUITE_P(Lines, PortLineTable,
                         ::testing::Values(LineCase{"Frame", kFrameLine, 0},
                                           LineCase{"Clock", kClockLine, 1},
                                           LineCase{"Data", kDataLine, 2},
                                           LineCase{"Transmit", kTransmitLine, 3}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PortLines, TogetherFillTheLowFourBits) {
    EXPECT_EQ(kFrameLine | kClockLine | kDataLine | kTransmitLine, 0x0F);
}

constexpr int kUntouched = 7;

// written: the positions GetBin is expected to write, position 1 first; every
// position after them must keep the caller's value.
struct GetBinCase {
    float value;
    std::string text;
    std::string written;
};

// One value written into a word whose positions hold a marker value.
class GetBinTable : public ::testing::TestWithParam<GetBinCase> {};

TEST_P(GetBinTable, WritesOnlyTheBitsOfTheIntegerPart) {
    const GetBinCase& c = GetParam();
    ControlBits bits;
    bits.fill(kUntouched);
    EXPECT_EQ(GetBin(c.value, kDividerWidth, bits), c.text);
    for (std::size_t k = 0; k < bits.size(); ++k) {
        const int expected = k < c.written.size() ? c.written[k] - '0' : kUntouched;
        EXPECT_EQ(bits[k], expected) << "position " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetBinTable,
    ::testing::Values(
        GetBinCase{5332.0f, "01010011010100", "0010101100101"},
        GetBinCase{5332.9f, "01010011010100", "0010101100101"},
        GetBinCase{64.0f, "00000001000000", "0000001"},
        GetBinCase{63.0f, "00000000111111", "111111"},
        GetBinCase{65.0f, "00000001000001", "1000001"}, GetBinCase{1.0f, "00000000000001", "1"},
        GetBinCase{0.0f, "00000000000000", ""}, GetBinCase{0.5f, "00000000000000", ""},
        GetBinCase{-3.0f, "00000000000000", ""}, GetBinCase{NAN, "00000000000000", ""},
        GetBinCase{16384.0f, "100000000000000", "000000000000001"},
        GetBinCase{16777215.0f, std::string(24, '1'), std::string(24, '1')},
        GetBinCase{16777220.0f, "000000000000000000000100", "001000000000000000000000"},
        GetBinCase{1e30f, std::string(24, '0'), std::string(24, '0')}),
    [](const auto& row) { return test::rowName(row.param.value); });

struct DividerCase {
    const char* name;
    double offset; // ifOffset on receive, txShift on transmit
    bool transmit;
    int stepFactor;
    int position;
    int divider;
    std::string word;
};

// One tuning position and the divider and word it gives.
class ControlWordTable : public ::testing::TestWithParam<DividerCase> {};

TEST_P(ControlWordTable, DividerAndWordOfATuningPosition) {
    const DividerCase& c = GetParam();
    const float n = c.transmit ? transmitDivider(144000, c.offset, 25, c.stepFactor, c.position)
                               : receiveDivider(144000, c.offset, 25, c.stepFactor, c.position);
    EXPECT_EQ(static_cast<int>(n), c.divider);
    EXPECT_EQ(wordText(buildControlWord(n)), c.word);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, ControlWordTable,
    ::testing::Values(
        DividerCase{"ReceiveStart", -10700, false, 1, 0, 5332, "001010110010100000000101"},
        DividerCase{"ReceiveStep1At80", -10700, false, 1, 80, 5412, "001001001010100000000101"},
        DividerCase{"ReceiveStep2At40", -10700, false, 2, 40, 5412, "001001001010100000000101"},
        DividerCase{"ReceiveStep4At20", -10700, false, 4, 20, 5412, "001001001010100000000101"},
        DividerCase{"TransmitStart", -600, true, 1, 0, 5736, "000101100110100000000101"},
        DividerCase{"ReceiveOffsetOffRaster", -10710, false, 1, 0, 5331,
                    "110010110010100000000101"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ControlWord, DividerKeepsItsFractionAndIsZeroWithoutARaster) {
    EXPECT_FLOAT_EQ(receiveDivider(144000, -10710, 25, 1, 0), 5331.6f);
    EXPECT_EQ(receiveDivider(144000, -10700, 0, 1, 0), 0.0f);
}

TEST(ControlWord, ControlFieldIsSetOverAnyDividerBits) {
    EXPECT_EQ(wordText(buildControlWord(64.0f)), "000000100000000000000101");
    EXPECT_EQ(wordText(buildControlWord(16384.0f)), "000000000000001000000101");
    EXPECT_EQ(wordText(buildControlWord(4194304.0f)), "000000000000000000000111");
}

struct WordDelayCase {
    double ms;
    int expected;
};

// One delay setting and the whole milliseconds slept.
class RoundDelayTable : public ::testing::TestWithParam<WordDelayCase> {};

TEST_P(RoundDelayTable, NearestWholeMillisecondHalvesToEven) {
    EXPECT_EQ(roundDelay(GetParam().ms), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundDelayTable,
                         ::testing::Values(WordDelayCase{0.0, 0}, WordDelayCase{0.4, 0},
                                           WordDelayCase{0.5, 0}, WordDelayCase{1.5, 2},
                                           WordDelayCase{2.5, 2}, WordDelayCase{2.6, 3},
                                           WordDelayCase{20.5, 20}, WordDelayCase{21.5, 22},
                                           WordDelayCase{-1.0, 0}, WordDelayCase{-0.5, 0},
                                           WordDelayCase{NAN, 0}, WordDelayCase{1e12, INT_MAX},
                                           WordDelayCase{2147483646.5, 2147483646},
                                           WordDelayCase{2147483646.6, INT_MAX}),
                         [](const auto& row) { return test::rowName(row.param.ms); });

} // namespace
} // namespace volna
