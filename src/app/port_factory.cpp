#include "app/port_factory.h"

#include "platform/ppdev/ppdev_port.h"
#include "synth/simulated_radio.h"

namespace volna {

namespace {

// The column where the help of an option starts in --help.
constexpr std::size_t kHelpColumn = 23;

std::string spelling(const PortBackEnd& backEnd) {
    return backEnd.defaultDevice.empty() ? backEnd.name : backEnd.name + "[:DEVICE]";
}

std::string helpLine(const std::string& option, const std::string& help) {
    std::string line = "  " + option;
    if (line.size() < kHelpColumn) {
        line.append(kHelpColumn - line.size(), ' ');
    } else {
        line += "\n" + std::string(kHelpColumn, ' ');
    }
    return line + help + "\n";
}

// What an opened port is called for the operator and for network clients.
std::string portName(const PortBackEnd& backEnd, const std::string& device) {
    if (backEnd.simulated) {
        return "simulated radio";
    }
    return device.empty() ? backEnd.name : backEnd.name + " " + device;
}

// Every available back end but the simulated radio, in table order, on its
// default device; the simulated radio when none opens.
OpenedPort openAutomatically(const PortTable& table) {
    std::string reasons;
    const PortBackEnd* fallback = nullptr;
    for (const PortBackEnd& backEnd : table) {
        if (backEnd.simulated) {
            fallback = fallback ? fallback : &backEnd;
            continue;
        }
        if (!backEnd.available()) {
            continue;
        }
        std::string error;
        if (auto port = backEnd.open(backEnd.defaultDevice, error)) {
            return {std::move(port), false, portName(backEnd, backEnd.defaultDevice), ""};
        }
        reasons += error + "; ";
    }
    if (reasons.empty()) {
        reasons = "no parallel port on this machine; ";
    }
    if (fallback == nullptr) {
        return {nullptr, false, "", reasons + "and no simulated radio in this build"};
    }
    std::string error;
    return {fallback->open(fallback->defaultDevice, error), true, portName(*fallback, ""),
            reasons + "running the simulated radio"};
}

} // namespace

PortTable portBackEnds() {
    return {
        simulatedRadioBackEnd(),
        ppdevBackEnd(),
    };
}

const PortBackEnd* findBackEnd(const PortTable& table, const std::string& name) {
    for (const PortBackEnd& backEnd : table) {
        if (backEnd.name == name) {
            return &backEnd;
        }
    }
    return nullptr;
}

std::string portSpellings(const PortTable& table, const std::string& separator) {
    std::string text = kAutoPort;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!separator.empty()) {
            text += separator;
        } else {
            text += i + 1 == table.size() ? " or " : ", ";
        }
        text += spelling(table[i]);
    }
    return text;
}

std::string portHelp(const PortTable& table) {
    std::string text;
    for (const PortBackEnd& backEnd : table) {
        const std::string device = backEnd.defaultDevice.empty() ? "" : "[:DEV]";
        text += helpLine("--port=" + backEnd.name + device, backEnd.help);
    }
    return text;
}

OpenedPort openPort(const PortTable& table, const std::string& name, const std::string& device) {
    if (name == kAutoPort) {
        return openAutomatically(table);
    }
    const PortBackEnd* backEnd = findBackEnd(table, name);
    if (backEnd == nullptr) {
        return {nullptr, false, "", "unknown port '" + name + "'"};
    }
    if (!backEnd->available()) {
        return {nullptr, false, "", "the " + name + " port is not available on this machine"};
    }
    OpenedPort opened;
    opened.simulated = backEnd->simulated;
    const std::string& chosen = device.empty() ? backEnd->defaultDevice : device;
    opened.name = portName(*backEnd, chosen);
    opened.port = backEnd->open(chosen, opened.message);
    return opened;
}

} // namespace volna
