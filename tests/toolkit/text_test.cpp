// SPDX-License-Identifier: GPL-3.0-or-later
// The small text helpers, each with a table of texts: blanks cut off, digits
// recognised, UTF-8 characters counted and taken whole.

#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace volna {
namespace {

TEST(Text, TrimmedCutsBlanksAndTabsAtBothEndsOnly) {
    const struct {
        std::string_view text, trimmed;
    } cases[] = {
        {"", ""},         {" \t ", ""},   {"145500", "145500"},
        {" \t7 \t", "7"}, {"a b", "a b"}, {"\r\n1\r\n", "\r\n1\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trimmed(c.text), c.trimmed) << '"' << c.text << '"';
    }
}

TEST(Text, AllDigitsIsTrueForAsciiDigitsAndTheEmptyText) {
    const struct {
        std::string_view text;
        bool digits;
    } cases[] = {
        {"", true},    {"0123456789", true}, {"12a", false},      {" 1", false},
        {"-1", false}, {"1.5", false},       {"\xD9\xA3", false}, // an Arabic-Indic three
    };
    for (const auto& c : cases) {
        EXPECT_EQ(allDigits(c.text), c.digits) << '"' << c.text << '"';
    }
}

TEST(Text, CharactersAreLeadBytesWithTheirContinuations) {
    const struct {
        std::string_view text;
        int count;
        int taken;
        std::string_view first;
    } cases[] = {
        {"", 0, 3, ""},      {"abc", 3, 2, "ab"}, {"Канал", 5, 2, "Ка"},
        {"a€b", 3, 2, "a€"}, {"ё", 1, 5, "ё"},    {"abc", 3, 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(characterCount(c.text), c.count) << c.text;
        EXPECT_EQ(firstCharacters(c.text, c.taken), c.first) << c.text;
    }
    EXPECT_TRUE(isContinuationByte('\x80') && isContinuationByte('\xBF'));
    EXPECT_FALSE(isContinuationByte('a') || isContinuationByte('\xC0') ||
                 isContinuationByte('\xD0'));
}

} // namespace
} // namespace volna
