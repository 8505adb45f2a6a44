// SPDX-License-Identifier: GPL-3.0-or-later
// The way back to receive on the real console: a client's "T 0", a keyer's
// vanishing and the transmit time-out do what the switch's click to receive
// does, also while the library or its box holds the console, where keying is
// held; and the time-out as the settings dialog sets it.

#include "channels/channel_library.h"
#include "remote/console_rig.h"
#include "remote/rig_sessions.h"
#include "settings/settings_dialog.h"
#include "settings/store_layout.h"
#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace volna::test {
namespace {

constexpr std::int64_t kMinuteMs = 60 * 1000;

// A prompter whose next box runs whileNextBoxOpen, as a box's event loop runs
// events while the handler that opened it has not returned; then OK, or No.
class BoxWithEvents : public Prompter {
public:
    Answer ask(const Message& message) override {
        ++open;
        if (const std::function<void()> events = std::exchange(whileNextBoxOpen, nullptr)) {
            events();
        }
        --open;
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    std::function<void()> whileNextBoxOpen;
    int open = 0; // boxes waiting for their answer now
};

enum class Drop { ClientSendsReceive, ClientVanishes, TimeOut };

struct DropCase {
    const char* name;
    bool inABox; // run inside a box of the library, else with the library open
    Drop drop;
};

class TransmitLineTest : public ConsoleFixture, public ::testing::WithParamInterface<DropCase> {
protected:
    void SetUp() override {
        setChannel(1, "145500", "144900");
        form.openSettings = [this] { dialog.show(); };
        start();
        program.scroll(form.tuningSlider, 40);
        library.Form_Load();
        dialog.Form_Load();
        store.clearLog();
    }
    // Every control as the operator sees it, and the port's operations since
    // they were last cleared.
    std::string consoleState() {
        std::string state = form.modeIndicator.caption + " " + form.transmitSwitch.caption +
                            (form.transmitSwitch.checked() ? " ticked" : "");
        for (const Control* control : form.controls()) {
            state += " " + control->name() + (control->enabled ? "+" : "-");
        }
        for (const PortOp& op : radio.operations()) {
            state += " " + std::to_string(op.port) + ":" + std::to_string(op.value);
        }
        return state;
    }

