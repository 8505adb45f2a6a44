// The keyboard section of --help lists every key of the keyboard map.

#include "app/shortcut_help.h"
#include "console/keyboard_shortcuts.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

TEST(ShortcutHelp, ListsEveryKeyWithWhatItDoes) {
    const std::string help = shortcutHelp();
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        const std::string key = std::string(row.keys) == "Return" ? "Enter" : row.keys;
        std::string line = "  " + key;
        line.resize(23, ' ');
        EXPECT_NE(help.find("\n" + line + row.what + "\n"), std::string::npos) << row.keys;
    }
}

} // namespace
} // namespace volna
