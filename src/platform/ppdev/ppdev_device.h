// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few calls the parallel port makes on a ppdev device node (/dev/parportN),
// as an interface: the port is written and tested against it, and
// makeSystemPpdevDevice() is the one implementation that makes the system
// calls.

#include <memory>
#include <string>

namespace volna {

// Every call that can fail returns 0, or the errno value that says why.
class PpdevDevice {
public:
    virtual ~PpdevDevice() = default;

    // Opens path for reading and writing; ENOTTY when it is not a character
    // device.
    virtual int open(const std::string& path) = 0;
    // Claims the port for this program alone (PPEXCL, then PPCLAIM).
    virtual int claim() = 0;
    // Puts value on the data register's pins (PPWDATA).
    virtual int writeData(unsigned char value) = 0;
    // Reads the raw status register (PPRSTATUS).
    virtual int readStatus(unsigned char& status) = 0;
    // Whether the kernel still has the port (PPGETMODES): ENODEV once it has
    // been removed (a USB adapter pulled out). A removed port takes writes
    // without a word and reads 0, so only this tells.
    virtual int checkPresent() = 0;
    // Releases the port if it was claimed and closes the node; later calls
    // fail.
    virtual void close() = 0;
    // The open descriptor, for a write from a signal handler; -1 when closed.
    virtual int descriptor() const = 0;
};

// The device through open(2) and ioctl(2), unopened.
std::unique_ptr<PpdevDevice> makeSystemPpdevDevice();

} // namespace volna
