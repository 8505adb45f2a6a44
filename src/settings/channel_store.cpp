// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/channel_store.h"

#include <algorithm>

namespace volna {

std::string slotKey(int n) {
    return "$" + std::to_string(n);
}

ChannelTexts ChannelStore::channel(int n, std::string_view missing) {
    const std::string key = slotKey(n);
    ChannelTexts texts;
    texts.transmit = store_.readSetting(kSectionTxChannels, key, missing);
    texts.receive = store_.readSetting(kSectionRxChannels, key, missing);
    texts.comment = store_.readSetting(kSectionRxComments, key, missing);
    return texts;
}

void ChannelStore::writeChannel(int n, const ChannelTexts& channel, ChannelWriteOrder order) {
    const std::string key = slotKey(n);
    store_.writeSetting(kSectionRxChannels, key, channel.receive);
    if (order == ChannelWriteOrder::ReceiveCommentTransmit) {
        store_.writeSetting(kSectionRxComments, key, channel.comment);
        store_.writeSetting(kSectionTxChannels, key, channel.transmit);
    } else {
        store_.writeSetting(kSectionTxChannels, key, channel.transmit);
        store_.writeSetting(kSectionRxComments, key, channel.comment);
    }
}

LibrarySlots ChannelStore::library() {
    LibrarySlots slots;
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        slots[n - 1] = store_.readSetting(kSectionLibrary, slotKey(n), "");
    }
    return slots;
}

void ChannelStore::writeLibrary(const std::vector<std::string>& entries) {
    const int count = static_cast<int>(std::min<std::size_t>(entries.size(), kLibraryCapacity));
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        store_.writeSetting(kSectionLibrary, slotKey(n), n <= count ? entries[n - 1] : "");
    }
}

void ChannelStore::writeEmptySlots() {
    for (std::string_view section : {kSectionTxChannels, kSectionRxChannels, kSectionRxComments}) {
        for (int n = 1; n <= kChannelCount; ++n) {
            store_.writeSetting(section, slotKey(n), "");
        }
    }
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        store_.writeSetting(kSectionLibrary, slotKey(n), "");
    }
}

} // namespace volna
