// SPDX-License-Identifier: GPL-3.0-or-later
// The entry text of a channel and its split back into the three stored texts.

#include "channels/library_entry.h"

#include "support/row_names.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

// A comment of n Cyrillic letters (two bytes each in UTF-8).
std::string cyrillic(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += i % 2 == 0 ? "ж" : "ы";
    }
    return text;
}

struct RoundTrip {
    const char* name;
    ChannelTexts channel;
    const char* entry;
};

// One channel and its entry text, each made from the other.
class LibraryEntryRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(LibraryEntryRoundTrip, ChannelsBecomeEntriesAndComeBackWhole) {
    EXPECT_EQ(entryText(GetParam().channel), GetParam().entry);
    EXPECT_EQ(splitEntry(GetParam().entry), GetParam().channel);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, LibraryEntryRoundTrip,
    ::testing::Values(
        RoundTrip{"Repeater", {"145500", "144900", "repeater"}, "145500 - 144900 - repeater"},
        RoundTrip{"FiveDigits", {"99975", "99375", "simplex"}, "99975 - 99375 - simplex"},
        RoundTrip{"FiveAndSixDigits", {"99975", "100575", "mixed"}, "99975 - 100575 - mixed"},
        RoundTrip{"NoComment", {"100575", "99975", ""}, "100575 - 99975 - "},
        RoundTrip{"NoTransmit", {"145500", "", "no transmit"}, "145500 -  - no transmit"},
        RoundTrip{"Zeros", {"0", "0", "0"}, "0 - 0 - 0"},
        RoundTrip{
            "AsTyped", {"145500abc", "144 900", "as typed"}, "145500abc - 144 900 - as typed"},
        RoundTrip{"SeparatorsInTheComment",
                  {"145500", "144900", "a - b - c"},
                  "145500 - 144900 - a - b - c"},
        RoundTrip{"CyrillicComment",
                  {"145500", "144900", "Ретранслятор Москва"},
                  "145500 - 144900 - Ретранслятор Москва"}),
    test::rowNameOf<RoundTrip>);

TEST(LibraryEntryTest, EntriesWithoutBothSeparatorsKeepWhatTheyHave) {
    EXPECT_EQ(splitEntry("145500"), (ChannelTexts{"145500", "", ""}));
    EXPECT_EQ(splitEntry("145500 - 144900"), (ChannelTexts{"145500", "144900", ""}));
    EXPECT_EQ(splitEntry(""), (ChannelTexts{}));
    EXPECT_EQ(splitEntry("145500-144900-x"), (ChannelTexts{"145500-144900-x", "", ""}));
}

struct CommentCut {
    const char* name;
    std::string comment;
    std::string kept;
};

// An entry whose comment is the row's, split.
class LibraryEntryCommentCut : public ::testing::TestWithParam<CommentCut> {};

TEST_P(LibraryEntryCommentCut, TheCommentIsCutToSeventyCharactersNotBytes) {
    const ChannelTexts split = splitEntry("145500 - 144900 - " + GetParam().comment);
    EXPECT_EQ(split.comment, GetParam().kept);
    EXPECT_EQ(split.receive, "145500");
    EXPECT_EQ(split.transmit, "144900");
}

const std::string kAscii70(70, 'c');

INSTANTIATE_TEST_SUITE_P(
    Comments, LibraryEntryCommentCut,
    ::testing::Values(CommentCut{"Ascii70", kAscii70, kAscii70},
                      CommentCut{"AsciiOverflow", kAscii70 + "overflow", kAscii70},
                      CommentCut{"Cyrillic70", cyrillic(70), cyrillic(70)},
                      CommentCut{"Cyrillic85", cyrillic(85), cyrillic(70)},
                      CommentCut{"TwoByteLettersAtTheCut", kAscii70.substr(0, 69) + "ёё",
                                 kAscii70.substr(0, 69) + "ё"}),
    test::rowNameOf<CommentCut>);

struct SearchKey {
    const char* name;
    const char* entry;
    double kHz;
};

// One entry and the receive frequency it is found by.
class LibraryEntrySearchKey : public ::testing::TestWithParam<SearchKey> {};

TEST_P(LibraryEntrySearchKey, TheSearchKeyIsTheReceiveFrequency) {
    EXPECT_EQ(searchKey(GetParam().entry), GetParam().kHz);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LibraryEntrySearchKey,
    ::testing::Values(SearchKey{"SixDigits", "145500 - 144900 - repeater", 145500},
                      SearchKey{"FiveDigits", "99975 - 99375 - x", 99975},
                      SearchKey{"FiveAndSixDigits", "99975 - 100575 - x", 99975},
                      SearchKey{"SeventhDigitIgnored", "1455001 - 144900 - x", 145500},
                      SearchKey{"Letters", "abc - 144900 - x", 0}, SearchKey{"Empty", "", 0}),
    test::rowNameOf<SearchKey>);

} // namespace
} // namespace volna
