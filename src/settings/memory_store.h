// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings store held in memory, for tests and for a run whose store file
// cannot be written. Names match without regard to ASCII case and keep the
// spelling first written; every write and sync is logged for assertions, and
// syncs can be made to fail like a disk that refuses the write.

#include "settings/settings_store.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace volna {

class MemoryStore : public SettingsStore {
public:
    // One stored value with the section and key spelled as first written.
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Entry&) const = default;
    };
    // One call of writeSetting, names and value as passed.
    using Write = Entry;

    std::string readSetting(std::string_view section, std::string_view key,
                            std::string_view fallback) override;
    void writeSetting(std::string_view section, std::string_view key,
                      std::string_view value) override;
    // Counts the sync; fails, as an unwritable disk would, while failSyncs is set.
    bool sync() override {
        ++syncCount_;
        return !failSyncs_;
    }
    // Makes every following sync fail (true) or succeed again (false).
    void failSyncs(bool fail) { failSyncs_ = fail; }

    bool contains(std::string_view section, std::string_view key) const;
    // The stored value, nullptr when the key does not exist.
    const std::string* valueOf(std::string_view section, std::string_view key) const;
    // Number of distinct keys stored.
    std::size_t size() const { return entries_.size(); }
    // Every stored value, in the order its key was first written.
    const std::vector<Entry>& entries() const { return entries_; }

    const std::vector<Write>& writes() const { return writes_; }
    int syncCount() const { return syncCount_; }
    // Forgets the writes and syncs so far; the stored values stay.
    void clearLog();

private:
    const Entry* find(std::string_view section, std::string_view key) const;

    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> index_;
    std::vector<Write> writes_;
    int syncCount_ = 0;
    bool failSyncs_ = false;
};

} // namespace volna
