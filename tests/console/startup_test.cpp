// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, re-activation and exit of the console, driven through the
// simulated radio, the in-memory store and the scripted prompter.

#include "support/console_fixture.h"
#include "support/row_names.h"

#include "settings/first_run.h"
#include "settings/store_layout.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class StartupTest : public ConsoleFixture {};

TEST(FirstStart, AsksWritesTheStoreAndTunesTheLowerBoundary) {
    Program program;
    SimulatedRadio radio;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form1 form{program, radio, store, prompter};
    prompter.expect(kWarningTitle, kFirstRunQuestion, Answer::Yes);
    prompter.expect(kMessageTitle, kFirstRunDone);

    ASSERT_TRUE(startConsole(form));

    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(prompter.shown()[0].buttons, MessageButtons::YesNo);
    // 142 first-run keys, then the load's "LOCK" = "1".
    ASSERT_EQ(store.writes().size(), 143u);
    EXPECT_EQ(store.readSetting(kSectionSettings, kKeyLowerBound, "?"), "144000");
    EXPECT_EQ(store.readSetting(kSectionSettings, "delay2", "?"), "0");
    EXPECT_EQ(store.readSetting(kSectionLibrary, "$100", "?"), "");
    EXPECT_EQ(form.readOut.caption, "144000");
    EXPECT_EQ(form.positionReadOut.caption, "0");
    EXPECT_EQ(form.tuningSlider.maximum(), 80);
    EXPECT_EQ(form.controlWordReadOut.caption, "001010110010100000000101");
    EXPECT_EQ(form.synthesizerReadOut.caption, "133300");
    EXPECT_EQ(form.caption, kConsoleTitle);
    const std::vector<int> writes = radio.writes();
    ASSERT_EQ(writes.size(), 58u);
    EXPECT_EQ(writes.front(), 1);
    EXPECT_EQ(writes.back(), 0);
    EXPECT_EQ(radio.lastDivider(), 5332);
}

TEST(FirstStart, NoEndsTheProgramWithTheStoreAndThePortUntouched) {
    Program program;
    SimulatedRadio radio;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form1 form{program, radio, store, prompter};
    prompter.expect(kWarningTitle, kFirstRunQuestion, Answer::No);

    EXPECT_FALSE(startConsole(form));

    EXPECT_TRUE(program.quitting());
    EXPECT_FALSE(form.shown());
    EXPECT_TRUE(store.writes().empty());
    EXPECT_TRUE(radio.operations().empty());
}

TEST_F(StartupTest, StartsWithTheControlStatesOfAFreshConsole) {
    setChannel(2, "145600", "145000", "repeater");
    start();
    EXPECT_EQ(form.stepReadOut.caption, "25");
    EXPECT_EQ(form.Label4.caption, "kHz");
    EXPECT_EQ(form.modeIndicator.caption, "RX");
    EXPECT_EQ(form.channelIndicator.caption, "NONE");
    EXPECT_FALSE(form.channelScanButton.enabled);
    EXPECT_TRUE(form.step25.selected());
    EXPECT_FALSE(form.channelScanBoxes[0].visible);
    EXPECT_FALSE(form.channelButton(1).enabled);
    EXPECT_TRUE(form.channelButton(2).enabled);
    EXPECT_EQ(form.rxComments[1], "repeater");
    EXPECT_EQ(form.txChannels[1], 145000);
    EXPECT_EQ(store.readSetting(kSectionFlags, kKeyLock, "?"), "1");
    EXPECT_TRUE(form.indicatorTimer.enabled());
    EXPECT_FALSE(form.bandScanTimer.enabled());
    EXPECT_EQ(form.bandScanTimer.interval(), 400);
}

struct BackCase {
    const char* name;
    const char* back;
    int position;
    const char* readOut;
    int divider; // receive divider of the read-out: (kHz - 10700) / 25
};

