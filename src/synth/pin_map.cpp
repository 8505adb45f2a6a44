// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/pin_map.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace volna {

namespace {

constexpr std::array<const char*, 5> kLineNames = {"FRAME", "CLOCK", "DATA", "TX", "BUSY"};

// The pin number of one field, or -1 where it is not a number below pinCount.
int pinNumber(std::string_view field, int pinCount) {
    int pin = -1;
    const auto [end, failure] = std::from_chars(field.data(), field.data() + field.size(), pin);
    if (failure != std::errc{} || end != field.data() + field.size() || pin < 0 ||
        pin >= pinCount) {
        return -1;
    }
    return pin;
}

} // namespace

std::optional<PinMap> parsePinMap(std::string_view text, int pinCount, std::string& error) {
    std::array<int, 5> pins{};
    std::size_t count = 0;
    for (std::size_t start = 0; start <= text.size(); ++count) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (count == pins.size()) {
            error = "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY";
            return std::nullopt;
        }
        pins[count] = pinNumber(text.substr(start, comma - start), pinCount);
        if (pins[count] < 0) {
            error =
                fillText(kPinOutOfRangeMessage, {kLineNames[count], std::to_string(pinCount - 1)});
            return std::nullopt;
        }
        for (std::size_t before = 0; before < count; ++before) {
            if (pins[before] == pins[count]) {
                error = fillText(kPinsSharedMessage, {kLineNames[before], kLineNames[count],
                                                      std::to_string(pins[count])});
                return std::nullopt;
            }
        }
        start = comma + 1;
    }
    if (count != pins.size()) {
        error = "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY";
        return std::nullopt;
    }
    return PinMap{pins[0], pins[1], pins[2], pins[3], pins[4]};
}

std::string pinMapText(const PinMap& pins) {
    return std::to_string(pins.frame) + ',' + std::to_string(pins.clock) + ',' +
           std::to_string(pins.data) + ',' + std::to_string(pins.transmit) + ',' +
           std::to_string(pins.busy);
}

std::uint64_t pinLevels(const PinMap& pins, int value) {
    const std::array<int, 4> lines = {pins.frame, pins.clock, pins.data, pins.transmit};
    std::uint64_t levels = 0;
    for (std::size_t bit = 0; bit < lines.size(); ++bit) {
        if (((value >> bit) & 1) != 0 && lines[bit] >= 0 && lines[bit] < 64) {
            levels |= std::uint64_t{1} << lines[bit];
        }
    }
    return levels;
}

int statusForBusyPin(bool high) {
    return high ? 0 : 0x80;
}

} // namespace volna
