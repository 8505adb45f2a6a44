// SPDX-License-Identifier: GPL-3.0-or-later
// The slider and the step options: maxima, the retune to the lower boundary,
// rounding of the slider's range, and what each leaves alone.

#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

class TuningTest : public ConsoleFixture {};

struct StepCase {
    const char* name;
    int fromKHz; // the step selected before
    int stepKHz; // the step chosen
    int maximum;
    const char* step;
    int stepFactor;
};

// The started console on the row's former step, with the slider moved, a range
// typed and a comment shown; then the row's step option is chosen.
class TuningStepTest : public TuningTest, public ::testing::WithParamInterface<StepCase> {
protected:
    OptionButton& stepOption(int kHz) {
        if (kHz == 50) {
            return form.step50;
        }
        if (kHz == 100) {
            return form.step100;
        }
        return form.step25;
    }
};

TEST_P(TuningStepTest, EachStepOptionReRangesTheSliderAndRetunesTheLowerBoundary) {
    const StepCase& c = GetParam();
    start();
    program.click(stepOption(c.fromKHz));
    program.scroll(form.tuningSlider, 7);
    form.scanFrom.setText("145000");
    form.scanTo.setText("145100");
    form.statusLine.caption = "comment";
    const int words = radio.wordCount();
    EXPECT_TRUE(program.click(stepOption(c.stepKHz)));
    EXPECT_EQ(form.tuningSlider.maximum(), c.maximum);
    EXPECT_EQ(form.tuningSlider.value(), 0);
    EXPECT_EQ(form.readOut.caption, "144000");
    EXPECT_EQ(form.positionReadOut.caption, "0");
    EXPECT_EQ(form.stepReadOut.caption, c.step);
    EXPECT_EQ(form.stepFactor, c.stepFactor);
    EXPECT_EQ(form.scanFrom.text(), "");
    EXPECT_EQ(form.scanTo.text(), "");
    EXPECT_EQ(radio.wordCount(), words + 1);
    EXPECT_EQ(radio.lastDivider(), 5332);
}

INSTANTIATE_TEST_SUITE_P(Steps, TuningStepTest,
                         ::testing::Values(StepCase{"From25To50", 25, 50, 40, "50", 2},
                                           StepCase{"From50To100", 50, 100, 20, "100", 4},
                                           StepCase{"From100To25", 100, 25, 80, "25", 1}),
                         rowNameOf<StepCase>);

TEST_F(TuningTest, ChoosingTheSelectedStepAgainDoesNothing) {
    start();
    program.scroll(form.tuningSlider, 12);
    radio.clearOperations();
    program.click(form.step25);
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_EQ(form.tuningSlider.value(), 12);
}

TEST_F(TuningTest, SliderPositionsStandForTheirFrequenciesAtEachStep) {
    start();
    program.click(form.step50);
    program.scroll(form.tuningSlider, 40);
    EXPECT_EQ(form.readOut.caption, "146000");
    EXPECT_EQ(form.positionReadOut.caption, "40");
    EXPECT_EQ(radio.lastDivider(), 5412);
    program.click(form.step100);
    program.scroll(form.tuningSlider, 1);
    EXPECT_EQ(form.readOut.caption, "144100");
    EXPECT_EQ(radio.lastDivider(), 5336);
}

TEST_F(TuningTest, ABandThatIsNotAWholeNumberOfStepsRoundsItsMaximumHalfToEven) {
    setSetting(kKeyUpperBound, "146050"); // 20.5 notches of 100 kHz
    start();
    program.click(form.step100);
    EXPECT_EQ(form.tuningSlider.maximum(), 20);
    setSetting(kKeyUpperBound, "146150"); // 21.5 notches
    store.writeSetting(kSectionFlags, kKeyLock, "0");
    reactivate();
    EXPECT_EQ(form.tuningSlider.maximum(), 22);
}

TEST_F(TuningTest, MovingTheSliderForgetsTheChannelAndTheStepOptionsKeepIt) {
    setChannel(1, "145000", "144400");
    start();
    program.click(form.Command3);
    ASSERT_EQ(form.currentChannel, 1);
    program.click(form.step50);
    EXPECT_EQ(form.currentChannel, 1);
    program.scroll(form.tuningSlider, 3);
    EXPECT_EQ(form.currentChannel, 0);
    EXPECT_EQ(form.readOut.caption, "144150"); // three 50 kHz notches
}

} // namespace
} // namespace volna::test
