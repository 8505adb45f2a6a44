// The ways between the console and its side windows: "Config", "Channel",
// "Добавить канал" and "Библиотека", each window created once, and the
// console taking over what they store at its next activation.

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "console/side_windows.h"
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
    program.click(form.Command2);
    program.advance(1200); // three notches scanned
    // The scan disables "Config"; its handler still stops every scan timer.
    EXPECT_FALSE(program.click(form.Command17));
    program.runEvent([&] { form.Command17_Click(); });
    Form5& dialog = sides.settingsDialog();
    EXPECT_FALSE(form.shown());
    EXPECT_TRUE(dialog.shown());
    EXPECT_FALSE(form.Timer1.enabled());
    EXPECT_EQ(form.Slider1.value(), 2); // stopped where it was
    program.type(dialog.Text1, "145000");
    program.click(dialog.Command1);
    EXPECT_TRUE(form.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_EQ(form.Label1.caption, "145000");
    EXPECT_EQ(form.Slider1.value(), 0);
    EXPECT_EQ(form.Slider1.maximum(), 40);
    EXPECT_EQ(radio.lastDivider(), (145000 - 10700) / 25);
    program.click(form.Command17);
    EXPECT_EQ(&sides.settingsDialog(), &dialog); // created once, then shown again
}

TEST_F(SideWindowsTest, AChannelSavedInTheEditorAppearsOnTheConsole) {
    start();
    program.click(form.Label7);
    Form2& editor = sides.channelEditor();
    ASSERT_TRUE(editor.shown());
    program.type(editor.receiveBox(4), "145500");
    program.type(editor.transmitBox(4), "144900");
    program.click(editor.Command1);
    EXPECT_FALSE(editor.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_TRUE(form.Command7.enabled);
    program.click(form.Command7);
    EXPECT_EQ(form.Label1.caption, "145500");
}

TEST_F(SideWindowsTest, AddChannelStoresTheTunedFrequencyInTheFirstFreeSlot) {
    setChannel(1, "144500", "144500");
    store.writeSetting(kSectionFlags, kKeyBack, "145500");
    start();
    program.click(form.Command14);
    Form3& dialog = sides.addChannelDialog();
    ASSERT_TRUE(dialog.shown());
    EXPECT_EQ(dialog.Text3.text(), "145500");
    program.click(dialog.Command1);
    EXPECT_EQ(store.readSetting(kSectionRxChannels, "$2", "?"), "145500");
    EXPECT_TRUE(form.Command5.enabled);
}

TEST_F(SideWindowsTest, TheLibraryFromTheEditorDisablesEveryOtherWindowUntilItCloses) {
    start();
    program.click(form.Label7);
    program.click(sides.channelEditor().Command14);
    Form6& library = sides.channelLibrary();
    ASSERT_TRUE(library.shown());
    EXPECT_FALSE(form.enabled);
    EXPECT_FALSE(sides.channelEditor().enabled);
    EXPECT_FALSE(program.click(form.Command2));
    program.click(library.Command5);
    EXPECT_TRUE(form.enabled);
    EXPECT_TRUE(sides.channelEditor().enabled);
    EXPECT_EQ(program.activeWindow(), &sides.channelEditor());
}

} // namespace
} // namespace volna::test
