// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/band_activity.h"

#include "console/console.h"
#include "toolkit/program.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace volna {

namespace {

constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::min();

// Bin of a time, rounding down also before the clock's zero.
std::int64_t binOf(std::int64_t timeMs) {
    const std::int64_t bin = timeMs / BandActivity::kBinMs;
    return (timeMs % BandActivity::kBinMs < 0) ? bin - 1 : bin;
}

std::size_t slotOf(std::int64_t bin) {
    const std::int64_t slot = bin % BandActivity::kBinCount;
    return static_cast<std::size_t>(slot < 0 ? slot + BandActivity::kBinCount : slot);
}

bool usable(const Band& band) {
    return std::isfinite(band.lowerKHz) && std::isfinite(band.upperKHz) &&
           band.upperKHz >= band.lowerKHz && stepKHz(band) > 0;
}

bool sameBand(const Band& a, const Band& b) {
    return a.lowerKHz == b.lowerKHz && a.upperKHz == b.upperKHz && a.rasterKHz == b.rasterKHz &&
           a.stepFactor == b.stepFactor;
}

} // namespace

BandActivity::BandActivity(const Band& band) {
    setBand(band);
}

void BandActivity::setBand(const Band& band) {
    if (notchCount_ > 0 && sameBand(band, band_)) {
        return;
    }
    band_ = band;
    positionCount_ = usable(band) ? std::int64_t{sliderMaximum(band)} + 1 : 0;
    positionCount_ = std::max<std::int64_t>(positionCount_, 0);
    notchCount_ = static_cast<std::int32_t>(std::min<std::int64_t>(positionCount_, kMaxNotches));
    const auto notches = static_cast<std::size_t>(notchCount_);
    cells_.assign(notches * kBinCount, Cell{});
    binOfSlot_.assign(kBinCount, kNone);
    lastBusy_.assign(notches, kNone);
    newestBin_.reset();
}

void BandActivity::record(double kHz, std::int64_t timeMs, bool busy) {
    const auto notch = notchOf(kHz);
    if (!notch) {
        return;
    }
    const auto slot = slotFor(binOf(timeMs));
    if (!slot) {
        return;
    }
    Cell& counts = cell(*notch, *slot);
    if (counts.tests == std::numeric_limits<std::uint32_t>::max()) {
        return; // a full bin already says all it can
    }
    ++counts.tests;
    if (busy) {
        ++counts.busy;
        auto& last = lastBusy_[static_cast<std::size_t>(*notch)];
        last = std::max(last, timeMs);
    }
}

std::optional<std::size_t> BandActivity::slotFor(std::int64_t bin) {
    if (newestBin_ && bin <= *newestBin_ - kBinCount) {
        return std::nullopt;
    }
    if (!newestBin_ || bin > *newestBin_) {
        newestBin_ = bin;
    }
    const std::size_t slot = slotOf(bin);
    if (binOfSlot_[slot] != bin) {
        for (std::int32_t notch = 0; notch < notchCount_; ++notch) {
            cell(notch, slot) = Cell{};
        }
        binOfSlot_[slot] = bin;
    }
    return slot;
}

std::optional<std::int32_t> BandActivity::notchOf(double kHz) const {
    if (notchCount_ == 0 || !std::isfinite(kHz) || outsideBand(band_, kHz)) {
        return std::nullopt;
    }
    return notchOfPosition(positionOf(band_, kHz));
}

// Spreads the positions evenly over the notches when there are more of them.
std::int32_t BandActivity::notchOfPosition(std::int32_t position) const {
    const auto clamped = std::clamp<std::int64_t>(position, 0, positionCount_ - 1);
    return static_cast<std::int32_t>(clamped * notchCount_ / positionCount_);
}

double BandActivity::frequencyOf(std::int32_t notch) const {
    if (notchCount_ == 0) {
        return band_.lowerKHz;
    }
    // The first position p with p * notches / positions >= notch.
    const std::int64_t column = std::clamp(notch, 0, notchCount_ - 1);
    const std::int64_t first = (column * positionCount_ + notchCount_ - 1) / notchCount_;
    return frequencyAt(band_, static_cast<std::int32_t>(first));
}

double BandActivity::brightness(std::int32_t notch, std::int64_t nowMs) const {
    if (notch < 0 || notch >= notchCount_) {
        return 0;
    }
    const std::int64_t newest = binOf(nowMs);
    const std::int64_t oldest = newest - kBinCount + 1;
    double brightest = 0;
    for (std::size_t slot = 0; slot < binOfSlot_.size(); ++slot) {
        const std::int64_t bin = binOfSlot_[slot];
        const Cell& counts = cell(notch, slot);
        if (bin == kNone || bin < oldest || bin > newest || counts.tests == 0) {
            continue;
        }
        // Measured from the bin's start first, so that no product overflows.
        const auto age = std::max<std::int64_t>(0, nowMs - bin * kBinMs - kBinMs);
        const double fade =
            std::exp2(-static_cast<double>(age) / static_cast<double>(kFadeHalfLifeMs));
        brightest = std::max(brightest, fade * counts.busy / counts.tests);
    }
    return brightest;
}

std::optional<std::int64_t> BandActivity::lastBusy(std::int32_t notch) const {
    if (notch < 0 || notch >= notchCount_ || lastBusy_[static_cast<std::size_t>(notch)] == kNone) {
        return std::nullopt;
    }
    return lastBusy_[static_cast<std::size_t>(notch)];
}

BandActivity::Footprint BandActivity::footprint() const {
    return {cells_.size(), cells_.capacity(), lastBusy_.size(), lastBusy_.capacity(),
            binOfSlot_.size()};
}

BandActivity::Cell& BandActivity::cell(std::int32_t notch, std::size_t slot) {
    return cells_[static_cast<std::size_t>(notch) * kBinCount + slot];
}

const BandActivity::Cell& BandActivity::cell(std::int32_t notch, std::size_t slot) const {
    return cells_[static_cast<std::size_t>(notch) * kBinCount + slot];
}

BandActivityFeed::BandActivityFeed(Form1& form, BandActivity& activity) {
    subscription_ = form.scanStep.subscribe([&form, &activity](double kHz, bool busy) {
        activity.setBand(form.band());
        activity.record(kHz, form.program().now(), busy);
    });
}

} // namespace volna
