#include "app/radio_port.h"

#include <cstdio>
#include <cstdlib>

namespace volna {

namespace {

// The port trace that VOLNA144_PORT_TRACE asks for around hardware; nullptr
// when none is asked for, or (said on standard error) when it cannot be opened.
std::unique_ptr<PortTrace> openTrace(ParallelPort& hardware) {
    const char* path = std::getenv("VOLNA144_PORT_TRACE");
    if (path == nullptr) {
        return nullptr;
    }
    auto trace = std::make_unique<PortTrace>(hardware, path);
    if (!trace->ok()) {
        std::fprintf(stderr, "volna144: no port trace: %s\n", trace->error().c_str());
        return nullptr;
    }
    return trace;
}

} // namespace

RadioPort openRadioPort(const Options& options, const PortTable& ports) {
    RadioPort radio{openPort(ports, options.port, options.device, options.pins), nullptr, nullptr,
                    nullptr};
    if (!radio.hardware.message.empty()) {
        std::fprintf(stderr, "volna144: %s\n", radio.hardware.message.c_str());
    }
    if (radio.hardware.port) {
        radio.switchable = std::make_unique<SwitchablePort>(*radio.hardware.port);
        radio.recorder = std::make_unique<WireRecorder>(*radio.switchable);
        radio.trace = openTrace(*radio.recorder);
    }
    return radio;
}

} // namespace volna
