// SPDX-License-Identifier: GPL-3.0-or-later
// The band activity model: busy tests counted per notch and time bin, the
// brightness that fades with age, the bounded memory, and the feed from the
// console's scans.

#include "scan/band_activity.h"

#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace volna::test {
namespace {

// 144000..146000 kHz at 25 kHz: positions 0..80.
const Band kTwoMetres{144000, 146000, 25, 1};

struct NotchRow {
    std::string name;
    double kHz;
    std::optional<std::int32_t> notch;
};

class NotchOfTest : public ::testing::TestWithParam<NotchRow> {};

TEST_P(NotchOfTest, FrequenciesFallIntoTheNearestNotchOfTheBand) {
    const BandActivity activity(kTwoMetres);
    EXPECT_EQ(activity.notchOf(GetParam().kHz), GetParam().notch);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotchOfTest,
    ::testing::Values(NotchRow{"LowerEdge", 144000, 0}, NotchRow{"UpperEdge", 146000, 80},
                      NotchRow{"OnANotch", 145000, 40}, NotchRow{"JustAboveANotch", 145012, 40},
                      NotchRow{"JustBelowTheNext", 145013, 41},
                      NotchRow{"BelowTheBand", 143999, std::nullopt},
                      NotchRow{"AboveTheBand", 146001, std::nullopt},
                      NotchRow{"NotANumber", std::nan(""), std::nullopt},
                      NotchRow{"Infinite", std::numeric_limits<double>::infinity(), std::nullopt}),
    [](const auto& row) { return row.param.name; });

TEST(BandActivityTest, ColumnsAndTheirFrequencies) {
    const BandActivity activity(kTwoMetres);
    EXPECT_EQ(activity.notchCount(), 81);
    EXPECT_EQ(activity.frequencyOf(0), 144000);
    EXPECT_EQ(activity.frequencyOf(41), 145025);
    EXPECT_EQ(activity.frequencyOf(80), 146000);
}

TEST(BandActivityTest, BrightnessIsTheBusyShareOfTheTestsInABin) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, 1000, true);
    for (int i = 0; i < 3; ++i) {
        activity.record(145000, 2000 + i, false);
    }
    activity.record(145025, 3000, false);
    EXPECT_DOUBLE_EQ(activity.brightness(40, 10'000), 0.25);
    EXPECT_EQ(activity.brightness(41, 10'000), 0); // tested, never busy
    EXPECT_EQ(activity.brightness(39, 10'000), 0); // never tested
    // A later bin wholly busy outshines the earlier one.
    activity.record(145000, 15'000, true);
    EXPECT_DOUBLE_EQ(activity.brightness(40, 20'000), 1.0);
}

TEST(BandActivityTest, TestsOutsideTheBandAreNotCounted) {
    BandActivity activity(kTwoMetres);
    activity.record(143000, 1000, true);
    activity.record(147000, 1000, true);
    activity.record(std::nan(""), 1000, true);
    for (std::int32_t notch = 0; notch < activity.notchCount(); ++notch) {
        EXPECT_EQ(activity.brightness(notch, 1000), 0) << notch;
        EXPECT_FALSE(activity.lastBusy(notch)) << notch;
    }
}

struct FadeRow {
    std::string name;
    std::int64_t nowMs;
    double brightness;
};

class FadeTest : public ::testing::TestWithParam<FadeRow> {};

// One busy test at 5 s: its bin ends at 10 s, and it halves every minute after.
TEST_P(FadeTest, BusyNotchesFadeByHalfEveryMinute) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, 5000, true);
    EXPECT_NEAR(activity.brightness(40, GetParam().nowMs), GetParam().brightness, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FadeTest,
    ::testing::Values(FadeRow{"InItsOwnBin", 6000, 1.0}, FadeRow{"AsItsBinEnds", 10'000, 1.0},
                      FadeRow{"HalfAMinuteOn", 40'000, std::sqrt(0.5)},
                      FadeRow{"AMinuteOn", 70'000, 0.5}, FadeRow{"TwoMinutesOn", 130'000, 0.25},
                      FadeRow{"LastMomentInTheWindow", 599'999, std::exp2(-589'999.0 / 60'000)},
                      FadeRow{"OutOfTheWindow", 600'000, 0.0}),
    [](const auto& row) { return row.param.name; });

TEST(BandActivityTest, TimesBeforeTheClocksZeroFallIntoEarlierBins) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, -1, true); // its bin ends at 0
    EXPECT_NEAR(activity.brightness(40, 60'000), 0.5, 1e-9);
    EXPECT_EQ(activity.lastBusy(40), -1);
}

TEST(BandActivityTest, TheFarEndsOfTheClockDoNotOverflow) {
    BandActivity activity(kTwoMetres);
    const auto latest = std::numeric_limits<std::int64_t>::max();
    activity.record(145000, latest, true);
    EXPECT_DOUBLE_EQ(activity.brightness(40, latest), 1.0);
    EXPECT_EQ(activity.lastBusy(40), latest);
    EXPECT_EQ(activity.brightness(40, std::numeric_limits<std::int64_t>::min()), 0);
}

TEST(BandActivityTest, LastBusyIsTheLatestBusyTestOfTheNotch) {
    BandActivity activity(kTwoMetres);
    EXPECT_FALSE(activity.lastBusy(40));
    activity.record(145000, 1000, true);
    activity.record(145000, 8000, true);
    activity.record(145000, 4000, true); // late, still inside the window
    activity.record(145000, 9000, false);
    EXPECT_EQ(activity.lastBusy(40), 8000);
    EXPECT_FALSE(activity.lastBusy(41));
    EXPECT_FALSE(activity.lastBusy(-1));
    EXPECT_FALSE(activity.lastBusy(81));
}

TEST(BandActivityTest, TestsOlderThanTheWindowAreDropped) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, 700'000, false);
    activity.record(145025, 5000, true);
    EXPECT_EQ(activity.brightness(41, 5000), 0);
    EXPECT_FALSE(activity.lastBusy(41));
}

// Bin 60 takes the ring slot of bin 0: what bin 0 counted must not add to it.
TEST(BandActivityTest, AReusedBinStartsEmpty) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, 1000, true);
    activity.record(145000, 601'000, false);
    EXPECT_EQ(activity.brightness(40, 601'000), 0);
    activity.record(145000, 602'000, true);
    EXPECT_DOUBLE_EQ(activity.brightness(40, 602'000), 0.5);
}

TEST(BandActivityTest, AWideBandSharesItsNotchesAmongNeighbouringPositions) {
    BandActivity activity(Band{0, 1'000'000, 1, 1}); // a million and one positions
    ASSERT_EQ(activity.notchCount(), BandActivity::kMaxNotches);
    EXPECT_EQ(activity.footprint().cells,
              std::size_t{BandActivity::kMaxNotches} * BandActivity::kBinCount);
    EXPECT_EQ(activity.notchOf(0), 0);
    EXPECT_EQ(activity.notchOf(1'000'000), BandActivity::kMaxNotches - 1);
    for (const double kHz : {1.0, 244.0, 245.0, 500'000.0, 999'000.0}) {
        const std::int32_t notch = *activity.notchOf(kHz);
        EXPECT_LE(activity.frequencyOf(notch), kHz) << kHz;
        EXPECT_GT(activity.frequencyOf(notch + 1), kHz) << kHz;
    }
    activity.record(999'999, 0, true);
    EXPECT_EQ(activity.lastBusy(BandActivity::kMaxNotches - 1), 0);
}

TEST(BandActivityTest, ABandWithoutPositionsKeepsNothing) {
    for (const Band& band : {Band{146000, 144000, 25, 1}, Band{144000, 146000, 0, 1},
                             Band{144000, 146000, 25, 0}, Band{std::nan(""), 146000, 25, 1}}) {
        BandActivity activity(band);
        activity.record(145000, 1000, true);
        EXPECT_EQ(activity.notchCount(), 0);
        EXPECT_FALSE(activity.notchOf(145000));
        EXPECT_EQ(activity.brightness(0, 1000), 0);
        EXPECT_EQ(activity.footprint().cells, 0u);
    }
}

TEST(BandActivityTest, TheSameBandKeepsWhatWasRecordedAnotherStartsOver) {
    BandActivity activity(kTwoMetres);
    activity.record(145000, 1000, true);
    activity.setBand(kTwoMetres);
    EXPECT_EQ(activity.lastBusy(40), 1000);
    activity.setBand(Band{144000, 146000, 25, 2});
    EXPECT_EQ(activity.notchCount(), 41);
    EXPECT_EQ(activity.frequencyOf(20), 145000);
    EXPECT_FALSE(activity.lastBusy(20));
    EXPECT_EQ(activity.brightness(20, 1000), 0);
    // A new band also forgets the newest time: earlier tests count again.
    activity.record(145000, 500, true);
    EXPECT_EQ(activity.lastBusy(20), 500);
}

// A scan at 1 ms for an hour, fed by the console through the scan-step event.
class BandActivityFeedTest : public ConsoleFixture {};

TEST_F(BandActivityFeedTest, AnHourOfOneMillisecondStepsKeepsTheMemoryItStartedWith) {
    setSetting(kKeyBandScanSpeed, "1");
    start();
    BandActivity activity;
    const BandActivityFeed feed(form, activity);
    program.click(form.bandScanButton);
    program.advance(1);
    const auto footprint = activity.footprint();
    ASSERT_EQ(footprint.cells, 81u * BandActivity::kBinCount);
    for (int minute = 0; minute < 60; ++minute) {
        radio.setStatus(minute == 59 ? 128 : 0); // busy through the last minute
        for (int second = 0; second < 60; ++second) {
            program.advance(1000);
            radio.clearOperations(); // the radio's own log of port writes would grow
        }
        ASSERT_EQ(activity.footprint(), footprint) << "minute " << minute;
    }
    // The scan holds on a busy notch: the notch it stopped on is lit and was
    // busy at the last step; no other notch was ever busy.
    const auto held = *activity.notchOf(form.frequencyAt(form.tuningSlider.value()));
    EXPECT_DOUBLE_EQ(activity.brightness(held, program.now()), 1.0);
    EXPECT_EQ(activity.lastBusy(held), program.now());
    for (std::int32_t notch = 0; notch < activity.notchCount(); ++notch) {
        if (notch != held) {
            EXPECT_EQ(activity.brightness(notch, program.now()), 0) << notch;
            EXPECT_FALSE(activity.lastBusy(notch)) << notch;
        }
    }
}

TEST_F(BandActivityFeedTest, StepsAreRecordedAtTheProgramClockInTheConsolesBand) {
    start();
    BandActivity activity;
    const auto listeners = form.scanStep.listenerCount();
    {
        const BandActivityFeed feed(form, activity);
        EXPECT_EQ(form.scanStep.listenerCount(), listeners + 1);
        program.advance(5000);
        form.scanStep.raise(145000, true);
        EXPECT_EQ(activity.notchCount(), 81);
        EXPECT_EQ(activity.lastBusy(40), 5000);
        program.click(form.step50); // another step: the model starts over
        program.advance(1000);
        form.scanStep.raise(145100, true);
        EXPECT_EQ(activity.notchCount(), 41);
        EXPECT_EQ(activity.lastBusy(22), 6000);
        EXPECT_FALSE(activity.lastBusy(20));
    }
    EXPECT_EQ(form.scanStep.listenerCount(), listeners);
    form.scanStep.raise(145000, true);
    EXPECT_FALSE(activity.lastBusy(20));
}

} // namespace
} // namespace volna::test
