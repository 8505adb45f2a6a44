// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scans found on the band: every busy test of every scan, kept as
// counts in a fixed grid of notches by time bins, and the queries a picture of
// the band needs. Pure model: no window, no clock of its own.

#include "domain/band.h"
#include "toolkit/event.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace volna {

class Form1;

// Busy tests counted per notch of the band and per time bin, in a ring of bins:
// a bin that falls out of the window is reused for the newest time, so the
// memory is set by the band alone, however long the program runs.
//
// Brightness of a notch at time now: the largest, over the bins in the window,
// of (busy tests / tests) in that bin times 2^(-age / kFadeHalfLifeMs), where a
// bin's age is how long ago it ended (0 for the bin now filling); bins after
// now do not count. A notch busy at every test shines 1 and halves every
// minute once it is quiet; a notch never tested, or tested only free, is 0.
// The window is ten minutes, ten half-lives: what falls out of it had faded to
// a thousandth already.
//
// A band of other edges, raster or step makes the old columns mean other
// frequencies, so setBand with a different band forgets everything.
class BandActivity {
public:
    // Most notches kept; a wider band shares a notch among neighbouring positions.
    static constexpr std::int32_t kMaxNotches = 4096;
    static constexpr int kBinCount = 60;
    static constexpr std::int64_t kBinMs = 10'000;
    static constexpr std::int64_t kFadeHalfLifeMs = 60'000;

    BandActivity() = default;
    explicit BandActivity(const Band& band);

    // Starts over on band unless it is the band already kept.
    void setBand(const Band& band);
    const Band& band() const { return band_; }

    // One busy test at kHz, at timeMs on the program's clock. Ignored when kHz
    // lies outside the band (or is not a number) and when timeMs is older than
    // the window of bins behind the newest test.
    void record(double kHz, std::int64_t timeMs, bool busy);

    // Number of columns: one per slider position, at most kMaxNotches; 0 for a
    // band with no positions (upper edge below the lower, no step).
    std::int32_t notchCount() const { return notchCount_; }
    // Column of kHz, or none outside the band.
    std::optional<std::int32_t> notchOf(double kHz) const;
    // Frequency of the first slider position of a column, kHz; a notch out of
    // range is taken as the nearest one.
    double frequencyOf(std::int32_t notch) const;
    // 0..1, see the class comment; 0 for a notch out of range.
    double brightness(std::int32_t notch, std::int64_t nowMs) const;
    // Time of the last busy test of the notch, or none.
    std::optional<std::int64_t> lastBusy(std::int32_t notch) const;

    // Sizes of what the model holds, for checking that it does not grow.
    struct Footprint {
        std::size_t cells = 0;
        std::size_t cellCapacity = 0;
        std::size_t lastBusy = 0;
        std::size_t lastBusyCapacity = 0;
        std::size_t bins = 0;
        bool operator==(const Footprint&) const = default;
    };
    Footprint footprint() const;

private:
    struct Cell {
        std::uint32_t tests = 0;
        std::uint32_t busy = 0;
    };

    std::int32_t notchOfPosition(std::int32_t position) const;
    // Ring slot for the absolute bin; clears it when it held an older bin.
    // None when the bin is too old for the window.
    std::optional<std::size_t> slotFor(std::int64_t bin);
    Cell& cell(std::int32_t notch, std::size_t slot);
    const Cell& cell(std::int32_t notch, std::size_t slot) const;

    Band band_{};
    std::int32_t notchCount_ = 0;
    std::int64_t positionCount_ = 0;      // slider positions of the band
    std::vector<Cell> cells_;             // notch-major: notch * kBinCount + slot
    std::vector<std::int64_t> binOfSlot_; // absolute bin each slot holds, kNone for none
    std::vector<std::int64_t> lastBusy_;  // ms, kNone when never busy
    std::optional<std::int64_t> newestBin_;
};

// Feeds a BandActivity from the console's scans: one subscription to the
// scan-step event, the time from the console's program clock and the band the
// console tunes in at the moment of the test. It must end before the console
// or the model does; ending it ends the subscription.
class BandActivityFeed {
public:
    BandActivityFeed(Form1& form, BandActivity& activity);

private:
    Subscription subscription_;
};

} // namespace volna
