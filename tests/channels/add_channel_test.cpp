// SPDX-License-Identifier: GPL-3.0-or-later
// The add-channel dialog in front of the console: the proposal at activation,
// the transmit slider, the checks with the duplicate question, the first free
// slot and the write-back of all ten channels.

#include "channel_windows_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace volna::test {
namespace {

// Drives the dialog's boxes, stores channels before it opens and checks what
// it stored.
class AddChannelTest : public ChannelWindowsFixture {
protected:
    void openAt(double kHz) {
        dialog.setPassVar(kHz);
        open(dialog);
    }
    void enter(const std::string& rx, const std::string& tx, const std::string& comment = "") {
        program.type(dialog.receiveBox, rx);
        program.type(dialog.transmitBox, tx);
        program.type(dialog.commentBox, comment);
    }
    // Stores a channel with receive frequency rx in each of the given slots.
    void occupy(std::initializer_list<int> slots, const std::string& rx = "144100") {
        for (int n : slots) {
            setChannel(n, rx, "144100", "c" + std::to_string(n));
        }
    }
    void expectRefusedWithNothingWritten() {
        EXPECT_TRUE(prompter.done());
        EXPECT_TRUE(dialog.shown());
        EXPECT_TRUE(store.writes().empty());
    }
    void expectChannel(int n, const std::string& rx, const std::string& tx,
                       const std::string& comment) {
        EXPECT_EQ(storedChannel(n).receive, rx) << n;
        EXPECT_EQ(storedChannel(n).transmit, tx) << n;
        EXPECT_EQ(storedChannel(n).comment, comment) << n;
    }
};

TEST(AddChannelPassVar, TakesNumbersRoundedHalfToEven) {
    Program program;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form3 dialog{program, store, prompter};
    EXPECT_EQ(dialog.PassVar(), 0);
    dialog.setPassVar(145500.5);
    EXPECT_EQ(dialog.PassVar(), 145500);
    dialog.setPassVar(145501.5);
    EXPECT_EQ(dialog.PassVar(), 145502);
    dialog.setPassVar(" 144025 ");
    EXPECT_EQ(dialog.PassVar(), 144025);
    dialog.setPassVar(std::nan(""));
    EXPECT_EQ(dialog.PassVar(), 144025);
}

// A text that is not a whole number, given after a proposal of 144025.
class AddChannelIgnoredPassVar : public ::testing::TestWithParam<const char*> {
protected:
    Program program;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form3 dialog{program, store, prompter};
};

TEST_P(AddChannelIgnoredPassVar, KeepsTheProposalItHad) {
    dialog.setPassVar(" 144025 ");
    dialog.setPassVar(GetParam());
    EXPECT_EQ(dialog.PassVar(), 144025);
}

INSTANTIATE_TEST_SUITE_P(OtherTexts, AddChannelIgnoredPassVar,
                         ::testing::Values("", "abc", "145500abc", "1.2.3", "-"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                             return rowName(row.param);
                         });

// The dialog reads the edges as the console does (the editor and the CSV
// import read them through the same function): a lower edge stored with a
// fraction, an upper one short of a whole kHz.
TEST_F(AddChannelTest, ReadsTheBandAsTheConsoleDoes) {
    setSetting(kKeyLowerBound, "144000.4");
    setSetting(kKeyUpperBound, "145999.6");
    open(dialog);
    for (const double kHz : {144000.0, 145975.0, 146000.0}) {
        EXPECT_EQ(outsideBand(form.band(), kHz),
                  outsideBand({dialog.lowerBound, dialog.upperBound}, kHz))
            << kHz;
    }
    EXPECT_TRUE(outsideBand(form.band(), 146000.0));
}

TEST_F(AddChannelTest, OpensOnTheProposalAndTheSliderSetsOnlyTheTransmitBox) {
    start();
    store.writeSetting(kSectionFlags, kKeyLock, "0");
    openAt(145500);
    EXPECT_EQ(store.readSetting(kSectionFlags, kKeyLock, "?"), "1");
    EXPECT_EQ(dialog.receiveBox.text(), "145500");
    EXPECT_EQ(dialog.transmitBox.text(), "145500");
    EXPECT_EQ(dialog.commentBox.text(), "");
    EXPECT_EQ(dialog.transmitSlider.maximum(), 80);
    EXPECT_EQ(dialog.transmitSlider.value(), 60);
    program.scroll(dialog.transmitSlider, 36);
    EXPECT_EQ(dialog.transmitBox.text(), "144900");
    EXPECT_EQ(dialog.receiveBox.text(), "145500");
}

TEST_F(AddChannelTest, StoresInTheFirstFreeSlotAndRewritesTheOthersAsTheyWere) {
    occupy({1, 2, 4});
    openAt(145500);
    enter("145500", "144900", "new");
    program.click(dialog.saveButton);

    EXPECT_FALSE(dialog.shown());
    ASSERT_EQ(program.activeWindow(), &form);
    const std::vector<MemoryStore::Write>& writes = store.writes();
    ASSERT_EQ(writes.size(), 30u);
    EXPECT_EQ(writes[0], (MemoryStore::Write{"Channels(RX)", "$1", "144100"}));
    EXPECT_EQ(writes[1], (MemoryStore::Write{"Channels(RX-cmt)", "$1", "c1"}));
    EXPECT_EQ(writes[2], (MemoryStore::Write{"Channels(TX)", "$1", "144100"}));
    expectChannel(3, "145500", "144900", "new");
    expectChannel(2, "144100", "144100", "c2");
    expectChannel(4, "144100", "144100", "c4");
    expectChannel(5, "", "", "");
    EXPECT_TRUE(form.channelButton(3).enabled);
    EXPECT_EQ(form.rxChannels[2], 145500);
}

TEST_F(AddChannelTest, AChannelReadingAsZeroOrEmptyIsFree) {
    occupy({1});
    setChannel(2, "0", "0", "zero");
    openAt(145000);
    program.click(dialog.saveButton);
    expectChannel(2, "145000", "145000", "");
    setChannel(1, "", "", "");
    dialog.setPassVar(145025);
    open(dialog);
    program.click(dialog.saveButton);
    expectChannel(1, "145025", "145025", "");
}

TEST_F(AddChannelTest, NoToTheDuplicateQuestionWritesNothing) {
    occupy({4, 6}, "145500");
    openAt(145500);
    prompter.expect(kWarningTitle, kDuplicateQuestion, Answer::No);
    program.click(dialog.saveButton);
    EXPECT_EQ(prompter.shown().back().buttons, MessageButtons::YesNo);
    expectRefusedWithNothingWritten();
}

TEST_F(AddChannelTest, YesToTheDuplicateQuestionStoresOnceMoreInTheFirstFreeSlot) {
    occupy({1});
    occupy({4, 6}, "145500"); // only the first duplicate is asked about
    openAt(145500);
    prompter.expect(kWarningTitle, kDuplicateQuestion, Answer::Yes);
    program.click(dialog.saveButton);
    EXPECT_TRUE(prompter.done());
    expectChannel(2, "145500", "145500", "");
    expectChannel(4, "145500", "144100", "c4");
}

TEST_F(AddChannelTest, RefusesWhenAllTenChannelsAreTaken) {
    occupy({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    openAt(145500);
    prompter.expectError(kAllChannelsTakenMessage);
    program.click(dialog.saveButton);
    expectRefusedWithNothingWritten();
}

TEST_F(AddChannelTest, TheRasterIsCheckedAfterTheDuplicateQuestion) {
    occupy({2}, "145510");
    openAt(145510);
    prompter.expect(kWarningTitle, kDuplicateQuestion, Answer::Yes);
    prompter.expectError(kRasterMessage);
    program.click(dialog.saveButton);
    expectRefusedWithNothingWritten();
}

struct EntryCase {
    const char* name;
    const char* rx;
    const char* tx;
    const char* message;
};

// The dialog saved with the row's receive and transmit texts, which one check refuses.
class AddChannelRefusedTest : public AddChannelTest,
                              public ::testing::WithParamInterface<EntryCase> {};

TEST_P(AddChannelRefusedTest, RefusesAnIncompleteOrOutOfBandEntry) {
    const EntryCase& c = GetParam();
    openAt(145500);
    enter(c.rx, c.tx);
    prompter.expectError(c.message);
    program.click(dialog.saveButton);
    expectRefusedWithNothingWritten();
    EXPECT_EQ(dialog.receiveBox.text(), c.rx);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AddChannelRefusedTest,
    ::testing::Values(EntryCase{"NoTransmit", "145500", "", kEnterTransmitMessage},
                      EntryCase{"LettersForTransmit", "145500", "abc", kEnterTransmitMessage},
                      EntryCase{"NoReceive", "", "144900", kEnterReceiveMessage},
                      EntryCase{"NothingTyped", "", "", kOutOfBandMessage},
                      EntryCase{"ReceiveAboveTheBand", "146025", "145500", kOutOfBandMessage},
                      EntryCase{"TransmitBelowTheBand", "145500", "143975", kOutOfBandMessage}),
    rowNameOf<EntryCase>);

// The window the dialog is left for before it becomes active again.
enum class Away { Library, ChannelEditor };

struct Return {
    const char* name;
    Away away;
};

// The dialog, with an entry typed, left for another window and activated again.
class AddChannelReturnTest : public AddChannelTest, public ::testing::WithParamInterface<Return> {
protected:
    void goAwayAndBack(Away away) {
        if (away == Away::Library) {
            program.click(dialog.libraryButton);
            EXPECT_EQ(program.activeWindow(), &other);
            program.runEvent([&] { other.hide(); });
        } else {
            program.click(dialog.channelsButton);
            EXPECT_EQ(program.activeWindow(), &editor);
            program.click(editor.exitButton);
        }
    }
};

TEST_P(AddChannelReturnTest, ComingBackFromAnotherWindowProposesPassVarAgain) {
    openAt(145500);
    dialog.openLibrary = [this] { other.show(); };
    dialog.openChannelEditor = [this] { editor.show(); };
    enter("144000", "144000", "typed");
    program.scroll(dialog.transmitSlider, 10);
    goAwayAndBack(GetParam().away);
    ASSERT_EQ(program.activeWindow(), &dialog);
    EXPECT_EQ(dialog.receiveBox.text(), "145500");
    EXPECT_EQ(dialog.transmitBox.text(), "145500");
    EXPECT_EQ(dialog.commentBox.text(), "");
    EXPECT_EQ(dialog.transmitSlider.value(), 60);
}

INSTANTIATE_TEST_SUITE_P(Windows, AddChannelReturnTest,
                         ::testing::Values(Return{"Library", Away::Library},
                                           Return{"ChannelEditor", Away::ChannelEditor}),
                         rowNameOf<Return>);

struct Leaving {
    const char* name;
    bool byFrame;
};

// The dialog, with an entry typed, left without saving in the row's way.
class AddChannelLeavingTest : public AddChannelTest,
                              public ::testing::WithParamInterface<Leaving> {};

TEST_P(AddChannelLeavingTest, ExitAndClosingTheFrameLeaveWithoutStoring) {
    openAt(145500);
    store.writeSetting(kSectionFlags, kKeyLock, "0");
    store.clearLog();
    enter("145500", "144900", "unsaved");
    if (GetParam().byFrame) {
        program.close(dialog);
    } else {
        program.click(dialog.exitButton);
    }
    EXPECT_FALSE(dialog.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_TRUE(form.enabled);
    EXPECT_EQ(store.writes(), (std::vector<MemoryStore::Write>{{"Flags", "LOCK", "1"}}));
}

INSTANTIATE_TEST_SUITE_P(Ways, AddChannelLeavingTest,
                         ::testing::Values(Leaving{"ExitButton", false},
                                           Leaving{"WindowFrame", true}),
                         rowNameOf<Leaving>);

} // namespace
} // namespace volna::test
