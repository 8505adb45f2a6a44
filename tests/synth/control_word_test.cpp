#include "synth/control_word.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace volna {
namespace {

TEST(PortLines, EachLineIsItsOwnBitOfTheDataRegister) {
    const struct {
        int line;
        int bit;
    } lines[] = {{kFrameLine, 0}, {kClockLine, 1}, {kDataLine, 2}, {kTransmitLine, 3}};
    int seen = 0;
    for (const auto& entry : lines) {
        EXPECT_EQ(entry.line, 1 << entry.bit);
        EXPECT_EQ(seen & entry.line, 0) << "line shares a bit: " << entry.line;
        seen |= entry.line;
    }
    EXPECT_EQ(seen, 0x0F);
}

constexpr int kUntouched = 7;

// written: the positions GetBin is expected to write, position 1 first; every
// position after them must keep the caller's value.
TEST(GetBin, WritesOnlyTheBitsOfTheIntegerPart) {
    const struct {
        float value;
        std::string text;
        std::string written;
    } cases[] = {
        {5332.0f, "01010011010100", "0010101100101"},
        {5332.9f, "01010011010100", "0010101100101"},
        {64.0f, "00000001000000", "0000001"},
        {63.0f, "00000000111111", "111111"},
        {65.0f, "00000001000001", "1000001"},
        {1.0f, "00000000000001", "1"},
        {0.0f, "00000000000000", ""},
        {0.5f, "00000000000000", ""},
        {-3.0f, "00000000000000", ""},
        {NAN, "00000000000000", ""},
        {16384.0f, "100000000000000", "000000000000001"},
        {16777215.0f, std::string(24, '1'), std::string(24, '1')},
        {16777220.0f, "000000000000000000000100", "001000000000000000000000"},
        {1e30f, std::string(24, '0'), std::string(24, '0')},
    };
    for (const auto& c : cases) {
        ControlBits bits;
        bits.fill(kUntouched);
        EXPECT_EQ(GetBin(c.value, kDividerWidth, bits), c.text) << c.value;
        for (std::size_t k = 0; k < bits.size(); ++k) {
            const int expected = k < c.written.size() ? c.written[k] - '0' : kUntouched;
            EXPECT_EQ(bits[k], expected) << c.value << " position " << k + 1;
        }
    }
}

TEST(ControlWord, DividerAndWordOfATuningPosition) {
    const struct {
        double offset; // ifOffset on receive, txShift on transmit
        bool transmit;
        int stepFactor;
        int position;
        int divider;
        std::string word;
    } cases[] = {
        {-10700, false, 1, 0, 5332, "001010110010100000000101"},
        {-10700, false, 1, 80, 5412, "001001001010100000000101"},
        {-10700, false, 2, 40, 5412, "001001001010100000000101"},
        {-10700, false, 4, 20, 5412, "001001001010100000000101"},
        {-600, true, 1, 0, 5736, "000101100110100000000101"},
        {-10710, false, 1, 0, 5331, "110010110010100000000101"},
    };
    for (const auto& c : cases) {
        const float n = c.transmit ? transmitDivider(144000, c.offset, 25, c.stepFactor, c.position)
                                   : receiveDivider(144000, c.offset, 25, c.stepFactor, c.position);
        EXPECT_EQ(static_cast<int>(n), c.divider) << c.offset << " @" << c.position;
        EXPECT_EQ(wordText(buildControlWord(n)), c.word) << c.offset << " @" << c.position;
    }
    EXPECT_FLOAT_EQ(receiveDivider(144000, -10710, 25, 1, 0), 5331.6f);
    EXPECT_EQ(receiveDivider(144000, -10700, 0, 1, 0), 0.0f);
}

TEST(ControlWord, ControlFieldIsSetOverAnyDividerBits) {
    EXPECT_EQ(wordText(buildControlWord(64.0f)), "000000100000000000000101");
    EXPECT_EQ(wordText(buildControlWord(16384.0f)), "000000000000001000000101");
    EXPECT_EQ(wordText(buildControlWord(4194304.0f)), "000000000000000000000111");
}

TEST(RoundDelay, NearestWholeMillisecondHalvesToEven) {
    const struct {
        double ms;
        int expected;
    } cases[] = {
        {0.0, 0},
        {0.4, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {2.6, 3},
        {20.5, 20},
        {21.5, 22},
        {-1.0, 0},
        {-0.5, 0},
        {NAN, 0},
        {1e12, INT_MAX},
        {2147483646.5, 2147483646},
        {2147483646.6, INT_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundDelay(c.ms), c.expected) << c.ms;
    }
}

} // namespace
} // namespace volna
