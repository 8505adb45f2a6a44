// SPDX-License-Identifier: GPL-3.0-or-later
// The scan-step event: each of the three scans raises it once per tick, after
// its busy test, with the frequency tested and the busy result.

#include "support/console_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace volna::test {
namespace {

struct Step {
    double kHz;
    bool busy;
    bool operator==(const Step&) const = default;
};

class ScanStepTest : public ConsoleFixture {
protected:
    void SetUp() override {
        subscription = form.scanStep.subscribe([this](double kHz, bool busy) {
            steps.push_back({kHz, busy});
        });
    }
    // Runs count ticks of a scan (the stored speed is 400 ms), the receiver
    // busy during the ticks marked in busy.
    void ticks(const std::vector<bool>& busy) {
        for (bool b : busy) {
            radio.setStatus(b ? 128 : 0);
            program.advance(400);
        }
    }

    std::vector<Step> steps;
    Subscription subscription;
};

TEST_F(ScanStepTest, TheWholeBandScanReportsEveryNotchItTests) {
    start();
    program.scroll(form.tuningSlider, 79);
    program.click(form.bandScanButton);
    ticks({false, false, true, false, false});
    // The first tick tests the notch the scan started on; a busy notch is
    // held and tested again.
    EXPECT_EQ(
        steps,
        (std::vector<Step>{
            {145975, false}, {145975, false}, {146000, true}, {146000, false}, {144000, false}}));
}

TEST_F(ScanStepTest, TheFromToScanReportsEveryNotchItTests) {
    start();
    program.click(form.rangeScanMode);
    program.type(form.scanFrom, "145000");
    program.type(form.scanTo, "145050");
    program.click(form.bandScanButton);
    ticks({false, true, false, false, false});
    EXPECT_EQ(
        steps,
        (std::vector<Step>{
            {144000, false}, {145000, true}, {145000, false}, {145025, false}, {145050, false}}));
}

TEST_F(ScanStepTest, TheChannelScanReportsEveryChannelItTests) {
    setChannel(2, "144500");
    setChannel(5, "145000");
    start();
    program.click(form.channelScanMode);
    program.click(form.channelScanBoxes[1]);
    program.click(form.channelScanBoxes[4]);
    program.click(form.channelScanButton);
    ticks({false, true, false, false});
    EXPECT_EQ(steps, (std::vector<Step>{
                         {144000, false}, {144500, true}, {144500, false}, {145000, false}}));
}

TEST_F(ScanStepTest, AnEndedSubscriptionHearsNothingWhileOthersStillDo) {
    int heardByKept = 0;
    const Subscription kept = form.scanStep.subscribe([&](double, bool) { ++heardByKept; });
    start();
    program.click(form.bandScanButton);
    ticks({false});
    subscription.reset();
    ticks({false, true});
    EXPECT_EQ(steps.size(), 1U);
    EXPECT_EQ(heardByKept, 3);
}

} // namespace
} // namespace volna::test
