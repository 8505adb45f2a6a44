// The way back to receive on the real console, whatever holds its input: the
// library that disables the console, or a message box of the library or the
// channel editor waiting for its answer. A client's "T 0", a keyer's vanishing and the
// operator's click on "RX" (a message box takes its answer first) all leave
// the console as the transmit switch's click to receive does; keying stays
// held, and a vanishing keyer drops only its own transmission.

#include "channels/channel_editor.h"
#include "channels/channel_library.h"
#include "remote/console_rig.h"
#include "remote/rig_sessions.h"
#include "support/box_with_events.h"
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

enum class Holder { Library, BoxOfTheEditor, BoxOfTheLibrary };
enum class DropWay { ClientSendsReceive, ClientVanishes, OperatorClicks };

struct HolderCase {
    const char* name;
    Holder holder;
    DropWay way;
};

class DropToReceiveTest : public ConsoleFixture, public ::testing::WithParamInterface<HolderCase> {
protected:
    void SetUp() override {
        setChannel(1, "145500", "144900");
        editor.openLibrary = [this] { library.show(); };
        start();
        program.scroll(form.tuningSlider, 40);
        library.Form_Load();
    }
    // The console's controls as the operator sees them, and the port's
    // operations since they were last cleared.
    std::vector<std::string> consoleState() {
        std::vector<std::string> state;
        for (const Control* control : form.controls()) {
            std::string line = control->name() + (control->enabled ? " on " : " off ");
            if (const auto* label = dynamic_cast<const Label*>(control)) {
                line += label->caption;
            } else if (const auto* box = dynamic_cast<const CheckBox*>(control)) {
                line += box->caption + (box->checked() ? " ticked" : "");
            }
            state.push_back(line);
        }
        for (const PortOp& op : radio.operations()) {
            state.push_back(std::to_string(op.port) + " " + std::to_string(op.value));
        }
        return state;
    }
    // Opens what holds the console and runs drop there: inside its box while
    // the box waits for its answer, when the row names a box.
    void holdAndRun(Holder holder, const std::function<void()>& drop) {
        program.runEvent([&] { editor.show(); });
        if (holder == Holder::Library || holder == Holder::BoxOfTheLibrary) {
            ASSERT_TRUE(program.click(editor.libraryButton));
            ASSERT_FALSE(form.enabled);
        }
        boxes.whileNextBoxOpen = drop;
        if (holder == Holder::BoxOfTheEditor) {
            ASSERT_TRUE(program.type(editor.transmitBox(2), "150000")); // out of band
            ASSERT_TRUE(program.click(editor.saveButton));
        } else if (holder == Holder::BoxOfTheLibrary) {
            ASSERT_TRUE(program.select(library.channelList, 0));
            ASSERT_TRUE(program.click(library.toLibraryButton));
            ASSERT_TRUE(program.click(library.toLibraryButton)); // "already there?"
        } else {
            std::exchange(boxes.whileNextBoxOpen, nullptr)();
        }
        ASSERT_EQ(boxes.whileNextBoxOpen, nullptr) << "no box ran the drop";
    }

    BoxWithEvents boxes;
    Form2 editor{program, store, boxes};
    Form6 library{program, store, boxes};
    ConsoleRig rig{form, "VOLNA144 test"};
    RigSessions sessions{rig, [this] { return boxes.open > 0; },
                         [](RigControl& r) { return std::make_unique<RigProtocol>(r); }};
};

TEST_P(DropToReceiveTest, TheWayBackToReceiveIsTheSwitchsClickWhateverHoldsTheConsole) {
    const HolderCase& c = GetParam();
    program.click(form.transmitSwitch);
    radio.clearOperations();
    program.click(form.transmitSwitch);
    const std::vector<std::string> expected = consoleState();
    const SessionId client = sessions.open().id;
    ASSERT_EQ(sessions.feed(client, "T 1\n"), "RPRT 0\n");
    holdAndRun(c.holder, [&] {
        radio.clearOperations();
        if (c.way == DropWay::ClientSendsReceive) {
            EXPECT_EQ(sessions.feed(client, "T 0\nT 1\n"), "RPRT 0\nRPRT -9\n");
        } else if (c.way == DropWay::ClientVanishes) {
            sessions.close(client);
        } else {
            EXPECT_TRUE(program.click(form.transmitSwitch));
            EXPECT_FALSE(program.click(form.transmitSwitch)) << "keying is held";
        }
    });
    EXPECT_EQ(consoleState(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, DropToReceiveTest,
    ::testing::Values(
        HolderCase{"Library", Holder::Library, DropWay::ClientSendsReceive},
        HolderCase{"BoxOfTheEditor", Holder::BoxOfTheEditor, DropWay::ClientSendsReceive},
        HolderCase{"BoxOfTheLibrary", Holder::BoxOfTheLibrary, DropWay::ClientSendsReceive},
        HolderCase{"LibraryAndTheClientVanishes", Holder::Library, DropWay::ClientVanishes},
        HolderCase{"BoxOfTheLibraryAndTheClientVanishes", Holder::BoxOfTheLibrary,
                   DropWay::ClientVanishes},
        HolderCase{"LibraryAndTheOperatorClicks", Holder::Library, DropWay::OperatorClicks}),
    rowNameOf<HolderCase>);

TEST_F(DropToReceiveTest, AVanishedClientLeavesTheOperatorsNextTransmissionOnTheAir) {
    const SessionId client = sessions.open().id;
    ASSERT_EQ(sessions.feed(client, "T 1\n"), "RPRT 0\n");
    program.click(form.transmitSwitch); // the operator: to receive
    program.click(form.transmitSwitch); // and keys again
    sessions.close(client);
    EXPECT_TRUE(radio.transmitting());
}

} // namespace
} // namespace volna::test
