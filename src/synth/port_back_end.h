#pragma once
// One way to reach the radio's port, as the command line and the start-up see
// it: the name written after --port=, whether it exists on this machine, how to
// open it, and its line of help. Each back end describes itself in its own
// files; the program's table of them is app/port_factory.h.

#include "synth/parallel_port.h"

#include <functional>
#include <memory>
#include <string>

namespace volna {

struct PortBackEnd {
    using Open =
        std::function<std::unique_ptr<ParallelPort>(const std::string& device, std::string& error)>;

    std::string name;          // "sim", "ppdev": the spelling of --port=
    std::string defaultDevice; // empty: the back end takes no device (no ":DEVICE")
    std::string help;          // one line for --help
    // No radio behind it: the automatic choice takes it only when no other
    // port opens, and the console's title says so.
    bool simulated = false;
    // Whether the machine has what the back end needs (a driver, a library).
    std::function<bool()> available;
    // Opens device (the default device or the one the command line names).
    // nullptr, with an operator-readable reason in error, when it cannot.
    Open open;
};

} // namespace volna
