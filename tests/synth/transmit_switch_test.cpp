// The transmit switch: the port sequence both ways, the transmit frequency of
// a channel, the locked controls, and the refusals that keep the transmitter
// off the air outside the band.

#include "support/console_fixture.h"

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
    EXPECT_EQ(radio.lastDivider(), (145000 - 600) / 25);
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

TEST_F(TransmitSwitchTest, AChannelTransmitsOnItsTransmitFrequencyAndComesBackToItsReceive) {
    struct Case {
        OptionButton& step;
        int transmitPosition;
        int receivePosition;
    };
    setChannel(2, "145600", "145000");
    start();
    for (const Case& c : {Case{form.Option2, 40, 64}, Case{form.Option1, 20, 32}}) {
        program.click(c.step);
        program.click(form.Command5);
        program.click(form.Check4);
        EXPECT_EQ(form.Slider1.value(), c.transmitPosition);
        EXPECT_EQ(radio.lastDivider(), (145000 - 600) / 25);
        radio.clearOperations();
        const int words = radio.wordCount();
        program.click(form.Check4);
        EXPECT_EQ(form.Slider1.value(), c.receivePosition);
        EXPECT_EQ(radio.lastDivider(), (145600 - 10700) / 25);
        // Receive word, transmit line down, the same receive word again.
        EXPECT_EQ(radio.wordCount(), words + 2);
        const std::vector<int> writes = radio.writes();
        const std::size_t half = (writes.size() - 1) / 2;
        EXPECT_EQ(writes[half - 1], 0);
        EXPECT_EQ(writes[half], 0);
        EXPECT_EQ(writes.back(), 0);
        EXPECT_FALSE(radio.transmitting());
    }
}

TEST_F(TransmitSwitchTest, TwoClicksLeaveTheEndOfAReceiveTransfer) {
    startInBand();
    program.click(form.Check4);
    program.click(form.Check4);
    EXPECT_EQ(radio.writes().back(), 0);
    EXPECT_EQ(radio.lastDivider(), (145000 - 10700) / 25);
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

// With the default offset of -600 kHz a channel transmitting below 144600
// would go on the air below the band.
TEST_F(TransmitSwitchTest, AChannelWithoutATransmitFrequencyInTheBandIsNeverKeyed) {
    for (const char* transmit : {"", "0", "146025", "143975", "144000", "144575"}) {
        SCOPED_TRACE(transmit);
        Program freshProgram;
        SimulatedRadio freshRadio;
        Form1 console{freshProgram, freshRadio, store, prompter};
        setChannel(3, "145500", transmit);
        ASSERT_TRUE(startConsole(console));
        freshProgram.click(console.Command6);
        freshRadio.clearOperations();
        prompter.expectError(kChannelOutOfBand);
        freshProgram.click(console.Check4);
        EXPECT_TRUE(prompter.done());
        EXPECT_TRUE(freshRadio.operations().empty());
        EXPECT_EQ(console.Check4.caption, "TX");
        EXPECT_FALSE(console.Check4.checked());
        EXPECT_EQ(console.Label5.caption, "RX");
        EXPECT_TRUE(console.Slider1.enabled);
        EXPECT_TRUE(console.Command2.enabled);
    }
}

// Without a channel the transmitter goes to the tuned frequency plus FR_; that
// frequency, not the tuned one, must lie inside the band the operator set.
TEST_F(TransmitSwitchTest, WithoutAChannelTheShiftedFrequencyMustLieInTheBand) {
    struct Case {
        const char* lower;
        const char* upper;
        const char* shift;
        int tuned;
        bool keyed;
    };
    const Case cases[] = {
        {"144000", "146000", "-600", 144000, false}, {"144000", "146000", "-600", 144575, false},
        {"144000", "146000", "-600", 144600, true},  {"144000", "146000", "600", 146000, false},
        {"144000", "146000", "600", 145400, true},   {"144000", "146000", "0", 144000, true},
        {"143000", "146000", "-600", 144000, true},  {"144000", "145000", "600", 144500, false},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lower) + ".." + c.upper + " " + c.shift + " at " +
                     std::to_string(c.tuned));
        setSetting(kKeyLowerBound, c.lower);
        setSetting(kKeyUpperBound, c.upper);
        setSetting(kKeyTxShift, c.shift);
        store.writeSetting(kSectionFlags, kKeyLock, "0"); // as "Config" leaves it
        reactivate();
        program.scroll(form.Slider1, form.positionOf(c.tuned));
        ASSERT_EQ(form.Label1.caption, std::to_string(c.tuned));
        radio.clearOperations();
        if (!c.keyed) {
            prompter.expectError(kChannelOutOfBand);
        }
        program.click(form.Check4);
        EXPECT_TRUE(prompter.done());
        EXPECT_EQ(radio.transmitting(), c.keyed);
        EXPECT_EQ(form.transmitting(), c.keyed);
        if (c.keyed) {
            EXPECT_EQ(radio.lastDivider(), (c.tuned + std::stoi(c.shift)) / 25);
            program.click(form.Check4);
        } else {
            EXPECT_TRUE(radio.operations().empty());
            EXPECT_EQ(form.Label5.caption, "RX");
            EXPECT_FALSE(form.Check4.checked());
            EXPECT_TRUE(form.Slider1.enabled);
        }
    }
}

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
