// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: the port back ends, network rig control, the CSV export
// and import, and refusals.

#include "app/options.h"
#include "app/radio_port.h"
#include "app/shortcut_help.h"
#include "console/keyboard_shortcuts.h"
#include "toolkit/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

namespace volna {
namespace {

Options parse(const std::vector<std::string>& arguments) {
    return parseOptions(arguments, portBackEnds());
}

TEST(Options, PortChoices) {
    EXPECT_EQ(parse({}).port, kAutoPort);
    EXPECT_EQ(parse({"--port=sim"}).port, "sim");
    const Options ppdev = parse({"--port=ppdev:/dev/parport1"});
    EXPECT_EQ(ppdev.port, "ppdev");
    EXPECT_EQ(ppdev.device, "/dev/parport1");
    EXPECT_EQ(parse({"--port=ppdev"}).device, "/dev/parport0");
    const Options backToAuto = parse({"--port=ppdev:/dev/parport1", "--port=auto"});
    EXPECT_EQ(backToAuto.port, kAutoPort);
    EXPECT_EQ(backToAuto.device, "");
}

TEST(Options, RigControlIsOffUnlessAskedAndListensOnLoopbackByDefault) {
    EXPECT_FALSE(parse({}).rigctld);
    const Options plain = parse({"--rigctld"});
    EXPECT_TRUE(plain.rigctld);
    EXPECT_EQ(plain.rigctldAddress, "127.0.0.1");
    EXPECT_EQ(plain.rigctldPort, 4532);
    const Options six = parse({"--rigctld=[::1]:4533"});
    EXPECT_EQ(six.rigctldAddress, "::1");
    EXPECT_EQ(six.rigctldPort, 4533);
}

TEST(Options, CsvExportAndImportTakeAListAndTheFileAfterIt) {
    EXPECT_EQ(parse({}).csvAction, CsvAction::None);
    const Options exporting = parse({"--export-csv=library", "out.csv"});
    EXPECT_EQ(exporting.error, "");
    EXPECT_EQ(exporting.csvAction, CsvAction::Export);
    EXPECT_EQ(exporting.csvList, ChannelList::Library);
    EXPECT_EQ(exporting.csvFile, "out.csv");
    const Options importing = parse({"--yes", "--import-csv=channels", "--port=sim"});
    EXPECT_EQ(importing.error, "");
    EXPECT_EQ(importing.csvAction, CsvAction::Import);
    EXPECT_EQ(importing.csvList, ChannelList::Channels);
    EXPECT_EQ(importing.csvFile, "--port=sim") << "the argument after the list is the file";
    EXPECT_TRUE(importing.csvYes);
    EXPECT_FALSE(parse({"--import-csv=channels", "in.csv"}).csvYes);
    EXPECT_EQ(parse({"--export-csv=channels"}).error, "--export-csv=channels needs a FILE");
    EXPECT_EQ(parse({"--import-csv=all", "x.csv"}).error, "--import-csv takes channels or library");
    EXPECT_EQ(parse({"--export-csv=channels", "a", "--yes"}).error,
              "--yes goes only with --import-csv");
    EXPECT_EQ(parse({"--export-csv=channels", "a", "--import-csv=library", "b"}).error,
              "only one of --export-csv and --import-csv can be given");
}

TEST(Options, LanguageIsEnglishOrRussianAndTheLastOneGivenCounts) {
    EXPECT_FALSE(parse({}).language) << "without --lang the stored choice applies";
    EXPECT_EQ(parse({"--lang=en"}).language, Language::English);
    EXPECT_EQ(parse({"--lang=ru"}).language, Language::Russian);
    EXPECT_EQ(parse({"--lang=en", "--lang=ru"}).language, Language::Russian);
    const Options csv = parse({"--export-csv=channels", "out.csv", "--lang=en"});
    EXPECT_EQ(csv.error, "");
    EXPECT_EQ(csv.language, Language::English) << "the CSV command speaks it too";
    EXPECT_EQ(parse({"--lang=de"}).error, "--lang takes en or ru, not 'de'");
    EXPECT_EQ(parse({"--lang=EN"}).error, "--lang takes en or ru, not 'EN'");
    EXPECT_EQ(parse({"--lang="}).error, "--lang takes en or ru, not ''");
    EXPECT_EQ(parse({"--lang"}).error, "--lang takes en or ru, not ''") << "missing value";
    EXPECT_EQ(parse({"--language=en"}).error, "unknown option '--language=en'");
}

struct BadArgument {
    const char* name;
    const char* argument;
};

// One argument the command line must refuse.
class OptionsRefused : public ::testing::TestWithParam<BadArgument> {};

TEST_P(OptionsRefused, BadArgumentsAreRefusedWithAReason) {
    EXPECT_FALSE(parse({GetParam().argument}).error.empty());
}

// --sim-band and --sim-seed: the built-in band, a silent one, or a file,
// each drawn with the seed; a file that cannot be read is named.
TEST(Options, TheSimulatedBandAndItsSeed) {
    const Options file = parse({"--sim-band=/nonexistent/band", "--sim-seed=18446744073709551615"});
    EXPECT_EQ(file.simSeed, UINT64_MAX);
    EXPECT_TRUE(loadSimulatedBand(file).error.starts_with("--sim-band: "))
        << loadSimulatedBand(file).error;
    SimulatedBand builtIn = defaultSimulatedBand();
    builtIn.seed = 3;
    EXPECT_EQ(loadSimulatedBand(parse({"--sim-seed=3"})).band, builtIn);
    EXPECT_TRUE(loadSimulatedBand(parse({"--sim-band=none"})).band.stations.empty());
}

TEST(Options, AnUnknownPortIsNamedWithTheChoices) {
    EXPECT_EQ(parse({"--port=lpt"}).error,
              "unknown port 'lpt' (use auto, sim, ppdev[:DEVICE], ftdi[:DEVICE] or gpio[:DEVICE])");
}

// The help is drawn from the port table, each line within 80 columns; the
// whole text as the operator reads it with this build's back ends. Its
// keyboard section lists every key of the keyboard map with what it does.
TEST(Options, UsageListsThePortTable) {
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        std::string line =
            "\n  " + std::string(row.keys == std::string_view("Return") ? "Enter" : row.keys);
        line.resize(24, ' ');
        EXPECT_NE(shortcutHelp().find(line + row.what + "\n"), std::string::npos) << row.keys;
    }
    for (const PortBackEnd& backEnd : portBackEnds()) {
        if (!backEnd.missing.empty()) {
            GTEST_SKIP() << "the text below is that of a build with every port library";
        }
    }
    EXPECT_EQ(usage(portBackEnds()),
              "Usage: volna144 [--port=auto|sim|ppdev[:DEVICE]|ftdi[:DEVICE]|gpio[:DEVICE]]\n"
              "                [--pins=FRAME,CLOCK,DATA,TX,BUSY] [--rigctld[=ADDRESS:PORT]]\n"
              "                [--sim-band=FILE|none] [--sim-seed=N] [--lang=en|ru]\n"
              "       volna144 --export-csv=channels|library FILE [--lang=en|ru]\n"
              "       volna144 --import-csv=channels|library FILE [--yes] [--lang=en|ru]\n"
              "\n"
              "  --port=auto          the first parallel port (/dev/parport0) if it can be\n"
              "                       claimed, else the FTDI adapter if exactly one is\n"
              "                       attached, otherwise the simulated radio (default)\n"
              "  --port=sim           the simulated radio\n"
              "  --port=ppdev[:DEV]   the parallel port DEV through ppdev (default\n"
              "                       /dev/parport0)\n"
              "  --port=ftdi[:DEV]    an FTDI USB adapter in bit-bang mode, DEV its serial\n"
              "                       number or description (default: the only one attached);\n"
              "                       pins are D0 to D7\n"
              "                       --pins default 0,1,2,3,7 (pins 0 to 7)\n"
              "  --port=gpio[:DEV]    GPIO lines of chip DEV (default gpiochip0); pins are line\n"
              "                       offsets, the default ones on Raspberry Pi header pins 11,\n"
              "                       13, 15, 16 and 18\n"
              "                       --pins default 17,27,22,23,24 (pins 0 to 63)\n"
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
                  shortcutHelp());
}

// The port and keyboard lines are broken again in the language shown, by
// characters, so a longer translation still keeps to 80 columns.
TEST(Options, TranslatedHelpKeepsTo80Columns) {
    const TextTranslation longer = [](std::string_view text) {
        return "жжж " + std::string(text) + " жжж";
    };
    for (const std::string& help : {portHelp(portBackEnds(), longer), shortcutHelp(longer)}) {
        EXPECT_NE(help.find("жжж"), std::string::npos);
        std::istringstream lines(help);
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(characterCount(line), 80) << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OptionsRefused,
    ::testing::Values(
        BadArgument{"UnknownPort", "--port=lpt"},
        BadArgument{"PpdevWithoutDevice", "--port=ppdev:"},
        BadArgument{"SimWithDevice", "--port=sim:x"},
        BadArgument{"AutoWithDevice", "--port=auto:x"},
        BadArgument{"DeviceWithoutPort", "--port=:x"}, BadArgument{"EmptyPort", "--port="},
        BadArgument{"RigctldPortWithoutHost", "--rigctld=4532"},
        BadArgument{"RigctldEmptyPort", "--rigctld=host:"},
        BadArgument{"RigctldPortOutOfRange", "--rigctld=host:65536"},
        BadArgument{"RigctldPortNotANumber", "--rigctld=host:x1"},
        BadArgument{"RigctldPortOverflowing", "--rigctld=host:999999999999"},
        BadArgument{"EmptyPins", "--pins="}, BadArgument{"UnknownOption", "--fast"},
        BadArgument{"CsvWithoutList", "--export-csv"},
        BadArgument{"CsvWithAnotherName", "--export-csvs=channels"},
        BadArgument{"YesAlone", "--yes"}, BadArgument{"SimBandWithoutFile", "--sim-band="},
        BadArgument{"SimSeedNotANumber", "--sim-seed=1x"},
        BadArgument{"SimSeedNegative", "--sim-seed=-1"}, BadArgument{"SimSeedEmpty", "--sim-seed"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
