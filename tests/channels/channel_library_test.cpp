// SPDX-License-Identifier: GPL-3.0-or-later
// The channel library as the operator uses it: opened from another window,
// copying, deleting, searching, writing both lists and closing, against the
// in-memory store and the scripted prompter.

#include "channels/channel_library.h"
#include "channels/library_entry.h"
#include "settings/memory_store.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"
#include "support/scripted_prompter.h"
#include "toolkit/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna::test {
namespace {

using Items = std::vector<std::string>;

// The library with two plain windows standing for the console and the channel
// editor, whose "Библиотека" opens it; the store holds the first-run values.
class ChannelLibraryTest : public ::testing::Test {
protected:
    ChannelLibraryTest() {
        storeFirstRunValues(store);
        store.clearLog();
        consoleButton.onClick = [this] { ++consoleClicks; };
        libraryButton.onClick = [this] { library.show(); };
        program.runEvent([&] { console.show(); });
        program.runEvent([&] { editor.show(); });
        library.Form_Load();
    }
    void TearDown() override { EXPECT_TRUE(prompter.done()) << "a message box did not appear"; }

    void setChannel(int n, const std::string& rx, const std::string& tx,
                    const std::string& comment) {
        ChannelStore(store).writeChannel(n, {rx, tx, comment},
                                         ChannelWriteOrder::ReceiveTransmitComment);
    }
    void setLibrary(int n, const std::string& entry) {
        LibrarySlots slots = ChannelStore(store).library();
        slots[n - 1] = entry;
        ChannelStore(store).writeLibrary({slots.begin(), slots.end()});
    }
    ChannelTexts storedChannel(int n) { return ChannelStore(store).channel(n, "?"); }
    // Opens the library with the editor's "Библиотека", as the operator does.
    void open() {
        ASSERT_TRUE(program.click(libraryButton));
        ASSERT_EQ(program.activeWindow(), &library);
        store.clearLog();
    }
    void selectChannel(int index) { ASSERT_TRUE(program.select(library.channelList, index)); }
    void selectEntry(int index) { ASSERT_TRUE(program.select(library.libraryList, index)); }
    void search(const std::string& text) {
        ASSERT_TRUE(program.type(library.searchBox, text));
        ASSERT_TRUE(program.click(library.searchNextButton));
    }

    Program program;
    MemoryStore store;
    ScriptedPrompter prompter;
    Window console{program, "Form1"};
    Button consoleButton{console, "Command1", "Exit"};
    int consoleClicks = 0;
    Window editor{program, "Form2"};
    Button libraryButton{editor, "Command14", "Библиотека"};
    Form6 library{program, store, prompter};
};

TEST_F(ChannelLibraryTest, OpeningListsTheStoredChannelsAndEntries) {
    setChannel(1, "145500", "144900", "repeater");
    setChannel(2, "", "144000", "empty receive is not listed");
    setChannel(3, "0", "", "");
    setChannel(10, "99975", "99375", "low");
    setLibrary(1, "145000 - 145000 - a");
    setLibrary(2, "145025 - 145025 - b");
    setLibrary(4, "145050 - 145050 - after a gap");
    open();
    EXPECT_EQ(library.caption, kLibraryTitle);
    EXPECT_EQ(library.channelList.items,
              (Items{"145500 - 144900 - repeater", "0 -  - ", "99975 - 99375 - low"}));
    EXPECT_EQ(library.libraryList.items, (Items{"145000 - 145000 - a", "145025 - 145025 - b",
                                                "145050 - 145050 - after a gap"}));
    EXPECT_EQ(library.libraryCount.caption, "2"); // stored entries end at the first empty key
    EXPECT_EQ(library.listCount.caption, "3");
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(ChannelLibraryTest, AFullLibraryOrChannelListRefusesTheCopy) {
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        setLibrary(n, std::to_string(144000 + 25 * n) + " - 144000 - ");
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        setChannel(n, std::to_string(145000 + 25 * n), "", "");
    }
    open();
    EXPECT_EQ(library.libraryCount.caption, "100");
    selectChannel(0);
    prompter.expectError(kLibraryFull);
    program.click(library.toLibraryButton);
    selectEntry(0);
    prompter.expectError(kChannelsFull);
    program.click(library.toChannelsButton);
    EXPECT_EQ(library.libraryList.count(), kLibraryCapacity);
    EXPECT_EQ(library.channelList.count(), kChannelCount);
    EXPECT_TRUE(library.listsChanged); // a refused copy still counts as a use
}

TEST_F(ChannelLibraryTest, ChannelsRoundTripThroughTheLibraryAndTheStore) {
    setChannel(1, "145500", "144900", "repeater");
    setChannel(2, "99975", "99375", "five digits");
    setChannel(3, "99975", "100575", "mixed");
    open();
    for (int i = 0; i < 3; ++i) {
        selectChannel(i);
        program.click(library.toLibraryButton);
    }
    EXPECT_EQ(library.listCount.caption, "3");
    for (int i = 0; i < 3; ++i) {
        selectChannel(0);
        program.click(library.deleteChannelButton);
    }
    for (int i = 2; i >= 0; --i) {
        selectEntry(i);
        program.click(library.toChannelsButton);
    }
    program.click(library.writeButton);
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"99975", "100575", "mixed"}));
    EXPECT_EQ(storedChannel(2), (ChannelTexts{"99975", "99375", "five digits"}));
    EXPECT_EQ(storedChannel(3), (ChannelTexts{"145500", "144900", "repeater"}));
    EXPECT_EQ(store.readSetting(kSectionLibrary, "$1", "?"), "145500 - 144900 - repeater");
    EXPECT_EQ(store.readSetting(kSectionLibrary, "$3", "?"), "99975 - 100575 - mixed");
    EXPECT_EQ(store.readSetting(kSectionLibrary, "$4", "?"), "");
    EXPECT_EQ(library.libraryCount.caption, "3");
}

