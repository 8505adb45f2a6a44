// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/first_run.h"

#include "domain/numbers.h"
#include "settings/channel_store.h"
#include "settings/store_layout.h"

#include <algorithm>
#include <string_view>

namespace volna {

namespace {

// What readSetting gives for a missing "NEW"; a store holding this text is
// treated as uninitialised too.
constexpr std::string_view kNotInitialised = "!!!";

struct StartingValue {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

// The flags and settings of a fresh store, in the order they are written: the
// 2 m band, a -10700 kHz local-oscillator offset, a -600 kHz transmit offset,
// 400 ms scan ticks, no transfer delays, and the read-out on the lower boundary.
constexpr StartingValue kStartingValues[] = {
    {kSectionFlags, kKeyBack, "144000"},
    {kSectionFlags, kKeyLock, "1"},
    {kSectionFlags, kKeyNew, "1"},
    {kSectionSettings, kKeyBandScanSpeed, "400"},
    {kSectionSettings, kKeyRangeScanSpeed, "400"},
    {kSectionSettings, kKeyChannelScanSpeed, "400"},
    {kSectionSettings, kKeyUpperBound, "146000"},
    {kSectionSettings, kKeyLowerBound, "144000"},
    {kSectionSettings, kKeyDelay1, "0"},
    {kSectionSettings, kKeyDelay2, "0"},
    {kSectionSettings, kKeyTxShift, "-600"},
    {kSectionSettings, kKeyIfOffset, "-10700"},
};

bool holdsKey(SettingsStore& store, std::string_view section, std::string_view key) {
    // A stored text is the same whatever the fallback; a missing key is not.
    return store.readSetting(section, key, "a") != "a" ||
           store.readSetting(section, key, "b") != "b";
}

bool holdsAnyChannelOrEntry(SettingsStore& store) {
    for (std::string_view section : {kSectionRxChannels, kSectionTxChannels, kSectionRxComments}) {
        for (int n = 1; n <= kChannelCount; ++n) {
            if (holdsKey(store, section, slotKey(n))) {
                return true;
            }
        }
    }
    for (int n = 1; n <= kLibraryCapacity; ++n) {
        if (holdsKey(store, kSectionLibrary, slotKey(n))) {
            return true;
        }
    }
    return false;
}

bool holdsAnyFlagOrSetting(SettingsStore& store) {
    for (const StartingValue& value : kStartingValues) {
        if (holdsKey(store, value.section, value.key)) {
            return true;
        }
    }
    return false;
}

double numberOf(SettingsStore& store, std::string_view key) {
    return leadingNumber(store.readSetting(kSectionSettings, key, ""));
}

// Whether the console can work with the value the store holds for key: any
// flag, a setting that is a number, a scan tick above 0 ms.
bool usable(SettingsStore& store, std::string_view section, std::string_view key) {
    if (section != kSectionSettings) {
        return holdsKey(store, section, key);
    }
    if (!hasLeadingNumber(store.readSetting(section, key, ""))) {
        return false;
    }
    if (key == kKeyBandScanSpeed || key == kKeyRangeScanSpeed || key == kKeyChannelScanSpeed) {
        return toInt32(numberOf(store, key)) > 0;
    }
    return true;
}

// Whether the upper band edge lies above the lower one, as the console reads
// them: with neither, no frequency can be tuned.
bool usableBand(SettingsStore& store) {
    return numberOf(store, kKeyUpperBound) > toInt32(numberOf(store, kKeyLowerBound));
}

} // namespace

void writeStartingValues(SettingsStore& store) {
    ChannelStore(store).writeEmptySlots();
    for (const StartingValue& setting : kStartingValues) {
        store.writeSetting(setting.section, setting.key, setting.value);
    }
}

bool storeNeedsFirstRun(SettingsStore& store) {
    const std::string flag = store.readSetting(kSectionFlags, kKeyNew, kNotInitialised);
    if (flag != kNotInitialised) {
        return false;
    }
    const bool literal = holdsKey(store, kSectionFlags, kKeyNew);
    return literal || !(holdsAnyFlagOrSetting(store) || holdsAnyChannelOrEntry(store));
}

std::vector<std::string> resetUnusableValues(SettingsStore& store) {
    std::vector<std::string> names;
    auto reset = [&store, &names](const StartingValue& value) {
        const std::string name = std::string(value.section) + "/" + std::string(value.key);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            store.writeSetting(value.section, value.key, value.value);
            names.push_back(name);
        }
    };
    for (const StartingValue& value : kStartingValues) {
        if (!usable(store, value.section, value.key)) {
            reset(value);
        }
    }
    // The edges go together: one reset alone may leave the band upside down.
    if (!usableBand(store)) {
        for (const StartingValue& value : kStartingValues) {
            if (value.key == kKeyLowerBound || value.key == kKeyUpperBound) {
                reset(value);
            }
        }
    }
    return names;
}

bool initialiseStoreOnFirstRun(SettingsStore& store, Prompter& prompter) {
    if (!storeNeedsFirstRun(store)) {
        return true;
    }
    if (prompter.ask(questionBox(kFirstRunQuestion)) != Answer::Yes) {
        return false;
    }
    writeStartingValues(store);
    // A failed write has been reported by the store itself; the run goes on
    // with the values in memory, but it must not claim they were saved.
    if (store.sync()) {
        prompter.ask(informationBox(kFirstRunDone));
    }
    return true;
}

void repairStore(SettingsStore& store, Prompter& prompter) {
    if (storeNeedsFirstRun(store)) {
        return;
    }
    if (const std::vector<std::string> reset = resetUnusableValues(store); !reset.empty()) {
        prompter.ask(errorBox(fillText(kValuesResetTemplate, {joinedNames(reset)})));
    }
}

} // namespace volna
