#include "app/shortcut_help.h"

#include "console/keyboard_shortcuts.h"

#include <algorithm>
#include <string_view>

namespace volna {

namespace {

constexpr std::size_t kKeyColumn = 23; // the option column of usage()

// "Return" and "Esc" as the keyboard labels them.
std::string keyLabel(std::string_view keys) {
    if (keys == "Return") {
        return "Enter";
    }
    return std::string(keys);
}

} // namespace

std::string shortcutHelp() {
    std::string help = "\nKeyboard (console unless a window is named):\n";
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        std::string line = "  " + keyLabel(row.keys);
        line.resize(std::max(kKeyColumn, line.size() + 1), ' ');
        help += line + row.what + "\n";
    }
    help += "  Tab, Shift+Tab       every control in reading order, the slider first\n"
            "  Enter, Space         on \"Channel\", \"ADDition\", \"BAND\" and the diagram link:\n"
            "                       a click; Enter on a focused button presses it\n"
            "  Left, Right          on the slider: one notch; Page Up, Page Down: ten\n"
            "  mouse wheel          over the read-out: one notch a wheel step\n"
            "  A typed frequency is kHz (145500), or MHz below 1000 (145.5 or 145,5).\n";
    return help;
}

} // namespace volna