// The console started with the row's last frequency stored.
class StartupBackTest : public StartupTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(StartupBackTest, LastFrequencyPlacesTheSliderInsideTheBandOnly) {
    const BackCase& c = GetParam();
    store.writeSetting(kSectionFlags, kKeyBack, c.back);
    start();
    EXPECT_EQ(form.tuningSlider.value(), c.position);
    EXPECT_EQ(form.readOut.caption, c.readOut);
    EXPECT_EQ(radio.lastDivider(), c.divider);
}

INSTANTIATE_TEST_SUITE_P(
    LastFrequencies, StartupBackTest,
    ::testing::Values(BackCase{"FortyStepsUp", "145000", 40, "145000", 5372},
                      BackCase{"UpperBoundary", "146000", 80, "146000", 5412},
                      BackCase{"LowerBoundary", "144000", 0, "144000", 5332},
                      BackCase{"OneStepAboveTheBand", "146025", 0, "144000", 5332},
                      BackCase{"OneStepBelowTheBand", "143975", 0, "144000", 5332},
                      BackCase{"Empty", "", 0, "144000", 5332},
                      BackCase{"NotANumber", "abc", 0, "144000", 5332},
                      BackCase{"HalfANotchDownToTheEvenPosition0", "144012.5", 0, "144000", 5332},
                      BackCase{"HalfANotchUpToTheEvenPosition2", "144037.5", 2, "144050", 5334}),
    rowNameOf<BackCase>);

TEST_F(StartupTest, ActivationReloadsChannelsButMovesNothingWithoutARerange) {
    setChannel(3, "145500", "144900", "old");
    start();
    radio.clearOperations();
    setChannel(3, "", "", "");
    setChannel(5, "144500", "144500", "new");
    reactivate();
    EXPECT_FALSE(form.channelButton(3).enabled);
    EXPECT_TRUE(form.channelButton(5).enabled);
    EXPECT_FALSE(form.channelScanBoxes[2].enabled);
    EXPECT_TRUE(form.channelScanBoxes[4].enabled);
    // The tooltips are set before the reload: they lag one activation behind.
    EXPECT_EQ(form.channelButton(3).toolTip, "145500");
    EXPECT_EQ(form.channelButton(5).toolTip, "");
    EXPECT_EQ(form.rxComments[4], "new");
    reactivate();
    EXPECT_EQ(form.channelButton(3).toolTip, "");
    EXPECT_EQ(form.channelButton(5).toolTip, "144500");
    EXPECT_EQ(form.channelScanBoxes[4].toolTip, "144500");
    EXPECT_TRUE(radio.operations().empty());
}

TEST_F(StartupTest, ActivationAfterNewSettingsReRangesAndTunesTheNewLowerBoundary) {
    store.writeSetting(kSectionFlags, kKeyBack, "145500");
    start();
    setSetting(kKeyLowerBound, "145000");
    setSetting(kKeyUpperBound, "147000");
    setSetting(kKeyBandScanSpeed, "250");
    store.writeSetting(kSectionFlags, kKeyLock, "0");
    radio.clearOperations();

    reactivate();

    EXPECT_EQ(form.tuningSlider.value(), 0);
    EXPECT_EQ(form.tuningSlider.maximum(), 80);
    EXPECT_EQ(form.readOut.caption, "145000");
    EXPECT_EQ(radio.lastDivider(), 5372);
    EXPECT_EQ(form.bandScanTimer.interval(), 250);
    EXPECT_EQ(store.readSetting(kSectionFlags, kKeyLock, "?"), "1");
}

TEST_F(StartupTest, ExitStoresTheReadOutAndEndsTheProgram) {
    store.writeSetting(kSectionFlags, kKeyBack, "145025");
    start();
    EXPECT_TRUE(program.click(form.exitButton));
    EXPECT_EQ(store.readSetting(kSectionFlags, kKeyBack, "?"), "145025");
    EXPECT_TRUE(program.quitting());
    EXPECT_EQ(radio.dataRegister(), 0);
    EXPECT_FALSE(program.click(form.additionLabel)); // no event after the end
}

