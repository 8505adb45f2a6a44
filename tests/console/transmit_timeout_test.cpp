// The transmit time-out on the program's clock: any transmission, the
// operator's or a network client's, ends once it has lasted the stored limit,
// whatever holds the console, with a box saying why; 0 lets it last; and the
// limit as the operator sets it in the settings dialog without touching what
// the dialog's other values do.

#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "remote/console_rig.h"
#include "settings/settings_dialog.h"
#include "settings/store_layout.h"
#include "support/box_with_events.h"
#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace volna::test {
namespace {

constexpr std::int64_t kMinuteMs = 60 * 1000;

struct MinutesCase {
    const char* name;
    const char* text;
    std::optional<int> minutes;
};

class TransmitTimeoutTextTest : public ::testing::TestWithParam<MinutesCase> {};

TEST_P(TransmitTimeoutTextTest, OnlyWholeMinutesUpTo999AreATimeOut) {
    EXPECT_EQ(transmitTimeoutMinutes(GetParam().text), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Texts, TransmitTimeoutTextTest,
                         ::testing::Values(MinutesCase{"Ten", "10", 10}, MinutesCase{"Off", "0", 0},
                                           MinutesCase{"Blanks", " 5\t", 5},
                                           MinutesCase{"Most", "999", 999},
                                           MinutesCase{"LeadingZeros", "007", 7},
                                           MinutesCase{"TooMany", "1000", std::nullopt},
                                           MinutesCase{"Negative", "-1", std::nullopt},
                                           MinutesCase{"Fraction", "1.5", std::nullopt},
                                           MinutesCase{"Word", "abc", std::nullopt},
                                           MinutesCase{"Unit", "5 min", std::nullopt},
                                           MinutesCase{"Empty", "", std::nullopt},
                                           MinutesCase{"OnlyBlanks", "  ", std::nullopt}),
                         rowNameOf<MinutesCase>);

enum class Keyer { Operator, Client };
enum class Hold { Nothing, Library, BoxOfTheEditor };

struct TimeoutCase {
    const char* name;
    const char* stored; // nullptr: no time-out stored
    std::int64_t limitMs;
    Keyer keyer;
    Hold hold;
};

class TransmitTimeoutTest : public ConsoleFixture,
                            public ::testing::WithParamInterface<TimeoutCase> {
protected:
    void SetUp() override {
        editor.openLibrary = [this] { library.show(); };
        start();
        program.scroll(form.tuningSlider, 40);
        library.Form_Load();
    }
    void key(Keyer keyer) {
        if (keyer == Keyer::Operator) {
            ASSERT_TRUE(program.click(form.transmitSwitch));
        } else {
            ASSERT_EQ(rig.setTransmit(true), RigControl::Result::Ok);
        }
        ASSERT_TRUE(radio.transmitting());
    }
    // Lets ms pass: with a box of the editor open when the row says so.
    void pass(Hold hold, std::int64_t ms) {
        if (hold == Hold::Nothing) {
            program.advance(ms);
            return;
        }
        program.runEvent([&] { editor.show(); });
        if (hold == Hold::Library) {
            ASSERT_TRUE(program.click(editor.libraryButton));
            ASSERT_FALSE(form.enabled);
            program.advance(ms);
            return;
        }
        boxes.whileNextBoxOpen = [&] { program.advance(ms); };
        ASSERT_TRUE(program.type(editor.transmitBox(1), "150000")); // out of band: a box
        ASSERT_TRUE(program.click(editor.saveButton));
        ASSERT_EQ(boxes.shown.size(), 1u);
    }
    void setTimeout(const char* text) {
        store.writeSetting(kSectionProgram, kKeyTransmitTimeout, text);
    }

    BoxWithEvents boxes;
    Form2 editor{program, store, boxes};
    Form6 library{program, store, boxes};
    ConsoleRig rig{form, "VOLNA144 test"};
};

TEST_P(TransmitTimeoutTest, ATransmissionEndsAtTheTimeOutWithABoxSayingWhy) {
    const TimeoutCase& c = GetParam();
    if (c.stored != nullptr) {
        setTimeout(c.stored);
    }
    key(c.keyer);
    program.advance(c.limitMs - 1);
    ASSERT_TRUE(radio.transmitting()) << "ended early";
    prompter.expect(kMessageTitle, kTransmitTimedOut);
    pass(c.hold, 1);
    EXPECT_TRUE(prompter.done());
    EXPECT_FALSE(radio.transmitting());
    EXPECT_EQ(radio.dataRegister(), 0);
    EXPECT_EQ(form.modeIndicator.caption, "RX");
    EXPECT_EQ(form.transmitSwitch.caption, "TX");
    EXPECT_FALSE(form.transmitSwitch.checked());
    EXPECT_TRUE(form.tuningSlider.enabled);
    EXPECT_FALSE(rig.transmitting());
}

INSTANTIATE_TEST_SUITE_P(
    Transmissions, TransmitTimeoutTest,
    ::testing::Values(
        TimeoutCase{"StartingValue", nullptr, 10 * kMinuteMs, Keyer::Operator, Hold::Nothing},
        TimeoutCase{"StoredNotAValue", "abc", 10 * kMinuteMs, Keyer::Operator, Hold::Nothing},
        TimeoutCase{"OneMinute", "1", kMinuteMs, Keyer::Operator, Hold::Nothing},
        TimeoutCase{"AClientsTransmission", "3", 3 * kMinuteMs, Keyer::Client, Hold::Nothing},
        TimeoutCase{"WhileTheLibraryIsOpen", "2", 2 * kMinuteMs, Keyer::Operator, Hold::Library},
        TimeoutCase{"WhileABoxWaits", "2", 2 * kMinuteMs, Keyer::Client, Hold::BoxOfTheEditor}),
    rowNameOf<TimeoutCase>);

TEST_F(TransmitTimeoutTest, ZeroLetsATransmissionLast) {
    setTimeout("0");
    key(Keyer::Operator);
    program.advance(24 * 60 * kMinuteMs);
    EXPECT_TRUE(radio.transmitting());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(TransmitTimeoutTest, EachTransmissionCountsFromItsStartWithTheLimitStoredThen) {
    setTimeout("2");
    key(Keyer::Operator);
    program.advance(90 * 1000);
    program.click(form.transmitSwitch); // to receive before the time-out
    setTimeout("1");
    key(Keyer::Client);
    program.advance(kMinuteMs - 1);
    EXPECT_TRUE(radio.transmitting());
    prompter.expect(kMessageTitle, kTransmitTimedOut);
    program.advance(1);
    EXPECT_FALSE(radio.transmitting());
}

// The settings dialog opened from the console, as "Config" does.
class TimeoutDialogTest : public ConsoleFixture {
protected:
    void SetUp() override {
        store.writeSetting(kSectionFlags, kKeyBack, "145500"); // slider at 60
        start();
        dialog.Form_Load();
        store.clearLog();
    }
    void open() {
        program.runEvent([&] {
            form.hide();
            dialog.show();
        });
        ASSERT_EQ(program.activeWindow(), &dialog);
    }
    void saveWith(const char* timeout) {
        ASSERT_TRUE(program.type(dialog.transmitTimeoutBox, timeout));
        ASSERT_TRUE(program.click(dialog.saveButton));
    }

    Form5 dialog{program, store, prompter, form};
};

struct ShownCase {
    const char* name;
    const char* stored; // nullptr: none
    const char* shown;
};

class TimeoutDialogShownTest : public TimeoutDialogTest,
                               public ::testing::WithParamInterface<ShownCase> {};

TEST_P(TimeoutDialogShownTest, TheBoxShowsTheTimeOutInForce) {
    if (GetParam().stored != nullptr) {
        store.writeSetting(kSectionProgram, kKeyTransmitTimeout, GetParam().stored);
    }
    open();
    EXPECT_EQ(dialog.transmitTimeoutBox.text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Stored, TimeoutDialogShownTest,
                         ::testing::Values(ShownCase{"None", nullptr, "10"},
                                           ShownCase{"Off", "0", "0"},
                                           ShownCase{"Blanks", " 25 ", "25"},
                                           ShownCase{"NotAValue", "ten", "10"}),
                         rowNameOf<ShownCase>);

TEST_F(TimeoutDialogTest, AChangeOfTheTimeOutAloneWritesOnlyItAndKeepsTheTuning) {
    open();
    saveWith("3");
    const std::vector<MemoryStore::Write> expected = {{"Program", "TransmitTimeout", "3"}};
    EXPECT_EQ(store.writes(), expected);
    EXPECT_FALSE(dialog.shown());
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_EQ(form.tuningSlider.value(), 60);
    store.clearLog();
    open();
    EXPECT_EQ(dialog.transmitTimeoutBox.text(), "3");
    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_TRUE(store.writes().empty());
}

class TimeoutDialogRefusedTest : public TimeoutDialogTest,
                                 public ::testing::WithParamInterface<const char*> {};

TEST_P(TimeoutDialogRefusedTest, ATimeOutThatIsNotWholeMinutesUpTo999IsRefused) {
    open();
    prompter.expectError(kTransmitTimeoutInvalid);
    saveWith(GetParam());
    EXPECT_TRUE(store.writes().empty());
    EXPECT_TRUE(dialog.shown());
    EXPECT_EQ(dialog.focused(), &dialog.transmitTimeoutBox);
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeoutDialogRefusedTest,
                         ::testing::Values("", "abc", "-1", "1.5", "99x"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                             return rowName(row.param);
                         });

TEST_F(TimeoutDialogTest, WithTheOtherValuesTheTimeOutIsCheckedAndWrittenAfterThem) {
    open();
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "0"));
    prompter.expectError(kBoundaryInvalid); // the dialog's own checks come first
    saveWith("abc");
    prompter.verify();
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "145000"));
    saveWith("0");
    const std::vector<MemoryStore::Write> expected = {
        {"Settings", "Scan_speed", "400"},
        {"Settings", "Scan_speed_from_and_up_to", "400"},
        {"Settings", "Channel_scanspeed", "400"},
        {"Settings", "Top_boundary", "146000"},
        {"Settings", "Buttom_boundary", "145000"},
        {"Settings", "Delay1", "0"},
        {"Settings", "Delay2", "0"},
        {"Settings", "FR_", "-600"},
        {"Settings", "GUN", "-10700"},
        {"Program", "TransmitTimeout", "0"},
        {"Flags", "LOCK", "0"},
        {"Flags", "LOCK", "1"},
    };
    EXPECT_EQ(store.writes(), expected);
    EXPECT_EQ(form.tuningSlider.value(), 0) << "the bound changed: re-ranged";
}

} // namespace
} // namespace volna::test
