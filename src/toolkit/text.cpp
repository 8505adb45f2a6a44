// SPDX-License-Identifier: GPL-3.0-or-later
// The text helpers, byte by byte over std::string_view.

#include "toolkit/text.h"

#include <algorithm>

namespace volna {

namespace {

constexpr std::string_view kBlanks = " \t";

} // namespace

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int characterCount(std::string_view text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

std::string firstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && isContinuationByte(text[end])) {
            ++end;
        }
    }
    return std::string(text.substr(0, end));
}

} // namespace volna
