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
            tuned.push_back(form.Label1.caption);
        }
        return tuned;
    }
    void fromTo(const std::string& from, const std::string& to) {
        program.click(form.Check1);
        program.type(form.Text2, from);
        program.type(form.Text6, to);
    }
    using Tuned = std::vector<std::string>;
};

TEST_F(BandScanTest, WholeBandWrapsFromTheUpperBoundaryToTheLowerOne) {
    start();
    program.scroll(form.Slider1, 78);
    program.click(form.Command2);
    EXPECT_EQ(form.Command2.caption, "Stop");
    EXPECT_EQ(form.Label9.caption, "Scanning...");
    EXPECT_EQ(tuneTicks(5), (Tuned{"145950", "145975", "146000", "144000", "144025"}));
}

TEST_F(BandScanTest, WholeBandAtFiftyKilohertzTunesPositionFortyThenZero) {
    start();
    program.click(form.Option1);
    program.scroll(form.Slider1, 39);
    program.click(form.Command2);
    tuneTicks(1);
    EXPECT_EQ(tuneTicks(2), (Tuned{"146000", "144000"}));
    EXPECT_EQ(form.Slider1.value(), 0);
}

TEST_F(BandScanTest, ScanLocksTheControlsAndStopRestoresThem) {
    setChannel(1, "145000");
    start();
    program.click(form.Command2);
    for (Control* control : std::vector<Control*>{
             &form.Option1, &form.Option2, &form.Option3, &form.Check1, &form.Check4, &form.Check3,
             &form.Command17, &form.Command15, &form.Command16, &form.Command14, &form.Slider1}) {
        EXPECT_FALSE(control->enabled) << control->name();
    }
    EXPECT_TRUE(form.Command3.enabled); // a channel button still tunes its channel
    program.click(form.Command2);
    for (Control* control : std::vector<Control*>{&form.Option1, &form.Check1, &form.Check4,
                                                  &form.Check3, &form.Command17, &form.Slider1}) {
        EXPECT_TRUE(control->enabled) << control->name();
    }
    EXPECT_EQ(form.Command2.caption, "Scan");
    EXPECT_EQ(form.Label9.caption, "");
    EXPECT_FALSE(form.Timer1.enabled());
}

TEST_F(BandScanTest, StopAndRestartGoOnFromTheSlider) {
    start();
    program.scroll(form.Slider1, 10);
    program.click(form.Command2);
    tuneTicks(3); // 10, 11, 12
    program.click(form.Command2);
    EXPECT_EQ(form.Slider1.value(), 12);
    tuneTicks(2);
    EXPECT_EQ(form.Label1.caption, "144300"); // stopped: nothing moves
    program.click(form.Command2);
    EXPECT_EQ(tuneTicks(2), (Tuned{"144300", "144325"}));
}

TEST_F(BandScanTest, BusyHoldsTheScanUntilTheStatusDropsTo127) {
    start();
    program.scroll(form.Slider1, 40);
    program.click(form.Command2);
    tuneTicks(1);
    radio.setStatus(128);
    const int words = radio.wordCount();
    EXPECT_EQ(tuneTicks(3), (Tuned{"145000", "145000", "145000"}));
    EXPECT_EQ(form.Label10.caption, "BUSY");
    EXPECT_EQ(radio.wordCount(), words);
    radio.setStatus(127);
    EXPECT_EQ(tuneTicks(2), (Tuned{"145025", "145050"}));
    EXPECT_EQ(form.Label10.caption, "");
}

TEST_F(BandScanTest, EachTickReadsTheStatusOnceAndSendsAtMostOneWord) {
    start();
    program.click(form.Command2);
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
    program.click(form.Command2);
    EXPECT_EQ(form.Slider1.value(), 40);
    EXPECT_EQ(form.Label9.caption, "Сканирование...");
    EXPECT_FALSE(form.Text2.enabled);
    EXPECT_EQ(tuneTicks(7),
              (Tuned{"145000", "145025", "145050", "145075", "145100", "145000", "145025"}));
    EXPECT_EQ(form.Label9.caption, "Scanning...");
    program.click(form.Command2);
    EXPECT_TRUE(form.Text2.enabled);
    EXPECT_FALSE(form.Option1.enabled); // the from/to mode is still on
    EXPECT_EQ(form.Text2.text(), "145000");
}

