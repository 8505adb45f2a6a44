// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/lockouts.h"

#include <algorithm>
#include <charconv>

namespace volna {

bool Lockouts::contains(std::int64_t kHz) const {
    return std::binary_search(kHz_.begin(), kHz_.end(), kHz);
}

bool Lockouts::add(std::int64_t kHz) {
    if (kHz <= 0 || kHz_.size() >= kMost || contains(kHz)) {
        return false;
    }
    kHz_.insert(std::lower_bound(kHz_.begin(), kHz_.end(), kHz), kHz);
    return true;
}

bool Lockouts::remove(std::int64_t kHz) {
    const auto at = std::lower_bound(kHz_.begin(), kHz_.end(), kHz);
    if (at == kHz_.end() || *at != kHz) {
        return false;
    }
    kHz_.erase(at);
    return true;
}

std::string Lockouts::text() const {
    std::string text;
    for (const std::int64_t kHz : kHz_) {
        text += (text.empty() ? "" : ",") + std::to_string(kHz);
    }
    return text;
}

Lockouts Lockouts::fromText(std::string_view text) {
    Lockouts lockouts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view entry = text.substr(start, comma - start);
        std::int64_t kHz = 0;
        const auto [stop, error] = std::from_chars(entry.data(), entry.data() + entry.size(), kHz);
        if (error == std::errc() && stop == entry.data() + entry.size()) {
            lockouts.add(kHz);
        }
        start = comma + 1;
    }
    return lockouts;
}

} // namespace volna
