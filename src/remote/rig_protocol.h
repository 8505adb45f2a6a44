// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Network rig control in the text protocol of Hamlib's rigctld (the "NET rigctl"
// model): bytes from one client in, the replies to write back out. No sockets
// here; the radio is reached only through the narrow RigControl interface.

#include "remote/line_protocol.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace volna {

// What a network client may see and do on the radio. Frequencies in Hz.
// Implemented over the console, so that whatever the operator's controls
// refuse, the network is refused too.
class RigControl {
public:
    enum class Result {
        Ok,
        OutOfBand, // the frequency has no notch of the band near it
        Rejected,  // the console does not take the action now
    };

    virtual ~RigControl() = default;

    // The frequency on the read-out, Hz.
    virtual std::int64_t frequencyHz() = 0;
    // Tunes to the notch of the current step nearest to hz (any value, fractions too).
    virtual Result tune(double hz) = 0;
    // True when the notch nearest to hz is the one already on the slider, so
    // that tuning there changes nothing.
    virtual bool onCurrentNotch(double hz) = 0;
    virtual bool transmitting() = 0;
    // The transmission on the air, 0 while receiving; no later transmission
    // has the number of an earlier one, so one transmission is told from the next.
    virtual std::uint64_t transmission() = 0;
    // Switches to transmit (on) or back to receive.
    virtual Result setTransmit(bool on) = 0;
    // True while the receiver reports a signal on the status register.
    virtual bool busy() = 0;
    // The band from the settings, Hz.
    virtual std::int64_t lowestHz() const = 0;
    virtual std::int64_t highestHz() const = 0;
    // One notch of the slider at the current step, Hz.
    virtual std::int64_t stepHz() const = 0;
    // What the transmitter adds to the tuned frequency, from the settings, Hz
    // (negative: it transmits below).
    virtual std::int64_t transmitShiftHz() const = 0;
    // One line naming the program, its version and the port it drives.
    virtual std::string info() const = 0;
};

// The status codes of the protocol's "RPRT n" lines.
enum RigStatus : int {
    kRigOk = 0,
    kRigInvalidArgument = -1,
    kRigProtocolError = -8,
    kRigRejected = -9,
    kRigNotAvailable = -11,
};

// One client's session in the rigctld command language, over the shared line
// framing: every line but a blank one is answered, commands the radio does not
// have with RPRT -11, an over-long line with RPRT -8; "q" or "Q" ends the
// session.
class RigProtocol : public LineProtocol {
public:
    explicit RigProtocol(RigControl& rig) : rig_(rig) {}

protected:
    std::string answerLine(std::string_view line) override;
    std::string lineTooLong() override;

private:
    RigControl& rig_;
};

} // namespace volna
