// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the console does when its port loses the hardware (an adapter unplugged
// while the program runs): the operator is told once, in a box, and the console
// goes on with the simulated radio only if the operator agrees; otherwise the
// program ends, dropping the transmit line. Never silently either way. After
// the answer the lost hardware tries once more to put its lines low.

#include "synth/switchable_port.h"

#include <functional>
#include <memory>

namespace volna {

class Form1;
class Prompter;

// The box's question; the port's own reason comes first.
inline constexpr const char* kPortLostQuestion =
    "Связь с радиостанцией потеряна. Продолжить работу с имитацией радиостанции?";

class PortLossWatch {
public:
    using MakeSimulated = std::function<std::unique_ptr<ParallelPort>()>;

    PortLossWatch(Form1& console, SwitchablePort& port, Prompter& prompter,
                  MakeSimulated makeSimulated)
        : console_(console), port_(port), prompter_(prompter),
          makeSimulated_(std::move(makeSimulated)) {}

    // Looks at the port after an event; the first time it reports a fault,
    // asks the operator and acts on the answer.
    void check();

private:
    Form1& console_;
    SwitchablePort& port_;
    Prompter& prompter_;
    MakeSimulated makeSimulated_;
    bool reported_ = false;
};

} // namespace volna
