// SPDX-License-Identifier: GPL-3.0-or-later
// The scans on the built-in simulated band, on the virtual clock: a hold on
// the beacon, quiet notches passed, the repeater heard only while it talks,
// the same bursts for the same seed, lockouts, timed resume and hang time.

#include "support/console_fixture.h"
#include "synth/simulated_band.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace volna::test {
namespace {

class SimulatedBandScanTest : public ConsoleFixture {
protected:
    void SetUp() override {
        listen(defaultSimulatedBand());
        setChannel(2, "145000");
        setChannel(5, "145600"); // the repeater's output
        start();
    }
    void listen(const SimulatedBand& band) {
        radio.listenTo(band, [this] { return program.now(); });
    }
    // The read-outs of count scan ticks (400 ms each), "*" after a busy one.
    std::string ticks(int count) {
        std::string seen;
        for (int i = 0; i < count; ++i) {
            program.advance(400);
            seen += form.readOut.caption + (form.busyIndicator.caption == "BUSY" ? "* " : " ");
        }
        return seen;
    }
};

TEST_F(SimulatedBandScanTest, TheBandScanPassesQuietNotchesAndHoldsOnTheBeacon) {
    program.scroll(form.tuningSlider, 64); // 145600, the repeater is quiet until 20 s
    program.click(form.bandScanButton);
    EXPECT_EQ(ticks(11), "145600 145625 145650 145675 145700 145725 145750 145775 145800 145825 "
                         "145825* ")
        << "the beacon at 145850 is heard on its neighbouring notch";
    program.advance(3600 * 1000);
    EXPECT_EQ(ticks(1), "145825* ") << "an hour later";
}

TEST_F(SimulatedBandScanTest, AHangTimeWaitsForTheReplyAfterTheRepeaterDrops) {
    form.setHoldRules({0, 3000});
    program.scroll(form.tuningSlider, 60);
    program.advance(25000 - program.now());
    program.click(form.bandScanButton);
    while (program.now() < 60000 && form.readOut.caption != "145625") {
        ticks(1);
    }
    EXPECT_GE(program.now(), 43000) << "held while it talked, until 40 s, then 3 s for a reply";
    EXPECT_LE(program.now(), 43800);
    const ScanHit& hit = form.hits().newest(0);
    EXPECT_EQ(hit.kHz, 145600);
    EXPECT_GE(hit.startMs + hit.signalMs, 40000) << "the signal's end, not the hang's";
    EXPECT_LT(hit.startMs + hit.signalMs, 40400);
}

TEST_F(SimulatedBandScanTest, TheChannelScanStopsOnTheRepeatersChannelUntilLockedOut) {
    program.click(form.channelScanMode);
    program.click(form.channelScanBoxes[1]);
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanButton);
    EXPECT_EQ(ticks(4), "145000 145600 145000 145600 ") << "quiet before 20 s";
    program.advance(20000 - program.now());
    EXPECT_EQ(ticks(3), "145600* 145600* 145600* ") << "the repeater talks from 20 s on";
    ASSERT_TRUE(form.lockOutHeld());
    EXPECT_EQ(ticks(3), "145000 145000 145000 ") << "channel 5 passed";
}

TEST_F(SimulatedBandScanTest, TheSameSeedGivesTheSameHoldsOnThePacketChannel) {
    program.click(form.rangeScanMode);
    program.type(form.scanFrom, "144775");
    program.type(form.scanTo, "144825");
    auto holds = [this](std::uint64_t seed) {
        SimulatedBand band = defaultSimulatedBand();
        band.seed = seed;
        listen(band);
        program.click(form.bandScanButton);
        const std::string seen = ticks(300);
        program.click(form.bandScanButton);
        return seen;
    };
    const std::string first = holds(7);
    EXPECT_NE(first.find("144800*"), std::string::npos) << first;
    EXPECT_NE(first.find("144825 "), std::string::npos) << "passed between bursts";
    EXPECT_EQ(holds(7), first);
    EXPECT_NE(holds(8), first);
}

// An hour's scan with the beacon's three notches and the birdie locked out
// during their holds: they are never tuned again (no word, no busy test),
// and the scan goes round the band, holding only where the others transmit.
TEST_F(SimulatedBandScanTest, LockedOutNotchesArePassedForAnHourAndKeptInTheStore) {
    EXPECT_FALSE(form.lockOutHeld()) << "no scan holds";
    program.scroll(form.tuningSlider, 68); // 145700
    program.click(form.bandScanButton);
    for (const char* held : {"145825", "145850", "145875", "145950"}) {
        for (int tick = 0; tick < 20 && (tick == 0 || form.busyIndicator.caption != "BUSY");
             ++tick) {
            ticks(1);
        }
        ASSERT_EQ(form.readOut.caption, held);
        ASSERT_TRUE(form.lockOutHeld());
    }
    EXPECT_EQ(store.readSetting("Program", "Lockouts", ""), "145825,145850,145875,145950");
    std::map<std::string, int> tuned;
    for (int tick = 0; tick < 9000; ++tick) {
        program.advance(400);
        ++tuned[form.readOut.caption];
    }
    for (const char* locked : {"145825", "145850", "145875", "145950"}) {
        EXPECT_EQ(tuned.count(locked), 0u) << locked;
    }
    EXPECT_GT(tuned["145600"], 100) << "the repeater's holds";
    EXPECT_GT(tuned["145900"], 50) << "round the band";
    EXPECT_TRUE(form.takeBackLockout(145950));
    form.takeBackAllLockouts();
    EXPECT_EQ(store.readSetting("Program", "Lockouts", "x"), "");
}

// With a 5 s timed resume the carriers are held once each and passed after,
// as they are never free; the repeater is held whenever the scan meets it
// talking. Every hold is a hit.
TEST_F(SimulatedBandScanTest, ATimedResumeHoldsEachCarrierOnceInAnHour) {
    form.setHoldRules({5000, 0});
    EXPECT_EQ(store.readSetting("Program", "ScanResume", ""), "5");
    program.scroll(form.tuningSlider, 68); // 145700
    program.click(form.bandScanButton);
    program.advance(3600 * 1000);
    std::map<std::int64_t, int> held;
    for (std::size_t i = 0; i < form.hits().size(); ++i) {
        ++held[form.hits().newest(i).kHz];
    }
    for (const std::int64_t carrier : {145825, 145850, 145875, 145950}) {
        EXPECT_EQ(held[carrier], 1) << carrier;
    }
    EXPECT_GT(held[145600], 10);
    EXPECT_GT(held[144800], 10);
    EXPECT_EQ(held.size(), 6u) << "nothing else is heard";
    EXPECT_EQ(form.hits().newest(form.hits().size() - 1).signalMs, 5200) << "the first hold";
}

} // namespace
} // namespace volna::test
