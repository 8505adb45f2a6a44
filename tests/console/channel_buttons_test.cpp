// SPDX-License-Identifier: GPL-3.0-or-later
// Channel buttons, "<-" and "->", "Добавить канал" and the channel indicator.

#include "support/console_fixture.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class ChannelButtonsTest : public ConsoleFixture {
protected:
    // The indicator's refresh tick.
    void tick() { program.advance(Form1::kIndicatorIntervalMs); }
};

TEST_F(ChannelButtonsTest, AChannelButtonTunesItsChannelAndTheIndicatorFollows) {
    setChannel(3, "145500", "144900", "repeater");
    start();
    EXPECT_TRUE(program.click(form.Command6));
    EXPECT_EQ(form.currentChannel, 3);
    EXPECT_EQ(form.tuningSlider.value(), 60);
    EXPECT_EQ(form.readOut.caption, "145500");
    EXPECT_EQ(form.channelIndicator.caption, "3");
    EXPECT_EQ(form.shownChannel(), 3);
    EXPECT_EQ(form.statusLine.caption, "repeater");
    EXPECT_EQ(radio.lastDivider(), 5392);
    tick();
    EXPECT_EQ(form.channelIndicator.caption, "3");
    EXPECT_EQ(form.statusLine.caption, "repeater");
}

TEST_F(ChannelButtonsTest, ACoarseStepTunesTheNearestNotchHalfToEven) {
    setChannel(1, "145025");
    setChannel(2, "145075");
    start();
    program.click(form.step50);
    program.click(form.Command3);
    EXPECT_EQ(form.tuningSlider.value(), 20); // 20.5
    EXPECT_EQ(form.readOut.caption, "145000");
    tick(); // the read-out is not channel 1's frequency
    EXPECT_EQ(form.channelIndicator.caption, kNoChannel);
    program.click(form.Command5);
    EXPECT_EQ(form.tuningSlider.value(), 22); // 21.5
    EXPECT_EQ(form.readOut.caption, "145100");
}

TEST_F(ChannelButtonsTest, AChannelOutsideTheBandIsRefusedAndNothingMoves) {
    setChannel(1, "146000", "", "top");
    setChannel(2, "146025");
    start();
    program.click(form.Command3); // the upper boundary is inside
    EXPECT_EQ(form.readOut.caption, "146000");
    radio.clearOperations();
    prompter.expectError(kChannelOutOfBand);
    program.click(form.Command5);
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(form.currentChannel, 2);
    EXPECT_EQ(form.tuningSlider.value(), 80);
    EXPECT_EQ(form.channelIndicator.caption, "1");
    EXPECT_TRUE(radio.operations().empty());
}

TEST_F(ChannelButtonsTest, AChannelEmptiedSinceTheLastActivationIsRefused) {
    setChannel(4, "145000");
    start();
    setChannel(4, "");
    form.rxChannels[3] = 0; // as a reload without re-enabling the button would leave it
    prompter.expectError(kChannelOutOfBand);
    program.click(form.Command7);
    EXPECT_TRUE(prompter.done());
}

TEST_F(ChannelButtonsTest, StepButtonsWrapAroundFromAChannel) {
    setChannel(2, "144500", "", "two");
    setChannel(7, "145500", "", "seven");
    start();
    program.click(form.Command5);
    program.click(form.previousChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "7");
    EXPECT_EQ(form.statusLine.caption, "seven");
    EXPECT_EQ(form.readOut.caption, "145500");
    program.click(form.previousChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "2");
    program.click(form.nextChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "7");
    program.click(form.nextChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "2");
    EXPECT_EQ(form.currentChannel, 2); // stepping leaves the current channel alone
}

TEST_F(ChannelButtonsTest, StepButtonsWrapFromTheFirstAndTheLastChannel) {
    setChannel(1, "144500");
    setChannel(3, "145000");
    setChannel(10, "145500");
    start();
    program.click(form.Command3);
    program.click(form.previousChannelButton); // below channel 1: round to 10
    EXPECT_EQ(form.channelIndicator.caption, "10");
    program.click(form.nextChannelButton); // above channel 10: round to 1, not 10 again
    EXPECT_EQ(form.channelIndicator.caption, "1");
    program.click(form.nextChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "3");
}

TEST_F(ChannelButtonsTest, WithASingleChannelOnlyNextReselectsIt) {
    setChannel(4, "145000");
    start();
    program.click(form.Command7);
    radio.clearOperations();
    program.click(form.previousChannelButton);
    EXPECT_TRUE(radio.operations().empty());
    const int words = radio.wordCount();
    program.click(form.nextChannelButton);
    EXPECT_EQ(radio.wordCount(), words + 1);
    EXPECT_EQ(form.channelIndicator.caption, "4");
}

TEST_F(ChannelButtonsTest, FromNoneNextTakesTheFirstAboveAndPreviousTheLowestNumber) {
    setChannel(1, "145500");
    setChannel(2, "144500");
    setChannel(3, "145250");
    store.writeSetting(kSectionFlags, kKeyBack, "145000");
    start();
    ASSERT_EQ(form.channelIndicator.caption, kNoChannel);
    program.click(form.nextChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "1");
    program.scroll(form.tuningSlider, 40); // 145000, no channel
    tick();
    ASSERT_EQ(form.channelIndicator.caption, kNoChannel);
    program.click(form.previousChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "1");
    program.scroll(form.tuningSlider, 80); // nothing above 146000: the lowest number
    tick();
    program.click(form.nextChannelButton);
    EXPECT_EQ(form.channelIndicator.caption, "1");
}

TEST_F(ChannelButtonsTest, WithoutChannelsTheStepButtonsDoNothing) {
    start();
    radio.clearOperations();
    program.click(form.previousChannelButton);
    program.click(form.nextChannelButton);
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_EQ(form.channelIndicator.caption, kNoChannel);
}

TEST_F(ChannelButtonsTest, AStepStopsAtTheFirstChannelOutsideTheBand) {
    setChannel(2, "150000");
    setChannel(3, "145000");
    start();
    radio.clearOperations();
    prompter.expectError(kChannelOutOfBand);
    program.click(form.previousChannelButton); // from NONE: channel 2 first
    EXPECT_TRUE(prompter.done());
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_EQ(form.channelIndicator.caption, kNoChannel);
}

TEST_F(ChannelButtonsTest, TwoChannelsOnOneFrequencyShowTheLowerNumberAfterARetune) {
    setChannel(2, "145000", "", "two");
    setChannel(7, "145000", "", "seven");
    start();
    program.click(form.Command10);
    EXPECT_EQ(form.channelIndicator.caption, "7");
    tick();
    EXPECT_EQ(form.channelIndicator.caption, "7");
    program.scroll(form.tuningSlider, 41);
    tick();
    EXPECT_EQ(form.channelIndicator.caption, kNoChannel);
    EXPECT_EQ(form.statusLine.caption, "");
    program.scroll(form.tuningSlider, 40);
    tick();
    EXPECT_EQ(form.channelIndicator.caption, "2");
    EXPECT_EQ(form.statusLine.caption, "two");
}

TEST_F(ChannelButtonsTest, AddChannelHandsOverTheTunedFrequency) {
    start();
    std::int64_t handed = 0;
    form.openAddChannel = [&](std::int64_t kHz) { handed = kHz; };
    program.click(form.step50);
    program.scroll(form.tuningSlider, 40);
    program.click(form.addChannelButton);
    EXPECT_EQ(handed, 146000);
}

} // namespace
} // namespace volna::test