TEST_F(ChannelLibraryTest, ALongCommentIsCutToSeventyCharactersWhenWritten) {
    std::string kept;
    for (int i = 0; i < 70; ++i) {
        kept += "щ";
    }
    const std::string comment = kept + "переполнение";
    setChannel(1, "145500", "144900", comment);
    open();
    EXPECT_EQ(library.channelList.items[0], "145500 - 144900 - " + comment);
    program.click(library.writeButton);
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"145500", "144900", kept}));
}

TEST_F(ChannelLibraryTest, OnlyACopyOfTheWholeTextAsksBeforeAddingIt) {
    setChannel(1, "145500", "144900", "repeater");
    setChannel(2, "145500", "144900", "other comment");
    setLibrary(1, "145500 - 144900 - repeater");
    open();
    selectChannel(1);
    program.click(library.toLibraryButton); // differs in the comment only: no question
    selectChannel(0);
    prompter.expect(kWarningTitle, kLibraryEntryExists, Answer::No);
    program.click(library.toLibraryButton);
    EXPECT_EQ(library.libraryList.items,
              (Items{"145500 - 144900 - repeater", "145500 - 144900 - other comment"}));
    prompter.expect(kWarningTitle, kLibraryEntryExists, Answer::Yes);
    program.click(library.toLibraryButton);
    EXPECT_EQ(library.libraryList.count(), 3);
    EXPECT_EQ(library.libraryList.items[2], "145500 - 144900 - repeater");

    selectEntry(0);
    prompter.expect(kWarningTitle, kChannelExists, Answer::No);
    program.click(library.toChannelsButton);
    EXPECT_EQ(library.channelList.count(), 2);
}

TEST_F(ChannelLibraryTest, NothingSelectedCopiesAndDeletesNothing) {
    setChannel(1, "145500", "144900", "repeater");
    setLibrary(1, "145000 - 145000 - a");
    open();
    for (Button* button : {&library.toChannelsButton, &library.toLibraryButton,
                           &library.deleteLibraryEntryButton, &library.deleteChannelButton}) {
        program.click(*button);
    }
    EXPECT_EQ(library.channelList.items, (Items{"145500 - 144900 - repeater"}));
    EXPECT_EQ(library.libraryList.items, (Items{"145000 - 145000 - a"}));
    EXPECT_TRUE(library.listsChanged);
}

