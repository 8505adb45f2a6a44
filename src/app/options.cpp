#include "app/options.h"

namespace volna {

namespace {

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
        options.error = "unknown port '" + value + "' (use " + portSpellings(ports, "") + ")";
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
        options.error = "bad rig control address '" + value + "' (use ADDRESS:PORT)";
        return;
    }
    options.rigctldAddress = address;
    options.rigctldPort = std::stoi(port);
}

} // namespace

Options parseOptions(const std::vector<std::string>& arguments, const PortTable& ports) {
    Options options;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument.rfind("--port=", 0) == 0) {
            parsePort(argument.substr(7), ports, options);
        } else if (argument.rfind("--pins=", 0) == 0) {
            options.pins = argument.substr(7);
            if (options.pins.empty()) {
                options.error = "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY";
            }
        } else if (argument == "--rigctld") {
            options.rigctld = true;
        } else if (argument.rfind("--rigctld=", 0) == 0) {
            parseRigctld(argument.substr(10), options);
        } else {
            options.error = "unknown option '" + argument + "'";
        }
        if (!options.error.empty()) {
            break;
        }
    }
    return options;
}

std::string usage(const PortTable& ports) {
    return "Usage: volna144 [--port=" + portSpellings(ports, "|") +
           "]\n"
           "                [--pins=FRAME,CLOCK,DATA,TX,BUSY] [--rigctld[=ADDRESS:PORT]]\n"
           "\n"
           "  --port=auto          the first parallel port (/dev/parport0) if it can be\n"
           "                       claimed, else the FTDI adapter if exactly one is\n"
           "                       attached, otherwise the simulated radio (default)\n" +
           portHelp(ports) +
           "  --pins=F,C,D,T,B     the pins of the frame, clock, data and transmit outputs\n"
           "                       and of the busy input on a port with pins of its own\n"
           "                       (defaults above)\n"
           "  --rigctld[=ADDR:PORT]\n"
           "                       network rig control in the rigctld protocol (Hamlib's\n"
           "                       NET rigctl) on ADDR:PORT (default 127.0.0.1:4532)\n"
           "  --help               this text\n"
           "  --version            the program's version\n"
           "\n"
           "Environment: VOLNA144_PORT_TRACE=FILE appends every port operation to FILE;\n"
           "VOLNA144_SIM_STATUS=FILE makes the simulated radio's status register read the\n"
           "first integer in FILE.\n";
}

} // namespace volna
