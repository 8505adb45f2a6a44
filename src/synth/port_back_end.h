// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One way to reach the radio's port, as the command line and the start-up see
// it: the name written after --port=, whether it exists on this machine, how to
// open it, and its line of help. Each back end describes itself in its own
// files; the program's table of them is app/port_factory.h.

#include "synth/parallel_port.h"
#include "synth/pin_map.h"

#include <functional>
#include <memory>
#include <string>

namespace volna {

struct PortBackEnd {
    // Whether the command line may name a device after the back end's name.
    bool takesDevice() const { return deviceOptional || !defaultDevice.empty(); }

    using Open = std::function<std::unique_ptr<ParallelPort>(
        const std::string& device, const PinMap& pins, std::string& error)>;

    std::string name;          // "sim", "ppdev": the spelling of --port=
    std::string defaultDevice; // empty: the back end takes no device (no ":DEVICE")
    // Takes ":DEVICE" although its default device is empty (an adapter found
    // by its serial number, or else the only one attached).
    bool deviceOptional = false;
    std::string help; // one line for --help
    // No radio behind it: the automatic choice takes it only when no other
    // port opens, and the console's title says so.
    bool simulated = false;
    // Whether the machine has what the back end needs (a driver, a library).
    std::function<bool()> available;
    // Opens device (the default device or the one the command line names)
    // with the lines on pins. nullptr, with an operator-readable reason in
    // error, when it cannot.
    Open open;
    // Back ends on pins of their own (--pins): how many pins there are, and
    // where the lines go unless the command line says otherwise. 0: the
    // lines are fixed (a parallel port) and --pins does not apply.
    int pinCount = 0;
    PinMap defaultPins;
    // Set for a back end this build was made without, saying which library
    // it lacked; such a row is listed in --help and never opened.
    std::string missing;
    // Whether --port=auto tries this back end (GPIO lines could be wired to
    // anything, so they are only used when named).
    bool automatic = true;
    // When set, --port=auto opens the default device only if this says
    // exactly one such device is attached; otherwise it gives the reason in
    // why and auto goes on to the next back end.
    std::function<bool(std::string& why)> soleDevice;
};

} // namespace volna
