// The transmit time-out on the program's clock: any transmission ends once it
// has lasted the stored limit, whatever holds the console, with a box saying
// why; 0 lets it last; and the settings dialog sets the limit without touching
// what its other values do.

#include "channels/channel_editor.h"
#include "remote/console_rig.h"
#include "settings/settings_dialog.h"
#include "settings/store_layout.h"
#include "support/box_with_events.h"
#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace volna::test {
namespace {

constexpr std::int64_t kMinuteMs = 60 * 1000;

TEST(TransmitTimeoutText, OnlyOneToThreeDigitsAreATimeOut) {
    const std::vector<std::pair<const char*, std::optional<int>>> cases = {{"10", 10},
                                                                           {" 0\t", 0},
                                                                           {"999", 999},
                                                                           {"1000", std::nullopt},
                                                                           {"-1", std::nullopt},
                                                                           {"1.5", std::nullopt},
                                                                           {"5 min", std::nullopt},
                                                                           {" ", std::nullopt}};
    for (const auto& [text, minutes] : cases) {
        EXPECT_EQ(transmitTimeoutMinutes(text), minutes) << '"' << text << '"';
    }
}

struct TimeoutCase {
    const char* name;
    const char* stored; // nullptr: none stored
    std::int64_t limitMs;
    bool byClient; // keyed by a network client, not the operator
    bool boxWaits; // a box of the channel editor waits as the time-out falls due
};

class TransmitTimeoutTest : public ConsoleFixture,
                            public ::testing::WithParamInterface<TimeoutCase> {
protected:
    void SetUp() override {
        start();
        program.scroll(form.tuningSlider, 40);
    }
    void key(bool byClient) {
        ASSERT_TRUE(byClient ? rig.setTransmit(true) == RigControl::Result::Ok
                             : program.click(form.transmitSwitch));
        ASSERT_TRUE(radio.transmitting());
    }
    // Lets ms pass inside a box of the channel editor.
    void passInABox(std::int64_t ms) {
        program.runEvent([&] { editor.show(); });
        boxes.whileNextBoxOpen = [&] { program.advance(ms); };
        ASSERT_TRUE(program.type(editor.transmitBox(1), "150000")); // out of band: a box
        ASSERT_TRUE(program.click(editor.saveButton));
        ASSERT_EQ(boxes.shown.size(), 1u);
    }
    void storeTimeout(const char* text) {
        store.writeSetting(kSectionProgram, kKeyTransmitTimeout, text);
    }

    BoxWithEvents boxes;
    Form2 editor{program, store, boxes};
    ConsoleRig rig{form, "VOLNA144 test"};
};

TEST_P(TransmitTimeoutTest, ATransmissionEndsAtTheTimeOutWithABoxSayingWhy) {
    const TimeoutCase& c = GetParam();
    if (c.stored != nullptr) {
        storeTimeout(c.stored);
    }
    key(c.byClient);
    program.advance(c.limitMs - 1);
    ASSERT_TRUE(radio.transmitting()) << "ended early";
    prompter.expect(kMessageTitle, kTransmitTimedOut);
    if (c.boxWaits) {
        passInABox(1);
    } else {
        program.advance(1);
    }
    EXPECT_TRUE(prompter.done());
    EXPECT_EQ(radio.dataRegister(), 0);
    EXPECT_EQ(form.modeIndicator.caption, "RX");
    EXPECT_EQ(form.transmitSwitch.caption, "TX");
    EXPECT_TRUE(form.tuningSlider.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Transmissions, TransmitTimeoutTest,
    ::testing::Values(TimeoutCase{"StartingValue", nullptr, 10 * kMinuteMs, false, false},
                      TimeoutCase{"AClients", "3", 3 * kMinuteMs, true, false},
                      TimeoutCase{"WhileABoxWaits", "2", 2 * kMinuteMs, true, true}),
    rowNameOf<TimeoutCase>);

TEST_F(TransmitTimeoutTest, EachTransmissionCountsFromItsStartWithTheLimitStoredThenZeroForNone) {
    storeTimeout("2");
    key(false);
    program.advance(90 * 1000);
    program.click(form.transmitSwitch); // to receive before the time-out
    storeTimeout("1");
    key(true);
    program.advance(kMinuteMs - 1);
    EXPECT_TRUE(radio.transmitting());
    prompter.expect(kMessageTitle, kTransmitTimedOut);
    program.advance(1);
    EXPECT_FALSE(radio.transmitting());
    storeTimeout("0");
    key(false);
    program.advance(12 * 60 * kMinuteMs);
    EXPECT_TRUE(radio.transmitting());
}

// The settings dialog opened from the console, as "Config" does.
class TimeoutDialogTest : public ConsoleFixture {
protected:
    void SetUp() override {
        store.writeSetting(kSectionFlags, kKeyBack, "145500"); // slider at 60
        start();
        dialog.Form_Load();
        open();
        store.clearLog();
    }
    void open() {
        program.runEvent([&] {
            form.hide();
            dialog.show();
        });
    }
    void saveWith(const char* timeout) {
        ASSERT_TRUE(program.type(dialog.transmitTimeoutBox, timeout));
        ASSERT_TRUE(program.click(dialog.saveButton));
    }

    Form5 dialog{program, store, prompter, form};
};

TEST_F(TimeoutDialogTest, AChangeOfTheTimeOutAloneWritesOnlyItAndKeepsTheTuning) {
    EXPECT_EQ(dialog.transmitTimeoutBox.text(), "10"); // none stored: the starting value
    saveWith(" 3");
    EXPECT_EQ(store.writes(),
              (std::vector<MemoryStore::Write>{{"Program", "TransmitTimeout", "3"}}));
    EXPECT_EQ(program.activeWindow(), &form);
    EXPECT_EQ(form.tuningSlider.value(), 60);
    store.clearLog();
    open();
    EXPECT_EQ(dialog.transmitTimeoutBox.text(), "3");
    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(TimeoutDialogTest, ATimeOutThatIsNotWholeMinutesIsRefusedAfterTheOtherChecks) {
    for (const char* text : {"", "abc", "1.5"}) {
        prompter.expectError(kTransmitTimeoutInvalid);
        saveWith(text);
        EXPECT_TRUE(store.writes().empty()) << text;
        EXPECT_EQ(dialog.focused(), &dialog.transmitTimeoutBox) << text;
    }
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "0"));
    prompter.expectError(kBoundaryInvalid);
    saveWith("abc");
    EXPECT_TRUE(store.writes().empty());
}

TEST_F(TimeoutDialogTest, WithTheOtherValuesTheTimeOutIsWrittenAfterThemAndBeforeTheLock) {
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "145000"));
    saveWith("0");
    const std::vector<MemoryStore::Write> after(store.writes().begin() + 8, store.writes().end());
    EXPECT_EQ(after, (std::vector<MemoryStore::Write>{{"Settings", "GUN", "-10700"},
                                                      {"Program", "TransmitTimeout", "0"},
                                                      {"Flags", "LOCK", "0"},
                                                      {"Flags", "LOCK", "1"}}));
    EXPECT_EQ(form.tuningSlider.value(), 0) << "the band changed: re-ranged";
}

} // namespace
} // namespace volna::test
