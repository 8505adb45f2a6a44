// SPDX-License-Identifier: GPL-3.0-or-later
// The network's view of the real console: a tune is the operator's slider move
// (read-out, word on the radio, channel indicator), a transmit is the switch's
// click, and both are refused wherever the operator's controls are, without a
// message box.

#include "remote/console_rig.h"
#include "remote/held_while_modal.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <cmath>

namespace volna::test {
namespace {

using Result = RigControl::Result;

class ConsoleRigTest : public ConsoleFixture {
protected:
    ConsoleRig rig{form, "VOLNA144 test"};
};

struct TuneCase {
    const char* name;
    double hz;
    const char* readOut;
    int divider; // receive divider of the read-out: (kHz - 10700) / 25
};

// The started console with the slider moved off the band's edge, tuned to the
// row's frequency.
class ConsoleRigTuneTest : public ConsoleRigTest, public ::testing::WithParamInterface<TuneCase> {};

TEST_P(ConsoleRigTuneTest, ATuneMovesTheSliderToTheNearestNotchAndSendsTheWord) {
    const TuneCase& c = GetParam();
    start();
    program.scroll(form.tuningSlider, 20);
    EXPECT_EQ(rig.tune(c.hz), Result::Ok);
    EXPECT_EQ(form.readOut.caption, c.readOut);
    EXPECT_EQ(radio.lastDivider(), c.divider);
    EXPECT_EQ(rig.frequencyHz(), std::stoll(c.readOut) * 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, ConsoleRigTuneTest,
    ::testing::Values(TuneCase{"OnANotch", 145500000, "145500", 5392},
                      TuneCase{"JustAboveHalfANotchUp", 145512600.5, "145525", 5393},
                      TuneCase{"JustBelowHalfANotchDown", 145512400, "145500", 5392},
                      TuneCase{"AboveTheUpperBoundaryWithinHalfANotch", 146000055, "146000", 5412},
                      TuneCase{"BelowTheLowerBoundaryWithinHalfANotch", 143990000, "144000", 5332}),
    rowNameOf<TuneCase>);

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

// The started console asked to tune to the row's frequency.
class ConsoleRigOutOfBandTest : public ConsoleRigTest,
                                public ::testing::WithParamInterface<double> {};

TEST_P(ConsoleRigOutOfBandTest, FrequenciesWithoutANotchOnTheSliderAreOutOfBandAndSendNothing) {
    start();
    const int words = radio.wordCount();
    EXPECT_EQ(rig.tune(GetParam()), Result::OutOfBand);
    EXPECT_EQ(radio.wordCount(), words);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, ConsoleRigOutOfBandTest,
                         ::testing::Values(150000000.0, 146012600.0, 143987400.0, -145500000.0, 0.0,
                                           1e300, std::nan(""), double(INFINITY)),
                         [](const ::testing::TestParamInfo<double>& row) {
                             return rowName(row.param);
                         });

struct NotchCase {
    const char* name;
    double hz;
    bool onNotch;
};

// The started console with the slider on 144500 kHz at 25 kHz a notch, asked
// whether the row's frequency lands on that notch.
class ConsoleRigNotchTest : public ConsoleRigTest,
                            public ::testing::WithParamInterface<NotchCase> {};

TEST_P(ConsoleRigNotchTest, OnlyFrequenciesRoundingToTheSlidersNotchAreOnIt) {
    start();
    program.scroll(form.tuningSlider, 20);
    ASSERT_EQ(form.readOut.caption, "144500");
    EXPECT_EQ(rig.onCurrentNotch(GetParam().hz), GetParam().onNotch);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, ConsoleRigNotchTest,
                         ::testing::Values(NotchCase{"OnTheNotch", 144500000, true},
                                           NotchCase{"WithinHalfANotchAbove", 144512400.5, true},
                                           NotchCase{"WithinHalfANotchBelow", 144487600, true},
                                           NotchCase{"JustPastHalfANotchAbove", 144512600, false},
                                           NotchCase{"TheNextNotch", 144525000, false},
                                           NotchCase{"TheBandsLowerEdge", 144000000, false},
                                           NotchCase{"FarOutOfBand", 1e300, false},
                                           NotchCase{"NotANumber", std::nan(""), false}),
                         rowNameOf<NotchCase>);

TEST_F(ConsoleRigTest, WhileABoxIsOpenAClientMayRepeatTheConsolesStateOrDropToReceiveOnly) {
    start();
    program.scroll(form.tuningSlider, 40);
    bool boxOpen = true;
    HeldWhileModal held(rig, [&] { return boxOpen; });
    RigProtocol session(held);
    const int words = radio.wordCount();
    EXPECT_EQ(session.feed("F 145000000.000000\nT 0\nF 145025000\nT 1\nf\nt\n"),
              "RPRT 0\nRPRT 0\nRPRT -9\nRPRT -9\n145000000\n0\n");
    EXPECT_EQ(radio.wordCount(), words);
    EXPECT_EQ(form.readOut.caption, "145000");
    boxOpen = false;
    EXPECT_EQ(session.feed("F 145025000\nT 1\n"), "RPRT 0\nRPRT 0\n");
    boxOpen = true;
    EXPECT_EQ(session.feed("F 145025000\nT 1\nT 0\nT 1\n"), "RPRT 0\nRPRT 0\nRPRT 0\nRPRT -9\n");
    EXPECT_FALSE(radio.transmitting());
    EXPECT_EQ(form.modeIndicator.caption, "RX");
    EXPECT_EQ(form.readOut.caption, "145025");
}

TEST_F(ConsoleRigTest, TheBandEdgesAreTheConsoleSettings) {
    start();
    EXPECT_EQ(rig.lowestHz(), 144000000);
    EXPECT_EQ(rig.highestHz(), 146000000);
}

// The capability block's tuning step is the slider's step at the moment it is
// read, and an off-notch tune lands on the nearest notch of that step.
TEST_F(ConsoleRigTest, TheAdvertisedTuningStepFollowsTheStepButtons) {
    struct AdvertisedStep {
        OptionButton* button;
        std::string stepHz;
        std::string tunedHz; // where F 145540000 lands
    };
    start();
    RigProtocol session(rig);
    for (const AdvertisedStep& c : {AdvertisedStep{&form.step50, "50000", "145550000"},
                                    AdvertisedStep{&form.step100, "100000", "145500000"},
                                    AdvertisedStep{&form.step25, "25000", "145550000"}}) {
        program.click(*c.button);
        const std::string dump = session.feed("\\dump_state\n");
        EXPECT_NE(dump.find("\n0x20 " + c.stepHz + "\n0 0\n0x20 15000\n"), std::string::npos)
            << c.stepHz;
        EXPECT_EQ(session.feed("F 145540000\nf\n"), "RPRT 0\n" + c.tunedHz + "\n") << c.stepHz;
    }
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
    EXPECT_EQ(form.tunedKHz(), 145000); // the read-out shows the carrier now
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

struct ChannelCase {
    const char* name;
    int channel;
};

// The started console on two channels whose transmit frequency cannot be used,
// tuned to the row's channel by its button.
class ConsoleRigChannelTest : public ConsoleRigTest,
                              public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ConsoleRigChannelTest, TransmitIsRefusedWithoutABoxOnAChannelWithoutTransmitInTheBand) {
    setChannel(1, "145500", "");
    setChannel(2, "145600", "150000");
    start();
    program.click(form.channelButton(GetParam().channel));
    ASSERT_EQ(form.currentChannel, GetParam().channel);
    EXPECT_EQ(rig.setTransmit(true), Result::Rejected);
    EXPECT_FALSE(radio.transmitting());
    EXPECT_FALSE(form.transmitting());
    EXPECT_TRUE(prompter.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Channels, ConsoleRigChannelTest,
                         ::testing::Values(ChannelCase{"NoTransmitFrequency", 1},
                                           ChannelCase{"TransmitAboveTheBand", 2}),
                         rowNameOf<ChannelCase>);

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

struct ShiftCase {
    const char* name;
    const char* setting; // FR_, kHz
    const char* reply;   // to "r" and "o"
};

// The console started with the row's transmit offset, asked by a client for
// the repeater shift and offset.
class ConsoleRigShiftTest : public ConsoleRigTest,
                            public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ConsoleRigShiftTest, TheRepeaterShiftAndOffsetAreTheTransmitOffsetFromTheSettings) {
    setSetting(kKeyTxShift, GetParam().setting);
    start();
    RigProtocol session(rig);
    EXPECT_EQ(session.feed("r\no\n"), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(Settings, ConsoleRigShiftTest,
                         ::testing::Values(ShiftCase{"Below", "-600", "-\n600000\n"},
                                           ShiftCase{"Above", "600", "+\n600000\n"},
                                           ShiftCase{"Simplex", "0", "None\n0\n"},
                                           ShiftCase{"Empty", "", "None\n0\n"},
                                           ShiftCase{"Fraction", "-7.6", "-\n8000\n"},
                                           ShiftCase{"TooLow", "-99999", "-\n32768000\n"},
                                           ShiftCase{"TooHigh", "99999", "+\n32767000\n"}),
                         rowNameOf<ShiftCase>);

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
