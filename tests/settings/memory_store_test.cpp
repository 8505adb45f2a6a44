// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/memory_store.h"

#include <gtest/gtest.h>

namespace volna {
namespace {

TEST(MemoryStore, MatchesSectionAndKeyNamesWithoutRegardToCase) {
    MemoryStore store;
    store.writeSetting("Settings", "Delay2", "5");
    EXPECT_EQ("5", store.readSetting("Settings", "delay2", ""));
    EXPECT_EQ("5", store.readSetting("SETTINGS", "DELAY2", ""));

    store.writeSetting("settings", "DELAY2", "7");
    EXPECT_EQ("7", store.readSetting("Settings", "Delay2", ""));
    EXPECT_EQ(1u, store.size());
    EXPECT_TRUE(store.contains("sEtTiNgS", "dElAy2"));
}

TEST(MemoryStore, KeepsTheSpellingFirstWritten) {
    MemoryStore store;
    store.writeSetting("Settings", "Delay2", "5");
    store.writeSetting("SETTINGS", "delay2", "7");
    const std::vector<MemoryStore::Entry> expected = {{"Settings", "Delay2", "7"}};
    EXPECT_EQ(expected, store.entries());
}

TEST(MemoryStore, KeepsSectionsApart) {
    MemoryStore store;
    store.writeSetting("Channels(RX)", "$1", "145500");
    store.writeSetting("Channels(TX)", "$1", "144900");
    store.writeSetting("Channels(RX)", "$10", "145000");
    EXPECT_EQ("145500", store.readSetting("Channels(RX)", "$1", ""));
    EXPECT_EQ("144900", store.readSetting("Channels(TX)", "$1", ""));
    EXPECT_EQ("145000", store.readSetting("Channels(RX)", "$10", ""));
    EXPECT_EQ(3u, store.size());
}

TEST(MemoryStore, TellsAMissingKeyFromAnEmptyOne) {
    MemoryStore store;
    EXPECT_EQ("!!!", store.readSetting("Flags", "NEW", "!!!"));
    EXPECT_FALSE(store.contains("Flags", "NEW"));

    store.writeSetting("Channels(RX)", "$1", "");
    EXPECT_EQ("", store.readSetting("Channels(RX)", "$1", "0"));
    EXPECT_TRUE(store.contains("Channels(RX)", "$1"));
}

TEST(MemoryStore, LogsEveryWriteAndSyncUntilCleared) {
    MemoryStore store;
    store.writeSetting("Flags", "LOCK", "0");
    store.writeSetting("flags", "lock", "1");
    store.sync();
    const std::vector<MemoryStore::Write> expected = {{"Flags", "LOCK", "0"},
                                                      {"flags", "lock", "1"}};
    EXPECT_EQ(expected, store.writes());
    EXPECT_EQ(1, store.syncCount());

    store.clearLog();
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(0, store.syncCount());
    EXPECT_EQ("1", store.readSetting("Flags", "LOCK", ""));
}

} // namespace
} // namespace volna
