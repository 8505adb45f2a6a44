// SPDX-License-Identifier: GPL-3.0-or-later
// The console when its port loses the hardware while it runs: one box, then
// the simulated radio only if the operator says so, else the program ends;
// never a silent switch, and never a second box.

#include "console/port_loss.h"

#include "console/console.h"
#include "settings/memory_store.h"
#include "support/console_fixture.h"
#include "support/scripted_prompter.h"
#include "synth/simulated_radio.h"
#include "toolkit/program.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

// A radio whose link can be cut: from then on it reports why and takes
// nothing, as an unplugged adapter does.
class CuttableRadio : public SimulatedRadio {
public:
    void out(int port, int value) override {
        if (fault_.empty()) {
            SimulatedRadio::out(port, value);
        }
    }
    std::string fault() const override { return fault_; }
    void cut() { fault_ = "the FTDI adapter was unplugged"; }
    void tryDropAfterFault() override { dropsAfterBoxes.push_back(prompter->shown().size()); }
    const ScriptedPrompter* prompter = nullptr;
    std::vector<std::size_t> dropsAfterBoxes; // the boxes shown at each try of the drop

private:
    std::string fault_;
};

constexpr const char* kLostText =
    "the FTDI adapter was unplugged\n\nСвязь с радиостанцией потеряна. Продолжить работу с "
    "имитацией радиостанции?";

class PortLossTest : public ::testing::Test {
protected:
    PortLossTest() {
        storeFirstRunValues(store);
        hardware.prompter = &prompter;
        subscription = program.addAfterEvent([this] { watch.check(); });
    }

    void start() { ASSERT_TRUE(startConsole(form)); }
    // A slider move: one retune through whichever port is in use.
    void retune(int position) { program.scroll(form.tuningSlider, position); }

    Program program;
    CuttableRadio hardware;
    SwitchablePort port{hardware};
    MemoryStore store;
    ScriptedPrompter prompter;
    Form1 form{program, port, store, prompter};
    SimulatedRadio* replacement = nullptr;
    PortLossWatch watch{form, port, prompter, [this] {
                            auto radio = std::make_unique<SimulatedRadio>();
                            replacement = radio.get();
                            return radio;
                        }};
    Subscription subscription;
};

TEST_F(PortLossTest, AWorkingPortAsksNothing) {
    start();
    retune(10);
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_FALSE(port.switched());
}

TEST_F(PortLossTest, AgreeingMovesTheConsoleOntoTheSimulatedRadioAndSaysSoInTheTitle) {
    start();
    hardware.cut();
    prompter.expect(kWarningTitle, kLostText, Answer::Yes);
    retune(10);
    prompter.verify();
    ASSERT_TRUE(port.switched());
    ASSERT_NE(replacement, nullptr);
    EXPECT_EQ(form.caption, kSimulatedConsoleTitle);
    EXPECT_FALSE(program.quitting());

    retune(20);
    EXPECT_EQ(replacement->lastWordLength(), 24);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(hardware.dropsAfterBoxes, std::vector<std::size_t>{1}); // tried once, after the box
}

TEST_F(PortLossTest, RefusingEndsTheProgramAndTheBoxComesOnlyOnce) {
    start();
    hardware.cut();
    prompter.expect(kWarningTitle, kLostText, Answer::No);
    retune(10);
    prompter.verify();
    EXPECT_TRUE(program.quitting());
    EXPECT_FALSE(port.switched());
    retune(20);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(hardware.dropsAfterBoxes, std::vector<std::size_t>{1});
}

} // namespace
} // namespace volna::test
