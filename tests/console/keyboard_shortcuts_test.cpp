// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>

namespace volna::test {
namespace {

class KeyboardShortcutsTest : public ConsoleFixture {};

TEST_F(KeyboardShortcutsTest, EveryRowIsSafeUniqueAndNamesAControlOfItsWindow) {
    Form5 settings{program, store, prompter, form};
    Form2 editor{program, store, prompter};
    Form3 addChannel{program, store, prompter};
    Form6 library{program, store, prompter};
    const std::array<const Window*, 5> windows{&form, &editor, &addChannel, &settings, &library};
    std::set<std::pair<std::string, std::string_view>> seen;
    std::string transmitKeys;
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        const std::string_view keys = row.keys;
        EXPECT_TRUE(keys.size() != 1 && keys != "Space") << "a single key: " << keys;
        EXPECT_TRUE(row.focus != nullptr || seen.emplace(row.window, keys).second) << keys;
        const auto* window = std::ranges::find_if(
            windows, [&row](const Window* w) { return w->name() == row.window; });
        ASSERT_NE(window, windows.end()) << row.window;
        EXPECT_TRUE(row.action != KeyAction::Click || (*window)->findControl(row.control)) << keys;
        EXPECT_TRUE(row.focus == nullptr || (*window)->findControl(row.focus)) << row.focus;
        const bool transmit = row.control != nullptr && std::string_view(row.control) == "Check4";
        transmitKeys += transmit ? std::string(keys) + ";" : "";
    }
    EXPECT_EQ(transmitKeys, "Ctrl+Shift+T;"); // one row, two modifiers
}

TEST_F(KeyboardShortcutsTest, EnterAndEscapeFindTheFocusedControlsRowFirst) {
    // window, keys, focused control, the row's control ("": no row)
    const char* const cases[][4]{{"Form6", "Return", "Text1", "Command8"},
                                 {"Form6", "Return", "List1", "Command6"},
                                 {"Form6", "Esc", "Text1", "Command5"},
                                 {"Form5", "Return", "", "Command1"},
                                 {"Form5", "Esc", "Text3", "Command2"},
                                 {"Form3", "Return", "Text2", "Command1"},
                                 {"Form2", "Esc", "Text1_0", "Command3"},
                                 {"Form1", "Esc", "Slider1", ""},
                                 {"Form1", "Return", "", ""}};
    for (const auto& [window, keys, focused, control] : cases) {
        const KeyboardShortcut* row = unusedKeyRow(window, keys, focused);
        EXPECT_STREQ(row != nullptr ? row->control : "", control) << window << " " << keys;
    }
}

} // namespace
} // namespace volna::test
