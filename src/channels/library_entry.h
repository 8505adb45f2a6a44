// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a channel as the library window lists it and as "Library" keeps
// it: receive, " - ", transmit, " - ", comment. Free functions, no store and no
// window: the library window joins channels into entries and splits them back.

#include "settings/channel_store.h"

#include <string>
#include <string_view>

namespace volna {

inline constexpr std::string_view kEntrySeparator = " - ";
// A comment written back to a memory channel keeps at most this many characters.
inline constexpr int kCommentLimit = 70;
// The search looks at this many leading characters of an entry: the receive
// frequency, kHz.
inline constexpr int kSearchKeyLength = 6;

// "145500 - 144900 - repeater" from its three texts.
std::string entryText(const ChannelTexts& channel);

// The three texts of an entry, split at its first two separators, so receive
// and transmit texts of any lengths come back whole; the comment is everything
// after the second separator, cut to kCommentLimit characters. Without a second
// separator the rest is the transmit text; without any, the whole entry is the
// receive text.
ChannelTexts splitEntry(std::string_view entry);

// The receive frequency the search compares, kHz: leadingNumber of the entry's
// first kSearchKeyLength characters (0 when there is no number).
double searchKey(std::string_view entry);

} // namespace volna
