#include "app/radio_port.h"

#include "toolkit/english_messages.h"
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

RadioPort openRadioPort(const Options& options, const PortTable& ports,
                        const TextTranslation& translate) {
    RadioPort radio{openPort(ports, options.port, options.device, options.pins), nullptr, nullptr,
                    nullptr};
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
