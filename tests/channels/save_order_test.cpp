// SPDX-License-Identifier: GPL-3.0-or-later
// Two channel windows open at once, each holding the channels it read when it
// was last activated: a click on one window's save that comes before its next
// activation must not write that older copy over what the other window saved.

#include "channel_windows_fixture.h"
#include "toolkit/text_templates.h"

#include <gtest/gtest.h>

#include <string>

namespace volna::test {
namespace {

// The dialog proposing 145500 with the editor opened from its "Каналы"; the
// store holds channel 1.
class SaveOrderTest : public ChannelWindowsFixture {
protected:
    void SetUp() override {
        setChannel(1, "145000", "145000", "old");
        dialog.setPassVar(145500);
        dialog.openChannelEditor = [this] { editor.show(); };
        open(dialog);
        ASSERT_TRUE(program.click(dialog.channelsButton));
        ASSERT_EQ(program.activeWindow(), &editor);
    }
    void typeRow(int row, const std::string& rx, const std::string& tx,
                 const std::string& comment) {
        ASSERT_TRUE(program.type(editor.receiveBox(row), rx));
        ASSERT_TRUE(program.type(editor.transmitBox(row), tx));
        ASSERT_TRUE(program.type(editor.commentBox(row), comment));
    }
    void expectChannel(int n, const std::string& rx, const std::string& tx,
                       const std::string& comment) {
        EXPECT_EQ(storedChannel(n).receive, rx) << n;
        EXPECT_EQ(storedChannel(n).transmit, tx) << n;
        EXPECT_EQ(storedChannel(n).comment, comment) << n;
    }
};

// "Добавить канал", "Каналы", a save in the editor, then the dialog's "Сохранить
// и выйти" clicked while the focus went to the console first: the dialog's own
// activation has not run when its save does.
TEST_F(SaveOrderTest, TheDialogSavedRightAfterTheEditorKeepsTheEditorsChannels) {
    ASSERT_TRUE(program.activate(form));
    ASSERT_TRUE(program.activate(editor));
    typeRow(1, "144500", "144500", "edited");
    typeRow(2, "145250", "145250", "added in the editor");
    ASSERT_TRUE(program.click(editor.saveButton));
    ASSERT_FALSE(editor.shown());
    ASSERT_EQ(program.activeWindow(), &form); // not the dialog: it did not reload

    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_FALSE(dialog.shown());
    expectChannel(1, "144500", "144500", "edited");
    expectChannel(2, "145250", "145250", "added in the editor");
    expectChannel(3, "145500", "145500", "");
    EXPECT_TRUE(prompter.done());
}

// The other way round: the dialog stores a channel while the editor stays open
// on its older table; the editor's save keeps that channel and the row the
// operator changed, as changed.
TEST_F(SaveOrderTest, TheEditorSavedAfterTheDialogKeepsTheDialogsChannel) {
    typeRow(3, "144000", "144600", "typed");
    ASSERT_TRUE(program.click(dialog.saveButton));
    ASSERT_FALSE(dialog.shown());
    expectChannel(2, "145500", "145500", "");
    ASSERT_EQ(program.activeWindow(), &editor); // still showing its old table
    EXPECT_EQ(editor.receiveBox(2).text(), "");

    ASSERT_TRUE(program.click(editor.saveButton));
    EXPECT_FALSE(editor.shown());
    expectChannel(1, "145000", "145000", "old");
    expectChannel(2, "145500", "145500", "");
    expectChannel(3, "144000", "144600", "typed");
}

// A row the operator changed is stored as he left it even when the store
// changed under it; a band stored since the activation holds for the checks.
TEST_F(SaveOrderTest, TheEditorStoresAChangedRowAsShownAndChecksTheBandAsStoredNow) {
    typeRow(1, "145025", "145025", "mine");
    store.writeSetting(kSectionRxChannels, slotKey(1), "145975");
    setSetting(kKeyUpperBound, "145000");
    prompter.expectError(fillText(kChannelFaultTemplate, {"1", kOutOfBandMessage}));
    ASSERT_TRUE(program.click(editor.saveButton));
    EXPECT_TRUE(prompter.done());
    EXPECT_TRUE(editor.shown());
    EXPECT_EQ(storedChannel(1).receive, "145975");

    setSetting(kKeyUpperBound, "146000");
    ASSERT_TRUE(program.click(editor.saveButton));
    EXPECT_FALSE(editor.shown());
    expectChannel(1, "145025", "145025", "mine");
}

} // namespace
} // namespace volna::test
