#pragma once
// The command line of volna144: which port drives the radio, and the usual
// --help and --version. Parsing is pure so that it is tested with tables.

#include <string>
#include <vector>

namespace volna {

struct Options {
    enum class Port { Auto, Simulated, Ppdev };
    Port port = Port::Auto;
    std::string device = "/dev/parport0"; // for Auto and Ppdev
    // Network rig control (--rigctld): off unless asked for.
    bool rigctld = false;
    std::string rigctldAddress = "127.0.0.1";
    int rigctldPort = 4532; // 0: any free port
    bool help = false;
    bool version = false;
    std::string error; // non-empty: the command line was refused
};

Options parseOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: volna144 [--port=auto|sim|ppdev[:DEVICE]] [--rigctld[=ADDRESS:PORT]]\n"
    "\n"
    "  --port=auto          the first parallel port (/dev/parport0) if it can be\n"
    "                       claimed, otherwise the simulated radio (default)\n"
    "  --port=sim           the simulated radio\n"
    "  --port=ppdev[:DEV]   the parallel port DEV through ppdev (default /dev/parport0)\n"
    "  --rigctld[=ADDR:PORT]\n"
    "                       network rig control in the rigctld protocol (Hamlib's\n"
    "                       NET rigctl) on ADDR:PORT (default 127.0.0.1:4532)\n"
    "  --help               this text\n"
    "  --version            the program's version\n"
    "\n"
    "Environment: VOLNA144_PORT_TRACE=FILE appends every port operation to FILE;\n"
    "VOLNA144_SIM_STATUS=FILE makes the simulated radio's status register read the\n"
    "first integer in FILE.\n";

} // namespace volna
