// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parallel port as the synthesizer link sees it: a byte written to the data
// register, a byte read from the status register, and a millisecond sleep that
// paces the serial clock. Back ends: ppdev (platform/ppdev/ppdev_port.h), an
// FTDI USB adapter in bit-bang mode (platform/ftdi/), GPIO lines
// (platform/gpio/), the simulated radio (simulated_radio.h), and the
// decorators: the trace (port_trace.h) and the wire recorder (wire_recorder.h);
// the command line finds them through the port table (app/port_factory.h).

#include "synth/emergency_drop.h"

#include <string>

namespace volna {

// I/O addresses of the first parallel port.
inline constexpr int kDataRegister = 888;   // lines to the synthesizer
inline constexpr int kStatusRegister = 889; // bit 7 is the receiver's busy signal

// Lines of the data register (bit values).
inline constexpr int kFrameLine = 1;    // bit 0: high for the whole word
inline constexpr int kClockLine = 2;    // bit 1: high while one bit is clocked in
inline constexpr int kDataLine = 4;     // bit 2: the bit being sent
inline constexpr int kTransmitLine = 8; // bit 3: keys the transmitter

// A status register value above this means the receiver reports a signal.
inline constexpr int kBusyThreshold = 127;

class ParallelPort {
public:
    virtual ~ParallelPort() = default;
    // Writes value (0..255) to the register at port; it stays on the pins until
    // the next write.
    virtual void out(int port, int value) = 0;
    // Reads the register at port; the low byte is the register.
    virtual int in(int port) = 0;
    // Blocks for ms whole milliseconds; 0 (or less) returns at once.
    virtual void sleep(int ms) = 0;
    // Adds to drop the steps that put 0 on this port's data register with
    // plain system calls, for a process ending on a signal. A port with nothing
    // outside the process (the simulated radio) adds none.
    virtual void addEmergencyDrop(EmergencyDrop& drop) const { (void)drop; }
    // The writes from beginBatch() to endBatch() may be gathered and sent to
    // the hardware as one transfer (a USB adapter), still each on the pins
    // before the next and in order; a sleep or a read in between sends what is
    // gathered first, and endBatch() sends the rest before it returns. A port
    // that writes at once ignores both.
    virtual void beginBatch() {}
    virtual void endBatch() {}
    // Why the port no longer reaches the hardware (an adapter unplugged, a
    // device gone); empty while it works. Once set it stays, and the port
    // ignores writes and reads 0.
    virtual std::string fault() const { return {}; }
    // Once fault() is set: one more try of putting 0 on every line, for
    // hardware that only stalled and still holds its outputs; the fault stays.
    // A working port, or one with no hardware behind it, does nothing.
    virtual void tryDropAfterFault() {}
};

// Gathers the port's writes for the lifetime of the object: one transfer's
// writes go out together, and all of them have gone out when it ends.
class PortBatch {
public:
    explicit PortBatch(ParallelPort& port) : port_(port) { port_.beginBatch(); }
    ~PortBatch() { port_.endBatch(); }
    PortBatch(const PortBatch&) = delete;
    PortBatch& operator=(const PortBatch&) = delete;

private:
    ParallelPort& port_;
};

} // namespace volna
