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
        program.click(form.Check3);
    }
    // Ticks the boxes of channels 2, 5 and 9 and starts the scan.
    void scanChannelsTwoFiveNine() {
        program.click(form.Check2[1]);
        program.click(form.Check2[4]);
        program.click(form.Check2[8]);
        program.click(form.Command4);
    }
    void tick(const char* expectedIndex, const char* expectedReadOut) {
        program.advance(400);
        EXPECT_EQ(form.Text990.text(), expectedIndex);
        EXPECT_EQ(form.Label1.caption, expectedReadOut);
    }
};

TEST_F(ChannelScanTest, TheModeShowsTheBoxesInPlaceOfTheChannelButtons) {
    EXPECT_TRUE(form.Command4.enabled);
    EXPECT_FALSE(form.Command2.enabled);
    EXPECT_FALSE(form.Check4.enabled);
    EXPECT_FALSE(form.Command14.enabled);
    for (int i = 0; i < kChannelCount; ++i) {
        EXPECT_TRUE(form.Check2[i].visible);
        EXPECT_FALSE(form.channelButton(i + 1).visible);
    }
    program.click(form.Check3);
    EXPECT_FALSE(form.Command4.enabled);
    EXPECT_TRUE(form.Command2.enabled);
    EXPECT_FALSE(form.Check2[0].visible);
    EXPECT_TRUE(form.Command5.visible);
    EXPECT_FALSE(form.Command3.enabled); // empty channel
}

TEST_F(ChannelScanTest, TicksVisitTheTickedChannelsInOrderOverAndOver) {
    scanChannelsTwoFiveNine();
    EXPECT_EQ(form.Command4.caption, "Stop");
    EXPECT_EQ(form.Label9.caption, "Scanning...");
    EXPECT_FALSE(form.Slider1.enabled);
    EXPECT_FALSE(form.Check3.enabled);
    tick("0", "144500");
    tick("1", "145000");
    tick("2", "145500");
    tick("0", "144500");
    EXPECT_EQ(form.Slider1.value(), 20);
}

TEST_F(ChannelScanTest, ARestartGoesOnWithTheEntryAfterTheLastTuned) {
    scanChannelsTwoFiveNine();
    tick("0", "144500");
    tick("1", "145000");
    program.click(form.Command4);
    EXPECT_EQ(form.Command4.caption, "Channel Scan");
    EXPECT_TRUE(form.Slider1.enabled);
    program.click(form.Command4);
    tick("2", "145500");
}

TEST_F(ChannelScanTest, UntickingABoxDuringTheScanStartsTheListAgain) {
    scanChannelsTwoFiveNine();
    tick("0", "144500");
    tick("1", "145000");
    program.click(form.Check2[1]);
    tick("0", "145000");
    tick("1", "145500");
}

TEST_F(ChannelScanTest, UntickingEveryBoxStopsTheScanAndRestoresTheControls) {
    program.click(form.Check2[4]);
    program.click(form.Command4);
    tick("0", "145000");
    const int words = radio.wordCount();
    program.click(form.Check2[4]);
    EXPECT_FALSE(form.Timer3.enabled());
    EXPECT_EQ(form.Command4.caption, "Channel Scan");
    EXPECT_TRUE(form.Slider1.enabled);
    EXPECT_TRUE(form.Check3.enabled);
    program.advance(2000);
    EXPECT_EQ(radio.wordCount(), words);
}

TEST_F(ChannelScanTest, AnActivationUntickingTheBoxesStopsTheScan) {
    program.click(form.Check2[1]);
    program.click(form.Check2[8]);
    program.click(form.Command4);
    tick("0", "144500");
    reactivate();
    EXPECT_FALSE(form.Check2[1].checked());
    EXPECT_FALSE(form.Timer3.enabled());
    EXPECT_EQ(form.Command4.caption, "Channel Scan");
}

TEST_F(ChannelScanTest, NoTickedChannelIsRefusedWithTheStepForcedTo25) {
    program.click(form.Check3); // leave the mode to choose a coarser step
    program.click(form.Option3);
    program.scroll(form.Slider1, 5);
    program.click(form.Check3);
    prompter.expectError(kNoChannelTicked);
    program.click(form.Command4);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(form.Command4.caption, "Channel scan");
    EXPECT_TRUE(form.Option2.selected());
    EXPECT_EQ(form.Label3.caption, "25");
    EXPECT_EQ(form.Slider1.maximum(), 80);
    EXPECT_EQ(form.Label1.caption, "144000");
    EXPECT_FALSE(form.Timer3.enabled());
}

TEST_F(ChannelScanTest, ChannelsEmptiedOrOutsideTheBandArePassedOver) {
    program.click(form.Check2[1]);
    program.click(form.Check2[4]);
    program.click(form.Check2[8]);
    setChannel(2, "");       // emptied in the store: left out of the list
    setChannel(9, "146500"); // moved out of the band: passed over
    form.rxChannels[8] = 146500;
    program.click(form.Command4);
    tick("0", "145000");
    tick("0", "145000");
    EXPECT_LE(form.Slider1.value(), form.Slider1.maximum());
}

TEST_F(ChannelScanTest, BusyHoldsTheChannel) {
    program.click(form.Check2[1]);
    program.click(form.Check2[4]);
    program.click(form.Command4);
    tick("0", "144500");
    radio.setStatus(200);
    tick("0", "144500");
    EXPECT_EQ(form.Label10.caption, "BUSY");
    radio.setStatus(0);
    tick("1", "145000");
    EXPECT_EQ(form.Label10.caption, "");
}

TEST_F(ChannelScanTest, AChannelOffTheGridIsTunedToTheNearestNotch) {
    setChannel(5, "145010");
    program.click(form.Check2[4]);
    program.click(form.Command4);
    tick("0", "145000");
    EXPECT_EQ(form.Slider1.value(), 40);
}

} // namespace
} // namespace volna::test
