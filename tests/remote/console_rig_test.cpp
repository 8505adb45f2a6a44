// The network's view of the real console: a tune is the operator's slider move
// (read-out, word on the radio, channel indicator), a transmit is the switch's
// click, and both are refused wherever the operator's controls are, without a
// message box.

#include "remote/console_rig.h"
#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace volna::test {
namespace {

using Result = RigControl::Result;

class ConsoleRigTest : public ConsoleFixture {
protected:
    ConsoleRig rig{form};
};

TEST_F(ConsoleRigTest, ATuneMovesTheSliderToTheNearestNotchAndSendsTheWord) {
    struct Case {
        double hz;
        const char* readOut;
        int divider; // receive divider of the read-out: (kHz - 10700) / 25
    };
    start();
    const Case cases[] = {{145500000, "145500", 5392},
                          {145512600.5, "145525", 5393},
                          {145512400, "145500", 5392},
                          {146000055, "146000", 5412},
                          {143990000, "144000", 5332}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.readOut);
        program.scroll(form.tuningSlider, 20);
        EXPECT_EQ(rig.tune(c.hz), Result::Ok);
        EXPECT_EQ(form.readOut.caption, c.readOut);
        EXPECT_EQ(radio.lastDivider(), c.divider);
        EXPECT_EQ(rig.frequencyHz(), std::stoll(c.readOut) * 1000);
    }
}

TEST_F(ConsoleRigTest, ATuneFollowsTheStepAndTheChannelIndicatorFollowsTheTune) {
    setChannel(3, "145500", "", "repeater");
    start();
    program.click(form.step100);
    EXPECT_EQ(rig.stepHz(), 100000);
    EXPECT_EQ(rig.tune(145540000), Result::Ok);
    EXPECT_EQ(form.readOut.caption, "145500");
    EXPECT_EQ(form.channelIndicator.caption, "3");
    EXPECT_EQ(form.statusLine.caption, "repeater");
}

TEST_F(ConsoleRigTest, FrequenciesWithoutANotchOnTheSliderAreOutOfBandAndSendNothing) {
    start();
    const int words = radio.wordCount();
    for (double hz : {150000000.0, 146012600.0, 143987400.0, -145500000.0, 0.0, 1e300, std::nan(""),
                      double(INFINITY)}) {
        SCOPED_TRACE(hz);
        EXPECT_EQ(rig.tune(hz), Result::OutOfBand);
    }
    EXPECT_EQ(radio.wordCount(), words);
    EXPECT_EQ(rig.lowestHz(), 144000000);
    EXPECT_EQ(rig.highestHz(), 146000000);
}

TEST_F(ConsoleRigTest, TunesAreRefusedWhileTheSliderIsLockedUnlessAlreadyThere) {
    start();
    program.scroll(form.tuningSlider, 40);
    program.click(form.bandScanButton); // the band scan locks the slider
    const int words = radio.wordCount();
    EXPECT_EQ(rig.tune(145500000), Result::Rejected);
    EXPECT_EQ(rig.tune(145000000), Result::Ok);
    EXPECT_EQ(radio.wordCount(), words);
    program.click(form.bandScanButton);
    EXPECT_EQ(rig.setTransmit(true), Result::Ok);
    EXPECT_EQ(rig.tune(145500000), Result::Rejected);
    EXPECT_EQ(form.readOut.caption, "145000");
}

TEST_F(ConsoleRigTest, TransmitKeysThroughTheSwitchAndReceiveDropsTheLine) {
    start();
    rig.tune(145500000);
    EXPECT_EQ(rig.setTransmit(true), Result::Ok);
    EXPECT_TRUE(radio.transmitting());
    EXPECT_TRUE(rig.transmitting());
    EXPECT_EQ(form.modeIndicator.caption, "TX");
    EXPECT_EQ(rig.setTransmit(true), Result::Ok);
    EXPECT_EQ(rig.setTransmit(false), Result::Ok);
    EXPECT_FALSE(radio.transmitting());
    EXPECT_FALSE(rig.transmitting());
    EXPECT_EQ(form.modeIndicator.caption, "RX");
}

TEST_F(ConsoleRigTest, TuningToTheChannelOnTheReadOutKeepsItsTransmitFrequency) {
    setChannel(3, "145500", "144900");
    start();
    program.click(form.Command6);
    EXPECT_EQ(rig.tune(145500055), Result::Ok);
    EXPECT_EQ(form.currentChannel, 3);
    EXPECT_EQ(rig.setTransmit(true), Result::Ok);
    EXPECT_EQ(radio.lastDivider(), 5772); // (144900 - 600) / 25
}

TEST_F(ConsoleRigTest, TransmitIsRefusedWithoutABoxOnAChannelWithoutTransmitInTheBand) {
    setChannel(1, "145500", "");
    setChannel(2, "145600", "150000");
    start();
    for (Button* button : {&form.Command3, &form.Command5}) {
        SCOPED_TRACE(button->name());
        program.click(*button);
        EXPECT_EQ(rig.setTransmit(true), Result::Rejected);
        EXPECT_FALSE(radio.transmitting());
        EXPECT_FALSE(form.transmitting());
    }
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ConsoleRigTest, TransmitWithoutAChannelIsRefusedWhenTheShiftedFrequencyLeavesTheBand) {
    start(); // 144000: the transmitter would go to 143400
    RigProtocol session(rig);
    const int words = radio.wordCount();
    EXPECT_EQ(session.feed("T 1\nt\n"), "RPRT -9\n0\n");
    EXPECT_EQ(radio.wordCount(), words);
    EXPECT_FALSE(radio.transmitting());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(session.feed("F 144600000\nT 1\nt\nT 0\n"), "RPRT 0\nRPRT 0\n1\nRPRT 0\n");
    EXPECT_FALSE(radio.transmitting());
}

TEST_F(ConsoleRigTest, TransmitIsRefusedWhileTheSwitchIsLocked) {
    start();
    program.click(form.bandScanButton); // the band scan locks the switch
    EXPECT_EQ(rig.setTransmit(true), Result::Rejected);
    EXPECT_EQ(rig.setTransmit(false), Result::Ok); // already receiving
    EXPECT_FALSE(radio.transmitting());
}

TEST_F(ConsoleRigTest, AClientSessionDrivesTheConsole) {
    start();
    RigProtocol session(rig);
    EXPECT_EQ(session.feed("F 145500000.000000\nf\nT 1\nt\nF 145000000\nT 0\nt\n"),
              "RPRT 0\n145500000\nRPRT 0\n1\nRPRT -9\nRPRT 0\n0\n");
    EXPECT_EQ(form.readOut.caption, "145500");
    EXPECT_FALSE(radio.transmitting());
}

} // namespace
} // namespace volna::test
