// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/radio_port.h"

#include "synth/simulated_radio.h"
#include "toolkit/english_messages.h"
#include "toolkit/text_file.h"
#include "toolkit/text_templates.h"

#include <cstdio>
#include <cstdlib>

namespace volna {

namespace {

// The port trace that VOLNA144_PORT_TRACE asks for around hardware; nullptr
// when none is asked for, or (said on standard error) when it cannot be opened.
std::unique_ptr<PortTrace> openTrace(ParallelPort& hardware, const TextTranslation& translate) {
    const char* path = std::getenv("VOLNA144_PORT_TRACE");
    if (path == nullptr) {
        return nullptr;
    }
    auto trace = std::make_unique<PortTrace>(hardware, path);
    if (!trace->ok()) {
        const std::string line = fillText(kNoTraceMessage, {trace->error()});
        std::fprintf(stderr, "volna144: %s\n", translate(line).c_str());
        return nullptr;
    }
    return trace;
}

} // namespace

BandFileResult loadSimulatedBand(const Options& options) {
    BandFileResult result;
    if (options.simBand.empty()) {
        result.band = defaultSimulatedBand();
    } else if (options.simBand != "none") {
        const TextFileResult file = readTextFile(options.simBand, kLargestBandFile);
        result = file.ok ? parseSimulatedBand(file.text)
                         : BandFileResult{{}, fillText(kBandFileMessage, {file.error})};
    }
    result.band.seed = options.simSeed;
    return result;
}

RadioPort openRadioPort(const Options& options, const PortTable& ports,
                        const TextTranslation& translate) {
    BandFileResult band = loadSimulatedBand(options);
    if (!band.error.empty()) {
        std::fprintf(stderr, "volna144: %s\n", translate(band.error).c_str());
        return {{nullptr, false, "", band.error}, nullptr, nullptr, nullptr, {}};
    }
    PortTable listening = ports;
    for (PortBackEnd& backEnd : listening) {
        if (backEnd.simulated) {
            backEnd.open = simulatedRadioBackEnd(band.band).open;
        }
    }
    RadioPort radio{openPort(listening, options.port, options.device, options.pins), nullptr,
                    nullptr, nullptr, std::move(band.band)};
    if (!radio.hardware.message.empty()) {
        std::fprintf(stderr, "volna144: %s\n", translate(radio.hardware.message).c_str());
    }
    if (radio.hardware.port) {
        radio.switchable = std::make_unique<SwitchablePort>(*radio.hardware.port);
        radio.recorder = std::make_unique<WireRecorder>(*radio.switchable);
        radio.trace = openTrace(*radio.recorder, translate);
    }
    return radio;
}

} // namespace volna
