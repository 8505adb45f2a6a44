// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the band-activity window shows and does, worked out from the console
// and the activity the scans recorded: the brightness of each column, the
// column of the tuned frequency, the columns of the memory channels, the text
// for the column under the pointer, and a click that tunes as the slider
// would. Pure model: the window only draws what it answers.

#include "scan/band_activity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace volna {

class Form1;

inline constexpr const char* kBandActivityTitle = "Активность диапазона";
// The line under the strip when a click could not tune.
inline constexpr const char* kBandClickRefused =
    "Слайдер сейчас недоступен (сканирование, передача или открытое окно): частота не изменена";
inline constexpr const char* kBandClickOutside = "Вне диапазона слайдера: частота не изменена";

class BandPicture {
public:
    BandPicture(Form1& form, BandActivity& activity);

    // Brings the kept band up to the console's: a band of other edges or step
    // starts empty. Call before reading the columns.
    void refresh();

    std::int32_t columnCount() const { return activity_.notchCount(); }
    // 0..1 now, on the program's clock.
    double brightness(std::int32_t column) const;
    // Brightness of each pixel of a strip width pixels wide: the brightest of
    // the columns drawn in it. Empty for a width below 1.
    std::vector<double> pixelBrightness(int width) const;
    // The column of the frequency on the read-out; none outside the band.
    std::optional<std::int32_t> tunedColumn() const;
    // The columns of the stored memory channels inside the band, ascending,
    // each once.
    std::vector<std::int32_t> channelColumns() const;
    // The columns of the locked-out frequencies inside the band, ascending.
    std::vector<std::int32_t> lockedColumns() const;
    // The frequency of a column and when it was last busy, for the pointer.
    std::string describe(std::int32_t column) const;

    // Tunes to the column's frequency as the operator's slider would. Returns
    // the line to show under the strip: empty when it tuned (or was there
    // already), the reason when it could not.
    std::string click(std::int32_t column);

    // Lower and upper edges of the band, kHz, for the scale under the strip.
    double lowerKHz() const;
    double upperKHz() const;

private:
    Form1& form_;
    BandActivity& activity_;
};

// The column drawn at pixel x of a strip width pixels wide holding count
// columns; none outside the strip.
std::optional<std::int32_t> columnAtPixel(int x, int width, std::int32_t count);
// The first pixel of column c and the pixel after its last, in a strip width
// pixels wide holding count columns. Neighbouring columns share no pixel; a
// column narrower than a pixel may get none (the strip then draws the
// brightest of the columns in a pixel).
std::pair<int, int> columnPixels(std::int32_t column, int width, std::int32_t count);

// How long ago, in the operator's words: "сейчас" under ten seconds, then
// seconds, minutes and seconds, hours and minutes.
std::string agoText(std::int64_t ms);

} // namespace volna
