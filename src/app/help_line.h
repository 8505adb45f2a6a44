// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of --help: an option or a key, then what it does from the help
// column, broken at blanks to stay within 80 columns in any language.

#include <cstddef>
#include <string>

namespace volna {

// The column where the help of an option starts in --help.
inline constexpr std::size_t kHelpColumn = 23;
// The width --help keeps to, counted in characters, not bytes.
inline constexpr std::size_t kHelpWidth = 80;

// "  " and option, then help from kHelpColumn (on a line of its own when the
// option reaches it), ending with a line break.
std::string helpLine(const std::string& option, const std::string& help);

} // namespace volna
