#pragma once
// Network rig control in the text protocol of Hamlib's rigctld (the "NET rigctl"
// model): bytes from one client in, the replies to write back out. No sockets
// here; the radio is reached only through the narrow RigControl interface.

#include <cstddef>
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
    virtual bool transmitting() = 0;
    // Switches to transmit (on) or back to receive.
    virtual Result setTransmit(bool on) = 0;
    // True while the receiver reports a signal on the status register.
    virtual bool busy() = 0;
    // The band from the settings, Hz.
    virtual std::int64_t lowestHz() const = 0;
    virtual std::int64_t highestHz() const = 0;
    // One notch of the slider at the current step, Hz.
    virtual std::int64_t stepHz() const = 0;
};

// The status codes of the protocol's "RPRT n" lines.
enum RigStatus : int {
    kRigOk = 0,
    kRigInvalidArgument = -1,
    kRigProtocolError = -8,
    kRigRejected = -9,
    kRigNotAvailable = -11,
};

// One client's session. Input is bytes: a write may hold half a line or many
// lines; lines end with LF, CR or CR LF; blank lines are skipped. Every other
// line is answered, unknown commands with RPRT -11. A line longer than
// kMaxLineBytes is answered with RPRT -8 once and dropped up to its end.
class RigProtocol {
public:
    static constexpr std::size_t kMaxLineBytes = 1024;

    explicit RigProtocol(RigControl& rig) : rig_(rig) {}

    // Takes the bytes a client sent and returns everything to write back (empty
    // when no line was completed). After "q" the rest is ignored.
    std::string feed(std::string_view bytes);
    // The client asked to close ("q" or "Q"): write the reply, then close.
    bool closing() const { return closing_; }

private:
    void takeLine(std::string_view line, std::string& replies);

    RigControl& rig_;
    std::string line_;        // the line received so far, without its end
    bool discarding_ = false; // inside an over-long line, until its end
    bool closing_ = false;
};

} // namespace volna
