// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/band.h"

#include "domain/numbers.h"

namespace volna {

double stepKHz(const Band& band) {
    return static_cast<double>(band.rasterKHz) * band.stepFactor;
}

bool outsideBand(const Band& band, double kHz) {
    return kHz < band.lowerKHz || kHz > band.upperKHz;
}

double exactPosition(const Band& band, double kHz) {
    return (kHz - band.lowerKHz) / stepKHz(band);
}

std::int32_t positionOf(const Band& band, double kHz) {
    return toInt32(exactPosition(band, kHz));
}

double frequencyAt(const Band& band, std::int32_t position) {
    return band.lowerKHz + static_cast<double>(position) * stepKHz(band);
}

std::int32_t sliderMaximum(const Band& band) {
    return positionOf(band, band.upperKHz);
}

} // namespace volna
