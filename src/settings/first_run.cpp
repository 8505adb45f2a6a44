#include "settings/first_run.h"

#include "settings/channel_store.h"
#include "settings/store_layout.h"

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

} // namespace

void writeStartingValues(SettingsStore& store) {
    ChannelStore(store).writeEmptySlots();
    for (const StartingValue& setting : kStartingValues) {
        store.writeSetting(setting.section, setting.key, setting.value);
    }
}

bool initialiseStoreOnFirstRun(SettingsStore& store, Prompter& prompter) {
    if (store.readSetting(kSectionFlags, kKeyNew, kNotInitialised) != kNotInitialised) {
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

} // namespace volna
