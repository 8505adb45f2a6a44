// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable names for the rows of parameterised tests. A test name may hold only
// letters, digits and '_', so a row's input is spelt out: "-600" is named
// "minus_600", "145500.4x" "145500_point_4x", "" "empty". A row whose input says
// little by itself carries its name in a `name` member.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace volna::test {

// The word for a character a test name cannot hold ("" for a letter or digit).
inline std::string characterWord(char c) {
    switch (c) {
    case '-':
        return "minus";
    case '+':
        return "plus";
    case '.':
        return "point";
    case ',':
        return "comma";
    case ' ':
        return "blank";
    case '\t':
        return "tab";
    case '\r':
        return "cr";
    case '\n':
        return "lf";
    case ':':
        return "colon";
    case '=':
        return "equals";
    case '/':
        return "slash";
    default:
        break;
    }
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        return "";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "x%02X", static_cast<unsigned char>(c));
    return hex;
}

// text spelt with letters, digits and single underscores between the words.
inline std::string rowName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        const std::string word = characterWord(c);
        if (word.empty()) {
            name += c;
            continue;
        }
        if (!name.empty() && name.back() != '_') {
            name += '_';
        }
        name += word + '_';
    }
    while (!name.empty() && name.back() == '_') {
        name.pop_back();
    }
    return name.empty() ? "empty" : name;
}

// A number in its shortest exact decimal form, spelt as above
// (-20.5 -> "minus_20_point_5", 1e12 -> "1e_plus_12", a float 5332.9f -> "5332_point_9").
template <typename Number> std::string numberRowName(Number value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return rowName(std::string_view(text, static_cast<std::size_t>(end - text)));
}
inline std::string rowName(double value) {
    return numberRowName(value);
}
inline std::string rowName(float value) {
    return numberRowName(value);
}
inline std::string rowName(int value) {
    return numberRowName(value);
}

// The name a row carries in its `name` member.
template <typename Row> std::string rowNameOf(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

} // namespace volna::test
