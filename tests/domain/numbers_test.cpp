// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/numbers.h"

#include "support/row_names.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace volna {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextCase {
    const char* text;
    double expected;
};

std::string textRow(const ::testing::TestParamInfo<TextCase>& row) {
    return test::rowName(row.param.text);
}

// One text and the number read from its start.
class LeadingNumberTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(LeadingNumberTable, ReadsTheExpectedNumber) {
    EXPECT_DOUBLE_EQ(GetParam().expected, leadingNumber(GetParam().text));
}

const TextCase kDecimalNumbers[] = {
    {"145500", 145500},
    {"145500abc", 145500},
    {"145500.4", 145500.4},
    {"145500.4x", 145500.4},
    {"133299.5", 133299.5},
    {"0", 0},
    {"007", 7},
    {".5", 0.5},
    {"5.", 5},
    {"5.x", 5},
    {"1.2.3", 1.2},
    {"144000 - 144600 - comment", 144000},
    {"12kHz34", 12},
    {"1e5", 1},
    {"0x1A", 0},
    {"", 0},
    {"abc", 0},
    {".", 0},
    {"x145500", 0},
};
INSTANTIATE_TEST_SUITE_P(DecimalNumbers, LeadingNumberTable, ::testing::ValuesIn(kDecimalNumbers),
                         textRow);

const TextCase kSigns[] = {
    {"-600", -600}, {"+600", 600}, {"-10700", -10700}, {"-.5", -0.5}, {"+.5", 0.5},
    {"-", 0},       {"+", 0},      {"-.", 0},          {"--5", 0},    {"+-5", 0},
    {"5-3", 5},     {"-0", 0},     {"-abc", 0},
};
INSTANTIATE_TEST_SUITE_P(Signs, LeadingNumberTable, ::testing::ValuesIn(kSigns), textRow);

// Blanks, tabs and line breaks are skipped anywhere in the number.
const TextCase kBlanks[] = {
    {"145 500", 145500},    {"  145500", 145500},   {"145500  ", 145500},
    {"\t145\t500", 145500}, {"145\r\n500", 145500}, {"- 600", -600},
    {"1 4 5 . 5", 145.5},   {" \t\r\n", 0},         {"145 500 abc 7", 145500},
};
INSTANTIATE_TEST_SUITE_P(BlanksTabsAndLineBreaks, LeadingNumberTable, ::testing::ValuesIn(kBlanks),
                         textRow);

TEST(LeadingNumber, NeverGivesNegativeZero) {
    EXPECT_FALSE(std::signbit(leadingNumber("-0")));
    EXPECT_FALSE(std::signbit(leadingNumber("-0.000")));
}

TEST(LeadingNumber, SurvivesVeryLongDigitStrings) {
    const std::string huge(100000, '9');
    EXPECT_EQ(kInf, leadingNumber(huge));
    EXPECT_EQ(-kInf, leadingNumber("-" + huge));
    EXPECT_EQ(2.0, leadingNumber("1." + huge.substr(0, 5000) + "x"));
    EXPECT_EQ(0.0, leadingNumber("0." + std::string(5000, '0') + "1"));
    EXPECT_DOUBLE_EQ(145500.0, leadingNumber(std::string(5000, '0') + "145500"));
}

TEST(LeadingNumber, IgnoresTheCLocale) {
    // A locale with a decimal comma must not change how "145500.5" reads.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_DOUBLE_EQ(145500.5, leadingNumber("145500.5"));
    EXPECT_DOUBLE_EQ(145500, leadingNumber("145500,5"));
    EXPECT_EQ("133299.5", formatNumber(133299.5));
    std::setlocale(LC_NUMERIC, previous.c_str());
}

struct RoundCase {
    double value;
    long expected;
};

std::string roundRow(const ::testing::TestParamInfo<RoundCase>& row) {
    return test::rowName(row.param.value);
}

// One number and the integer it converts to; both conversions round halves to
// the even neighbour and saturate.
class ToInt32Table : public ::testing::TestWithParam<RoundCase> {};
class ToInt16Table : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ToInt32Table, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(GetParam().expected, toInt32(GetParam().value));
}

TEST_P(ToInt16Table, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(GetParam().expected, toInt16(GetParam().value));
}

const RoundCase kInt32Rounding[] = {
    {20.5, 20},
    {21.5, 22},
    {-20.5, -20},
    {-21.5, -22},
    {0.5, 0},
    {1.5, 2},
    {-0.5, 0},
    {20.4999, 20},
    {20.5001, 21},
    {-20.5001, -21},
    {144000, 144000},
    {-10700, -10700},
    {2147483646.5, 2147483646},
    {2147483647.4, 2147483647},
    {2147483647.5, 2147483647},
    {-2147483648.5, -2147483648L},
    {1e12, 2147483647},
    {-1e12, -2147483648L},
    {kInf, 2147483647},
    {-kInf, -2147483648L},
    {kNaN, 0},
};
INSTANTIATE_TEST_SUITE_P(Values, ToInt32Table, ::testing::ValuesIn(kInt32Rounding), roundRow);

const RoundCase kInt16Rounding[] = {
    {20.5, 20},       {21.5, 22},       {-20.5, -20},    {-21.5, -22},
    {-600, -600},     {-600.5, -600},   {-601.5, -602},  {32766.5, 32766},
    {32767.4, 32767}, {32767.5, 32767}, {40000, 32767},  {-32768.5, -32768},
    {-40000, -32768}, {kInf, 32767},    {-kInf, -32768}, {kNaN, 0},
};
INSTANTIATE_TEST_SUITE_P(Values, ToInt16Table, ::testing::ValuesIn(kInt16Rounding), roundRow);

struct FormatCase {
    double value;
    const char* expected;
};

// One number and the text it is written as.
class FormatNumberTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTable, WritesPlainDecimalText) {
    EXPECT_EQ(GetParam().expected, formatNumber(GetParam().value));
}

const FormatCase kFormats[] = {
    {133300, "133300"},
    {-600, "-600"},
    {0, "0"},
    {-0.0, "0"},
    {144000.0, "144000"},
    {133299.5, "133299.5"},
    {-0.5, "-0.5"},
    {0.1 + 0.2, "0.3"},
    {145500.4, "145500.4"},
    {1.0 / 3.0, "0.333333333333333"},
    {123456.789012345678, "123456.789012346"},
    {0.00001, "0.00001"},
    {1.5e-10, "0.00000000015"},
    {-1e-20, "-0.00000000000000000001"},
    {999999999999999.0, "999999999999999"},
    {123456789012345.6, "123456789012346"},
    {2147483648.0, "2147483648"},
};
INSTANTIATE_TEST_SUITE_P(Values, FormatNumberTable, ::testing::ValuesIn(kFormats),
                         [](const ::testing::TestParamInfo<FormatCase>& row) {
                             return test::rowName(row.param.value);
                         });

TEST(FormatNumber, WritesTheSmallestDoubleInFull) {
    const std::string text = formatNumber(5e-324);
    EXPECT_EQ(0u, text.rfind("0.000", 0)) << text;
    EXPECT_EQ(std::string::npos, text.find('e')) << text;
    EXPECT_EQ("494065645841247", text.substr(text.find_first_not_of("0.")));
}

} // namespace
} // namespace volna
