// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way to the memory channels and the channel library in the settings
// store: it alone knows the three channel sections, "Library" and the "$n" slot
// keys. Callers deal in whole channels and library entries.

#include "settings/settings_store.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

// Slots 1..kChannelCount of the channel sections and 1..kLibraryCapacity of the
// library.
inline constexpr int kChannelCount = 10;
inline constexpr int kLibraryCapacity = 100;

// The section names, public for tests that check what reached the store.
inline constexpr std::string_view kSectionRxChannels = "Channels(RX)";
inline constexpr std::string_view kSectionTxChannels = "Channels(TX)";
inline constexpr std::string_view kSectionRxComments = "Channels(RX-cmt)";
inline constexpr std::string_view kSectionLibrary = "Library";

// The key of slot n: a dollar sign and n in decimal ("$1", "$10", "$100").
std::string slotKey(int n);

// The three texts of one memory channel exactly as the channel sections store
// them under one slot key.
struct ChannelTexts {
    std::string receive;
    std::string transmit;
    std::string comment;
    bool operator==(const ChannelTexts&) const = default;
};

// The windows write the three texts of a channel in one of two orders; the
// order is kept so that an interrupted save leaves what it always left.
enum class ChannelWriteOrder {
    ReceiveCommentTransmit, // the channel editor and the add-channel dialog
    ReceiveTransmitComment, // the channel library
};

using LibrarySlots = std::array<std::string, kLibraryCapacity>;

// Reads and writes whole channels and the whole library over a settings store
// it does not own; it holds no state of its own, so one can be made wherever
// it is needed.
class ChannelStore {
public:
    explicit ChannelStore(SettingsStore& store) : store_(store) {}

    // Channel n (1..kChannelCount); a key that does not exist reads as missing.
    ChannelTexts channel(int n, std::string_view missing = "");
    void writeChannel(int n, const ChannelTexts& channel, ChannelWriteOrder order);

    // The library's slots 1..kLibraryCapacity as stored, a missing key as "".
    LibrarySlots library();
    // The entries into slots 1..count (at most kLibraryCapacity), every later
    // slot emptied.
    void writeLibrary(const std::vector<std::string>& entries);

    // Every slot of the three channel sections and of the library written
    // empty, section by section (transmit, receive, comment, library).
    void writeEmptySlots();

private:
    SettingsStore& store_;
};

} // namespace volna
