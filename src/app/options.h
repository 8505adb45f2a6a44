// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of volna144: which port drives the radio (a name from the
// port table), network rig control, the language, a CSV export or import run without any
// window, and the usual --help and --version. Parsing is pure so that it is
// tested with tables.

#include "app/port_factory.h"
#include "channels/chirp_csv.h"
#include "settings/language.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace volna {

// --export-csv=LIST FILE or --import-csv=LIST FILE [--yes]: the program moves
// a list to or from a CHIRP CSV file and ends without opening a window.
enum class CsvAction { None, Export, Import };

struct Options {
    std::string port = kAutoPort; // kAutoPort or the name of a back end in the port table
    std::string device;           // the device of that back end; empty for auto
    std::string pins;             // --pins as written; empty: the back end's defaults
    // Network rig control (--rigctld): off unless asked for.
    bool rigctld = false;
    std::string rigctldAddress = "127.0.0.1";
    int rigctldPort = 4532; // 0: any free port
    CsvAction csvAction = CsvAction::None;
    ChannelList csvList = ChannelList::Channels;
    std::string csvFile;
    bool csvYes = false; // --yes: the import writes what its report lists
    // --sim-band: the simulated radio's band file; empty: the built-in band,
    // "none": a silent band. --sim-seed draws its bursts.
    std::string simBand;
    std::uint64_t simSeed = 1;
    std::optional<Language> language; // --lang; none: the language kept in the store
    bool help = false;
    bool version = false;
    std::string error; // non-empty: the command line was refused
    // The refusal's English template (%1, %2) and its pieces, so that it can
    // be shown in the program's language.
    std::string errorTemplate;
    std::vector<std::string> errorPieces;
};

// The language --lang asks for anywhere among arguments, even after a
// refused one; none when it is not given or not understood.
std::optional<Language> languageAsked(const std::vector<std::string>& arguments);

// Reads arguments (without the program name); --port= takes the names in ports.
Options parseOptions(const std::vector<std::string>& arguments, const PortTable& ports);

// The text of --help, its --port lines drawn from ports and put through
// translate (they are broken to fit after that, so the whole text cannot be).
std::string usage(const PortTable& ports, bool withKeyboard = true,
                  const TextTranslation& translate = {});

} // namespace volna
