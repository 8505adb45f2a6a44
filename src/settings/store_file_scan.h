// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sorts the lines of a settings store file into those an INI reader can take
// whole and those it would misread: a broken section header, a line without
// "=", a NUL or other control byte, bytes that are not UTF-8, an open quote or
// a trailing backslash (the last two make the reader swallow the lines after).
// A key written twice in a section (names compared without regard to ASCII
// case, escaped or not), or a section header written twice, is noted: the
// reader would silently take the last value and lose the others.

#include <string>
#include <string_view>
#include <vector>

namespace volna {

struct StoreFileScan {
    // The sound lines, each ending in "\n", in file order. Lines under a broken
    // section header are left out too: which section they belong to is unknown.
    std::string soundText;
    // Lines left out of soundText, not counting the duplicates below.
    int damagedLines = 0;
    // Of a key written more than once, soundText keeps only the last line;
    // each such key as "section/key", each repeated section as "[section]",
    // in the order they are found, once each.
    std::vector<std::string> duplicates;
};

StoreFileScan scanStoreFile(std::string_view bytes);

} // namespace volna
