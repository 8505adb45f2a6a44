// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synthesizer's lines on the pins of an FTDI USB adapter in asynchronous
// bit-bang mode: each data-register write becomes one byte of pin levels, the
// writes of a batch travel in one USB transfer that the chip plays out at its
// own byte rate, and the busy pin is read back as the status register.

#include "platform/ftdi/ftdi_chip.h"
#include "synth/parallel_port.h"
#include "synth/pin_map.h"
#include "synth/port_back_end.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

// Asynchronous bit-bang: the chip plays the written bytes out on its own
// clock and, unlike the synchronous mode, queues no sample of the pins per
// byte that would have to be read back; the busy pin is read on demand.
// The baud rate asked of the library in bit-bang mode. libftdi1 programs the
// chip with four times this, and FTDI's note on the bit-bang modes gives the
// asynchronous byte clock as 16 times the chip's baud rate: nominally
// 9600 * 4 * 16 = 614 400 bytes a second, 1.6 us a byte on the pins, close to
// the pace of a parallel port's writes and well within what the
// synthesizer's shift register takes.
inline constexpr int kFtdiBitBangBaud = 9600;

// The directory whose links name the process's open files.
inline constexpr const char* kOwnDescriptors = "/proc/self/fd";

class FtdiPort : public ParallelPort {
public:
    // Opens the adapter named by device (its serial number or description;
    // empty: the only one attached) through chip, in bit-bang mode with the
    // lines on pins, all of them low. nullptr, with an operator-readable
    // reason in error, when it cannot, and without touching any adapter when
    // device fits more than one.
    static std::unique_ptr<FtdiPort> open(std::unique_ptr<FtdiChip> chip, const std::string& device,
                                          const PinMap& pins, std::string& error);

    // Sends what is gathered, drops the transmit line if it is high, closes.
    // A faulted port tries one write of 0 before it closes.
    ~FtdiPort() override;
    FtdiPort(const FtdiPort&) = delete;
    FtdiPort& operator=(const FtdiPort&) = delete;

    // Only the data register (888) is written; other ports are ignored.
    void out(int port, int value) override;
    // Only the status register (889) is read: the busy pin as a parallel
    // port's status. Other ports, a failed read and a faulted port read 0.
    int in(int port) override;
    void sleep(int ms) override;
    // One 0 byte to the adapter's bulk-out endpoint through the usbfs
    // descriptor; no step when that descriptor is not found.
    void addEmergencyDrop(EmergencyDrop& drop) const override;
    void beginBatch() override;
    void endBatch() override;
    std::string fault() const override { return fault_; }
    // One write of 0 to the pins when the port has faulted.
    void tryDropAfterFault() override;

private:
    FtdiPort(std::unique_ptr<FtdiChip> chip, const PinMap& pins);

    // Sends the gathered writes as one write call.
    void flush();
    // Sends bytes unless the port has faulted; a failure faults it.
    void send(const std::vector<std::uint8_t>& bytes);
    // Keeps the first reason (failure filled with the chip's error), and tries once to put every
    // pin low: a chip that only stalled still holds the transmit line as it was.
    void setFault(std::string_view failure);
    // One write of 0 to the pins, whatever the fault; its failure changes
    // nothing.
    void writeZero();

    std::unique_ptr<FtdiChip> chip_;
    PinMap pins_;
    std::vector<std::uint8_t> pending_; // writes of the open batch not yet sent
    int batchDepth_ = 0;
    int dataRegister_ = 0; // the last value written, sent or pending
    std::string fault_;
};

// Why an adapter cannot be chosen without its serial number: how many are
// attached and their serial numbers.
std::string severalAdapters(const std::vector<FtdiAdapter>& adapters);

// Makes the chip a port opens; nullptr in a build without the library.
using FtdiChipFactory = std::function<std::unique_ptr<FtdiChip>()>;

// The FTDI adapter as the command line offers it: --port=ftdi[:SERIAL] on the
// chips makeChip gives; without makeChip, the row of a build without
// libftdi1.
PortBackEnd ftdiBackEnd(FtdiChipFactory makeChip);
// The row of this build: through libftdi1 when the build has it.
PortBackEnd ftdiBackEnd();

} // namespace volna
