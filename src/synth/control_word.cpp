// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/control_word.h"

#include <bit>
#include <climits>
#include <cmath>

namespace volna {

namespace {

// Control field positions that are always 1 (1-based).
constexpr int kControlBitA = 22;
constexpr int kControlBitB = 24;

std::string padLeft(std::string digits, int width) {
    if (width > 0 && digits.size() < static_cast<std::size_t>(width)) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

float dividerFor(double lowerBound, double offset, int rasterKHz, int stepFactor,
                 int32_t position) {
    if (rasterKHz == 0) {
        return 0.0f;
    }
    const double steps = static_cast<double>(position) * static_cast<double>(stepFactor);
    return static_cast<float>((lowerBound + offset) / rasterKHz + steps);
}

} // namespace

std::string GetBin(float value, int width, ControlBits& bits) {
    if (value == 0.0f) {
        return padLeft("", width);
    }
    if (!(value >= 1.0f)) {
        return padLeft("", width); // below 1, or not a number: no digit
    }
    // The digits are the bits of the integer part, least significant first, as
    // many as it has, at most the word's 24 positions (a float of 2^24 or more
    // keeps only its low 24 bits here, which fmod gives exactly).
    const double whole = std::floor(static_cast<double>(value));
    constexpr double kWordRange = 16777216.0; // 2^24
    const auto low = static_cast<std::uint32_t>(std::fmod(whole, kWordRange));
    const std::size_t count =
        whole >= kWordRange ? bits.size() : static_cast<std::size_t>(std::bit_width(low));
    std::string digits(count, '0');
    for (std::size_t position = 0; position < count; ++position) {
        const int digit = static_cast<int>((low >> position) & 1u);
        bits[position] = digit;
        digits[count - 1 - position] = digit != 0 ? '1' : '0';
    }
    return padLeft(std::move(digits), width);
}

float receiveDivider(double lowerBound, double ifOffset, int rasterKHz, int stepFactor,
                     int32_t position) {
    return dividerFor(lowerBound, ifOffset, rasterKHz, stepFactor, position);
}

float transmitDivider(double lowerBound, double txShift, int rasterKHz, int stepFactor,
                      int32_t position) {
    return dividerFor(lowerBound, txShift, rasterKHz, stepFactor, position);
}

ControlBits buildControlWord(float divider) {
    ControlBits bits{};
    GetBin(divider, kDividerWidth, bits);
    bits[kControlBitB - 1] = 1;
    bits[kControlBitA - 1] = 1;
    return bits;
}

std::string wordText(const ControlBits& bits) {
    std::string text(bits.size(), '0');
    for (std::size_t position = 0; position < bits.size(); ++position) {
        if (bits[position] != 0) {
            text[position] = '1';
        }
    }
    return text;
}

void clockOutWord(ParallelPort& port, const ControlBits& bits, int delay1Ms, int delay2Ms,
                  bool transmit) {
    const int wait1 = delay1Ms > 0 ? delay1Ms : 0;
    const int wait2 = delay2Ms > 0 ? delay2Ms : 0;
    // The transmit line rides along in the data and clock phases only; between
    // bits the port holds the frame line alone.
    const int keyed = transmit ? kTransmitLine : 0;
    const PortBatch batch(port);
    port.out(kDataRegister, kFrameLine);
    for (int bit : bits) {
        const int data = bit != 0 ? kDataLine : 0;
        if (data != 0) {
            port.out(kDataRegister, kFrameLine | kDataLine | keyed);
        }
        port.sleep(wait1);
        port.out(kDataRegister, kFrameLine | kClockLine | data | keyed);
        port.sleep(wait2);
        port.out(kDataRegister, kFrameLine);
    }
    port.out(kDataRegister, keyed);
}

int roundDelay(double ms) {
    if (!(ms > 0.0)) {
        return 0;
    }
    if (ms >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    double whole = std::floor(ms);
    const double fraction = ms - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return whole >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(whole);
}

} // namespace volna
