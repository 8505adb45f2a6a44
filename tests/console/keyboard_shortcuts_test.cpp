// The keyboard map: no stray key reaches the transmitter, no key means two
// things in one window, every row names a control its window has, and Enter
// and Escape find the row for the focused control first.

#include "channels/add_channel.h"
#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "console/keyboard_shortcuts.h"
#include "settings/settings_dialog.h"
#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace volna::test {
namespace {

class KeyboardShortcutsTest : public ConsoleFixture {};

TEST_F(KeyboardShortcutsTest, TransmitTakesTwoModifiersAndNoKeyMeansTwoThings) {
    std::set<std::pair<std::string, std::string>> seen;
    int transmitRows = 0;
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        const std::string_view keys = row.keys;
        EXPECT_NE(keys.size(), 1U) << "a single key: " << keys;
        EXPECT_NE(keys, "Space");
        if (row.focus == nullptr) {
            EXPECT_TRUE(seen.emplace(row.window, keys).second) << row.window << " " << keys;
        }
        if (row.control != nullptr && std::string_view(row.control) == "Check4") {
            ++transmitRows;
            EXPECT_EQ(keys, "Ctrl+Shift+T");
        }
    }
    EXPECT_EQ(transmitRows, 1);
}

TEST_F(KeyboardShortcutsTest, EveryRowNamesAControlOfItsWindow) {
    Form5 settings{program, store, prompter, form};
    Form2 editor{program, store, prompter};
    Form3 addChannel{program, store, prompter};
    Form6 library{program, store, prompter};
    const std::array<const Window*, 5> windows{&form, &editor, &addChannel, &settings, &library};
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        const Window* window = nullptr;
        for (const Window* candidate : windows) {
            window = candidate->name() == row.window ? candidate : window;
        }
        ASSERT_NE(window, nullptr) << row.window;
        if (row.action == KeyAction::Click) {
            EXPECT_NE(window->findControl(row.control), nullptr) << row.window << " " << row.keys;
        }
        if (row.focus != nullptr) {
            EXPECT_NE(window->findControl(row.focus), nullptr) << row.focus;
        }
    }
}

TEST_F(KeyboardShortcutsTest, EnterAndEscapeFindTheFocusedControlsRowFirst) {
    struct Case {
        const char* window;
        const char* keys;
        const char* focused;
        const char* control; // nullptr: no row
    };
    for (const Case& c :
         {Case{"Form6", "Return", "Text1", "Command8"},
          Case{"Form6", "Return", "List1", "Command6"}, Case{"Form6", "Esc", "Text1", "Command5"},
          Case{"Form5", "Return", "", "Command1"}, Case{"Form5", "Esc", "Text3", "Command2"},
          Case{"Form3", "Return", "Text2", "Command1"}, Case{"Form2", "Esc", "Text1_0", "Command3"},
          Case{"Form1", "Esc", "Slider1", nullptr}, Case{"Form1", "Return", "", nullptr}}) {
        const KeyboardShortcut* row = unusedKeyRow(c.window, c.keys, c.focused);
        if (c.control == nullptr) {
            EXPECT_EQ(row, nullptr) << c.window << " " << c.keys;
        } else {
            ASSERT_NE(row, nullptr) << c.window << " " << c.keys;
            EXPECT_STREQ(row->control, c.control) << c.window << " " << c.keys;
        }
    }
}

} // namespace
} // namespace volna::test
