// SPDX-License-Identifier: GPL-3.0-or-later
// The places of the program's own windows in the store: kept as written, and a
// damaged or partial entry gives no place rather than a broken one.

#include "settings/window_place.h"

#include "settings/memory_store.h"
#include "settings/store_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace volna::test {
namespace {

TEST(WindowPlaceTest, APlaceComesBackAsItWasKept) {
    MemoryStore store;
    EXPECT_FALSE(readWindowPlace(store, "BandActivity").has_value());
    writeWindowPlace(store, "BandActivity", {-1200, 35, 820, 190}); // a screen left of the main one
    EXPECT_EQ(readWindowPlace(store, "BandActivity"), (WindowPlace{-1200, 35, 820, 190}));
    EXPECT_EQ(store.readSetting(kSectionProgram, "BandActivityWidth", ""), "820");
    // The shared sections stay untouched.
    EXPECT_EQ(store.readSetting(kSectionSettings, "BandActivityWidth", "none"), "none");
    EXPECT_EQ(store.readSetting(kSectionFlags, "BandActivityWidth", "none"), "none");
}

TEST(WindowPlaceTest, ADamagedEntryGivesNoPlace) {
    for (const std::string bad :
         {"", "abc", "12abc", "1.5", "-", "--5", " 12", "1e3", "9999999", "０１２"}) {
        MemoryStore store;
        writeWindowPlace(store, "W", {10, 20, 300, 200});
        store.writeSetting(kSectionProgram, "WTop", bad);
        EXPECT_FALSE(readWindowPlace(store, "W").has_value()) << bad;
    }
    for (const char* size : {"WWidth", "WHeight"}) {
        for (const char* bad : {"0", "-300"}) {
            MemoryStore store;
            writeWindowPlace(store, "W", {10, 20, 300, 200});
            store.writeSetting(kSectionProgram, size, bad);
            EXPECT_FALSE(readWindowPlace(store, "W").has_value()) << size << "=" << bad;
        }
    }
    MemoryStore partial;
    partial.writeSetting(kSectionProgram, "WLeft", "1");
    partial.writeSetting(kSectionProgram, "WTop", "1");
    partial.writeSetting(kSectionProgram, "WWidth", "100");
    EXPECT_FALSE(readWindowPlace(partial, "W").has_value());
}

} // namespace
} // namespace volna::test
