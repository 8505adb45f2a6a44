// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"

#include "app/shortcut_help.h"
#include "toolkit/text_templates.h"

#include <charconv>
#include <string_view>

namespace volna {

namespace {

// Refuses the command line with templ filled by pieces.
void refuse(Options& options, const char* templ, std::vector<std::string> pieces = {}) {
    options.error = fillText(templ, pieces);
    options.errorTemplate = templ;
    options.errorPieces = std::move(pieces);
}

// NAME or NAME:DEVICE, where NAME takes a device.
void parsePort(const std::string& value, const PortTable& ports, Options& options) {
    if (value == kAutoPort) {
        options.port = kAutoPort;
        options.device.clear();
        return;
    }
    const std::size_t colon = value.find(':');
    const PortBackEnd* backEnd = findBackEnd(ports, value.substr(0, colon));
    const bool named = colon == std::string::npos;
    if (backEnd == nullptr || (!named && (!backEnd->takesDevice() || colon + 1 == value.size()))) {
        refuse(options, "unknown port '%1' (use %2)", {value, portSpellings(ports, "")});
        return;
    }
    options.port = backEnd->name;
    options.device = named ? backEnd->defaultDevice : value.substr(colon + 1);
}

// ADDRESS:PORT, the address in brackets when it is IPv6 ("[::1]:4532").
void parseRigctld(const std::string& value, Options& options) {
    options.rigctld = true;
    const std::size_t colon = value.rfind(':');
    std::string address = colon == std::string::npos ? "" : value.substr(0, colon);
    const std::string port = colon == std::string::npos ? "" : value.substr(colon + 1);
    if (address.size() > 2 && address.front() == '[' && address.back() == ']') {
        address = address.substr(1, address.size() - 2);
    }
    const bool portOk = !port.empty() && port.size() <= 5 &&
                        port.find_first_not_of("0123456789") == std::string::npos &&
                        std::stoi(port) <= 65535;
    if (address.empty() || !portOk) {
        refuse(options, "bad rig control address '%1' (use ADDRESS:PORT)", {value});
        return;
    }
    options.rigctldAddress = address;
    options.rigctldPort = std::stoi(port);
}

// A whole number from 0 to 2^64 - 1.
void parseSeed(const std::string& value, Options& options) {
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, options.simSeed);
    if (value.empty() || error != std::errc() || stop != end) {
        refuse(options, "--sim-seed takes a whole number, not '%1'", {value});
    }
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.rfind(prefix, 0) == 0;
}

// name itself or name=VALUE.
bool isOption(const std::string& argument, std::string_view name) {
    return startsWith(argument, name) &&
           (argument.size() == name.size() || argument[name.size()] == '=');
}

// --export-csv=LIST or --import-csv=LIST (option) and the FILE after it (file,
// nullptr when the command line ends there).
void parseCsv(CsvAction action, const std::string& option, const std::string* file,
              Options& options) {
    const std::string name = option.substr(0, option.find('='));
    const std::string list = option.size() > name.size() ? option.substr(name.size() + 1) : "";
    if (options.csvAction != CsvAction::None) {
        refuse(options, "only one of --export-csv and --import-csv can be given");
    } else if (list != "channels" && list != "library") {
        refuse(options, "%1 takes channels or library", {name});
    } else if (file == nullptr || file->empty()) {
        refuse(options, "%1=%2 needs a FILE", {name, list});
    } else {
        options.csvAction = action;
        options.csvList = list == "channels" ? ChannelList::Channels : ChannelList::Library;
        options.csvFile = *file;
    }
}

// The argument at index, and the one after it when it takes one (index is
// moved past it).
void parseArgument(const std::vector<std::string>& arguments, std::size_t& index,
                   const PortTable& ports, Options& options) {
    const std::string& argument = arguments[index];
    const bool exporting = isOption(argument, "--export-csv");
    if (argument == "--help" || argument == "-h") {
        options.help = true;
    } else if (argument == "--version") {
        options.version = true;
    } else if (startsWith(argument, "--port=")) {
        parsePort(argument.substr(7), ports, options);
    } else if (startsWith(argument, "--pins=")) {
        options.pins = argument.substr(7);
        if (options.pins.empty()) {
            refuse(options, "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY");
        }
    } else if (argument == "--rigctld") {
        options.rigctld = true;
    } else if (startsWith(argument, "--rigctld=")) {
        parseRigctld(argument.substr(10), options);
    } else if (exporting || isOption(argument, "--import-csv")) {
        const std::string* file = index + 1 < arguments.size() ? &arguments[++index] : nullptr;
        parseCsv(exporting ? CsvAction::Export : CsvAction::Import, argument, file, options);
    } else if (isOption(argument, "--lang")) {
        const std::string code = argument.size() > 6 ? argument.substr(7) : "";
        options.language = languageOfCode(code);
        if (!options.language) {
            refuse(options, "--lang takes en or ru, not '%1'", {code});
        }
    } else if (isOption(argument, "--sim-band")) {
        options.simBand = argument.size() > 10 ? argument.substr(11) : "";
        if (options.simBand.empty()) {
            refuse(options, "--sim-band takes a FILE or none");
        }
    } else if (isOption(argument, "--sim-seed")) {
        parseSeed(argument.size() > 10 ? argument.substr(11) : "", options);
    } else if (argument == "--yes") {
        options.csvYes = true;
    } else {
        refuse(options, "unknown option '%1'", {argument});
    }
}

} // namespace