    BoxWithEvents boxes;
    Form6 library{program, store, boxes};
    Form5 dialog{program, store, prompter, form};
    ConsoleRig rig{form, "VOLNA144 test"};
    RigSessions sessions{rig, [this] { return boxes.open > 0; },
                         [](RigControl& r) { return std::make_unique<RigProtocol>(r); }};
    const SessionId client = sessions.open().id;
};

TEST_P(TransmitLineTest, TheWayBackToReceiveIsTheSwitchsClickWhateverHoldsTheConsole) {
    const DropCase& c = GetParam();
    program.click(form.transmitSwitch);
    radio.clearOperations();
    program.click(form.transmitSwitch);
    const std::string expected = consoleState();
    ASSERT_EQ(sessions.feed(client, "T 1\n"), "RPRT 0\n");
    const std::function<void()> drop = [&] {
        radio.clearOperations();
        if (c.drop == Drop::ClientSendsReceive) {
            EXPECT_EQ(sessions.feed(client, "T 0\nT 1\n"), "RPRT 0\nRPRT -9\n");
        } else if (c.drop == Drop::ClientVanishes) {
            sessions.close(client);
        } else {
            program.advance(10 * kMinuteMs - 1); // none stored: ten minutes
            ASSERT_TRUE(radio.transmitting()) << "ended early";
            prompter.expect(kMessageTitle, kTransmitTimedOut);
            program.advance(1);
        }
    };
    program.runEvent([&] { library.show(); });
    ASSERT_FALSE(form.enabled);
    if (c.inABox) {
        boxes.whileNextBoxOpen = drop;
        ASSERT_TRUE(program.select(library.channelList, 0));
        ASSERT_TRUE(program.click(library.toLibraryButton));
        ASSERT_TRUE(program.click(library.toLibraryButton)); // "already there?"
        ASSERT_EQ(boxes.whileNextBoxOpen, nullptr) << "no box ran the drop";
    } else {
        drop();
    }
    EXPECT_EQ(consoleState(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drops, TransmitLineTest,
    ::testing::Values(DropCase{"ClientSendsReceive", false, Drop::ClientSendsReceive},
                      DropCase{"ClientSendsReceiveInABox", true, Drop::ClientSendsReceive},
                      DropCase{"ClientVanishesInABox", true, Drop::ClientVanishes},
                      DropCase{"TimeOutInABox", true, Drop::TimeOut}),
    rowNameOf<DropCase>);

TEST_F(TransmitLineTest, AVanishedClientLeavesTheOperatorsNextTransmissionOnTheAir) {
    ASSERT_EQ(sessions.feed(client, "T 1\n"), "RPRT 0\n");
    program.click(form.transmitSwitch); // the operator: to receive
    program.click(form.transmitSwitch); // and keys again
    sessions.close(client);
    EXPECT_TRUE(radio.transmitting());
}

// The limit is read when a transmission starts and counts from that start.
TEST_F(TransmitLineTest, EachTransmissionCountsFromItsStartWithTheLimitStoredThenZeroForNone) {
    for (const char* minutes : {"1", "0"}) {
        program.click(form.transmitSwitch);
        program.advance(50 * 1000);
        program.click(form.transmitSwitch); // to receive before any limit
        store.writeSetting(kSectionProgram, kKeyTransmitTimeout, minutes);
        program.click(form.transmitSwitch);
        program.advance(kMinuteMs - 1);
        ASSERT_TRUE(radio.transmitting()) << minutes;
        if (*minutes == '1') {
            prompter.expect(kMessageTitle, kTransmitTimedOut);
        }
        program.advance(12 * 60 * kMinuteMs);
        EXPECT_EQ(radio.transmitting(), *minutes == '0') << minutes;
        if (radio.transmitting()) {
            program.click(form.transmitSwitch);
        }
    }
}

// In Config: only whole minutes, checked after the other values and written
// before the lock; a change of the time-out alone writes only it and keeps
// the tuning; an unchanged save writes nothing.
TEST_F(TransmitLineTest, TheTimeOutIsSetInConfig) {
    ASSERT_TRUE(program.click(form.configButton));
    EXPECT_EQ(dialog.transmitTimeoutBox.text(), "10"); // none stored: the starting value
    for (const char* refused : {"1.5", "-1", " "}) {   // the box takes three characters
        prompter.expectError(kTransmitTimeoutInvalid);
        ASSERT_TRUE(program.type(dialog.transmitTimeoutBox, refused));
        ASSERT_TRUE(program.click(dialog.saveButton));
        EXPECT_EQ(dialog.focused(), &dialog.transmitTimeoutBox) << refused;
    }
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "0"));
    prompter.expectError(kBoundaryInvalid);
    ASSERT_TRUE(program.click(dialog.saveButton));
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "144000"));
    ASSERT_TRUE(program.type(dialog.transmitTimeoutBox, " 3"));
    ASSERT_TRUE(program.click(dialog.saveButton));
    const std::vector<MemoryStore::Write> alone{{"Program", "TransmitTimeout", "3"}};
    EXPECT_EQ(store.writes(), alone);
    EXPECT_EQ(form.tuningSlider.value(), 40);
    ASSERT_TRUE(program.click(form.configButton));
    ASSERT_TRUE(program.click(dialog.saveButton));
    EXPECT_EQ(store.writes(), alone) << "an unchanged save writes nothing";
    ASSERT_TRUE(program.click(form.configButton));
    ASSERT_TRUE(program.type(dialog.lowerBoundBox, "145000"));
    ASSERT_TRUE(program.type(dialog.transmitTimeoutBox, "0"));
    ASSERT_TRUE(program.click(dialog.saveButton));
    const std::vector<MemoryStore::Write> after(store.writes().end() - 4, store.writes().end());
    EXPECT_EQ(after, (std::vector<MemoryStore::Write>{{"Settings", "GUN", "-10700"},
                                                      {"Program", "TransmitTimeout", "0"},
                                                      {"Flags", "LOCK", "0"},
                                                      {"Flags", "LOCK", "1"}}));
}

} // namespace
} // namespace volna::test
