// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frequencies the scans pass over: each locked out by the operator while
// a scan held on it, kept until taken back. A value: the console keeps one,
// writes it to the store as text and reads it back at the start.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

class Lockouts {
public:
    // The most frequencies kept; a lock beyond it is refused.
    static constexpr std::size_t kMost = 100;

    bool contains(std::int64_t kHz) const;
    // False when kHz is already there, is not a positive frequency, or the
    // list is full.
    bool add(std::int64_t kHz);
    // False when kHz was not there.
    bool remove(std::int64_t kHz);
    void clear() { kHz_.clear(); }
    bool empty() const { return kHz_.empty(); }
    // In ascending order.
    const std::vector<std::int64_t>& list() const { return kHz_; }

    // The store's text: the frequencies in kHz, ascending, comma-separated.
    std::string text() const;
    // The list a store's text holds: every entry that is a whole positive
    // number of kHz, at most kMost; anything else in it is passed over.
    static Lockouts fromText(std::string_view text);

    bool operator==(const Lockouts&) const = default;

private:
    std::vector<std::int64_t> kHz_;
};

} // namespace volna
