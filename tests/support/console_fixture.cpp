// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/console_fixture.h"

#include "settings/channel_store.h"
#include "settings/store_layout.h"

namespace volna::test {

void storeFirstRunValues(SettingsStore& store) {
    ChannelStore channels(store);
    for (int n = 1; n <= kChannelCount; ++n) {
        channels.writeChannel(n, {}, ChannelWriteOrder::ReceiveTransmitComment);
    }
    store.writeSetting(kSectionFlags, kKeyBack, "144000");
    store.writeSetting(kSectionFlags, kKeyLock, "1");
    store.writeSetting(kSectionFlags, kKeyNew, "1");
    store.writeSetting(kSectionSettings, kKeyBandScanSpeed, "400");
    store.writeSetting(kSectionSettings, kKeyRangeScanSpeed, "400");
    store.writeSetting(kSectionSettings, kKeyChannelScanSpeed, "400");
    store.writeSetting(kSectionSettings, kKeyUpperBound, "146000");
    store.writeSetting(kSectionSettings, kKeyLowerBound, "144000");
    store.writeSetting(kSectionSettings, kKeyDelay1, "0");
    store.writeSetting(kSectionSettings, kKeyDelay2, "0");
    store.writeSetting(kSectionSettings, kKeyTxShift, "-600");
    store.writeSetting(kSectionSettings, kKeyIfOffset, "-10700");
}

ConsoleFixture::ConsoleFixture() {
    storeFirstRunValues(store);
    store.clearLog();
}

void ConsoleFixture::start() {
    ASSERT_TRUE(startConsole(form));
    ASSERT_EQ(program.activeWindow(), &form);
}

void ConsoleFixture::reactivate() {
    program.runEvent([&] { other.show(); });
    program.runEvent([&] { other.hide(); });
    ASSERT_EQ(program.activeWindow(), &form);
}

void ConsoleFixture::setSetting(std::string_view key, const std::string& value) {
    store.writeSetting(kSectionSettings, key, value);
}

void ConsoleFixture::setChannel(int n, const std::string& rx, const std::string& tx,
                                const std::string& comment) {
    ChannelStore(store).writeChannel(n, {rx, tx, comment},
                                     ChannelWriteOrder::ReceiveTransmitComment);
}

} // namespace volna::test
