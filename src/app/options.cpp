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
