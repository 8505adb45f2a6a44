// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A console on the test bench: the real Form1 with the simulated radio, the
// in-memory store, the scripted prompter and the virtual clock. Scenario tests
// click, tick and activate as the operator and the platform would.

#include "console/console.h"
#include "settings/memory_store.h"
#include "support/scripted_prompter.h"
#include "synth/simulated_radio.h"
#include "toolkit/program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace volna::test {

// The first-run values of every setting and flag, as written by the first start.
void storeFirstRunValues(SettingsStore& store);

class ConsoleFixture : public ::testing::Test {
protected:
    ConsoleFixture();

    // Starts the console on a store that already holds the first-run values.
    void start();
    // Makes another window of the program active and then the console again,
    // as returning from a side window does.
    void reactivate();
    void setSetting(std::string_view key, const std::string& value);
    void setChannel(int n, const std::string& rx, const std::string& tx = "",
                    const std::string& comment = "");

    Program program;
    SimulatedRadio radio;
    MemoryStore store;
    ScriptedPrompter prompter;
    Form1 form{program, radio, store, prompter};
    Window other{program, "Other"};
};

} // namespace volna::test
