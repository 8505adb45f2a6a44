// SPDX-License-Identifier: GPL-3.0-or-later
// The band-activity picture's model: what its columns show, which column the
// pointer is on, and a click that tunes only where the operator's slider
// could.

#include "scan/band_picture.h"

#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace volna::test {
namespace {

class BandPictureTest : public ConsoleFixture {
protected:
    BandPictureTest() { start(); }

    BandActivity activity;
    BandActivityFeed feed{form, activity};
    BandPicture picture{form, activity};
};

TEST_F(BandPictureTest, AClickTunesTheColumnsFrequencyAsTheSliderWould) {
    picture.refresh();
    ASSERT_EQ(picture.columnCount(), 81); // 144000..146000 kHz at 25 kHz
    const int wordsBefore = radio.wordCount();

    EXPECT_EQ(picture.click(41), "");
    EXPECT_EQ(form.readOut.caption, "145025");
    EXPECT_EQ(form.tuningSlider.value(), 41);
    EXPECT_EQ(radio.wordCount(), wordsBefore + 1);
    EXPECT_EQ(picture.tunedColumn(), 41);

    // The column already tuned: nothing goes out again.
    EXPECT_EQ(picture.click(41), "");
    EXPECT_EQ(radio.wordCount(), wordsBefore + 1);
}

TEST_F(BandPictureTest, ClicksAreRefusedWhereTheSliderTakesNoInput) {
    picture.refresh();
    program.click(form.bandScanButton); // the scan holds the slider
    ASSERT_TRUE(form.bandScanRunning());
    const std::string readOut = form.readOut.caption;
    const int words = radio.wordCount();
    EXPECT_EQ(picture.click(70), kBandClickRefused);
    EXPECT_EQ(form.readOut.caption, readOut);
    EXPECT_EQ(radio.wordCount(), words);
    program.click(form.bandScanButton);
    ASSERT_FALSE(form.bandScanRunning());

    ASSERT_EQ(picture.click(40), "");   // 145000 kHz: the transmit shift stays in the band
    program.click(form.transmitSwitch); // a transmission holds it too
    ASSERT_TRUE(form.transmitting());
    EXPECT_EQ(picture.click(70), kBandClickRefused);
    EXPECT_TRUE(form.transmitting());
    EXPECT_NE(form.readOut.caption, "145750");
    program.click(form.transmitSwitch);

    EXPECT_EQ(picture.click(-1), kBandClickOutside);
    EXPECT_EQ(picture.click(81), kBandClickOutside);
    EXPECT_EQ(picture.click(70), "");
    EXPECT_EQ(form.readOut.caption, "145750");
}

TEST_F(BandPictureTest, AScanLightsTheColumnsItFoundBusy) {
    setSetting(kKeyBandScanSpeed, "10");
    reactivate();
    program.click(form.bandScanButton);
    program.advance(200); // twenty free notches
    radio.setStatus(200);
    program.advance(100); // held on a busy one
    const std::int32_t held = form.tuningSlider.value();
    radio.setStatus(0);
    program.advance(100);
    program.click(form.bandScanButton);

    picture.refresh();
    EXPECT_GT(picture.brightness(held), 0.9);
    EXPECT_EQ(picture.brightness(held - 5), 0.0);
    EXPECT_EQ(picture.describe(held - 5),
              std::to_string(144000 + 25 * (held - 5)) + " kHz: занятым не было");
    EXPECT_EQ(picture.describe(held), std::to_string(144000 + 25 * held) + " kHz: занято сейчас");
    program.advance(125'000);
    EXPECT_NEAR(picture.brightness(held), 0.25, 0.05); // two half-lives later
    EXPECT_EQ(picture.describe(held).substr(picture.describe(held).find(':')),
              ": занято 2 мин 5 с назад");
}

TEST_F(BandPictureTest, MemoryChannelsInsideTheBandAreTickedOnce) {
    setChannel(1, "145500");
    setChannel(2, "144000");
    setChannel(3, "145500");   // the same column again
    setChannel(4, "147000");   // outside the band
    setChannel(5, "145512.5"); // rounds into the column of 145500
    reactivate();
    picture.refresh();
    EXPECT_EQ(picture.channelColumns(), (std::vector<std::int32_t>{0, 60}));
}

TEST_F(BandPictureTest, AnotherStepStartsAnotherPicture) {
    picture.refresh();
    ASSERT_EQ(picture.columnCount(), 81);
    program.click(form.step100);
    picture.refresh();
    EXPECT_EQ(picture.columnCount(), 21);
    EXPECT_EQ(picture.click(20), "");
    EXPECT_EQ(form.readOut.caption, "146000");
}

TEST_F(BandPictureTest, BandLabelOpensThePictureEvenWhileScanning) {
    EXPECT_TRUE(program.click(form.bandActivityLabel)); // nobody to open it: nothing happens
    int opened = 0;
    form.openBandActivity = [&] { ++opened; };
    program.click(form.bandActivityLabel);
    program.click(form.bandScanButton);
    program.click(form.bandActivityLabel);
    EXPECT_EQ(opened, 2);
}

TEST(BandPicturePixelsTest, EveryPixelShowsAColumnThatOwnsIt) {
    for (const std::int32_t count : {1, 7, 81, 800, 4096}) {
        for (const int width : {1, 13, 100, 800, 1920}) {
            std::int32_t previous = -1;
            for (int x = 0; x < width; ++x) {
                const auto column = columnAtPixel(x, width, count);
                ASSERT_TRUE(column.has_value());
                const auto [first, next] = columnPixels(*column, width, count);
                ASSERT_TRUE(first <= x && x < next) << count << " " << width << " " << x;
                ASSERT_GE(*column, previous);
                previous = *column;
            }
            EXPECT_EQ(columnPixels(count - 1, width, count).second, width);
        }
    }
    EXPECT_FALSE(columnAtPixel(-1, 100, 81).has_value());
    EXPECT_FALSE(columnAtPixel(100, 100, 81).has_value());
    EXPECT_FALSE(columnAtPixel(5, 100, 0).has_value());
}

TEST_F(BandPictureTest, APixelShowsTheBrightestOfItsColumns) {
    picture.refresh();
    activity.record(145025, program.now(), true); // column 41 alone
    const std::vector<double> wide = picture.pixelBrightness(810);
    ASSERT_EQ(wide.size(), 810U);
    const std::set<int> lit = [&] {
        std::set<int> pixels;
        for (int x = 0; x < 810; ++x) {
            if (wide[static_cast<std::size_t>(x)] > 0) {
                pixels.insert(x);
            }
        }
        return pixels;
    }();
    const auto [first, next] = columnPixels(41, 810, 81);
    EXPECT_EQ(lit.size(), static_cast<std::size_t>(next - first));
    EXPECT_EQ(*lit.begin(), first);

    const std::vector<double> narrow = picture.pixelBrightness(8); // ten columns a pixel
    EXPECT_EQ(narrow[4], 1.0);
    EXPECT_EQ(narrow[3] + narrow[5], 0.0);
    EXPECT_TRUE(picture.pixelBrightness(0).empty());
}

struct AgoRow {
    std::int64_t ms;
    std::string text;
};

TEST(BandPictureAgoTest, TimesReadAsTheOperatorSaysThem) {
    for (const auto& [ms, text] :
         {AgoRow{-5, "сейчас"}, AgoRow{9'999, "сейчас"}, AgoRow{10'000, "10 с назад"},
          AgoRow{59'999, "59 с назад"}, AgoRow{60'000, "1 мин 0 с назад"},
          AgoRow{3'599'000, "59 мин 59 с назад"}, AgoRow{3'600'000, "1 ч 0 мин назад"},
          AgoRow{90'061'000, "25 ч 1 мин назад"}}) {
        EXPECT_EQ(agoText(ms), text) << ms;
    }
}

TEST(ProgramClockTest, ThePlatformsClockReplacesTheVirtualOne) {
    Program program;
    program.advance(50);
    EXPECT_EQ(program.now(), 50);
    std::int64_t platform = 7'000;
    program.setClock([&] { return platform; });
    EXPECT_EQ(program.now(), 7'000);
    platform = 9'000;
    EXPECT_EQ(program.now(), 9'000);
}

} // namespace
} // namespace volna::test
