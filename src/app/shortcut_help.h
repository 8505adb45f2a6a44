// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard section of --help, written from the keyboard map
// (console/keyboard_shortcuts.h) so that the help and the keys never differ.

#include "toolkit/text.h"

#include <string>

namespace volna {

// A help text in the language chosen; empty: as written, in English.
using HelpTranslation = TextTranslation;

// "Keyboard:" and one line per key of the map, then the keys that come with
// the controls themselves (Tab, the slider, the links, the wheel), each text
// through translate.
std::string shortcutHelp(const HelpTranslation& translate = {});

} // namespace volna