std::optional<Language> languageAsked(const std::vector<std::string>& arguments) {
    std::optional<Language> asked;
    for (const std::string& argument : arguments) {
        if (startsWith(argument, "--lang=")) {
            if (const std::optional<Language> language = languageOfCode(argument.substr(7))) {
                asked = language;
            }
        }
    }
    return asked;
}

Options parseOptions(const std::vector<std::string>& arguments, const PortTable& ports) {
    Options options;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        parseArgument(arguments, i, ports, options);
    }
    if (options.error.empty() && options.csvYes && options.csvAction != CsvAction::Import) {
        refuse(options, "--yes goes only with --import-csv");
    }
    return options;
}

std::string usage(const PortTable& ports, bool withKeyboard, const TextTranslation& translate) {
    return "Usage: volna144 [--port=" + portSpellings(ports, "|") +
           "]\n"
           "                [--pins=FRAME,CLOCK,DATA,TX,BUSY] [--rigctld[=ADDRESS:PORT]]\n"
           "                [--sim-band=FILE|none] [--sim-seed=N] [--lang=en|ru]\n"
           "       volna144 --export-csv=channels|library FILE [--lang=en|ru]\n"
           "       volna144 --import-csv=channels|library FILE [--yes] [--lang=en|ru]\n"
           "\n"
           "  --port=auto          the first parallel port (/dev/parport0) if it can be\n"
           "                       claimed, else the FTDI adapter if exactly one is\n"
           "                       attached, otherwise the simulated radio (default)\n" +
           portHelp(ports, translate) +
           "  --pins=F,C,D,T,B     the pins of the frame, clock, data and transmit outputs\n"
           "                       and of the busy input on a port with pins of its own\n"
           "                       (defaults above)\n"
           "  --rigctld[=ADDR:PORT]\n"
           "                       network rig control in the rigctld protocol (Hamlib's\n"
           "                       NET rigctl) on ADDR:PORT (default 127.0.0.1:4532)\n"
           "  --sim-band=FILE|none the signals the simulated radio hears, one a line:\n"
           "                       kHz, width kHz, always | every P on D [at S] |\n"
           "                       bursts D% of L (default: a built-in band of the 2 m\n"
           "                       range; none: a silent band)\n"
           "  --sim-seed=N         draws the simulated band's bursts (default 1)\n"
           "  --export-csv=channels|library FILE\n"
           "                       write the ten channels or the library to FILE as CHIRP\n"
           "                       CSV and end, without opening a window\n"
           "  --import-csv=channels|library FILE [--yes]\n"
           "                       read CHIRP CSV rows from FILE into the channels or the\n"
           "                       library: print what would be replaced and which rows are\n"
           "                       refused, and write only with --yes (exit status 1 when\n"
           "                       nothing was written)\n"
           "  --lang=en|ru         the language of the windows and messages: English or\n"
           "                       Russian; kept for later starts (default: the last one\n"
           "                       chosen, Russian at first)\n"
           "  --help               this text\n"
           "  --version            the program's version\n"
           "\n"
           "Environment: VOLNA144_PORT_TRACE=FILE appends every port operation to FILE;\n"
           "VOLNA144_SIM_STATUS=FILE makes the simulated radio's status register read the\n"
           "first integer in FILE, in place of its band.\n" +
           (withKeyboard ? shortcutHelp() : std::string());
}

} // namespace volna
