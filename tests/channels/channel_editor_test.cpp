// SPDX-License-Identifier: GPL-3.0-or-later
// The channel editor in front of the console: the fill at activation, the five
// checks in their order, the write-back as typed, and what the console makes
// of it at its next activation.

#include "channel_windows_fixture.h"
#include "support/row_names.h"
#include "toolkit/text_templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna::test {
namespace {

// Drives the editor's boxes and buttons; fills the store with ten channels.
class ChannelEditorTest : public ChannelWindowsFixture {
protected:
    void typeRow(int row, const std::string& rx, const std::string& tx,
                 const std::string& comment = "") {
        program.type(editor.receiveBox(row), rx);
        program.type(editor.transmitBox(row), tx);
        program.type(editor.commentBox(row), comment);
    }
    void fillAllChannels() {
        for (int n = 1; n <= kChannelCount; ++n) {
            setChannel(n, std::to_string(144000 + 100 * n), "144000", "c" + std::to_string(n));
        }
    }
};

TEST(ChannelEditorFill, MissingKeysShowAsZeroInEveryBox) {
    Program program;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form2 editor{program, store, prompter};
    program.runEvent([&] { editor.show(); });
    for (std::size_t i = 0; i < editor.Text1.size(); ++i) {
        EXPECT_EQ(editor.Text1[i].text(), "0") << i;
    }
    for (std::size_t i = 0; i < editor.Text2.size(); ++i) {
        EXPECT_EQ(editor.Text2[i].text(), "0") << i;
    }
}

TEST_F(ChannelEditorTest, RowsShowTheirChannelAndLimitWhatIsTyped) {
    setChannel(2, "145500", "144900", "repeater");
    setChannel(10, "145500.4", "abc", "last");
    open(editor);
    EXPECT_EQ(editor.Text1[2].text(), "145500");
    EXPECT_EQ(editor.Text1[3].text(), "repeater");
    EXPECT_EQ(editor.Text2[1].text(), "144900");
    EXPECT_EQ(editor.Text1[18].text(), "145500.4");
    EXPECT_EQ(editor.Text1[19].text(), "last");
    EXPECT_EQ(editor.Text2[9].text(), "abc");
    program.type(editor.Text1[4], "1455001");
    program.type(editor.Text2[2], "1449001");
    program.type(editor.Text1[5], std::string(40, 'x'));
    EXPECT_EQ(editor.Text1[4].text(), "145500");
    EXPECT_EQ(editor.Text2[2].text(), "144900");
    EXPECT_EQ(editor.Text1[5].text(), std::string(34, 'x'));
}

struct Row {
    int row;
    const char* rx;
    const char* tx;
};

struct RefusedCase {
    const char* name;
    std::vector<Row> rows;
    const char* message;
    int faultRow;         // the channel the box names
    bool transmitAtFault; // where the cursor goes: the transmit box, else receive
};

// The table after "clear all" and the row's boxes, saved; one check refuses it.
class ChannelEditorRefusedTest : public ChannelEditorTest,
                                 public ::testing::WithParamInterface<RefusedCase> {};

// The boxes are set as they may stand after a fill from the store, longer than
// the operator could type.
TEST_P(ChannelEditorRefusedTest, SaveRefusesAFaultyTableWithTheFirstCheckThatFails) {
    const RefusedCase& c = GetParam();
    open(editor);
    program.click(editor.clearAllButton);
    for (const Row& row : c.rows) {
        editor.receiveBox(row.row).setText(row.rx);
        editor.transmitBox(row.row).setText(row.tx);
    }
    prompter.expectError(fillText(kChannelFaultTemplate, {std::to_string(c.faultRow), c.message}));
    program.click(editor.saveButton);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(editor.focused(),
              c.transmitAtFault ? &editor.transmitBox(c.faultRow) : &editor.receiveBox(c.faultRow));
    EXPECT_TRUE(editor.shown());
    EXPECT_EQ(program.activeWindow(), &editor);
    EXPECT_EQ(editor.receiveBox(c.rows[0].row).text(), c.rows[0].rx);
    EXPECT_TRUE(store.writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ChannelEditorRefusedTest,
    ::testing::Values(
        RefusedCase{"TransmitAboveTheBand", {{1, "145500", "146025"}}, kOutOfBandMessage, 1, true},
        RefusedCase{"TransmitOneUnitBelow", {{1, "145500", "143999"}}, kOutOfBandMessage, 1, true},
        RefusedCase{"TransmitOneUnitAbove", {{1, "145500", "146001"}}, kOutOfBandMessage, 1, true},
        RefusedCase{
            "ReceiveOneUnitAbove", {{1, "146001", "145500"}}, kOutOfBandReceiveMessage, 1, false},
        RefusedCase{
            "ReceiveOneUnitBelow", {{1, "143999", "144000"}}, kOutOfBandReceiveMessage, 1, false},
        RefusedCase{"NegativeReceive", {{1, "-25", "144000"}}, kOutOfBandReceiveMessage, 1, false},
        RefusedCase{"TransmitRangeInRow10BeforeReceiveRangeInRow1",
                    {{1, "143000", "144000"}, {10, "145000", "147000"}},
                    kOutOfBandMessage,
                    10,
                    true},
        RefusedCase{"ReceiveOffTheRaster", {{1, "145510", "145500"}}, kRasterMessage, 1, false},
        RefusedCase{"AFractionRoundsFirst", {{1, "145500.6", "145500"}}, kRasterMessage, 1, false},
        RefusedCase{"EveryReceiveRasterCheckBeforeAnyTransmitOne",
                    {{1, "145500", "145510"}, {5, "145510", "145500"}},
                    kRasterMessage,
                    5,
                    false},
        RefusedCase{
            "TransmitOffTheRaster", {{1, "145500", "145510"}}, kTransmitRasterMessage, 1, true},
        RefusedCase{"ReceiveWithoutTransmit", {{1, "145500", ""}}, kEnterTransmitMessage, 1, true},
        RefusedCase{"TransmitWithoutReceive", {{1, "", "144900"}}, kEnterReceiveMessage, 1, false},
        RefusedCase{
            "LettersCountAsAnEmptyBox", {{1, "145500", "abc"}}, kEnterTransmitMessage, 1, true},
        RefusedCase{"RasterBeforeCompleteness",
                    {{1, "145500", ""}, {2, "145510", "145500"}},
                    kRasterMessage,
                    2,
                    false},
        RefusedCase{"CompletenessRowByRow",
                    {{1, "", "144900"}, {2, "145500", ""}},
                    kEnterReceiveMessage,
                    1,
                    false}),
    rowNameOf<RefusedCase>);

TEST_F(ChannelEditorTest, SaveStoresEveryRowAsTypedAndTheConsoleTakesItOver) {
    setChannel(1, "145500.4", "", "");
    setChannel(7, "144500", "144500", "kept");
    open(editor);
    program.type(editor.transmitBox(1), "144900");
    program.type(editor.commentBox(1), "calling");
    typeRow(2, "144000", "146000"); // the boundaries are inside the band
    typeRow(3, "146000", "144000");
    typeRow(4, "0", "0");
    program.click(editor.saveButton);

    EXPECT_FALSE(editor.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    const std::vector<MemoryStore::Write>& writes = store.writes();
    ASSERT_EQ(writes.size(), 31u);
    EXPECT_EQ(writes[0], (MemoryStore::Write{"Channels(RX)", "$1", "145500.4"}));
    EXPECT_EQ(writes[1], (MemoryStore::Write{"Channels(RX-cmt)", "$1", "calling"}));
    EXPECT_EQ(writes[2], (MemoryStore::Write{"Channels(TX)", "$1", "144900"}));
    EXPECT_EQ(writes[29], (MemoryStore::Write{"Channels(TX)", "$10", ""}));
    EXPECT_EQ(writes[30], (MemoryStore::Write{"Flags", "LOCK", "1"}));
    EXPECT_EQ(storedChannel(7).receive, "144500");
    EXPECT_EQ(storedChannel(7).comment, "kept");
    EXPECT_EQ(storedChannel(4).receive, "0");

    EXPECT_EQ(form.rxChannels[0], 145500);
    EXPECT_EQ(form.txChannels[0], 144900);
    EXPECT_EQ(form.rxComments[0], "calling");
    for (int n : {1, 2, 3, 7}) {
        EXPECT_TRUE(form.channelButton(n).enabled) << n;
    }
    EXPECT_FALSE(form.channelButton(4).enabled); // "0" is an empty channel
    EXPECT_FALSE(form.channelButton(5).enabled);
}

TEST_F(ChannelEditorTest, ClearAllThenSaveDisablesEveryChannelButtonOfTheConsole) {
    fillAllChannels();
    open(editor);
    program.click(editor.clearAllButton);
    for (std::size_t i = 0; i < editor.Text1.size(); ++i) {
        EXPECT_EQ(editor.Text1[i].text(), "") << i;
    }
    for (std::size_t i = 0; i < editor.Text2.size(); ++i) {
        EXPECT_EQ(editor.Text2[i].text(), "") << i;
    }
    EXPECT_TRUE(store.writes().empty());
    program.click(editor.saveButton);
    ASSERT_EQ(program.activeWindow(), &form);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_FALSE(form.channelButton(n).enabled) << n;
        EXPECT_EQ(storedChannel(n).receive, "");
    }
}

TEST_F(ChannelEditorTest, EachRowButtonEmptiesItsOwnRowOnly) {
    fillAllChannels();
    open(editor);
    Button* const buttons[] = {&editor.Command4,  &editor.Command5,  &editor.Command6,
                               &editor.Command7,  &editor.Command8,  &editor.Command9,
                               &editor.Command10, &editor.Command11, &editor.Command12,
                               &editor.Command13};
    for (int row = 1; row <= kChannelCount; ++row) {
        program.click(*buttons[row - 1]);
        for (int r = 1; r <= kChannelCount; ++r) {
            const bool cleared = r <= row;
            SCOPED_TRACE(testing::Message() << "button of row " << row << ", row " << r);
            EXPECT_EQ(editor.receiveBox(r).text().empty(), cleared);
            EXPECT_EQ(editor.transmitBox(r).text().empty(), cleared);
            EXPECT_EQ(editor.commentBox(r).text().empty(), cleared);
        }
    }
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(ChannelEditorTest, ReturningFromTheLibraryDiscardsUnsavedEdits) {
    setChannel(3, "145500", "144900", "kept");
    open(editor);
    editor.openLibrary = [this] { other.show(); };
    typeRow(3, "144000", "144000", "edited");
    program.click(editor.libraryButton);
    EXPECT_EQ(program.activeWindow(), &other);
    EXPECT_TRUE(editor.shown());
    program.runEvent([&] { other.hide(); });
    ASSERT_EQ(program.activeWindow(), &editor);
    EXPECT_EQ(editor.receiveBox(3).text(), "145500");
    EXPECT_EQ(editor.transmitBox(3).text(), "144900");
    EXPECT_EQ(editor.commentBox(3).text(), "kept");
    EXPECT_TRUE(store.writes().empty());
}

struct EditorLeaving {
    const char* name;
    bool byFrame;
};

// The editor, with a row typed, left without saving in the row's way.
class ChannelEditorLeavingTest : public ChannelEditorTest,
                                 public ::testing::WithParamInterface<EditorLeaving> {};

// A re-range still pending when the editor closes is cancelled by its "LOCK".
TEST_P(ChannelEditorLeavingTest, ExitAndClosingTheFrameLeaveWithoutStoringAnyChannel) {
    store.writeSetting(kSectionFlags, kKeyBack, "145500");
    open(editor);
    store.writeSetting(kSectionFlags, kKeyLock, "0");
    store.clearLog();
    typeRow(1, "145000", "145000", "unsaved");
    if (GetParam().byFrame) {
        program.close(editor);
    } else {
        program.click(editor.exitButton);
    }
    EXPECT_FALSE(editor.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_TRUE(form.enabled);
    EXPECT_EQ(store.writes(), (std::vector<MemoryStore::Write>{{"Flags", "LOCK", "1"}}));
    EXPECT_EQ(form.tuningSlider.value(), 60);
}

INSTANTIATE_TEST_SUITE_P(Ways, ChannelEditorLeavingTest,
                         ::testing::Values(EditorLeaving{"ExitButton", false},
                                           EditorLeaving{"WindowFrame", true}),
                         rowNameOf<EditorLeaving>);

} // namespace
} // namespace volna::test
