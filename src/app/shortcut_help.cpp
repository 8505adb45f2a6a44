// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shortcut_help.h"

#include "app/help_line.h"
#include "console/keyboard_shortcuts.h"

#include <array>
#include <string_view>

namespace volna {

namespace {

// The keys that come with the controls themselves: the keys, what they do.
struct ControlKeys {
    std::string_view keys;
    std::string_view what;
};
constexpr std::array<ControlKeys, 5> kControlKeys{{
    {"Tab, Shift+Tab", "every control in reading order, the slider first"},
    {"Enter, Space", "on \"Channel\", \"ADDition\", \"BAND\" and the diagram link: a click; "
                     "Enter on a focused button presses it"},
    {"Left, Right", "on the slider: one notch; Page Up, Page Down: ten"},
    {"mouse wheel", "over the read-out: one notch a wheel step"},
    {"F2", "a typed frequency is kHz (145500), or MHz below 1000 (145.5 or 145,5)"},
}};

// "Return" and "Esc" as the keyboard labels them.
std::string keyLabel(std::string_view keys) {
    if (keys == "Return") {
        return "Enter";
    }
    return std::string(keys);
}

} // namespace

std::string shortcutHelp(const HelpTranslation& translate) {
    auto say = [&translate](std::string_view text) {
        return translate ? translate(text) : std::string(text);
    };
    std::string help = "\n" + say("Keyboard (console unless a window is named):") + "\n";
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        help += helpLine(keyLabel(row.keys), say(row.what));
    }
    for (const ControlKeys& row : kControlKeys) {
        help += helpLine(say(row.keys), say(row.what));
    }
    return help;
}

} // namespace volna
