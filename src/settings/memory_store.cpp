// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/memory_store.h"

namespace volna {

namespace {

// section and key folded to ASCII lower case and joined by a character that no
// name contains, so that "Settings"/"Delay2" and "settings"/"delay2" meet.
std::string foldedName(std::string_view section, std::string_view key) {
    std::string name;
    name.reserve(section.size() + key.size() + 1);
    for (std::string_view part : {section, key}) {
        for (char c : part) {
            name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        name += '\0';
    }
    return name;
}

} // namespace

std::string MemoryStore::readSetting(std::string_view section, std::string_view key,
                                     std::string_view fallback) {
    const Entry* entry = find(section, key);
    return std::string(entry != nullptr ? std::string_view(entry->value) : fallback);
}

void MemoryStore::writeSetting(std::string_view section, std::string_view key,
                               std::string_view value) {
    writes_.push_back({std::string(section), std::string(key), std::string(value)});
    const auto [slot, inserted] = index_.try_emplace(foldedName(section, key), entries_.size());
    if (inserted) {
        entries_.push_back(writes_.back());
    } else {
        entries_[slot->second].value = value;
    }
}

bool MemoryStore::contains(std::string_view section, std::string_view key) const {
    return find(section, key) != nullptr;
}

const std::string* MemoryStore::valueOf(std::string_view section, std::string_view key) const {
    const Entry* entry = find(section, key);
    return entry != nullptr ? &entry->value : nullptr;
}

void MemoryStore::clearLog() {
    writes_.clear();
    syncCount_ = 0;
}

const MemoryStore::Entry* MemoryStore::find(std::string_view section, std::string_view key) const {
    const auto slot = index_.find(foldedName(section, key));
    return slot == index_.end() ? nullptr : &entries_[slot->second];
}

} // namespace volna
