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
        return {&form.Slider1,   &form.Option1,   &form.Option2,   &form.Option3,   &form.Check3,
                &form.Check1,    &form.Command14, &form.Command2,  &form.Command3,  &form.Command5,
                &form.Command17, &form.Command15, &form.Command16, &form.Command6,  &form.Command7,
                &form.Command8,  &form.Command9,  &form.Command10, &form.Command11, &form.Command12,
                &form.Command13};
    }
    // Starts the console tuned to 145000, from where transmitting without a
    // channel (145000 - 600) stays inside the band.
    void startInBand() {
        start();
        program.scroll(form.Slider1, 40);
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
    EXPECT_TRUE(program.click(form.Check4));
    const std::vector<int> writes = radio.writes();
    ASSERT_GE(writes.size(), 2u);
    EXPECT_EQ(writes[0], kTransmitLine);
    EXPECT_EQ(writes[1], kFrameLine);
    EXPECT_EQ(writes.back(), kTransmitLine);
    EXPECT_EQ(radio.lastDivider(), 5776); // (145000 - 600) / 25
    EXPECT_TRUE(radio.transmitting());
    EXPECT_EQ(form.Label5.caption, "TX");
    EXPECT_EQ(form.Check4.caption, "RX");
    EXPECT_EQ(form.Label1.caption, "145000");
    EXPECT_EQ(form.Label16.caption, "145000");
}

TEST_F(TransmitSwitchTest, LocksExactlyTheTuningAndChannelControls) {
    storeAllChannels();
    startInBand();
    program.click(form.Check4);
    for (Control* control : lockedWhileTransmitting()) {
        EXPECT_FALSE(control->enabled) << control->name();
    }
    for (Control* control : std::vector<Control*>{&form.Command1, &form.Command4, &form.Check2[0],
                                                  &form.Label7, &form.Label12, &form.Check4}) {
        EXPECT_EQ(control->enabled, control != &form.Command4) << control->name();
    }
    program.click(form.Check4);
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
    program.click(form.Check4);
    EXPECT_EQ(form.Slider1.value(), c.transmitPosition);
    EXPECT_EQ(radio.lastDivider(), 5776); // (145000 - 600) / 25
    radio.clearOperations();
    const int words = radio.wordCount();
    program.click(form.Check4);
    EXPECT_EQ(form.Slider1.value(), c.receivePosition);
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
    program.click(form.Check4);
    program.click(form.Check4);
    EXPECT_EQ(radio.writes().back(), 0);
    EXPECT_EQ(radio.lastDivider(), 5372); // (145000 - 10700) / 25
    EXPECT_EQ(form.Check4.caption, "TX");
    EXPECT_EQ(form.Label5.caption, "RX");
}

TEST_F(TransmitSwitchTest, ComingBackEnablesOnlyTheButtonsOfStoredChannels) {
    setChannel(1, "145000", "145000");
    setChannel(5, "145500", "145500");
    startInBand();
    program.click(form.Check4);
    setChannel(5, "");
    form.rxChannels[4] = 0;
    program.click(form.Check4);
    EXPECT_TRUE(form.Command3.enabled);
    EXPECT_FALSE(form.Command8.enabled);
    EXPECT_FALSE(form.Command5.enabled);
}

TEST_F(TransmitSwitchTest, ExitStaysUsableAndDropsTheTransmitLine) {
    startInBand();
    program.click(form.Check4);
    EXPECT_TRUE(program.click(form.Command1));
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
    program.click(form.Check4);
    EXPECT_TRUE(prompter.done());
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_EQ(form.Check4.caption, "TX");
    EXPECT_FALSE(form.Check4.checked());
    EXPECT_EQ(form.Label5.caption, "RX");
    EXPECT_TRUE(form.Slider1.enabled);
    EXPECT_TRUE(form.Command2.enabled);
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
    program.scroll(form.Slider1, form.positionOf(c.tuned));
    ASSERT_EQ(form.Label1.caption, std::to_string(c.tuned));
    radio.clearOperations();
    if (!keyed) {
        prompter.expectError(kChannelOutOfBand);
    }
    program.click(form.Check4);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(radio.transmitting(), keyed);
    EXPECT_EQ(form.transmitting(), keyed);
    if (keyed) {
        EXPECT_EQ(radio.lastDivider(), c.divider);
    } else {
        EXPECT_TRUE(radio.operations().empty());
        EXPECT_EQ(form.Label5.caption, "RX");
        EXPECT_FALSE(form.Check4.checked());
        EXPECT_TRUE(form.Slider1.enabled);
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
        ShiftCase{"PlusShiftAboveANarrowerBand", "144000", "145000", "600", 144500, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(TransmitSwitchTest, AnActivationWhileTransmittingKeepsTheChannelButtonsLocked) {
    storeAllChannels();
    startInBand();
    program.click(form.Check4);
    reactivate();
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_FALSE(form.channelButton(n).enabled) << n;
    }
    EXPECT_TRUE(radio.transmitting());
    program.click(form.Check4);
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_TRUE(form.channelButton(n).enabled) << n;
    }
}

} // namespace
} // namespace volna::test
