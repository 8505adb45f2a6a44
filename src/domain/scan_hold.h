// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long a scan stays on a frequency where it found a signal, tick by tick:
// while the signal lasts (the default), or until a timed resume moves it on
// (the frequency is then not held again until it has been free once), and
// for a hang time after the signal drops, waiting for the reply. Each hold
// that ends is one hit: when it began, where, and how long the signal lasted.
// Pure: the console feeds it each busy test with the program's clock.

#include <cstdint>
#include <optional>
#include <vector>

namespace volna {

// The longest timed resume or hang time the operator can set, seconds.
inline constexpr std::int64_t kLongestHoldSeconds = 3600;

// Both off (0) by default: the scan holds exactly while the signal is on.
struct HoldRules {
    std::int64_t resumeAfterMs = 0; // move on after this long on one signal
    std::int64_t hangMs = 0;        // stay this long after the signal drops

    bool operator==(const HoldRules&) const = default;
};

struct ScanHit {
    std::int64_t startMs = 0;  // the program's clock at the first busy test
    std::int64_t kHz = 0;      // the frequency held
    int channel = 0;           // the memory channel (channel scan), 0: none
    std::int64_t signalMs = 0; // from the first busy test to the first free one after the last

    bool operator==(const ScanHit&) const = default;
};

class ScanHold {
public:
    // The most frequencies remembered as passed by a timed resume.
    static constexpr std::size_t kMostPassed = 4096;

    // One tick's busy test at kHz: whether the scan stays. A hold that ends
    // here (the scan moves on, or the frequency changed) comes back in ended.
    bool tick(const HoldRules& rules, std::int64_t kHz, bool busy, std::int64_t nowMs, int channel,
              std::optional<ScanHit>& ended);
    // The scan stopped or left the frequency: the hold running, if any, ends.
    std::optional<ScanHit> end(std::int64_t nowMs);
    // Whether the scan stays on a frequency now (a signal, or its hang time).
    bool holding() const { return holding_; }

private:
    bool passed(std::int64_t kHz) const;

    bool holding_ = false;
    ScanHit hit_;
    std::int64_t lastBusyMs_ = 0;
    std::optional<std::int64_t> droppedMs_; // the first free test after the last busy one
    std::vector<std::int64_t> passedBusy_;  // resumed past, not yet seen free
};

// The most hits kept; the oldest go first.
inline constexpr std::size_t kMostHits = 1000;

// The hits of this run, in a fixed amount of memory: the newest kMostHits.
class ScanHits {
public:
    void add(const ScanHit& hit);
    std::size_t size() const { return hits_.size(); }
    // The count of every hit ever added: a reader sees a change by it.
    std::uint64_t added() const { return added_; }
    // The i-th newest (0: the last added).
    const ScanHit& newest(std::size_t i) const;

private:
    std::vector<ScanHit> hits_; // a ring once full
    std::size_t next_ = 0;
    std::uint64_t added_ = 0;
};

} // namespace volna
