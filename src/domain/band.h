// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tuning band as a value: its edges, the synthesizer raster and the number
// of rasters per slider notch, with the arithmetic between frequencies and
// slider positions. Pure functions, no window and no store.

#include <cstdint>

namespace volna {

// The edges and step a slider tunes over; each window that tunes builds one
// from what it read from the store.
struct Band {
    double lowerKHz = 0; // frequency of slider position 0
    double upperKHz = 0; // highest frequency inside the band
    int rasterKHz = 25;  // synthesizer raster
    int stepFactor = 1;  // rasters per slider notch
};

// Width of one slider notch, kHz.
double stepKHz(const Band& band);

// Whether kHz lies below the lower or above the upper edge (edges are inside).
bool outsideBand(const Band& band, double kHz);

// Slider position of kHz, not rounded: (kHz - lower) / step.
double exactPosition(const Band& band, double kHz);

// Slider position of kHz rounded to the nearest notch, halves to even, clamped
// to the range of a 32-bit position.
std::int32_t positionOf(const Band& band, double kHz);

// Frequency of a slider position, kHz: lower + position * step.
double frequencyAt(const Band& band, std::int32_t position);

// The last slider position: the notch nearest the upper edge, rounded as
// positionOf rounds.
std::int32_t sliderMaximum(const Band& band);

} // namespace volna
