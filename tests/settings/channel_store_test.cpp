#include "settings/channel_store.h"

#include "settings/memory_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

using Write = MemoryStore::Write;

TEST(ChannelStoreTest, WritesTheThreeTextsInTheOrderAsked) {
    MemoryStore store;
    ChannelStore channels(store);
    channels.writeChannel(3, {"145500", "144900", "r"}, ChannelWriteOrder::ReceiveCommentTransmit);
    channels.writeChannel(10, {"1", "2", "c"}, ChannelWriteOrder::ReceiveTransmitComment);
    const std::vector<Write> expected = {
        {"Channels(RX)", "$3", "145500"}, {"Channels(RX-cmt)", "$3", "r"},
        {"Channels(TX)", "$3", "144900"}, {"Channels(RX)", "$10", "1"},
        {"Channels(TX)", "$10", "2"},     {"Channels(RX-cmt)", "$10", "c"},
    };
    EXPECT_EQ(store.writes(), expected);
    EXPECT_EQ(channels.channel(3), (ChannelTexts{"145500", "144900", "r"}));
}

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

TEST(ChannelStoreTest, EmptySlotsAreWrittenSectionBySection) {
    MemoryStore store;
    ChannelStore(store).writeEmptySlots();
    const std::vector<Write>& writes = store.writes();
    ASSERT_EQ(writes.size(), 130U);
    EXPECT_EQ(writes[0], (Write{"Channels(TX)", "$1", ""}));
    EXPECT_EQ(writes[10], (Write{"Channels(RX)", "$1", ""}));
    EXPECT_EQ(writes[29], (Write{"Channels(RX-cmt)", "$10", ""}));
    EXPECT_EQ(writes[129], (Write{"Library", "$100", ""}));
}

} // namespace
} // namespace volna
