// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/stored_band.h"

#include "domain/numbers.h"
#include "settings/store_layout.h"

#include <string_view>

namespace volna {

Band storedBand(SettingsStore& store, int rasterKHz, int stepFactor) {
    auto read = [&store](std::string_view key) {
        return leadingNumber(store.readSetting(kSectionSettings, key, ""));
    };
    return {static_cast<double>(toInt32(read(kKeyLowerBound))), read(kKeyUpperBound), rasterKHz,
            stepFactor};
}

} // namespace volna
