// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synthesizer's 24-bit control word: the divider of a tuning position, the
// word's bit positions and its text, and the serial transfer that clocks the
// word out on the frame, clock and data lines of the parallel port.

#include "synth/parallel_port.h"

#include <array>
#include <cstdint>
#include <string>

namespace volna {

// The control word's bit positions in sending order: position k (1..24) is
// element k-1. Positions 1..14 hold the divider, least significant bit first;
// 15..24 are the control field. Each element is 0 or 1.
using ControlBits = std::array<int, 24>;

// Digits of the divider field; the transfers pass this width to GetBin.
inline constexpr int kDividerWidth = 14;

// Writes the bits of the integer part of value into positions 1, 2, ... of bits
// (least significant first), only as many positions as it has bits, at most 24;
// higher positions keep what the caller left there. A value of 0, below 1 or
// not a number writes nothing. Returns the digits most significant first,
// padded on the left with zeros to width (5332, 14 -> "01010011010100").
std::string GetBin(float value, int width, ControlBits& bits);

// Synthesizer divider for tuning position `position` on receive: the local
// oscillator sits ifOffset kHz from the read-out frequency. Worked out in
// double, handed on in single precision as the synthesizer code takes it.
// A raster of 0 gives 0.
float receiveDivider(double lowerBound, double ifOffset, int rasterKHz, int stepFactor,
                     int32_t position);
// Synthesizer divider on transmit: the carrier sits txShift kHz from the
// read-out frequency.
float transmitDivider(double lowerBound, double txShift, int rasterKHz, int stepFactor,
                      int32_t position);

// The whole word for a divider: the divider field from GetBin, control field
// positions 22 and 24 set, all other positions 0.
ControlBits buildControlWord(float divider);

// The 24 digits of the word in sending order, position 1 first.
std::string wordText(const ControlBits& bits);

// Clocks the word out on the data register, position 1 first. Each bit: the
// data line is raised first for a 1 bit, delay1Ms, then the clock line rises
// with the data line held, delay2Ms, then clock and data fall together. The
// frame line is high for the whole word and its fall ends the word. With
// transmit the transmit line is high in every data and clock phase and stays
// high after the word. Negative delays count as 0; a delay of 0 still calls
// the port's sleep.
void clockOutWord(ParallelPort& port, const ControlBits& bits, int delay1Ms, int delay2Ms,
                  bool transmit);

// A delay setting in milliseconds as the whole milliseconds the transfer
// sleeps: nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Negative or not a number gives 0; values beyond int saturate at INT_MAX.
int roundDelay(double ms);

} // namespace volna
