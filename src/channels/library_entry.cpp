// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/library_entry.h"

#include "domain/numbers.h"
#include "toolkit/text.h"

namespace volna {

namespace {

// The text before the first separator at or after from, and where the text
// after that separator starts (npos when there is no separator).
std::string_view upToSeparator(std::string_view text, std::size_t& from) {
    const std::size_t at = text.find(kEntrySeparator, from);
    const std::size_t start = from;
    if (at == std::string_view::npos) {
        from = std::string_view::npos;
        return text.substr(start);
    }
    from = at + kEntrySeparator.size();
    return text.substr(start, at - start);
}

} // namespace

std::string entryText(const ChannelTexts& channel) {
    std::string entry = channel.receive;
    entry += kEntrySeparator;
    entry += channel.transmit;
    entry += kEntrySeparator;
    entry += channel.comment;
    return entry;
}

ChannelTexts splitEntry(std::string_view entry) {
    ChannelTexts channel;
    std::size_t from = 0;
    channel.receive = upToSeparator(entry, from);
    if (from == std::string_view::npos) {
        return channel;
    }
    channel.transmit = upToSeparator(entry, from);
    if (from == std::string_view::npos) {
        return channel;
    }
    channel.comment = firstCharacters(entry.substr(from), kCommentLimit);
    return channel;
}

double searchKey(std::string_view entry) {
    return leadingNumber(firstCharacters(entry, kSearchKeyLength));
}

} // namespace volna
