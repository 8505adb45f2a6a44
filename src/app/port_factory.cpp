#include "app/port_factory.h"

#include "platform/ftdi/ftdi_port.h"
#include "platform/gpio/gpio_back_end.h"
#include "platform/ppdev/ppdev_port.h"
#include "synth/simulated_radio.h"

#include <optional>

namespace volna {

namespace {

// The column where the help of an option starts in --help.
constexpr std::size_t kHelpColumn = 23;
// The width --help keeps to.
constexpr std::size_t kHelpWidth = 80;

std::string spelling(const PortBackEnd& backEnd) {
    return backEnd.takesDevice() ? backEnd.name + "[:DEVICE]" : backEnd.name;
}

// The option, then its help from the help column, the help broken at blanks
// to stay within kHelpWidth columns.
std::string helpLine(const std::string& option, const std::string& help) {
    std::string line = "  " + option;
    if (line.size() < kHelpColumn) {
        line.append(kHelpColumn - line.size(), ' ');
    } else {
        line += "\n" + std::string(kHelpColumn, ' ');
    }
    std::size_t column = kHelpColumn;
    std::size_t start = 0;
    while (start < help.size()) {
        std::size_t end = help.find(' ', start);
        end = end == std::string::npos ? help.size() : end;
        const std::size_t word = end - start;
        if (column > kHelpColumn && column + 1 + word > kHelpWidth) {
            line += "\n" + std::string(kHelpColumn, ' ');
            column = kHelpColumn;
        } else if (column > kHelpColumn) {
            line += ' ';
            ++column;
        }
        line += help.substr(start, word);
        column += word;
        start = end + 1;
    }
    return line + "\n";
}

// What an opened port is called for the operator and for network clients.
std::string portName(const PortBackEnd& backEnd, const std::string& device) {
    if (backEnd.simulated) {
        return "simulated radio";
    }
    return device.empty() ? backEnd.name : backEnd.name + " " + device;
}

// The pins a back end drives: its defaults, or the --pins text read against
// its pin count. Nothing, with the reason in error, for a bad text or a back
// end on fixed lines.
std::optional<PinMap> pinsFor(const PortBackEnd& backEnd, const std::string& text,
                              std::string& error) {
    if (text.empty()) {
        return backEnd.defaultPins;
    }
    if (backEnd.pinCount == 0) {
        error = "--pins does not apply to the " + backEnd.name + " port";
        return std::nullopt;
    }
    return parsePinMap(text, backEnd.pinCount, error);
}

// The --pins text against every back end auto may open on pins of its own;
// the first refusal, or empty.
std::string automaticPinsError(const PortTable& table, const std::string& text) {
    std::string error;
    for (const PortBackEnd& backEnd : table) {
        if (backEnd.automatic && backEnd.pinCount > 0 && !pinsFor(backEnd, text, error)) {
            return error;
        }
    }
    return {};
}

// Opens one back end's default device for the automatic choice; nullptr with
// the reason in error when it does not open or is not the only device.
std::unique_ptr<ParallelPort> openForAuto(const PortBackEnd& backEnd, const std::string& pins,
                                          std::string& error) {
    if (backEnd.soleDevice && !backEnd.soleDevice(error)) {
        return nullptr;
    }
    const std::optional<PinMap> map = pinsFor(backEnd, backEnd.pinCount > 0 ? pins : "", error);
    return map ? backEnd.open(backEnd.defaultDevice, *map, error) : nullptr;
}

// Every available back end that auto tries, in table order, on its default
// device; the simulated radio when none opens.
OpenedPort openAutomatically(const PortTable& table, const std::string& pins) {
    if (std::string error = automaticPinsError(table, pins); !error.empty()) {
        return {nullptr, false, "", error};
    }
    std::string reasons;
    const PortBackEnd* fallback = nullptr;
    for (const PortBackEnd& backEnd : table) {
        if (backEnd.simulated) {
            fallback = fallback ? fallback : &backEnd;
            continue;
        }
        if (!backEnd.automatic || !backEnd.available()) {
            continue;
        }
        std::string error;
        if (auto port = openForAuto(backEnd, pins, error)) {
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
    return {fallback->open(fallback->defaultDevice, fallback->defaultPins, error), true,
            portName(*fallback, ""), reasons + "running the simulated radio"};
}

} // namespace

PortTable portBackEnds() {
    return {
        simulatedRadioBackEnd(),
        ppdevBackEnd(),
        ftdiBackEnd(),
        gpioBackEnd(),
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
        const std::string device = backEnd.takesDevice() ? "[:DEV]" : "";
        text += helpLine("--port=" + backEnd.name + device, backEnd.help);
        if (!backEnd.missing.empty()) {
            text += helpLine("", "not in this build (" + backEnd.missing + ")");
        } else if (backEnd.pinCount > 0) {
            text += helpLine("", "--pins default " + pinMapText(backEnd.defaultPins) +
                                     " (pins 0 to " + std::to_string(backEnd.pinCount - 1) + ")");
        }
    }
    return text;
}

OpenedPort openPort(const PortTable& table, const std::string& name, const std::string& device,
                    const std::string& pins) {
    if (name == kAutoPort) {
        return openAutomatically(table, pins);
    }
    const PortBackEnd* backEnd = findBackEnd(table, name);
    if (backEnd == nullptr) {
        return {nullptr, false, "", "unknown port '" + name + "'"};
    }
    if (!backEnd->missing.empty()) {
        return {nullptr, false, "",
                "the " + name + " port is not in this build (" + backEnd->missing + ")"};
    }
    if (!backEnd->available()) {
        return {nullptr, false, "", "the " + name + " port is not available on this machine"};
    }
    OpenedPort opened;
    const std::optional<PinMap> map = pinsFor(*backEnd, pins, opened.message);
    if (!map) {
        return opened;
    }
    opened.simulated = backEnd->simulated;
    const std::string& chosen = device.empty() ? backEnd->defaultDevice : device;
    opened.name = portName(*backEnd, chosen);
    opened.port = backEnd->open(chosen, *map, opened.message);
    return opened;
}

} // namespace volna
