// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port the console drives: the back end the options chose, which can be
// swapped for the simulated radio when its hardware is lost, the recorder of
// the last transfer for the wire diagram, and the trace that
// VOLNA144_PORT_TRACE asks for, outermost. Talks to the port table and
// standard error, in the language chosen.

#include "app/options.h"
#include "app/port_factory.h"
#include "synth/port_trace.h"
#include "synth/simulated_band.h"
#include "synth/switchable_port.h"
#include "synth/wire_recorder.h"
#include "toolkit/text.h"

#include <memory>

namespace volna {

struct RadioPort {
    OpenedPort hardware;
    std::unique_ptr<SwitchablePort> switchable;
    std::unique_ptr<WireRecorder> recorder;
    std::unique_ptr<PortTrace> trace;
    // What the simulated radio listens to, here or when it stands in for
    // hardware that is lost.
    SimulatedBand band;

    ParallelPort& port() const { return trace ? static_cast<ParallelPort&>(*trace) : *recorder; }
};

// The band --sim-band and --sim-seed ask for: the built-in one, a silent one
// ("none") or the one a file lists; an English message when the file cannot
// be read or a line of it is wrong.
BandFileResult loadSimulatedBand(const Options& options);

// Opens the port, saying on standard error why it did not open or why auto
// fell back to the simulated radio. hardware.port is nullptr when it did not,
// or when the simulated radio's band could not be loaded.
RadioPort openRadioPort(const Options& options, const PortTable& ports,
                        const TextTranslation& translate);

} // namespace volna
