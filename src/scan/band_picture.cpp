// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/band_picture.h"

#include "console/console.h"
#include "toolkit/program.h"
#include "toolkit/text_templates.h"

#include <algorithm>
#include <cmath>

namespace volna {

BandPicture::BandPicture(Form1& form, BandActivity& activity) : form_(form), activity_(activity) {}

void BandPicture::refresh() {
    activity_.setBand(form_.band());
}

double BandPicture::brightness(std::int32_t column) const {
    return activity_.brightness(column, form_.program().now());
}

std::vector<double> BandPicture::pixelBrightness(int width) const {
    const std::int32_t count = columnCount();
    if (width < 1) {
        return {};
    }
    std::vector<double> levels(static_cast<std::size_t>(count));
    const std::int64_t now = form_.program().now();
    for (std::int32_t column = 0; column < count; ++column) {
        levels[static_cast<std::size_t>(column)] = activity_.brightness(column, now);
    }
    // Pixel x shows the columns from x * count / width up to the next
    // pixel's first one, or its own one when columns are wider than pixels.
    std::vector<double> pixels(static_cast<std::size_t>(width), 0.0);
    for (int x = 0; x < width && count > 0; ++x) {
        const auto first = static_cast<std::size_t>(std::int64_t{x} * count / width);
        const auto next =
            std::max(first + 1, static_cast<std::size_t>(std::int64_t{x + 1} * count / width));
        pixels[static_cast<std::size_t>(x)] =
            *std::max_element(levels.begin() + static_cast<std::ptrdiff_t>(first),
                              levels.begin() + static_cast<std::ptrdiff_t>(next));
    }
    return pixels;
}

std::optional<std::int32_t> BandPicture::tunedColumn() const {
    return activity_.notchOf(static_cast<double>(form_.tunedKHz()));
}

std::vector<std::int32_t> BandPicture::channelColumns() const {
    std::vector<std::int32_t> columns;
    for (const std::int32_t kHz : form_.rxChannels) {
        if (kHz == 0) {
            continue;
        }
        if (const auto column = activity_.notchOf(kHz)) {
            columns.push_back(*column);
        }
    }
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

std::vector<std::int32_t> BandPicture::lockedColumns() const {
    std::vector<std::int32_t> columns;
    for (const std::int64_t kHz : form_.lockouts().list()) {
        if (const auto column = activity_.notchOf(static_cast<double>(kHz))) {
            columns.push_back(*column);
        }
    }
    return columns;
}

std::string BandPicture::describe(std::int32_t column) const {
    const std::string kHz = std::to_string(std::llround(activity_.frequencyOf(column)));
    const auto busy = activity_.lastBusy(column);
    if (!busy) {
        return fillText(kNeverBusyTemplate, {kHz});
    }
    return fillText(kBusyAgoTemplate, {kHz, agoText(form_.program().now() - *busy)});
}

std::string BandPicture::click(std::int32_t column) {
    refresh();
    if (column < 0 || column >= columnCount()) {
        return kBandClickOutside;
    }
    switch (form_.moveSliderTo(form_.positionOf(activity_.frequencyOf(column)))) {
    case Form1::SliderMove::BeyondEnds:
        return kBandClickOutside;
    case Form1::SliderMove::Refused:
        return kBandClickRefused;
    default:
        return {};
    }
}

double BandPicture::lowerKHz() const {
    return activity_.band().lowerKHz;
}

double BandPicture::upperKHz() const {
    return activity_.band().upperKHz;
}

std::optional<std::int32_t> columnAtPixel(int x, int width, std::int32_t count) {
    if (x < 0 || x >= width || count <= 0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(std::int64_t{x} * count / width);
}

std::pair<int, int> columnPixels(std::int32_t column, int width, std::int32_t count) {
    if (count <= 0 || width <= 0) {
        return {0, 0};
    }
    // Pixel x shows column x * count / width, so column c owns the pixels
    // from ceil(c * width / count) up to ceil((c + 1) * width / count).
    auto edge = [&](std::int64_t c) { return static_cast<int>((c * width + count - 1) / count); };
    const std::int32_t c = std::clamp(column, std::int32_t{0}, count - 1);
    return {edge(c), edge(std::int64_t{c} + 1)};
}

std::string agoText(std::int64_t ms) {
    const std::int64_t seconds = std::max<std::int64_t>(ms, 0) / 1000;
    if (seconds < 10) {
        return "сейчас";
    }
    if (seconds < 60) {
        return fillText(kSecondsAgoTemplate, {std::to_string(seconds)});
    }
    if (seconds < 3600) {
        return fillText(kMinutesAgoTemplate,
                        {std::to_string(seconds / 60), std::to_string(seconds % 60)});
    }
    return fillText(kHoursAgoTemplate,
                    {std::to_string(seconds / 3600), std::to_string(seconds / 60 % 60)});
}

} // namespace volna
