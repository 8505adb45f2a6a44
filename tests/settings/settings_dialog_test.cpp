// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog with the real console in the same program and store: the
// console hides itself and opens the dialog as "Config" does, the operator
// types and saves, and the console's next activation shows the outcome.

#include "settings/settings_dialog.h"

#include "settings/store_layout.h"
#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace volna::test {
namespace {

using Box = TextBox Form5::*;
using Edits = std::vector<std::pair<Box, const char*>>;

class SettingsDialogTest : public ConsoleFixture {
protected:
    void SetUp() override {
        store.writeSetting(kSectionFlags, kKeyBack, "145500"); // slider at 60
        start();
        dialog.Form_Load();
        store.clearLog();
        radio.clearOperations();
    }
    void open() {
        program.runEvent([&] {
            form.hide();
            dialog.show();
        });
        ASSERT_EQ(program.activeWindow(), &dialog);
    }
    void type(const Edits& edits) {
        for (const auto& [box, text] : edits) {
            ASSERT_TRUE(program.type(dialog.*box, text));
        }
    }
    // The dialog closed and the console, shown again, is the active window.
    void expectBackAtTheConsole() {
        EXPECT_FALSE(dialog.shown());
        EXPECT_TRUE(form.shown());
        EXPECT_EQ(program.activeWindow(), &form);
    }
    std::string setting(std::string_view key) {
        return store.readSetting(kSectionSettings, key, "?");
    }

