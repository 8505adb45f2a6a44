// SPDX-License-Identifier: GPL-3.0-or-later
// The parallel port over a recording ppdev node: from the claim to the close, and its losses.

#include "platform/ppdev/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>

namespace volna {
namespace {

// For the recording node below: each kind of call fails with errors[kind] (ENODEV from present:
// the port is gone) and goes into calls; the node's status register always shows a signal.
struct PpdevScript {
    std::map<std::string, int> errors;
    std::string calls;
};

struct RecordingPpdevDevice : PpdevDevice {
    explicit RecordingPpdevDevice(PpdevScript& answers) : script(answers) {}
    int open(const std::string& path) override { return note("open " + path); }
    int claim() override { return note("claim"); }
    int writeData(unsigned char value) override { return note("write " + std::to_string(value)); }
    int readStatus(unsigned char& status) override {
        status = 0x80;
        return note("status");
    }
    int checkPresent() override { return note("present"); }
    void close() override { note("close"); }
    int descriptor() const override { return -1; }
    int note(const std::string& call) {
        script.calls += (script.calls.empty() ? "" : ", ") + call;
        return script.errors[call.substr(0, call.find(' '))];
    }
    PpdevScript& script;
};

std::unique_ptr<PpdevPort> openParport(PpdevScript& script, std::string& error) {
    return PpdevPort::open(std::make_unique<RecordingPpdevDevice>(script), "/dev/parport0", error);
}

// A program killed while keyed left the transmit line high: the port is put low right after the
// claim, before the start-up can ask anything, and a port that does not take that write is not
// used. Whether the port is still there is asked once at the end of a word, not after each write.
TEST(PpdevPort, StartsLowAndAsksOncePerWordWhetherItIsThere) {
    PpdevScript script;
    std::string error;
    auto port = openParport(script, error);
    ASSERT_NE(port, nullptr) << error;
    {
        const PortBatch word(*port);
        port->out(kDataRegister, kFrameLine);
        port->out(kDataRegister, kFrameLine | kClockLine);
    }
    port.reset();
    EXPECT_EQ(script.calls, "open /dev/parport0, claim, write 0, write 1, write 3, present, close");

    PpdevScript refusing{{{"write", EIO}}, ""};
    EXPECT_EQ(openParport(refusing, error), nullptr);
    EXPECT_EQ(error, "cannot write to the data register of /dev/parport0: Input/output error");
    EXPECT_EQ(refusing.calls, "open /dev/parport0, claim, write 0, close");
}

struct PpdevLoss {
    const char* name;
    const char* failing; // the kind of call that fails from then on
    int error;
    const char* fault;
    const char* calls; // from the failing write (or, first "status", read) to the tries of a 0
};

class PpdevPortLoss : public ::testing::TestWithParam<PpdevLoss> {};

// A port that fails or goes away: the reason is kept for the console's box, a write of 0 is tried
// at once, when asked and at the close, nothing else reaches the port and reads give no signal.
// A working port asks whether it is still there after each call.
TEST_P(PpdevPortLoss, FaultsTriesTheDropAndGoesQuiet) {
    const PpdevLoss& row = GetParam();
    PpdevScript script;
    std::string error;
    auto port = openParport(script, error);
    ASSERT_NE(port, nullptr) << error;
    script.calls.clear();
    port->tryDropAfterFault(); // working: nothing
    script.errors[row.failing] = row.error;
    if (!std::string(row.calls).starts_with("status")) {
        port->out(kDataRegister, kTransmitLine | kFrameLine | kDataLine);
    }
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(port->fault(), row.fault);
    port->out(kDataRegister, kFrameLine);
    port->tryDropAfterFault();
    port.reset();
    EXPECT_EQ(script.calls, row.calls + std::string(", write 0, write 0, write 0, close"));
}

constexpr const char* kGone = "lost the parallel port /dev/parport0: the port is gone (a USB "
                              "adapter pulled out, or its driver unloaded)";
constexpr const char* kWriteFailed = "cannot write to the data register of the parallel port "
                                     "/dev/parport0: Input/output error";
constexpr const char* kReadFailed = "cannot read the status register of the parallel port "
                                    "/dev/parport0: Input/output error";

INSTANTIATE_TEST_SUITE_P(
    Losses, PpdevPortLoss,
    ::testing::Values(PpdevLoss{"GoneAfterAWrite", "present", ENODEV, kGone, "write 13, present"},
                      PpdevLoss{"GoneAtAStatusRead", "present", ENODEV, kGone, "status, present"},
                      PpdevLoss{"WriteFails", "write", EIO, kWriteFailed, "write 13"},
                      PpdevLoss{"StatusReadFails", "status", EIO, kReadFailed, "status"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
