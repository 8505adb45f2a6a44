#pragma once
// Sorts the lines of a settings store file into those an INI reader can take
// whole and those it would misread: a broken section header, a line without
// "=", a NUL or other control byte, bytes that are not UTF-8, an open quote or
// a trailing backslash (the last two make the reader swallow the lines after).

#include <string>
#include <string_view>

namespace volna {

struct StoreFileScan {
    // The sound lines, each ending in "\n", in file order. Lines under a broken
    // section header are left out too: which section they belong to is unknown.
    std::string soundText;
    // Lines left out of soundText.
    int damagedLines = 0;
};

StoreFileScan scanStoreFile(std::string_view bytes);

} // namespace volna
