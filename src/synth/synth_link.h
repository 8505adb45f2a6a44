// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synthesizer link: the one way from a tuning position to the radio. It
// owns the port, the data register as this program last left it, the delays
// of the clocked bits and the two offsets; it builds the control word for a
// position, clocks it out, keys and unkeys the transmitter and reads the
// receiver's busy signal. It knows nothing of windows or the store: the
// console sets its values and calls it, for the scans and rig control too.

#include "domain/band.h"
#include "synth/control_word.h"
#include "synth/parallel_port.h"

#include <cstdint>

namespace volna {

class SynthLink {
public:
    explicit SynthLink(ParallelPort& port) : port_(port) {}

    double delay1 = 0;        // ms, first wait of each clocked bit
    double delay2 = 0;        // ms, second wait of each clocked bit
    double ifOffset = 0;      // kHz, local-oscillator offset added on receive
    std::int16_t txShift = 0; // kHz, offset added on transmit
    // Words reach the port only once this is set (the console sets it at the
    // end of its start); before that a transfer only builds its word.
    bool outputEnabled = false;

    // What a transfer put on the synthesizer.
    struct Sent {
        ControlBits word{}; // the control word, sending order
        // On receive the local oscillator, the tuned frequency plus ifOffset;
        // on transmit the frequency the word sets the synthesizer to (the
        // divider's whole part times the raster), which is the carrier.
        double synthesizerKHz = 0;
    };
    // Builds the word for slider position `position` of band, with the receive
    // divider (the local oscillator ifOffset kHz off) or the transmit one (the
    // carrier txShift kHz off), and clocks it out. A transmit word leaves the
    // transmit line high; a receive word leaves every line low.
    Sent send(const Band& band, std::int32_t position, bool transmit);

    // Raises the transmit line, every other line low.
    void key() { writeDataRegister(kTransmitLine); }
    // Drops every line, the transmit line with them.
    void unkey() { writeDataRegister(0); }
    // Drops the transmit line if this program left it high; nothing otherwise.
    void releaseTransmitLine();
    // Reads the status register: true while the receiver reports a signal
    // (the register reads above 127).
    bool receiverBusy();

private:
    void writeDataRegister(int value);

    ParallelPort& port_;
    int dataRegister_ = 0; // the data register as this program last left it
};

} // namespace volna
