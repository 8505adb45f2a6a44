// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few calls the GPIO port makes on a GPIO chip of the Linux character
// device: open it, count its lines, hold four output lines and one input, set
// and read them. The library implementation (library/libgpiod_chip.cpp) is the
// only code that talks to the kernel; tests put a recording chip in its place.

#include <array>
#include <memory>
#include <string>

namespace volna {

// The four output lines in data-register bit order: frame, clock, data,
// transmit. Offsets on the chip, or levels (0 or 1).
using GpioOutputs = std::array<int, 4>;

// Every call that can fail returns 0, or the errno value that says why.
class GpioChip {
public:
    virtual ~GpioChip() = default;

    // Opens the chip by name ("gpiochip0"), number, label or path.
    virtual int open(const std::string& device) = 0;
    // How many lines the opened chip has.
    virtual int lineCount() const = 0;
    // Requests the four lines as outputs at 0, as one request, for consumer
    // "volna144".
    virtual int requestOutputs(const GpioOutputs& offsets) = 0;
    // Sets all four outputs at once, in one call.
    virtual int setOutputs(const GpioOutputs& levels) = 0;
    // Requests the line as an input with the pull-up on.
    virtual int requestInput(int offset) = 0;
    // Reads the input: high is 1, low 0.
    virtual int readInput(int& high) = 0;
    // Whether another program or a driver holds the line, and under what name
    // (empty when it gave none).
    virtual bool lineInUse(int offset, std::string& consumer) = 0;
    // Releases the lines and closes the chip; later calls fail.
    virtual void release() = 0;
    // The file descriptor of the output request, for a write from a signal
    // handler; -1 when it is not known.
    virtual int outputDescriptor() const = 0;
};

// The library file with the ABI the build was made for (libgpiod 1.x).
inline constexpr const char* kLibgpiodSoname = "libgpiod.so.2";

// The chip on libgpiod, unopened, the library opened from soname. Defined
// only in a build with the library (VOLNA144_HAVE_LIBGPIOD). Where the library
// cannot be loaded, open() fails with ELIBACC.
std::unique_ptr<GpioChip> makeLibgpiodChip(const char* soname = kLibgpiodSoname);

} // namespace volna
