#include "app/shortcut_help.h"

#include "console/keyboard_shortcuts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace volna {

namespace {

constexpr std::size_t kKeyColumn = 23; // the option column of usage()

// The keys that come with the controls themselves, one printed line each.
constexpr std::array<std::string_view, 6> kControlKeys{
    "  Tab, Shift+Tab       every control in reading order, the slider first",
    "  Enter, Space         on \"Channel\", \"ADDition\", \"BAND\" and the diagram link:",
    "                       a click; Enter on a focused button presses it",
    "  Left, Right          on the slider: one notch; Page Up, Page Down: ten",
    "  mouse wheel          over the read-out: one notch a wheel step",
    "  A typed frequency is kHz (145500), or MHz below 1000 (145.5 or 145,5).",
};

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
        std::string line = "  " + keyLabel(row.keys);
        line.resize(std::max(kKeyColumn, line.size() + 1), ' ');
        help += line + say(row.what) + "\n";
    }
    for (const std::string_view line : kControlKeys) {
        help += say(line) + "\n";
    }
    return help;
}

} // namespace volna