TEST_F(StartupTest, ExitNeverLeavesTheTransmitLineHigh) {
    start();
    program.runEvent([&] { form.sent2(0); });
    ASSERT_TRUE(radio.transmitting());
    program.click(form.exitButton);
    EXPECT_FALSE(radio.transmitting());
    EXPECT_EQ(radio.writes().back(), 0);
}

TEST_F(StartupTest, AdditionLabelShowsAndHidesTheLowerPanel) {
    start();
    EXPECT_EQ(form.heightTwips, kConsoleHeightTwips);
    program.click(form.additionLabel);
    EXPECT_EQ(form.heightTwips, kConsoleHeightWithPanelTwips);
    EXPECT_EQ(form.additionLabel.foreColour, kRed);
    program.click(form.additionLabel);
    EXPECT_EQ(form.heightTwips, kConsoleHeightTwips);
    EXPECT_EQ(form.additionLabel.foreColour, kGreen);
}

TEST_F(StartupTest, TheWireDiagramLabelOpensTheDiagramWhereSomeoneOffersOne) {
    start();
    const auto writes = radio.writes().size();
    EXPECT_EQ(form.wireDiagramLabel.caption, kWireDiagramTitle);
    EXPECT_TRUE(program.click(form.wireDiagramLabel)); // no hook: nothing opens
    int opened = 0;
    form.openWireDiagram = [&] { ++opened; };
    EXPECT_TRUE(program.click(form.wireDiagramLabel));
    EXPECT_TRUE(program.click(form.wireDiagramLabel));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(radio.writes().size(), writes); // opening it sends nothing
    EXPECT_EQ(form.heightTwips, kConsoleHeightTwips);
}

TEST_F(StartupTest, StoredNumbersBeyondTheirWidthsSaturateAndIntervalsStayPositive) {
    setSetting(kKeyTxShift, "99999");
    setSetting(kKeyBandScanSpeed, "0");
    setSetting(kKeyRangeScanSpeed, "99999999999");
    setSetting(kKeyChannelScanSpeed, "-5");
    setSetting(kKeyLowerBound, "144000.5"); // rounds half to even
    start();
    EXPECT_EQ(form.link().txShift, 32767);
    EXPECT_EQ(form.bandScanTimer.interval(), 1);
    EXPECT_EQ(form.rangeScanTimer.interval(), 2147483647);
    EXPECT_EQ(form.channelScanTimer.interval(), 1);
    EXPECT_EQ(form.lowerBound, 144000);
}

TEST_F(StartupTest, AnInvertedOrMissingBandLeavesTheSliderAtZeroWithoutCrashing) {
    setSetting(kKeyLowerBound, "146000");
    setSetting(kKeyUpperBound, "144000");
    start();
    EXPECT_EQ(form.tuningSlider.maximum(), 0);
    EXPECT_EQ(form.readOut.caption, "146000");
}

TEST_F(StartupTest, DelaysAreRoundedHalfToEvenAndNeverNegative) {
    setSetting(kKeyDelay1, "2.5");
    setSetting(kKeyDelay2, "-3");
    start();
    int sleeps = 0;
    for (const PortOp& op : radio.operations()) {
        if (op.kind == PortOp::Sleep) {
            EXPECT_EQ(op.value, sleeps % 2 == 0 ? 2 : 0);
            ++sleeps;
        }
    }
    EXPECT_EQ(sleeps, 48);
}

} // namespace
} // namespace volna::test

namespace volna::test {
namespace {

TEST_F(StartupTest, BeforeTheLoadHasFinishedATransferShowsButNeverReachesThePort) {
    form.lowerBound = 144000;
    form.link().ifOffset = -10700;
    form.tuningSlider.setMaximum(80);
    program.runEvent([&] { form.sent1(40); });
    EXPECT_EQ(form.readOut.caption, "145000");
    EXPECT_EQ(form.synthesizerReadOut.caption, "134300");
    EXPECT_EQ(form.controlWordReadOut.caption.size(), 24u);
    EXPECT_TRUE(radio.operations().empty());
}

} // namespace
} // namespace volna::test
