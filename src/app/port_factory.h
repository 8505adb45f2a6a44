// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of port back ends this build knows, and what the command line and
// the start-up do with it: the spellings --port= accepts and their help, and
// the opening of the chosen port. "auto" takes the first port that opens and
// falls back to the simulated radio. A new back end is its own files plus one
// row in portBackEnds().

#include "synth/port_back_end.h"
#include "toolkit/text.h"

#include <memory>
#include <string>
#include <vector>

namespace volna {

using PortTable = std::vector<PortBackEnd>;

// The choice that tries every port in turn.
inline constexpr const char* kAutoPort = "auto";

// Every back end of this build, in the order --help lists them.
PortTable portBackEnds();

// The back end called name, or nullptr.
const PortBackEnd* findBackEnd(const PortTable& table, const std::string& name);

// What --port= accepts: "auto", then each back end's name with "[:DEVICE]"
// when it takes a device, joined by separator ("|"), or as a list ending in
// " or " when separator is empty ("auto, sim or ppdev[:DEVICE]").
std::string portSpellings(const PortTable& table, const std::string& separator);

// The --port lines of --help, one per back end: the option padded to the help
// column, then the back end's help through translate, broken to fit.
std::string portHelp(const PortTable& table, const TextTranslation& translate = {});

struct OpenedPort {
    std::unique_ptr<ParallelPort> port; // nullptr: the port asked for did not open
    bool simulated = false;             // the simulated radio stands in for the real one
    std::string name;                   // what was opened: "ppdev /dev/parport0", "simulated radio"
    // For the operator: why the port did not open, or why auto fell back to
    // the simulated radio; empty otherwise.
    std::string message;
};

// Opens the port called name (kAutoPort or a back end's name) on device
// (empty: the back end's default device) with the lines on pins (the --pins
// text; empty: the back end's default pins). Bad pins are refused before
// anything is opened.
OpenedPort openPort(const PortTable& table, const std::string& name, const std::string& device,
                    const std::string& pins = "");

} // namespace volna
