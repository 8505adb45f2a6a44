#pragma once
// The keyboard section of --help, written from the keyboard map
// (console/keyboard_shortcuts.h) so that the help and the keys never differ.

#include <string>

namespace volna {

// "Keyboard:" and one line per key of the map, then the keys that come with
// the controls themselves (Tab, the slider, the links, the wheel).
std::string shortcutHelp();

} // namespace volna
