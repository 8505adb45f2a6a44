// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synthesizer's lines on GPIO lines of a Linux GPIO chip: the four low
// bits of each data-register write go to the frame, clock, data and transmit
// outputs in one call, and the status register is made from the busy input.
// Holds the lines for its lifetime, so no other program can drive them.

#include "platform/gpio/gpio_chip.h"
#include "synth/parallel_port.h"
#include "synth/pin_map.h"

#include <memory>
#include <string>
#include <utility>

namespace volna {

class GpioPort : public ParallelPort {
public:
    // Opens device on chip and takes the lines of pins (line offsets). On
    // failure returns nullptr, with the chip released, and puts an
    // operator-readable reason into error.
    static std::unique_ptr<GpioPort> open(std::unique_ptr<GpioChip> chip, const std::string& device,
                                          const PinMap& pins, std::string& error);

    // Drops the transmit line if it is high (a faulted port tries once to
    // set every output to 0), then releases the lines.
    ~GpioPort() override;
    GpioPort(const GpioPort&) = delete;
    GpioPort& operator=(const GpioPort&) = delete;

    // Only the data register (888) is written; other ports are ignored.
    void out(int port, int value) override;
    // Only the status register (889) is read, as the parallel port would give
    // it for the busy line's level; other ports, and every read after a
    // fault, give 0.
    int in(int port) override;
    void sleep(int ms) override;
    std::string fault() const override { return fault_; }
    // One try of setting every output to 0 when the port has faulted.
    void tryDropAfterFault() override;
    // One ioctl that puts 0 on all four outputs through the output request's
    // descriptor; nothing when the descriptor is not known.
    void addEmergencyDrop(EmergencyDrop& drop) const override;

private:
    GpioPort(std::unique_ptr<GpioChip> chip, const std::string& device)
        : chip_(std::move(chip)), device_(device) {}

    void setOutputs(int value);
    // Keeps the reason, and tries once to set every output to 0: a chip
    // that only stalled still holds the transmit line as it was.
    void fail(std::string_view failure, int error);
    // One call that sets the four outputs to 0; its failure changes nothing.
    void setZero();

    std::unique_ptr<GpioChip> chip_;
    std::string device_;
    int dataRegister_ = 0;
    std::string fault_;
};

} // namespace volna
