// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of the settings store file for a set of values, in the INI dialect
// the store is read back with (QSettings' own): sections in the order they
// were first written, names escaped ("Channels(RX)" is "[Channels%28RX%29]",
// "$1" is "%241"), values quoted and escaped wherever the reader would
// otherwise take them apart (commas, quotes, backslashes, leading blanks, a
// leading "@", control characters). Reading the text back gives every value
// exactly as written.

#include "settings/memory_store.h"

#include <string>
#include <vector>

namespace volna {

// Entries with an empty section are written under "[General]", as the reader
// gives keys that stand before any section.
std::string storeFileText(const std::vector<MemoryStore::Entry>& entries);

} // namespace volna
