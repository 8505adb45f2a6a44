// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counts in sentences. A text may carry plural groups, "{row|rows}" with the
// English forms (one, other) or "{строка|строки|строк}" with the Russian ones
// (one, few, many); each group takes the form that the number filled into the
// nearest place before it (%1..%9) asks for. The core fills its Russian texts
// this way and the English translations of them do the same.

#include <string>
#include <string_view>
#include <vector>

namespace volna {

// The Russian form a count takes: one (1, 21, 101), few (2-4, 22-24), many
// (0, 5-20, 25-30, 111-114).
enum class RussianPlural { One, Few, Many };
RussianPlural russianPlural(long long count);

// templ with each plural group replaced by its form for the number in the
// piece of the place before it (pieces[0] fills %1); a group with no number
// before it takes its last form. Places themselves are left for fillText.
std::string choosePluralForms(std::string_view templ, const std::vector<std::string>& pieces);

// templ filled with pieces (fillText), its plural groups chosen first.
std::string countText(std::string_view templ, const std::vector<std::string>& pieces);

// Every text templ can become once its groups are chosen, one form per group;
// templ itself when it has no group.
std::vector<std::string> pluralVariants(std::string_view templ);

} // namespace volna
