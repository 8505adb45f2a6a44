// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-band scan and the from/to scan on the virtual clock: the notches
// they tune, the limit checks, the busy hold, and stop and restart.

#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna::test {
namespace {

const char* const kLowerLimitInvalid = "Нижняя граница не соответствует формату!";
const char* const kUpperLimitInvalid = "Верхняя граница не соответствует формату!";
const char* const kLimitsEqual = "Нижняя и верхняя граници совпадают!";
const char* const kLowerAboveUpper = "Нижняя граница больше верхней!";

class BandScanTest : public ConsoleFixture {
protected:
    // The read-out after each of count scan ticks (the stored speed is 400 ms).
    std::vector<std::string> tuneTicks(int count) {
        std::vector<std::string> tuned;
        for (int i = 0; i < count; ++i) {
            program.advance(400);
            tuned.push_back(form.readOut.caption);
        }
        return tuned;
    }
    void fromTo(const std::string& from, const std::string& to) {
        program.click(form.rangeScanMode);
        program.type(form.scanFrom, from);
        program.type(form.scanTo, to);
    }
    using Tuned = std::vector<std::string>;
};

TEST_F(BandScanTest, WholeBandWrapsFromTheUpperBoundaryToTheLowerOne) {
    start();
    program.scroll(form.tuningSlider, 78);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.bandScanButton.caption, "Stop");
    EXPECT_EQ(form.statusLine.caption, "Scanning...");
    EXPECT_EQ(tuneTicks(5), (Tuned{"145950", "145975", "146000", "144000", "144025"}));
}

TEST_F(BandScanTest, WholeBandAtFiftyKilohertzTunesPositionFortyThenZero) {
    start();
    program.click(form.step50);
    program.scroll(form.tuningSlider, 39);
    program.click(form.bandScanButton);
    tuneTicks(1);
    EXPECT_EQ(tuneTicks(2), (Tuned{"146000", "144000"}));
    EXPECT_EQ(form.tuningSlider.value(), 0);
}

TEST_F(BandScanTest, ScanLocksTheControlsAndStopRestoresThem) {
    setChannel(1, "145000");
    start();
    program.click(form.bandScanButton);
    EXPECT_TRUE(form.bandScanRunning());
    for (Control* control : std::vector<Control*>{
             &form.step50, &form.step25, &form.step100, &form.rangeScanMode, &form.transmitSwitch,
             &form.channelScanMode, &form.configButton, &form.previousChannelButton,
             &form.nextChannelButton, &form.addChannelButton, &form.tuningSlider}) {
        EXPECT_FALSE(control->enabled) << control->name();
    }
    EXPECT_TRUE(form.Command3.enabled); // a channel button still tunes its channel
    program.click(form.bandScanButton);
    for (Control* control :
         std::vector<Control*>{&form.step50, &form.rangeScanMode, &form.transmitSwitch,
                               &form.channelScanMode, &form.configButton, &form.tuningSlider}) {
        EXPECT_TRUE(control->enabled) << control->name();
    }
    EXPECT_EQ(form.bandScanButton.caption, "Scan");
    EXPECT_FALSE(form.bandScanRunning());
    EXPECT_EQ(form.statusLine.caption, "");
    EXPECT_FALSE(form.bandScanTimer.enabled());
}

TEST_F(BandScanTest, StopAndRestartGoOnFromTheSlider) {
    start();
    program.scroll(form.tuningSlider, 10);
    program.click(form.bandScanButton);
    tuneTicks(3); // 10, 11, 12
    program.click(form.bandScanButton);
    EXPECT_EQ(form.tuningSlider.value(), 12);
    tuneTicks(2);
    EXPECT_EQ(form.readOut.caption, "144300"); // stopped: nothing moves
    program.click(form.bandScanButton);
    EXPECT_EQ(tuneTicks(2), (Tuned{"144300", "144325"}));
}

TEST_F(BandScanTest, BusyHoldsTheScanUntilTheStatusDropsTo127) {
    start();
    program.scroll(form.tuningSlider, 40);
    program.click(form.bandScanButton);
    tuneTicks(1);
    radio.setStatus(128);
    const int words = radio.wordCount();
    EXPECT_EQ(tuneTicks(3), (Tuned{"145000", "145000", "145000"}));
    EXPECT_EQ(form.busyIndicator.caption, "BUSY");
    EXPECT_EQ(radio.wordCount(), words);
    radio.setStatus(127);
    EXPECT_EQ(tuneTicks(2), (Tuned{"145025", "145050"}));
    EXPECT_EQ(form.busyIndicator.caption, "");
}

TEST_F(BandScanTest, EachTickReadsTheStatusOnceAndSendsAtMostOneWord) {
    start();
    program.click(form.bandScanButton);
    radio.clearOperations();
    tuneTicks(3);
    int reads = 0;
    for (const PortOp& op : radio.operations()) {
        reads += op.kind == PortOp::In && op.port == kStatusRegister;
    }
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(radio.wordCount(), 1 + 3);
}