TEST_F(BandScanTest, ThreeClicksFillFromFillToAndStart) {
    start();
    program.click(form.Check1);
    program.scroll(form.Slider1, 40);
    program.click(form.Command2);
    EXPECT_EQ(form.Text2.text(), "145000");
    EXPECT_FALSE(form.Timer2.enabled());
    program.scroll(form.Slider1, 60);
    program.click(form.Command2);
    EXPECT_EQ(form.Text6.text(), "145500");
    EXPECT_FALSE(form.Timer2.enabled());
    program.click(form.Command2);
    EXPECT_TRUE(form.Timer2.enabled());
    EXPECT_EQ(form.Slider1.value(), 40);
}

TEST_F(BandScanTest, LimitMessagesAndWhatSurvivesThem) {
    start();
    program.click(form.Check1);
    program.type(form.Text2, "150000");
    prompter.expectError(kLowerLimitInvalid);
    program.click(form.Command2);
    EXPECT_EQ(form.Text2.text(), "150000");

    program.type(form.Text2, "145000");
    program.type(form.Text6, "abc"); // no number: 0, outside the band
    prompter.expectError(kUpperLimitInvalid);
    program.click(form.Command2);
    EXPECT_EQ(form.Text6.text(), "abc");

    program.type(form.Text2, "145500");
    program.type(form.Text6, "");
    program.scroll(form.Slider1, 60); // the tuned frequency equals "от"
    prompter.expectError(kLimitsEqual);
    program.click(form.Command2);
    EXPECT_EQ(form.Text6.text(), "");

    program.scroll(form.Slider1, 20);
    prompter.expectError(kLowerAboveUpper);
    program.click(form.Command2);
    EXPECT_EQ(form.Text6.text(), "");

    program.scroll(form.Slider1, 3);
    program.type(form.Text6, "145000");
    radio.clearOperations();
    prompter.expectError(kLowerAboveUpper);
    program.click(form.Command2);
    EXPECT_EQ(form.Text6.text(), "");
    EXPECT_EQ(form.Slider1.value(), 60); // the thumb stands at "от", nothing retuned
    EXPECT_TRUE(radio.writes().empty());
    EXPECT_FALSE(form.Timer2.enabled());
    EXPECT_TRUE(prompter.done());
}

TEST_F(BandScanTest, EqualLimitsTypedByHandScanOneFrequency) {
    start();
    fromTo("145000", "145000");
    program.click(form.Command2);
    EXPECT_EQ(tuneTicks(3), (Tuned{"145000", "145000", "145000"}));
}

TEST_F(BandScanTest, AToLimitOffTheGridTurnsBackBeforePassingIt) {
    start();
    fromTo("145000", "145060");
    program.click(form.Command2);
    EXPECT_EQ(tuneTicks(5), (Tuned{"145000", "145025", "145050", "145000", "145025"}));
}

TEST_F(BandScanTest, ALimitAtTheTopOfTheSliderNeverPassesIt) {
    setSetting(kKeyUpperBound, "146010");
    start();
    fromTo("145950", "146010");
    program.click(form.Command2);
    EXPECT_EQ(tuneTicks(4), (Tuned{"145950", "145975", "146000", "145950"}));
    EXPECT_LE(form.Slider1.value(), form.Slider1.maximum());
}

TEST_F(BandScanTest, ALimitWithTrailingCharactersScansFromItsNumber) {
    start();
    fromTo("145000x", "145050");
    program.click(form.Command2);
    EXPECT_EQ(tuneTicks(4), (Tuned{"145000", "145025", "145050", "145000"}));
}

TEST_F(BandScanTest, TickingFromToLocksStepTransmitAndChannelsUntilUnticked) {
    setChannel(2, "145000");
    start();
    program.click(form.Check1);
    EXPECT_FALSE(form.Option2.enabled);
    EXPECT_FALSE(form.Check4.enabled);
    EXPECT_FALSE(form.Command5.enabled);
    program.click(form.Check1);
    EXPECT_TRUE(form.Option2.enabled);
    EXPECT_TRUE(form.Check4.enabled);
    EXPECT_TRUE(form.Command5.enabled);
    EXPECT_FALSE(form.Command3.enabled);
}

TEST_F(BandScanTest, ScanSpeedsComeFromTheStore) {
    setSetting(kKeyBandScanSpeed, "100");
    start();
    program.click(form.Command2);
    const int words = radio.wordCount();
    program.advance(1000);
    EXPECT_EQ(radio.wordCount(), words + 10);
}

} // namespace
} // namespace volna::test
