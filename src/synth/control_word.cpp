#include "synth/control_word.h"

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
    // Halving the integer part leaves a fraction exactly when that part was
    // odd: that is the next bit, least significant first. Halving a float is
    // exact, so the digits are those of the float's integer part.
    double rest = value;
    std::string digits;
    int position = 0;
    while (rest >= 1.0 && position < static_cast<int>(bits.size())) {
        rest = std::floor(rest) / 2.0;
        const int digit = rest != std::floor(rest) ? 1 : 0;
        bits[static_cast<std::size_t>(position)] = digit;
        ++position;
        digits.insert(digits.begin(), digit != 0 ? '1' : '0');
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
    std::string text;
    text.reserve(bits.size());
    for (int bit : bits) {
        text.push_back(bit != 0 ? '1' : '0');
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