TEST_F(BandScanTest, FromToScanRunsBetweenItsLimitsAndBack) {
    start();
    fromTo("145000", "145100");
    program.click(form.bandScanButton);
    EXPECT_EQ(form.tuningSlider.value(), 40);
    EXPECT_EQ(form.statusLine.caption, "Сканирование...");
    EXPECT_FALSE(form.scanFrom.enabled);
    EXPECT_EQ(tuneTicks(7),
              (Tuned{"145000", "145025", "145050", "145075", "145100", "145000", "145025"}));
    EXPECT_EQ(form.statusLine.caption, "Scanning...");
    program.click(form.bandScanButton);
    EXPECT_TRUE(form.scanFrom.enabled);
    EXPECT_FALSE(form.step50.enabled); // the from/to mode is still on
    EXPECT_EQ(form.scanFrom.text(), "145000");
}

TEST_F(BandScanTest, ThreeClicksFillFromFillToAndStart) {
    start();
    program.click(form.rangeScanMode);
    program.scroll(form.tuningSlider, 40);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanFrom.text(), "145000");
    EXPECT_FALSE(form.rangeScanTimer.enabled());
    program.scroll(form.tuningSlider, 60);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanTo.text(), "145500");
    EXPECT_FALSE(form.rangeScanTimer.enabled());
    program.click(form.bandScanButton);
    EXPECT_TRUE(form.rangeScanTimer.enabled());
    EXPECT_EQ(form.tuningSlider.value(), 40);
}

TEST_F(BandScanTest, LimitMessagesAndWhatSurvivesThem) {
    start();
    program.click(form.rangeScanMode);
    program.type(form.scanFrom, "150000");
    prompter.expectError(kLowerLimitInvalid);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanFrom.text(), "150000");

    program.type(form.scanFrom, "145000");
    program.type(form.scanTo, "abc"); // no number: 0, outside the band
    prompter.expectError(kUpperLimitInvalid);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanTo.text(), "abc");

    program.type(form.scanFrom, "145500");
    program.type(form.scanTo, "");
    program.scroll(form.tuningSlider, 60); // the tuned frequency equals "от"
    prompter.expectError(kLimitsEqual);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanTo.text(), "");

    program.scroll(form.tuningSlider, 20);
    prompter.expectError(kLowerAboveUpper);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanTo.text(), "");

    program.scroll(form.tuningSlider, 3);
    program.type(form.scanTo, "145000");
    radio.clearOperations();
    prompter.expectError(kLowerAboveUpper);
    program.click(form.bandScanButton);
    EXPECT_EQ(form.scanTo.text(), "");
    EXPECT_EQ(form.tuningSlider.value(), 60); // the thumb stands at "от", nothing retuned
    EXPECT_TRUE(radio.writes().empty());
    EXPECT_FALSE(form.rangeScanTimer.enabled());
    EXPECT_TRUE(prompter.done());
}

TEST_F(BandScanTest, EqualLimitsTypedByHandScanOneFrequency) {
    start();
    fromTo("145000", "145000");
    program.click(form.bandScanButton);
    EXPECT_EQ(tuneTicks(3), (Tuned{"145000", "145000", "145000"}));
}

TEST_F(BandScanTest, AToLimitOffTheGridTurnsBackBeforePassingIt) {
    start();
    fromTo("145000", "145060");
    program.click(form.bandScanButton);
    EXPECT_EQ(tuneTicks(5), (Tuned{"145000", "145025", "145050", "145000", "145025"}));
}

TEST_F(BandScanTest, ALimitAtTheTopOfTheSliderNeverPassesIt) {
    setSetting(kKeyUpperBound, "146010");
    start();
    fromTo("145950", "146010");
    program.click(form.bandScanButton);
    EXPECT_EQ(tuneTicks(4), (Tuned{"145950", "145975", "146000", "145950"}));
}

TEST_F(BandScanTest, ALimitWithTrailingCharactersScansFromItsNumber) {
    start();
    fromTo("145000x", "145050");
    program.click(form.bandScanButton);
    EXPECT_EQ(tuneTicks(4), (Tuned{"145000", "145025", "145050", "145000"}));
}

TEST_F(BandScanTest, TickingFromToLocksStepTransmitAndChannelsUntilUnticked) {
    setChannel(2, "145000");
    start();
    program.click(form.rangeScanMode);
    EXPECT_FALSE(form.step25.enabled);
    EXPECT_FALSE(form.transmitSwitch.enabled);
    EXPECT_FALSE(form.Command5.enabled);
    program.click(form.rangeScanMode);
    EXPECT_TRUE(form.step25.enabled);
    EXPECT_TRUE(form.transmitSwitch.enabled);
    EXPECT_TRUE(form.Command5.enabled);
    EXPECT_FALSE(form.Command3.enabled);
}

TEST_F(BandScanTest, ScanSpeedsComeFromTheStore) {
    setSetting(kKeyBandScanSpeed, "100");
    start();
    program.click(form.bandScanButton);
    const int words = radio.wordCount();
    program.advance(1000);
    EXPECT_EQ(radio.wordCount(), words + 10);
}

} // namespace
} // namespace volna::test