TEST_F(ChannelLibraryTest, DeletingChannelThreeOfFiveRenumbersTheRestInStoreOrder) {
    for (int n = 1; n <= 5; ++n) {
        setChannel(n, std::to_string(145000 + 100 * n), "14" + std::to_string(n),
                   "c" + std::to_string(n));
    }
    setLibrary(1, "145000 - 145000 - a");
    setLibrary(2, "145025 - 145025 - b");
    open();
    selectEntry(0);
    program.click(library.deleteLibraryEntryButton);
    selectChannel(2);
    program.click(library.deleteChannelButton);
    EXPECT_EQ(library.listCount.caption, "1");
    program.click(library.writeButton);

    EXPECT_EQ(storedChannel(2), (ChannelTexts{"145200", "142", "c2"}));
    EXPECT_EQ(storedChannel(3), (ChannelTexts{"145400", "144", "c4"}));
    EXPECT_EQ(storedChannel(4), (ChannelTexts{"145500", "145", "c5"}));
    for (int n = 5; n <= kChannelCount; ++n) {
        EXPECT_EQ(storedChannel(n), (ChannelTexts{})) << n;
    }
    EXPECT_EQ(library.libraryCount.caption, "1");
    // Library $1..$100 first, then each channel's receive, transmit and comment.
    const auto& writes = store.writes();
    ASSERT_EQ(writes.size(), 100u + 3u * kChannelCount);
    EXPECT_EQ(writes[0], (MemoryStore::Write{"Library", "$1", "145025 - 145025 - b"}));
    EXPECT_EQ(writes[1], (MemoryStore::Write{"Library", "$2", ""}));
    EXPECT_EQ(writes[99], (MemoryStore::Write{"Library", "$100", ""}));
    EXPECT_EQ(writes[106], (MemoryStore::Write{"Channels(RX)", "$3", "145400"}));
    EXPECT_EQ(writes[107], (MemoryStore::Write{"Channels(TX)", "$3", "144"}));
    EXPECT_EQ(writes[108], (MemoryStore::Write{"Channels(RX-cmt)", "$3", "c4"}));
    EXPECT_EQ(writes[129], (MemoryStore::Write{"Channels(RX-cmt)", "$10", ""}));
}

// The library opened on five entries, three of them with receive 145500.
class LibrarySearchTest : public ChannelLibraryTest {
protected:
    void SetUp() override {
        const char* entries[] = {"145500 - 144900 - first", "145000 - 145000 - x",
                                 "145500 - 144900 - second", "99975 - 99375 - y",
                                 "145500 - 145500 - third"};
        for (int n = 1; n <= 5; ++n) {
            setLibrary(n, entries[n - 1]);
        }
        open();
    }
    void next() { ASSERT_TRUE(program.click(library.searchNextButton)); }
};

TEST_F(LibrarySearchTest, StepsThroughTheMatchesThenEndsAndRestartsFromTheTop) {
    search("145500");
    EXPECT_EQ(library.libraryList.selectedIndex, 0);
    next();
    EXPECT_EQ(library.libraryList.selectedIndex, 2);
    next();
    EXPECT_EQ(library.libraryList.selectedIndex, 4);
    EXPECT_EQ(library.searchIndex, 4);
    prompter.expect(kSearchTitle, kSearchFinished);
    next();
    EXPECT_EQ(prompter.shown().back().icon, MessageIcon::Information);
    EXPECT_EQ(library.searchIndex, -1);
    next();
    EXPECT_EQ(library.libraryList.selectedIndex, 0);
}

TEST_F(LibrarySearchTest, ChangingTheSearchTextRestartsFromTheTop) {
    search("145500");
    next();
    EXPECT_EQ(library.libraryList.selectedIndex, 2);
    search("99975");
    EXPECT_EQ(library.libraryList.selectedIndex, 3);
    search("145500");
    EXPECT_EQ(library.libraryList.selectedIndex, 0);
    ASSERT_TRUE(program.type(library.searchBox, "14550"));
    EXPECT_EQ(library.searchIndex, -1);
}

TEST_F(LibrarySearchTest, NoMatchOrNoNumberDoesNothingVisible) {
    search("146000");
    EXPECT_EQ(library.libraryList.selectedIndex, -1);
    EXPECT_EQ(library.searchIndex, -1);
    next();
    search("abc");
    search("0");
    EXPECT_EQ(library.libraryList.selectedIndex, -1);
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_FALSE(library.listsChanged);
}

// The library opened on two stored channels and an empty library.
class LibraryClosingTest : public ChannelLibraryTest {
protected:
    void SetUp() override {
        setChannel(1, "145500", "144900", "repeater");
        setChannel(2, "145000", "145000", "simplex");
        open();
    }
};

