// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/port_factory.h"

#include "app/help_line.h"
#include "platform/ftdi/ftdi_port.h"
#include "platform/gpio/gpio_back_end.h"
#include "platform/ppdev/ppdev_port.h"
#include "synth/simulated_radio.h"
#include "toolkit/english_messages.h"
#include "toolkit/text.h"
#include "toolkit/text_templates.h"

#include <optional>

namespace volna {

namespace {

std::string spelling(const PortBackEnd& backEnd) {
    return backEnd.takesDevice() ? backEnd.name + "[:DEVICE]" : backEnd.name;
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
        error = fillText(kPinsNotApplicableMessage, {backEnd.name});
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
        reasons = reasons.empty() ? error : fillText(kReasonsMessage, {reasons, error});
    }
    if (reasons.empty()) {
        reasons = kNoParallelPortMessage;
    }
    if (fallback == nullptr) {
        return {nullptr, false, "",
                fillText(kReasonsMessage, {reasons, std::string(kNoSimulatedRadioMessage)})};
    }
    std::string error;
    return {fallback->open(fallback->defaultDevice, fallback->defaultPins, error), true,
            portName(*fallback, ""),
            fillText(kReasonsMessage, {reasons, std::string(kRunningSimulatedMessage)})};
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

std::string portHelp(const PortTable& table, const TextTranslation& translate) {
    auto say = [&translate](const std::string& text) { return translate ? translate(text) : text; };
    std::string text;
    for (const PortBackEnd& backEnd : table) {
        const std::string device = backEnd.takesDevice() ? "[:DEV]" : "";
        text += helpLine("--port=" + backEnd.name + device, say(backEnd.help));
        if (!backEnd.missing.empty()) {
            text += helpLine("", say(fillText(kNotInBuildHelp, {backEnd.missing})));
        } else if (backEnd.pinCount > 0) {
            text += helpLine(
                "", say(fillText(kPinsDefaultHelp, {pinMapText(backEnd.defaultPins),
                                                    std::to_string(backEnd.pinCount - 1)})));
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
        return {nullptr, false, "", fillText(kUnknownPortMessage, {name})};
    }
    if (!backEnd->missing.empty()) {
        return {nullptr, false, "", fillText(kPortNotInBuildMessage, {name, backEnd->missing})};
    }
    if (!backEnd->available()) {
        return {nullptr, false, "", fillText(kPortNotAvailableMessage, {name})};
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
