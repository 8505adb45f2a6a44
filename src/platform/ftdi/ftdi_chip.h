// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few calls of the FTDI USB library that the bit-bang port needs, as an
// interface: the port is written and tested against it, and
// library/libftdi_chip.cpp is the one implementation that reaches libftdi1.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace volna {

// How an attempt to open an adapter ended.
enum class FtdiOpenResult {
    Opened,
    NotFound,     // no adapter attached, or none with the serial or description asked for
    NoPermission, // the USB device node is not writable for this user
    Busy,         // claimed by another program, or held by the ftdi_sio driver
    Failed,       // anything else; errorText() says what
};

// Where the opened adapter sits on the USB bus, for a write that must work
// from a signal handler: the usbfs node /dev/bus/usb/BUS/ADDRESS that the
// library holds open, and the bulk-out endpoint of the interface in use.
struct FtdiUsbLocation {
    int bus = -1;
    int address = -1;
    int outEndpoint = -1;
};

// An attached adapter's USB strings; empty where it has none, or where they
// cannot be read (its device node is not this user's).
struct FtdiAdapter {
    std::string serial;
    std::string description;
};

// One FTDI chip, opened or not, through the USB library.
class FtdiChip {
public:
    virtual ~FtdiChip() = default;
    // Puts the FTDI adapters attached into adapters, in the order open()
    // looks at them, without opening any. False when the USB library cannot
    // tell (errorText() says why).
    virtual bool listDevices(std::vector<FtdiAdapter>& adapters) = 0;
    // Opens the adapter whose serial number or description is name, or the
    // first one found when name is empty.
    virtual FtdiOpenResult open(const std::string& name) = 0;
    // Asynchronous bit-bang mode: bit n of outputMask set makes pin n an
    // output, the rest are inputs.
    virtual bool setBitBang(std::uint8_t outputMask) = 0;
    // The baud rate the library sets in bit-bang mode; it paces the bytes.
    virtual bool setBaudRate(int baud) = 0;
    // Sends every byte to the pins, one after the other, in one call of the
    // library's write. False when not all of them went.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // The levels of the pins now: bit n is pin n.
    virtual bool readPins(std::uint8_t& pins) = 0;
    virtual void close() = 0;
    // The library's text for the last failure.
    virtual std::string errorText() const = 0;
    virtual FtdiUsbLocation usbLocation() const = 0;
};

// The library file with the ABI the build was made for.
inline constexpr const char* kLibftdiSoname = "libftdi1.so.2";

// The chip through libftdi1, opened from soname; only in a build that has the
// library. Where the library cannot be loaded, the chip lists and opens
// nothing and its errorText() says why.
std::unique_ptr<FtdiChip> makeLibftdiChip(const char* soname = kLibftdiSoname);

} // namespace volna
