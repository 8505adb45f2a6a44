// The settings dialog with the real console in the same program and store: the
// console hides itself and opens the dialog as "Config" does, the operator
// types and saves, and the console's next activation shows the outcome.

#include "settings/settings_dialog.h"

#include "settings/store_layout.h"
#include "support/console_fixture.h"

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
    EXPECT_EQ(dialog.Text1.text(), "144000");
    EXPECT_EQ(dialog.Text3.text(), "-10700");
    EXPECT_EQ(dialog.Text5.text(), "250 ms");
    EXPECT_EQ(dialog.Text9.text(), "3");
    // The operator's typing is cut to the box's length; the speeds have none.
    type({{&Form5::Text1, "1450001"}, {&Form5::Text3, "-107000x"}, {&Form5::Text5, "123456789"}});
    EXPECT_EQ(dialog.Text1.text(), "145000");
    EXPECT_EQ(dialog.Text3.text(), "-107000");
    EXPECT_EQ(dialog.Text5.text(), "123456789");
    program.click(dialog.Command2);
    open();
    EXPECT_EQ(dialog.Text1.text(), "144000");
    EXPECT_EQ(dialog.Text5.text(), "250 ms");

    MemoryStore empty;
    Form5 fresh{program, empty, prompter, form};
    fresh.Form_Load();
    for (const TextBox* box : {&fresh.Text1, &fresh.Text4, &fresh.Text5, &fresh.Text9}) {
        EXPECT_EQ(box->text(), "0") << box->name();
    }
}

TEST_F(SettingsDialogTest, SavingWithoutAChangeWritesNothingAndKeepsTheTuning) {
    const Edits cases[] = {
        {},
        {{&Form5::Text1, "144100"}, {&Form5::Text1, "144000"}},   // changed and back
        {{&Form5::Text1, "144000.0"}, {&Form5::Text5, "400 ms"}}, // same numbers
        {{&Form5::Text3, "-10700abc"}, {&Form5::Text9, ""}},      // "" reads as 0
    };
    for (const Edits& edits : cases) {
        SCOPED_TRACE(edits.size());
        open();
        type(edits);
        ASSERT_TRUE(program.click(dialog.Command1));
        expectBackAtTheConsole();
        EXPECT_TRUE(store.writes().empty());
        EXPECT_EQ(form.Slider1.value(), 60);
        EXPECT_EQ(form.Label1.caption, "145500");
        EXPECT_TRUE(radio.operations().empty());
    }
}

struct Refused {
    Edits edits;
    const char* message;
    Box focus;
};