TEST_F(LibraryClosingTest, WritingThenClosingStillAsksToSave) {
    selectChannel(0);
    program.click(library.deleteChannelButton);
    program.click(library.writeButton);
    EXPECT_TRUE(library.listsChanged);
    store.clearLog();
    prompter.expect(kWarningTitle, kSaveChangesQuestion, Answer::Yes);
    program.click(library.exitButton);
    EXPECT_FALSE(library.shown());
    EXPECT_FALSE(library.listsChanged);
    EXPECT_EQ(store.writes().size(), 100u + 3u * kChannelCount);
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"145000", "145000", "simplex"}));
}

// Both lists are written whole: a list the operator left alone is written as
// the store holds it at the save, not as it was when the library opened (the
// direct store writes stand for another window's save).
TEST_F(LibraryClosingTest, WritingTakesTheStoresEntriesForAListLeftAlone) {
    selectChannel(0);
    program.click(library.deleteChannelButton);
    setLibrary(1, "146000 - 146000 - gained");
    program.click(library.writeButton);
    EXPECT_EQ(store.readSetting(kSectionLibrary, slotKey(1), "?"), "146000 - 146000 - gained");
    EXPECT_EQ(library.libraryList.items, (Items{"146000 - 146000 - gained"}));
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"145000", "145000", "simplex"}));
    EXPECT_EQ(storedChannel(2), (ChannelTexts{"", "", ""}));

    setChannel(2, "144500", "144500", "stored since");
    selectChannel(0);
    program.click(library.toLibraryButton);
    program.click(library.writeButton);
    EXPECT_EQ(storedChannel(2), (ChannelTexts{"144500", "144500", "stored since"}));
    EXPECT_EQ(store.readSetting(kSectionLibrary, slotKey(2), "?"), "145000 - 145000 - simplex");
    prompter.expect(kWarningTitle, kSaveChangesQuestion, Answer::No);
    program.click(library.exitButton);
}

TEST_F(LibraryClosingTest, ClosingWithoutChangesAsksNothing) {
    selectChannel(1);
    program.click(library.exitButton);
    EXPECT_FALSE(library.shown());
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(LibraryClosingTest, UnsavedEditsAreDroppedWhenClosedWithoutSaving) {
    selectChannel(0);
    program.click(library.deleteChannelButton);
    selectChannel(0);
    program.click(library.toLibraryButton);
    prompter.expect(kWarningTitle, kSaveChangesQuestion, Answer::No);
    program.click(library.exitButton);
    EXPECT_TRUE(store.writes().empty());

    open();
    EXPECT_EQ(library.channelList.items,
              (Items{"145500 - 144900 - repeater", "145000 - 145000 - simplex"}));
    EXPECT_TRUE(library.libraryList.items.empty());
    EXPECT_FALSE(library.listsChanged);
}

TEST_F(LibraryClosingTest, EveryOtherWindowIsDisabledWhileTheLibraryIsShown) {
    EXPECT_FALSE(console.enabled);
    EXPECT_FALSE(editor.enabled);
    EXPECT_FALSE(program.click(consoleButton));
    EXPECT_FALSE(program.activate(editor));
    EXPECT_EQ(consoleClicks, 0);
    EXPECT_EQ(program.activeWindow(), &library);
    EXPECT_TRUE(library.counterTimer.enabled());

    program.click(library.exitButton);
    EXPECT_TRUE(console.enabled);
    EXPECT_TRUE(editor.enabled);
    EXPECT_FALSE(library.counterTimer.enabled());
    EXPECT_EQ(program.activeWindow(), &editor);
    EXPECT_TRUE(program.click(consoleButton));
    EXPECT_EQ(consoleClicks, 1);
}

TEST_F(LibraryClosingTest, AFrameCloseActsAsExitWithItsQuestion) {
    selectChannel(1);
    program.click(library.deleteChannelButton);
    prompter.expect(kWarningTitle, kSaveChangesQuestion, Answer::Yes);
    ASSERT_TRUE(program.close(library));
    EXPECT_FALSE(library.shown());
    EXPECT_TRUE(console.enabled);
    EXPECT_TRUE(editor.enabled);
    EXPECT_EQ(storedChannel(2), (ChannelTexts{}));
    EXPECT_EQ(storedChannel(1), (ChannelTexts{"145500", "144900", "repeater"}));
}

TEST_F(LibraryClosingTest, TheCounterFollowsTheListOnTimerTicks) {
    library.libraryList.addItem("145000 - 145000 - added from code");
    EXPECT_EQ(library.listCount.caption, "0");
    program.advance(Form6::kCounterIntervalMs);
    EXPECT_EQ(library.listCount.caption, "1");
}

} // namespace
} // namespace volna::test
