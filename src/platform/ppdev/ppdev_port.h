// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first parallel port of a Linux machine through the kernel's ppdev driver
// (/dev/parportN): data-register writes and status-register reads go to the
// port's pins, and the port is claimed exclusively so that no other program
// clocks words into the synthesizer at the same time. Talks to the device
// through PpdevDevice.

#include "platform/ppdev/ppdev_device.h"
#include "synth/parallel_port.h"
#include "synth/port_back_end.h"

#include <memory>
#include <string>
#include <string_view>

namespace volna {

class PpdevPort : public ParallelPort {
public:
    // Opens and claims device (e.g. "/dev/parport0") through the system, and
    // puts 0 on the data register at once. On failure returns nullptr and
    // puts an operator-readable reason into error.
    static std::unique_ptr<PpdevPort> open(const std::string& device, std::string& error);
    // The same through node, which the port keeps.
    static std::unique_ptr<PpdevPort> open(std::unique_ptr<PpdevDevice> node,
                                           const std::string& device, std::string& error);

    // Drops the transmit line if it is high (a faulted port tries one write
    // of 0), then releases and closes the port.
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    // Only the data register (888) is written; other ports are ignored, and
    // so is every write once the port has faulted.
    void out(int port, int value) override;
    // Only the status register (889) is read, raw as the port gives it (bit 7
    // set while the BUSY input is low); other ports read as 0, as does a
    // faulted port.
    int in(int port) override;
    void sleep(int ms) override;
    // One PPWDATA of 0 on this port's descriptor.
    void addEmergencyDrop(EmergencyDrop& drop) const override;
    // Set when a write or a read fails, or the port is found gone after one.
    std::string fault() const override { return fault_; }
    // One write of 0 when the port has faulted.
    void tryDropAfterFault() override;
    // A word's writes go out one by one as ever; whether the port is still
    // there is asked once at the end of the word instead of after each of
    // its writes (a scan at 1 ms writes some 75 000 a second).
    void beginBatch() override { ++batchDepth_; }
    void endBatch() override;

private:
    PpdevPort(std::unique_ptr<PpdevDevice> node, const std::string& device)
        : node_(std::move(node)), device_(device) {}

    // Faults the port when the last call failed (error), saying so with
    // failure filled, or, when present is asked, the port is gone; false then.
    bool stillThere(std::string_view failure, int error, bool askPresent = true);
    void writeZero();

    std::unique_ptr<PpdevDevice> node_;
    std::string device_;
    int dataRegister_ = 0;
    std::string fault_;
    int batchDepth_ = 0; // batches nest: a recorder's inside a trace's
};

// The parallel port as the command line offers it: --port=ppdev[:DEVICE], by
// default the first port (/dev/parport0).
PortBackEnd ppdevBackEnd();

} // namespace volna
