// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/channel_store.h"

#include "settings/memory_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

using Write = MemoryStore::Write;

TEST(ChannelStoreTest, AMissingKeyReadsAsTheCallersText) {
    MemoryStore store;
    store.writeSetting("Channels(RX)", "$1", "145500");
    store.writeSetting("Channels(RX-cmt)", "$1", "");
    ChannelStore channels(store);
    EXPECT_EQ(channels.channel(1), (ChannelTexts{"145500", "", ""}));
    EXPECT_EQ(channels.channel(1, "0"), (ChannelTexts{"145500", "0", ""}));
    EXPECT_EQ(channels.channel(2, "0"), (ChannelTexts{"0", "0", "0"}));
}

TEST(ChannelStoreTest, TheLibraryIsWrittenWholeAndNeverPastItsLastSlot) {
    MemoryStore store;
    ChannelStore channels(store);
    channels.writeLibrary({"a", "b"});
    ASSERT_EQ(store.writes().size(), 100U);
    EXPECT_EQ(store.writes()[1], (Write{"Library", "$2", "b"}));
    EXPECT_EQ(store.writes()[99], (Write{"Library", "$100", ""}));
    EXPECT_EQ(channels.library()[0], "a");
    EXPECT_EQ(channels.library()[2], "");

    store.clearLog();
    channels.writeLibrary(std::vector<std::string>(150, "x"));
    EXPECT_EQ(store.writes().size(), 100U);
    EXPECT_FALSE(store.contains("Library", "$101"));
}

} // namespace
} // namespace volna
