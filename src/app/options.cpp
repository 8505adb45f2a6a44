#include "app/options.h"

namespace volna {

namespace {

void parsePort(const std::string& value, Options& options) {
    if (value == "auto") {
        options.port = Options::Port::Auto;
    } else if (value == "sim") {
        options.port = Options::Port::Simulated;
    } else if (value == "ppdev") {
        options.port = Options::Port::Ppdev;
    } else if (value.rfind("ppdev:", 0) == 0 && value.size() > 6) {
        options.port = Options::Port::Ppdev;
        options.device = value.substr(6);
    } else {
        options.error = "unknown port '" + value + "' (use auto, sim or ppdev[:DEVICE])";
    }
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

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument.rfind("--port=", 0) == 0) {
            parsePort(argument.substr(7), options);
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

} // namespace volna
