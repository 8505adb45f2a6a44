// SPDX-License-Identifier: GPL-3.0-or-later
// The transmit switch: the port sequence both ways, the transmit frequency of
// a channel, the locked controls, and the refusals that keep the transmitter
// off the air outside the band.

#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace volna::test {
namespace {

class TransmitSwitchTest : public ConsoleFixture {
protected:
    std::vector<Control*> lockedWhileTransmitting() {
        return {&form.tuningSlider,      &form.step50,          &form.step25,
                &form.step100,           &form.channelScanMode, &form.rangeScanMode,
                &form.addChannelButton,  &form.bandScanButton,  &form.Command3,
                &form.Command5,          &form.configButton,    &form.previousChannelButton,
                &form.nextChannelButton, &form.Command6,        &form.Command7,
                &form.Command8,          &form.Command9,        &form.Command10,
                &form.Command11,         &form.Command12,       &form.Command13};
    }
    // Starts the console tuned to 145000, from where transmitting without a
    // channel (145000 - 600) stays inside the band.
    void startInBand() {
        start();
        program.scroll(form.tuningSlider, 40);
    }
    void storeAllChannels() {
        for (int n = 1; n <= kChannelCount; ++n) {
            setChannel(n, std::to_string(144000 + 100 * n), std::to_string(144000 + 100 * n));
        }
    }
};

TEST_F(TransmitSwitchTest, WithoutAChannelItKeysTheSlidersFrequency) {
    startInBand();
    radio.clearOperations();
    EXPECT_TRUE(program.click(form.transmitSwitch));
    const std::vector<int> writes = radio.writes();
    ASSERT_GE(writes.size(), 2u);
    EXPECT_EQ(writes[0], kTransmitLine);
    EXPECT_EQ(writes[1], kFrameLine);
    EXPECT_EQ(writes.back(), kTransmitLine);
    EXPECT_EQ(radio.lastDivider(), 5776); // (145000 - 600) / 25
    EXPECT_TRUE(radio.transmitting());
    EXPECT_EQ(form.modeIndicator.caption, "TX");
    EXPECT_EQ(form.transmitSwitch.caption, "RX");
    // The frequency on the air, and the carrier the synthesizer was set to.
    EXPECT_EQ(form.readOut.caption, "144400");
    EXPECT_EQ(form.synthesizerReadOut.caption, "144400");
    EXPECT_EQ(form.tunedKHz(), 145000);
}

TEST_F(TransmitSwitchTest, LocksExactlyTheTuningAndChannelControls) {
    storeAllChannels();
    startInBand();
    program.click(form.transmitSwitch);
    for (Control* control : lockedWhileTransmitting()) {
        EXPECT_FALSE(control->enabled) << control->name();
    }
    for (Control* control :
         std::vector<Control*>{&form.exitButton, &form.channelScanButton, &form.channelScanBoxes[0],
                               &form.channelHeading, &form.additionLabel, &form.transmitSwitch}) {
        EXPECT_EQ(control->enabled, control != &form.channelScanButton) << control->name();
    }
    program.click(form.transmitSwitch);
    for (Control* control : lockedWhileTransmitting()) {
        EXPECT_TRUE(control->enabled) << control->name();
    }
}

struct ChannelStepCase {
    const char* name;
    OptionButton Form1::*step;
    int transmitPosition;
    int receivePosition;
};

// A stored channel keyed and released at the row's tuning step.
class TransmitSwitchChannelTest : public TransmitSwitchTest,
                                  public ::testing::WithParamInterface<ChannelStepCase> {};

TEST_P(TransmitSwitchChannelTest, AChannelTransmitsOnItsTransmitFrequencyAndComesBackToItsReceive) {
    const ChannelStepCase& c = GetParam();
    setChannel(2, "145600", "145000");
    start();
    program.click(form.*c.step);
    program.click(form.Command5);
    program.click(form.transmitSwitch);
    EXPECT_EQ(form.tuningSlider.value(), c.transmitPosition);
    EXPECT_EQ(radio.lastDivider(), 5776); // (145000 - 600) / 25
    radio.clearOperations();
    const int words = radio.wordCount();
    program.click(form.transmitSwitch);
    EXPECT_EQ(form.tuningSlider.value(), c.receivePosition);
    EXPECT_EQ(radio.lastDivider(), 5396); // (145600 - 10700) / 25
    // Receive word, transmit line down, the same receive word again.
    EXPECT_EQ(radio.wordCount(), words + 2);
    const std::vector<int> writes = radio.writes();
    const std::size_t half = (writes.size() - 1) / 2;
    EXPECT_EQ(writes[half - 1], 0);
    EXPECT_EQ(writes[half], 0);
    EXPECT_EQ(writes.back(), 0);
    EXPECT_FALSE(radio.transmitting());
}

INSTANTIATE_TEST_SUITE_P(Steps, TransmitSwitchChannelTest,
                         ::testing::Values(ChannelStepCase{"Step25kHz", &Form1::Option2, 40, 64},
                                           ChannelStepCase{"Step50kHz", &Form1::Option1, 20, 32}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(TransmitSwitchTest, TwoClicksLeaveTheEndOfAReceiveTransfer) {
    startInBand();
    program.click(form.transmitSwitch);
    program.click(form.transmitSwitch);
    EXPECT_EQ(radio.writes().back(), 0);
    EXPECT_EQ(radio.lastDivider(), 5372); // (145000 - 10700) / 25
    EXPECT_EQ(form.transmitSwitch.caption, "TX");
    EXPECT_EQ(form.modeIndicator.caption, "RX");
}

TEST_F(TransmitSwitchTest, ComingBackEnablesOnlyTheButtonsOfStoredChannels) {
    setChannel(1, "145000", "145000");
    setChannel(5, "145500", "145500");
    startInBand();
    program.click(form.transmitSwitch);
    setChannel(5, "");
    form.rxChannels[4] = 0;
    program.click(form.transmitSwitch);
    EXPECT_TRUE(form.Command3.enabled);
    EXPECT_FALSE(form.Command8.enabled);
    EXPECT_FALSE(form.Command5.enabled);
}

TEST_F(TransmitSwitchTest, ExitStaysUsableAndDropsTheTransmitLine) {
    startInBand();
    program.click(form.transmitSwitch);
    EXPECT_TRUE(program.click(form.exitButton));
    EXPECT_FALSE(radio.transmitting());
    EXPECT_TRUE(program.quitting());
}

// A channel whose stored transmit frequency is the row's text.
class TransmitSwitchOutOfBandChannelTest : public TransmitSwitchTest,
                                           public ::testing::WithParamInterface<const char*> {};

// With the default offset of -600 kHz a channel transmitting below 144600
// would go on the air below the band.
TEST_P(TransmitSwitchOutOfBandChannelTest, AChannelWithoutATransmitFrequencyInTheBandIsNeverKeyed) {
    setChannel(3, "145500", GetParam());
    start();
    program.click(form.Command6);
    radio.clearOperations();
    prompter.expectError(kChannelOutOfBand);
    program.click(form.transmitSwitch);
    EXPECT_TRUE(prompter.done());
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_EQ(form.transmitSwitch.caption, "TX");
    EXPECT_FALSE(form.transmitSwitch.checked());
    EXPECT_EQ(form.modeIndicator.caption, "RX");
    EXPECT_TRUE(form.tuningSlider.enabled);
    EXPECT_TRUE(form.bandScanButton.enabled);
}

INSTANTIATE_TEST_SUITE_P(TransmitFrequencies, TransmitSwitchOutOfBandChannelTest,
                         ::testing::Values("", "0", "146025", "143975", "144000", "144575"),
                         [](const auto& row) { return rowName(row.param); });

// Without a channel the transmitter goes to the tuned frequency plus FR_; that
// frequency, not the tuned one, must lie inside the band the operator set.
struct ShiftCase {
    const char* name;
    const char* lower;
    const char* upper;
    const char* shift;
    int tuned;
    int divider; // of the shifted frequency when it is keyed, 0 when it is refused
};

// Keying without a channel in the row's band, shift and tuning.
class TransmitSwitchShiftTest : public TransmitSwitchTest,
                                public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(TransmitSwitchShiftTest, WithoutAChannelTheShiftedFrequencyMustLieInTheBand) {
    const ShiftCase& c = GetParam();
    const bool keyed = c.divider != 0;
    start();
    setSetting(kKeyLowerBound, c.lower);
    setSetting(kKeyUpperBound, c.upper);
    setSetting(kKeyTxShift, c.shift);
    store.writeSetting(kSectionFlags, kKeyLock, "0"); // as "Config" leaves it
    reactivate();
    program.scroll(form.tuningSlider, form.positionOf(c.tuned));
    ASSERT_EQ(form.readOut.caption, std::to_string(c.tuned));
    radio.clearOperations();
    if (!keyed) {
        prompter.expectError(kChannelOutOfBand);
    }
    program.click(form.transmitSwitch);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(radio.transmitting(), keyed);
    EXPECT_EQ(form.transmitting(), keyed);
    if (keyed) {
        EXPECT_EQ(radio.lastDivider(), c.divider);
        // The read-out shows the carrier the word set, and back on receive the tuned frequency.
        EXPECT_EQ(form.readOut.caption, std::to_string(c.divider * 25));
        program.click(form.transmitSwitch);
        EXPECT_EQ(form.readOut.caption, std::to_string(c.tuned));
    } else {
        EXPECT_TRUE(radio.operations().empty());
        EXPECT_EQ(form.modeIndicator.caption, "RX");
        EXPECT_FALSE(form.transmitSwitch.checked());
        EXPECT_TRUE(form.tuningSlider.enabled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BandsAndShifts, TransmitSwitchShiftTest,
    ::testing::Values(
        ShiftCase{"MinusShiftFromTheLowerEdge", "144000", "146000", "-600", 144000, 0},
        ShiftCase{"MinusShiftLandingJustBelowTheBand", "144000", "146000", "-600", 144575, 0},
        ShiftCase{"MinusShiftLandingOnTheLowerEdge", "144000", "146000", "-600", 144600, 5760},
        ShiftCase{"PlusShiftFromTheUpperEdge", "144000", "146000", "600", 146000, 0},
        ShiftCase{"PlusShiftLandingOnTheUpperEdge", "144000", "146000", "600", 145400, 5840},
        ShiftCase{"NoShiftAtTheLowerEdge", "144000", "146000", "0", 144000, 5760},
        ShiftCase{"MinusShiftInsideAWiderBand", "143000", "146000", "-600", 144000, 5736},
        ShiftCase{"PlusShiftAboveANarrowerBand", "144000", "145000", "600", 144500, 0},
        // Off the raster: the synthesizer takes the divider's whole part.
        ShiftCase{"ShiftOffTheRaster", "144000", "146000", "-610", 145000, 5775}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(TransmitSwitchTest, AnActivationWhileTransmittingKeepsTheChannelButtonsLocked) {
    storeAllChannels();
    startInBand();
    program.click(form.transmitSwitch);
    reactivate();
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_FALSE(form.channelButton(n).enabled) << n;
    }
    EXPECT_TRUE(radio.transmitting());
    program.click(form.transmitSwitch);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_TRUE(form.channelButton(n).enabled) << n;
    }
}

} // namespace
} // namespace volna::test
