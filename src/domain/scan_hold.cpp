// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/scan_hold.h"

#include <algorithm>

namespace volna {

bool ScanHold::passed(std::int64_t kHz) const {
    return std::find(passedBusy_.begin(), passedBusy_.end(), kHz) != passedBusy_.end();
}

bool ScanHold::tick(const HoldRules& rules, std::int64_t kHz, bool busy, std::int64_t nowMs,
                    int channel, std::optional<ScanHit>& ended) {
    ended.reset();
    if (holding_ && hit_.kHz != kHz) {
        ended = end(nowMs);
    }
    if (!busy) {
        std::erase(passedBusy_, kHz);
        if (holding_ && !droppedMs_) {
            droppedMs_ = nowMs;
        }
        if (holding_ && rules.hangMs > 0 && nowMs - lastBusyMs_ < rules.hangMs) {
            return true; // waiting for the reply
        }
        if (holding_) {
            ended = end(nowMs);
        }
        return false;
    }
    if (rules.resumeAfterMs > 0 && passed(kHz)) {
        return false; // resumed past before and not free since
    }
    if (!holding_) {
        holding_ = true;
        hit_ = {nowMs, kHz, channel, 0};
    }
    lastBusyMs_ = nowMs;
    droppedMs_.reset();
    if (rules.resumeAfterMs > 0 && nowMs - hit_.startMs >= rules.resumeAfterMs) {
        if (passedBusy_.size() < kMostPassed) {
            passedBusy_.push_back(kHz);
        }
        ended = end(nowMs);
        return false;
    }
    return true;
}

std::optional<ScanHit> ScanHold::end(std::int64_t nowMs) {
    if (!holding_) {
        return std::nullopt;
    }
    holding_ = false;
    hit_.signalMs = droppedMs_.value_or(nowMs) - hit_.startMs;
    droppedMs_.reset();
    return hit_;
}

void ScanHits::add(const ScanHit& hit) {
    if (hits_.size() < kMostHits) {
        hits_.push_back(hit);
    } else {
        hits_[next_] = hit;
    }
    next_ = (next_ + 1) % kMostHits;
    ++added_;
}

const ScanHit& ScanHits::newest(std::size_t i) const {
    const std::size_t last = (next_ + kMostHits - 1) % kMostHits;
    const std::size_t at =
        hits_.size() < kMostHits ? hits_.size() - 1 - i : (last + kMostHits - i) % kMostHits;
    return hits_[at];
}

} // namespace volna
