// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which pins of an adapter carry the synthesizer's lines, for the back ends
// that are not a parallel port (an FTDI chip's bit-bang pins, GPIO lines): the
// four outputs of the data register and the busy input of the status register.
// The operator gives them as --pins=FRAME,CLOCK,DATA,TX,BUSY.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace volna {

struct PinMap {
    int frame = 0;
    int clock = 1;
    int data = 2;
    int transmit = 3;
    int busy = 7;

    bool operator==(const PinMap&) const = default;
};

// "FRAME,CLOCK,DATA,TX,BUSY": five pin numbers from 0 to pinCount - 1, none
// twice. Nothing, with the reason in error, for anything else.
std::optional<PinMap> parsePinMap(std::string_view text, int pinCount, std::string& error);

// The text parsePinMap reads back: "0,1,2,3,7".
std::string pinMapText(const PinMap& pins);

// The levels of the pins for a data-register value: bit n of the result is pin
// n, high where the line's bit of value is set. Other bits of value are not
// wired and put nothing on any pin; neither does a pin beyond 63.
std::uint64_t pinLevels(const PinMap& pins, int value);

// The status register as the parallel port would give it for the busy pin's
// level: the receiver pulls the line low while it hears a signal, and the
// port's inverted BUSY input shows that as bit 7 set.
int statusForBusyPin(bool high);

} // namespace volna
