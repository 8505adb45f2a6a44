#pragma once
// The first parallel port of a Linux machine through the kernel's ppdev driver
// (/dev/parportN): data-register writes and status-register reads go to the
// port's pins, and the port is claimed exclusively so that no other program
// clocks words into the synthesizer at the same time.

#include "synth/parallel_port.h"
#include "synth/port_back_end.h"

#include <memory>
#include <string>

namespace volna {

class PpdevPort : public ParallelPort {
public:
    // Opens and claims device (e.g. "/dev/parport0"). On failure returns
    // nullptr and puts an operator-readable reason into error.
    static std::unique_ptr<PpdevPort> open(const std::string& device, std::string& error);

    // Drops the transmit line if it is high, then releases and closes the port.
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    // Only the data register (888) is written; other ports are ignored.
    void out(int port, int value) override;
    // Only the status register (889) is read, raw as the port gives it (bit 7
    // set while the BUSY input is low); other ports read as 0, as does a failed
    // read.
    int in(int port) override;
    void sleep(int ms) override;
    // One PPWDATA of 0 on this port's descriptor.
    void addEmergencyDrop(EmergencyDrop& drop) const override;

private:
    explicit PpdevPort(int fd) : fd_(fd) {}

    int fd_;
    int dataRegister_ = 0;
};

// The parallel port as the command line offers it: --port=ppdev[:DEVICE], by
// default the first port (/dev/parport0).
PortBackEnd ppdevBackEnd();

} // namespace volna