    Form5 dialog{program, store, prompter, form};
};

TEST_F(SettingsDialogTest, OpensWithTheStoredTextsAndForgetsUnsavedInput) {
    setSetting(kKeyBandScanSpeed, "250 ms");
    setSetting(kKeyDelay2, "3");
    open();
    EXPECT_EQ(dialog.caption, kSettingsTitle);
    EXPECT_EQ(dialog.lowerBoundBox.text(), "144000");
    EXPECT_EQ(dialog.ifOffsetBox.text(), "-10700");
    EXPECT_EQ(dialog.bandScanSpeedBox.text(), "250 ms");
    EXPECT_EQ(dialog.delay2Box.text(), "3");
    // The operator's typing is cut to the box's length; the speeds have none.
    type({{&Form5::Text1, "1450001"}, {&Form5::Text3, "-107000x"}, {&Form5::Text5, "123456789"}});
    EXPECT_EQ(dialog.lowerBoundBox.text(), "145000");
    EXPECT_EQ(dialog.ifOffsetBox.text(), "-107000");
    EXPECT_EQ(dialog.bandScanSpeedBox.text(), "123456789");
    program.click(dialog.exitButton);
    open();
    EXPECT_EQ(dialog.lowerBoundBox.text(), "144000");
    EXPECT_EQ(dialog.bandScanSpeedBox.text(), "250 ms");

    MemoryStore empty;
    Form5 fresh{program, empty, prompter, form};
    fresh.Form_Load();
    for (const TextBox* box :
         {&fresh.lowerBoundBox, &fresh.txShiftBox, &fresh.bandScanSpeedBox, &fresh.delay2Box}) {
        EXPECT_EQ(box->text(), "0") << box->name();
    }
}

struct Unchanged {
    std::string name;
    Edits edits;
};

// The dialog saved after the row's edits, which change no value.
class SettingsDialogUnchangedTest : public SettingsDialogTest,
                                    public ::testing::WithParamInterface<Unchanged> {};

TEST_P(SettingsDialogUnchangedTest, SavingWithoutAChangeWritesNothingAndKeepsTheTuning) {
    open();
    type(GetParam().edits);
    ASSERT_TRUE(program.click(dialog.saveButton));
    expectBackAtTheConsole();
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(form.Slider1.value(), 60);
    EXPECT_EQ(form.Label1.caption, "145500");
    EXPECT_TRUE(radio.operations().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SettingsDialogUnchangedTest,
    ::testing::Values(
        Unchanged{"NothingTyped", {}},
        Unchanged{"ChangedAndBack", {{&Form5::Text1, "144100"}, {&Form5::Text1, "144000"}}},
        Unchanged{"SameNumbers", {{&Form5::Text1, "144000.0"}, {&Form5::Text5, "400 ms"}}},
        Unchanged{"TrailingLettersAndEmptyReadAsZero", // "" reads as 0
                  {{&Form5::Text3, "-10700abc"}, {&Form5::Text9, ""}}}),
    rowNameOf<Unchanged>);

struct Refused {
    std::string name;
    Edits edits;
    const char* message;
    Box focus;
};

// The dialog saved after the row's edits, which one check refuses.
class SettingsDialogRefusedTest : public SettingsDialogTest,
                                  public ::testing::WithParamInterface<Refused> {};

TEST_P(SettingsDialogRefusedTest, EachCheckRefusesWithItsMessageAndFocus) {
    const Refused& c = GetParam();
    open();
    type(c.edits);
    prompter.expectError(c.message);
    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(prompter.shown().back().icon, MessageIcon::Critical);
    EXPECT_EQ(dialog.focused(), &(dialog.*c.focus));
    EXPECT_EQ(program.activeWindow(), &dialog);
    EXPECT_FALSE(form.shown());
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ((dialog.*c.edits.back().first).text(), c.edits.back().second);
    program.click(dialog.exitButton);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, SettingsDialogRefusedTest,
    ::testing::Values(
        Refused{"LowerZero", {{&Form5::Text1, "0"}}, kBoundaryInvalid, &Form5::Text1},
        Refused{"LowerLetters", {{&Form5::Text1, "abc"}}, kBoundaryInvalid, &Form5::Text1},
        Refused{"UpperEmpty", {{&Form5::Text2, ""}}, kBoundaryInvalid, &Form5::Text2},
        Refused{
            "LowerNotHundreds", {{&Form5::Text1, "144050"}}, kBoundaryNotHundreds, &Form5::Text1},
        Refused{
            "UpperNotHundreds", {{&Form5::Text2, "145950"}}, kBoundaryNotHundreds, &Form5::Text2},
        Refused{"UpperZeroCheckedBeforeLowerHundreds",
                {{&Form5::Text1, "144050"}, {&Form5::Text2, "0"}},
                kBoundaryInvalid,
                &Form5::Text2},
        Refused{"UpperBelowLower", {{&Form5::Text2, "143000"}}, kUpperBelowLower, &Form5::Text2},
        Refused{"BoundariesEqual", {{&Form5::Text2, "144000"}}, kBoundariesEqual, &Form5::Text1},
        Refused{"IfOffsetZero", {{&Form5::Text3, "0"}}, kIfOffsetInvalid, &Form5::Text3},
        // 10600 - 10700 < 0
        Refused{"LowerPlusIfOffsetBelowZero",
                {{&Form5::Text1, "10600"}},
                kIfOffsetInvalid,
                &Form5::Text3},
        // A negative multiple of 100 passes the boundary checks.
        Refused{"NegativeLowerBoundary",
                {{&Form5::Text1, "-200"}, {&Form5::Text3, "100"}},
                kIfOffsetInvalid,
                &Form5::Text3},
        Refused{"BandScanSpeedZero", {{&Form5::Text5, "0"}}, kScanSpeedInvalid, &Form5::Text5},
        Refused{
            "RangeScanSpeedNegative", {{&Form5::Text6, "-1"}}, kScanSpeedInvalid, &Form5::Text6},
        Refused{"ChannelScanSpeedZero", {{&Form5::Text7, "0"}}, kScanSpeedInvalid, &Form5::Text7},
        Refused{"Delay1Negative", {{&Form5::Text8, "-1"}}, kDelayNegative, &Form5::Text8},
        Refused{"Delay2NegativeFraction", {{&Form5::Text9, "-0.5"}}, kDelayNegative, &Form5::Text9},
        Refused{"ScanSpeedCheckedBeforeDelay",
                {{&Form5::Text9, "-1"}, {&Form5::Text7, "0"}},
                kScanSpeedInvalid,
                &Form5::Text7}),
    rowNameOf<Refused>);

struct Accepted {
    std::string name;
    Edits edits;
    std::string_view key; // the setting that must now hold the last typed text
};

// The dialog saved after the row's edits, which every check accepts.
class SettingsDialogAcceptedTest : public SettingsDialogTest,
                                   public ::testing::WithParamInterface<Accepted> {};

TEST_P(SettingsDialogAcceptedTest, AcceptedInputIsStoredAsTyped) {
    const Accepted& c = GetParam();
    storeFirstRunValues(store);
    setSetting(kKeyDelay1, "2");
    setSetting(kKeyDelay2, "2");
    open();
    type(c.edits);
    ASSERT_TRUE(program.click(dialog.saveButton));
    expectBackAtTheConsole();
    EXPECT_EQ(setting(c.key), c.edits.back().second);
    EXPECT_EQ(store.readSetting(kSectionFlags, kKeyLock, "?"), "1");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SettingsDialogAcceptedTest,
    ::testing::Values(
        // rounds half to even to 10000, a multiple of 100
        Accepted{"LowerRoundedToHundreds",
                 {{&Form5::Text3, "10700"}, {&Form5::Text1, "9999.5"}},
                 kKeyLowerBound},
        // boundary plus offset exactly 0
        Accepted{"LowerPlusIfOffsetZero", {{&Form5::Text1, "10700"}}, kKeyLowerBound},
        Accepted{"DelaysZero", {{&Form5::Text8, "0"}, {&Form5::Text9, "0"}}, kKeyDelay2},
        // the transmit offset has no check
        Accepted{"TransmitShiftLetters", {{&Form5::Text4, "abc"}}, kKeyTxShift},
        Accepted{"ScanSpeedWithUnit", {{&Form5::Text5, "250ms"}}, kKeyBandScanSpeed}),
    rowNameOf<Accepted>);

TEST_F(SettingsDialogTest, ASaveReRangesTheConsoleAsTheDialogCloses) {
    open();
    type({{&Form5::Text1, "145000"}, {&Form5::Text5, "250ms"}, {&Form5::Text8, "0.0"}});
    ASSERT_TRUE(program.click(dialog.saveButton));

    const std::vector<MemoryStore::Write> expected = {
        {"Settings", "Scan_speed", "250ms"},
        {"Settings", "Scan_speed_from_and_up_to", "400"},
        {"Settings", "Channel_scanspeed", "400"},
        {"Settings", "Top_boundary", "146000"},
        {"Settings", "Buttom_boundary", "145000"},
        {"Settings", "Delay1", "0.0"},
        {"Settings", "Delay2", "0"},
        {"Settings", "FR_", "-600"},
        {"Settings", "GUN", "-10700"},
        {"Flags", "LOCK", "0"}, // the dialog's last step
        {"Flags", "LOCK", "1"}, // the console's activation, in the same event
    };
    EXPECT_EQ(store.writes(), expected);
    expectBackAtTheConsole();
    EXPECT_EQ(form.Slider1.value(), 0);
    EXPECT_EQ(form.Slider1.maximum(), 40);
    EXPECT_EQ(form.Label1.caption, "145000");
    EXPECT_EQ(radio.lastDivider(), 5372); // (145000 - 10700) / 25
    EXPECT_EQ(form.Timer1.interval(), 250);

    // The next opening compares against what was just saved.
    store.clearLog();
    open();
    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_TRUE(store.writes().empty());
}

struct Closing {
    std::string name;
    bool byFrame;
};

// The dialog left without saving in the row's way.
class SettingsDialogClosingTest : public SettingsDialogTest,
                                  public ::testing::WithParamInterface<Closing> {};

TEST_P(SettingsDialogClosingTest, ExitAndTheWindowFrameCloseWithoutWriting) {
    open();
    type({{&Form5::Text1, "145000"}});
    ASSERT_TRUE(GetParam().byFrame ? program.close(dialog) : program.click(dialog.exitButton));
    expectBackAtTheConsole();
    EXPECT_TRUE(store.writes().empty());
    EXPECT_EQ(form.Slider1.value(), 60);
}

INSTANTIATE_TEST_SUITE_P(Ways, SettingsDialogClosingTest,
                         ::testing::Values(Closing{"ExitButton", false},
                                           Closing{"WindowFrame", true}),
                         rowNameOf<Closing>);

} // namespace
} // namespace volna::test
