// SPDX-License-Identifier: GPL-3.0-or-later
// The channel scan: the mode switch, the list of ticked stored channels, the
// ticks over it, stop and restart, and boxes changing during a scan.

#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna::test {
namespace {

const char* const kNoChannelTicked = "Нужно выбрать хотябы отдин канал!";

class ChannelScanTest : public ConsoleFixture {
protected:
    void SetUp() override {
        setChannel(2, "144500", "", "two");
        setChannel(5, "145000", "", "five");
        setChannel(9, "145500", "", "nine");
        start();
        program.click(form.channelScanMode);
    }
    // Ticks the boxes of channels 2, 5 and 9 and starts the scan.
    void scanChannelsTwoFiveNine() {
        program.click(form.channelScanBoxes[1]);
        program.click(form.channelScanBoxes[4]);
        program.click(form.channelScanBoxes[8]);
        program.click(form.channelScanButton);
    }
    void tick(const char* expectedIndex, const char* expectedReadOut) {
        program.advance(400);
        EXPECT_EQ(form.scanIndexBox.text(), expectedIndex);
        EXPECT_EQ(form.readOut.caption, expectedReadOut);
    }
};

TEST_F(ChannelScanTest, TheModeShowsTheBoxesInPlaceOfTheChannelButtons) {
    EXPECT_TRUE(form.channelScanButton.enabled);
    EXPECT_FALSE(form.bandScanButton.enabled);
    EXPECT_FALSE(form.transmitSwitch.enabled);
    EXPECT_FALSE(form.addChannelButton.enabled);
    for (int i = 0; i < kChannelCount; ++i) {
        EXPECT_TRUE(form.channelScanBoxes[i].visible);
        EXPECT_FALSE(form.channelButton(i + 1).visible);
    }
    program.click(form.channelScanMode);
    EXPECT_FALSE(form.channelScanButton.enabled);
    EXPECT_TRUE(form.bandScanButton.enabled);
    EXPECT_FALSE(form.channelScanBoxes[0].visible);
    EXPECT_TRUE(form.Command5.visible);
    EXPECT_FALSE(form.Command3.enabled); // empty channel
}

TEST_F(ChannelScanTest, TicksVisitTheTickedChannelsInOrderOverAndOver) {
    EXPECT_FALSE(form.channelScanRunning());
    scanChannelsTwoFiveNine();
    EXPECT_EQ(form.channelScanButton.caption, "Stop");
    EXPECT_TRUE(form.channelScanRunning());
    EXPECT_EQ(form.statusLine.caption, "Scanning...");
    EXPECT_FALSE(form.tuningSlider.enabled);
    EXPECT_FALSE(form.channelScanMode.enabled);
    tick("0", "144500");
    tick("1", "145000");
    tick("2", "145500");
    tick("0", "144500");
    EXPECT_EQ(form.tuningSlider.value(), 20);
}

TEST_F(ChannelScanTest, ARestartGoesOnWithTheEntryAfterTheLastTuned) {
    scanChannelsTwoFiveNine();
    tick("0", "144500");
    tick("1", "145000");
    program.click(form.channelScanButton);
    EXPECT_EQ(form.channelScanButton.caption, "Channel Scan");
    EXPECT_TRUE(form.tuningSlider.enabled);
    program.click(form.channelScanButton);
    tick("2", "145500");
}

TEST_F(ChannelScanTest, UntickingABoxDuringTheScanStartsTheListAgain) {
    scanChannelsTwoFiveNine();
    tick("0", "144500");
    tick("1", "145000");
    program.click(form.channelScanBoxes[1]);
    tick("0", "145000");
    tick("1", "145500");
}

TEST_F(ChannelScanTest, UntickingEveryBoxStopsTheScanAndRestoresTheControls) {
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanButton);
    tick("0", "145000");
    const int words = radio.wordCount();
    program.click(form.channelScanBoxes[4]);
    EXPECT_FALSE(form.channelScanTimer.enabled());
    EXPECT_EQ(form.channelScanButton.caption, "Channel Scan");
    EXPECT_TRUE(form.tuningSlider.enabled);
    EXPECT_TRUE(form.channelScanMode.enabled);
    program.advance(2000);
    EXPECT_EQ(radio.wordCount(), words);
}

TEST_F(ChannelScanTest, AnActivationUntickingTheBoxesStopsTheScan) {
    program.click(form.channelScanBoxes[1]);
    program.click(form.channelScanBoxes[8]);
    program.click(form.channelScanButton);
    tick("0", "144500");
    reactivate();
    EXPECT_FALSE(form.channelScanBoxes[1].checked());
    EXPECT_FALSE(form.channelScanTimer.enabled());
    EXPECT_EQ(form.channelScanButton.caption, "Channel Scan");
}

TEST_F(ChannelScanTest, NoTickedChannelIsRefusedWithTheStepForcedTo25) {
    program.click(form.channelScanMode); // leave the mode to choose a coarser step
    program.click(form.step100);
    program.scroll(form.tuningSlider, 5);
    program.click(form.channelScanMode);
    prompter.expectError(kNoChannelTicked);
    program.click(form.channelScanButton);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(form.channelScanButton.caption, "Channel scan");
    EXPECT_TRUE(form.step25.selected());
    EXPECT_EQ(form.stepReadOut.caption, "25");
    EXPECT_EQ(form.tuningSlider.maximum(), 80);
    EXPECT_EQ(form.readOut.caption, "144000");
    EXPECT_FALSE(form.channelScanTimer.enabled());
}

TEST_F(ChannelScanTest, ChannelsEmptiedOrOutsideTheBandArePassedOver) {
    program.click(form.channelScanBoxes[1]);
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanBoxes[8]);
    setChannel(2, "");       // emptied in the store: left out of the list
    setChannel(9, "146500"); // moved out of the band: passed over
    form.rxChannels[8] = 146500;
    program.click(form.channelScanButton);
    tick("0", "145000");
    tick("0", "145000");
}

TEST_F(ChannelScanTest, BusyHoldsTheChannel) {
    program.click(form.channelScanBoxes[1]);
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanButton);
    tick("0", "144500");
    radio.setStatus(200);
    tick("0", "144500");
    EXPECT_EQ(form.busyIndicator.caption, "BUSY");
    radio.setStatus(0);
    tick("1", "145000");
    EXPECT_EQ(form.busyIndicator.caption, "");
}

TEST_F(ChannelScanTest, AChannelOffTheGridIsTunedToTheNearestNotch) {
    setChannel(5, "145010");
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanButton);
    tick("0", "145000");
    EXPECT_EQ(form.tuningSlider.value(), 40);
}

} // namespace
} // namespace volna::test
