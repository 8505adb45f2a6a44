// The entry text of a channel and its split back into the three stored texts.

#include "channels/library_entry.h"

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
    ChannelTexts channel;
    const char* entry;
};

TEST(LibraryEntryTest, ChannelsBecomeEntriesAndComeBackWhole) {
    const RoundTrip cases[] = {
        {{"145500", "144900", "repeater"}, "145500 - 144900 - repeater"},
        {{"99975", "99375", "simplex"}, "99975 - 99375 - simplex"},
        {{"99975", "100575", "mixed"}, "99975 - 100575 - mixed"},
        {{"100575", "99975", ""}, "100575 - 99975 - "},
        {{"145500", "", "no transmit"}, "145500 -  - no transmit"},
        {{"0", "0", "0"}, "0 - 0 - 0"},
        {{"145500abc", "144 900", "as typed"}, "145500abc - 144 900 - as typed"},
        {{"145500", "144900", "a - b - c"}, "145500 - 144900 - a - b - c"},
        {{"145500", "144900", "Ретранслятор Москва"}, "145500 - 144900 - Ретранслятор Москва"},
    };
    for (const RoundTrip& c : cases) {
        EXPECT_EQ(entryText(c.channel), c.entry);
        EXPECT_EQ(splitEntry(c.entry), c.channel) << c.entry;
    }
}

TEST(LibraryEntryTest, EntriesWithoutBothSeparatorsKeepWhatTheyHave) {
    EXPECT_EQ(splitEntry("145500"), (ChannelTexts{"145500", "", ""}));
    EXPECT_EQ(splitEntry("145500 - 144900"), (ChannelTexts{"145500", "144900", ""}));
    EXPECT_EQ(splitEntry(""), (ChannelTexts{}));
    EXPECT_EQ(splitEntry("145500-144900-x"), (ChannelTexts{"145500-144900-x", "", ""}));
}

TEST(LibraryEntryTest, TheCommentIsCutToSeventyCharactersNotBytes) {
    const std::string ascii70(70, 'c');
    const struct {
        std::string comment;
        std::string kept;
    } cases[] = {
        {ascii70, ascii70},
        {ascii70 + "overflow", ascii70},
        {cyrillic(70), cyrillic(70)},
        {cyrillic(85), cyrillic(70)},
        {ascii70.substr(0, 69) + "ёё", ascii70.substr(0, 69) + "ё"},
    };
    for (const auto& c : cases) {
        const ChannelTexts split = splitEntry("145500 - 144900 - " + c.comment);
        EXPECT_EQ(split.comment, c.kept) << c.comment;
        EXPECT_EQ(split.receive, "145500");
        EXPECT_EQ(split.transmit, "144900");
    }
}

TEST(LibraryEntryTest, TheSearchKeyIsTheReceiveFrequency) {
    const struct {
        const char* entry;
        double kHz;
    } cases[] = {
        {"145500 - 144900 - repeater", 145500},
        {"99975 - 99375 - x", 99975},
        {"99975 - 100575 - x", 99975},
        {"1455001 - 144900 - x", 145500},
        {"abc - 144900 - x", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(searchKey(c.entry), c.kHz) << c.entry;
    }
}

} // namespace
} // namespace volna
