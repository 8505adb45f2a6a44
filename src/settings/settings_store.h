// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user key/value store that holds everything outliving a run: settings,
// the ten memory channels, the library and the flags. Section and key names are
// matched without regard to case ("Delay2" and "delay2" are one key); values are
// texts. The real store is QSettings (qsettings_store.h); tests use MemoryStore.

#include <string>
#include <string_view>

namespace volna {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or fallback when the key does not exist. An empty text
    // that was stored is returned as the empty text, not as the fallback.
    virtual std::string readSetting(std::string_view section, std::string_view key,
                                    std::string_view fallback) = 0;

    // Creates or replaces the value. Reaches the disk at the next sync().
    virtual void writeSetting(std::string_view section, std::string_view key,
                              std::string_view value) = 0;

    // Puts every write so far on the disk, atomically. The program calls it once
    // at the end of every operator action, not once per key. Returns false when
    // a write of this run is not on the disk (the store has told the operator);
    // a window must not report a save as done then.
    virtual bool sync() = 0;
};

} // namespace volna
