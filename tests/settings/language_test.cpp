// SPDX-License-Identifier: GPL-3.0-or-later
// The language choice kept in the program's own section of the store: what
// --lang gives is remembered, a later start without it keeps it, and a damaged
// value falls back to Russian without harm.

#include "settings/language.h"

#include "settings/memory_store.h"
#include "settings/store_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace volna::test {
namespace {

TEST(LanguageTest, RussianUntilEnglishIsKeptAndThenRemembered) {
    MemoryStore store;
    EXPECT_EQ(chooseLanguage(store, std::nullopt), Language::Russian);
    EXPECT_EQ(chooseLanguage(store, Language::English), Language::English);
    EXPECT_EQ(store.size(), 0u) << "choosing writes nothing";
    keepLanguage(store, Language::English);
    EXPECT_EQ(store.readSetting(kSectionProgram, kKeyLanguage, ""), "en");
    EXPECT_EQ(chooseLanguage(store, std::nullopt), Language::English) << "a later start";
    EXPECT_EQ(chooseLanguage(store, Language::Russian), Language::Russian) << "--lang wins";
    keepLanguage(store, Language::Russian);
    EXPECT_EQ(storedLanguage(store), Language::Russian);
}

TEST(LanguageTest, KeepingTouchesOnlyTheProgramSectionAndWritesOnlyAChange) {
    MemoryStore store;
    keepLanguage(store, Language::English);
    keepLanguage(store, Language::English);
    ASSERT_EQ(store.entries().size(), 1u);
    EXPECT_EQ(store.entries().front().section, kSectionProgram);
    EXPECT_EQ(store.writes().size(), 1u) << "the same choice again is not written";
}

TEST(LanguageTest, ADamagedValueGivesRussianAndIsReplacedOnlyByAChoice) {
    for (const std::string bad : {"", "EN", "en ", "de", "english", "\xff\xfe", "ru\n"}) {
        MemoryStore store;
        store.writeSetting(kSectionProgram, kKeyLanguage, bad);
        EXPECT_EQ(chooseLanguage(store, std::nullopt), Language::Russian) << bad;
        EXPECT_EQ(store.readSetting(kSectionProgram, kKeyLanguage, ""), bad)
            << "reading leaves the stored value alone";
        keepLanguage(store, Language::English);
        EXPECT_EQ(storedLanguage(store), Language::English);
    }
}

TEST(LanguageTest, CodesReadBackAsTheirLanguage) {
    for (const Language language : {Language::Russian, Language::English}) {
        EXPECT_EQ(languageOfCode(languageCode(language)), language);
    }
    EXPECT_FALSE(languageOfCode("RU").has_value());
}

} // namespace
} // namespace volna::test
