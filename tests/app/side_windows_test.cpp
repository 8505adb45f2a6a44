// SPDX-License-Identifier: GPL-3.0-or-later
// The ways between the console and its side windows: "Config", "Channel",
// "Добавить канал" and "Библиотека", each window created once, and the
// console taking over what they store at its next activation.

#include "app/side_windows.h"
#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "settings/settings_dialog.h"
#include "support/console_fixture.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class SideWindowsTest : public ConsoleFixture {
protected:
    SideWindows sides{form, store, prompter};
};

TEST_F(SideWindowsTest, ConfigStopsTheScanAndANewBandIsTakenOverWhenTheDialogCloses) {
    start();
    program.click(form.bandScanButton);
    program.advance(1200); // three notches scanned
    // The scan disables "Config"; its handler still stops every scan timer.
    EXPECT_FALSE(program.click(form.configButton));
    program.runEvent([&] { form.Command17_Click(); });
    Form5& dialog = sides.settingsDialog();
    EXPECT_FALSE(form.shown());
    EXPECT_TRUE(dialog.shown());
    EXPECT_FALSE(form.bandScanTimer.enabled());
    EXPECT_EQ(form.tuningSlider.value(), 2); // stopped where it was
    program.type(dialog.lowerBoundBox, "145000");
    program.click(dialog.saveButton);
    EXPECT_TRUE(form.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_EQ(form.readOut.caption, "145000");
    EXPECT_EQ(form.tuningSlider.value(), 0);
    EXPECT_EQ(form.tuningSlider.maximum(), 40);
    EXPECT_EQ(radio.lastDivider(), 5372);
    program.click(form.configButton);
    EXPECT_EQ(&sides.settingsDialog(), &dialog); // created once, then shown again
}

TEST_F(SideWindowsTest, AChannelSavedInTheEditorAppearsOnTheConsole) {
    start();
    program.click(form.channelHeading);
    Form2& editor = sides.channelEditor();
    ASSERT_TRUE(editor.shown());
    program.type(editor.receiveBox(4), "145500");
    program.type(editor.transmitBox(4), "144900");
    program.click(editor.saveButton);
    EXPECT_FALSE(editor.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_TRUE(form.Command7.enabled);
    program.click(form.Command7);
    EXPECT_EQ(form.readOut.caption, "145500");
}

TEST_F(SideWindowsTest, AddChannelStoresTheTunedFrequencyInTheFirstFreeSlot) {
    setChannel(1, "144500", "144500");
    store.writeSetting(kSectionFlags, kKeyBack, "145500");
    start();
    program.click(form.addChannelButton);
    Form3& dialog = sides.addChannelDialog();
    ASSERT_TRUE(dialog.shown());
    EXPECT_EQ(dialog.receiveBox.text(), "145500");
    program.click(dialog.saveButton);
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$2", "?"), "145500");
    EXPECT_TRUE(form.Command5.enabled);
}

TEST_F(SideWindowsTest, TheLibraryFromTheEditorDisablesEveryOtherWindowUntilItCloses) {
    start();
    program.click(form.channelHeading);
    program.click(sides.channelEditor().libraryButton);
    Form6& library = sides.channelLibrary();
    ASSERT_TRUE(library.shown());
    EXPECT_FALSE(form.enabled);
    EXPECT_FALSE(sides.channelEditor().enabled);
    EXPECT_FALSE(program.click(form.bandScanButton));
    program.click(library.exitButton);
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(sides.channelEditor().enabled);
    EXPECT_EQ(program.activeWindow(), &sides.channelEditor());
}

} // namespace
} // namespace volna::test