TEST_F(SettingsDialogTest, EachCheckRefusesWithItsMessageAndFocus) {
    const Refused cases[] = {
        {{{&Form5::Text1, "0"}}, kBoundaryInvalid, &Form5::Text1},
        {{{&Form5::Text1, "abc"}}, kBoundaryInvalid, &Form5::Text1},
        {{{&Form5::Text2, ""}}, kBoundaryInvalid, &Form5::Text2},
        {{{&Form5::Text1, "144050"}}, kBoundaryNotHundreds, &Form5::Text1},
        {{{&Form5::Text2, "145950"}}, kBoundaryNotHundreds, &Form5::Text2},
        {{{&Form5::Text1, "144050"}, {&Form5::Text2, "0"}}, kBoundaryInvalid, &Form5::Text2},
        {{{&Form5::Text2, "143000"}}, kUpperBelowLower, &Form5::Text2},
        {{{&Form5::Text2, "144000"}}, kBoundariesEqual, &Form5::Text1},
        {{{&Form5::Text3, "0"}}, kIfOffsetInvalid, &Form5::Text3},
        {{{&Form5::Text1, "10600"}}, kIfOffsetInvalid, &Form5::Text3}, // 10600 - 10700 < 0
        // A negative multiple of 100 passes the boundary checks.
        {{{&Form5::Text1, "-200"}, {&Form5::Text3, "100"}}, kIfOffsetInvalid, &Form5::Text3},
        {{{&Form5::Text5, "0"}}, kScanSpeedInvalid, &Form5::Text5},
        {{{&Form5::Text6, "-1"}}, kScanSpeedInvalid, &Form5::Text6},
        {{{&Form5::Text7, "0"}}, kScanSpeedInvalid, &Form5::Text7},
        {{{&Form5::Text8, "-1"}}, kDelayNegative, &Form5::Text8},
        {{{&Form5::Text9, "-0.5"}}, kDelayNegative, &Form5::Text9},
        {{{&Form5::Text9, "-1"}, {&Form5::Text7, "0"}}, kScanSpeedInvalid, &Form5::Text7},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.edits.front().second);
        open();
        type(c.edits);
        prompter.expectError(c.message);
        ASSERT_TRUE(program.click(dialog.Command1));
        EXPECT_TRUE(prompter.done());
        EXPECT_EQ(prompter.shown().back().icon, MessageIcon::Critical);
        EXPECT_EQ(dialog.focused(), &(dialog.*c.focus));
        EXPECT_EQ(program.activeWindow(), &dialog);
        EXPECT_FALSE(form.shown());
        EXPECT_TRUE(store.writes().empty());
        EXPECT_EQ((dialog.*c.edits.back().first).text(), c.edits.back().second);
        program.click(dialog.Command2);
    }
}

struct Accepted {
    Edits edits;
    std::string_view key; // the setting that must now hold the last typed text
};

TEST_F(SettingsDialogTest, AcceptedInputIsStoredAsTyped) {
    const Accepted cases[] = {
        // rounds half to even to 10000, a multiple of 100
        {{{&Form5::Text3, "10700"}, {&Form5::Text1, "9999.5"}}, kKeyLowerBound},
        {{{&Form5::Text1, "10700"}}, kKeyLowerBound}, // boundary plus offset exactly 0
        {{{&Form5::Text8, "0"}, {&Form5::Text9, "0"}}, kKeyDelay2},
        {{{&Form5::Text4, "abc"}}, kKeyTxShift}, // the transmit offset has no check
        {{{&Form5::Text5, "250ms"}}, kKeyBandScanSpeed},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.edits.back().second);
        storeFirstRunValues(store);
        setSetting(kKeyDelay1, "2");
        setSetting(kKeyDelay2, "2");
        open();
        type(c.edits);
        ASSERT_TRUE(program.click(dialog.Command1));
        expectBackAtTheConsole();
        EXPECT_EQ(setting(c.key), c.edits.back().second);
        EXPECT_EQ(store.readSetting(kSectionFlags, kKeyLock, "?"), "1");
    }
}

TEST_F(SettingsDialogTest, ASaveReRangesTheConsoleAsTheDialogCloses) {
    open();
    type({{&Form5::Text1, "145000"}, {&Form5::Text5, "250ms"}, {&Form5::Text8, "0.0"}});
    ASSERT_TRUE(program.click(dialog.Command1));

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
    EXPECT_EQ(radio.lastDivider(), (145000 - 10700) / 25);
    EXPECT_EQ(form.Timer1.interval(), 250);

    // The next opening compares against what was just saved.
    store.clearLog();
    open();
    ASSERT_TRUE(program.click(dialog.Command1));
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(SettingsDialogTest, ExitAndTheWindowFrameCloseWithoutWriting) {
    for (bool byFrame : {false, true}) {
        SCOPED_TRACE(byFrame ? "frame" : "Выход");
        open();
        type({{&Form5::Text1, "145000"}});
        ASSERT_TRUE(byFrame ? program.close(dialog) : program.click(dialog.Command2));
        expectBackAtTheConsole();
        EXPECT_TRUE(store.writes().empty());
        EXPECT_EQ(form.Slider1.value(), 60);
    }
}

} // namespace
} // namespace volna::test
