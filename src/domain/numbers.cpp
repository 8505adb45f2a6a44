// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace volna {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The digits and point of the leading number of text, blanks dropped, and its
// sign; empty digits when there is no number.
struct NumberText {
    std::string digits;
    bool negative = false;
};

NumberText scanNumber(std::string_view text) {
    NumberText number;
    bool signSeen = false;
    bool pointSeen = false;
    for (char c : text) {
        if (isBlank(c)) {
            continue;
        }
        if (isDigit(c)) {
            number.digits += c;
        } else if ((c == '+' || c == '-') && !signSeen && number.digits.empty()) {
            signSeen = true;
            number.negative = c == '-';
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            number.digits += c;
        } else {
            break;
        }
    }
    if (std::none_of(number.digits.begin(), number.digits.end(), isDigit)) {
        number.digits.clear();
    }
    return number;
}

// Whether digits ("123.45", ".5", "7.") has a non-zero integer part, which is
// what tells an overflow from an underflow when the value does not fit.
bool hasIntegerPart(const std::string& digits) {
    for (char c : digits) {
        if (c == '.') {
            return false;
        }
        if (c != '0') {
            return true;
        }
    }
    return false;
}

double roundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction < 0.5) {
        return floor;
    }
    if (fraction > 0.5) {
        return floor + 1;
    }
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

template <typename Int> Int roundToInt(double value) {
    using Limits = std::numeric_limits<Int>;
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(Limits::min())) {
        return Limits::min();
    }
    if (value >= static_cast<double>(Limits::max())) {
        return Limits::max();
    }
    return static_cast<Int>(roundHalfToEven(value));
}

// The decimal exponent of value once rounded to 15 significant digits.
int decimalExponent(double value) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    const char* e = std::find(buffer, end, 'e');
    const char* first = (e + 1 < end && e[1] == '+') ? e + 2 : e + 1;
    int exponent = 0;
    std::from_chars(first, end, exponent);
    return exponent;
}

std::string formatFraction(double value) {
    // Room for the smallest subnormal written out in full: 15 significant
    // digits behind 323 zeros, a sign and "0.".
    char buffer[400];
    const int decimals = std::max(0, 14 - decimalExponent(value));
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    std::string text(buffer, end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text == "-0" ? "0" : text;
}

} // namespace

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool hasLeadingNumber(std::string_view text) {
    return !scanNumber(text).digits.empty();
}

double leadingNumber(std::string_view text) {
    NumberText number = scanNumber(text);
    if (number.digits.empty()) {
        return 0.0;
    }
    if (number.digits.front() == '.') {
        number.digits.insert(0, 1, '0');
    }
    const std::string& digits = number.digits;
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        value = hasIntegerPart(digits) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (value == 0.0) {
        return 0.0;
    }
    return number.negative ? -value : value;
}

std::int32_t toInt32(double value) {
    return roundToInt<std::int32_t>(value);
}

std::int16_t toInt16(double value) {
    return roundToInt<std::int16_t>(value);
}

std::string formatNumber(double value) {
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        char buffer[32];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
        return std::string(buffer, end);
    }
    if (!(std::abs(value) < 1e15)) {
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15)
                .ptr;
        return std::string(buffer, end);
    }
    return formatFraction(value);
}

} // namespace volna
