// The parallel port over a recording ppdev node: what reaches the data
// register from the claim to the close, and how a port that fails or goes
// away (a USB parallel adapter pulled out) is reported.

#include "platform/ppdev/ppdev_port.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

namespace volna {
namespace {

using Calls = std::vector<std::string>;

// What the node answers and what reached it: an errno value fails every such
// call from when it is set; opening and claiming always work.
struct PpdevScript {
    int writeError = 0;
    int statusError = 0;
    int presentError = 0; // ENODEV: the port was removed
    Calls calls;          // "open /dev/parport0", "claim", "write 8", "status", ...
};

// Stands for the device node; the status register always shows a signal.
class RecordingPpdevDevice : public PpdevDevice {
public:
    explicit RecordingPpdevDevice(PpdevScript& script) : script_(script) {}
    int open(const std::string& path) override { return note("open " + path, 0); }
    int claim() override { return note("claim", 0); }
    int writeData(unsigned char value) override {
        return note("write " + std::to_string(value), script_.writeError);
    }
    int readStatus(unsigned char& status) override {
        status = 0x80;
        return note("status", script_.statusError);
    }
    int checkPresent() override { return note("present", script_.presentError); }
    void close() override { note("close", 0); }
    int descriptor() const override { return -1; }

private:
    int note(std::string call, int error) {
        script_.calls.push_back(std::move(call));
        return error;
    }
    PpdevScript& script_;
};

std::unique_ptr<PpdevPort> openParport(PpdevScript& script, std::string& error) {
    return PpdevPort::open(std::make_unique<RecordingPpdevDevice>(script), "/dev/parport0", error);
}

// A program killed while keyed left the transmit line high: the port is put
// low right after the claim, before the start-up can ask anything; a port
// that does not take that write is not used.
TEST(PpdevPort, ClaimedPortStartsLowOrIsRefused) {
    const Calls opening{"open /dev/parport0", "claim", "write 0", "close"};
    PpdevScript works;
    std::string error = "stale";
    EXPECT_NE(openParport(works, error), nullptr); // closed again at once
    EXPECT_EQ(error, "");
    EXPECT_EQ(works.calls, opening);

    PpdevScript fails;
    fails.writeError = EIO;
    EXPECT_EQ(openParport(fails, error), nullptr);
    EXPECT_EQ(error, "cannot write to the data register of /dev/parport0: Input/output error");
    EXPECT_EQ(fails.calls, opening);
}

struct PpdevLoss {
    const char* name;
    int PpdevScript::*failing; // the answer set to error
    int error;
    bool reads; // the failing call is a status read, else a write
    const char* fault;
    Calls calls; // from the failing call on
};

class PpdevPortLoss : public ::testing::TestWithParam<PpdevLoss> {};

// A keyed port that fails or goes away: the reason is kept for the console's
// box, one write of 0 is tried at once, nothing else reaches the port and
// reads give no signal; a write of 0 is tried once more when asked and when
// the port closes. A working port asks the node whether it is still there
// after each call.
TEST_P(PpdevPortLoss, FaultsTriesTheDropAndGoesQuiet) {
    const PpdevLoss& row = GetParam();
    PpdevScript script;
    std::string error;
    auto port = openParport(script, error);
    ASSERT_NE(port, nullptr) << error;
    port->out(kDataRegister, kTransmitLine | kFrameLine);
    script.calls.clear();
    port->tryDropAfterFault(); // working: nothing
    script.*row.failing = row.error;
    if (row.reads) {
        EXPECT_EQ(port->in(kStatusRegister), 0);
    } else {
        port->out(kDataRegister, kTransmitLine | kFrameLine | kDataLine);
    }
    EXPECT_EQ(port->fault(), row.fault);
    port->out(kDataRegister, kFrameLine);
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(script.calls, row.calls);
    port->tryDropAfterFault();
    port.reset();
    EXPECT_EQ(Calls(script.calls.end() - 3, script.calls.end()),
              (Calls{"write 0", "write 0", "close"}));
}

// A word's writes are not each followed by the question: once at its end.
TEST(PpdevPortWord, AsksWhetherThePortIsThereOncePerWord) {
    PpdevScript script;
    std::string error;
    auto port = openParport(script, error);
    ASSERT_NE(port, nullptr) << error;
    script.calls.clear();
    {
        const PortBatch word(*port);
        port->out(kDataRegister, kFrameLine);
        port->out(kDataRegister, kFrameLine | kClockLine);
    }
    EXPECT_EQ(script.calls, (Calls{"write 1", "write 3", "present"}));
}

constexpr const char* kParportGone = "lost the parallel port /dev/parport0: the port is gone (a "
                                     "USB adapter pulled out, or its driver unloaded)";

INSTANTIATE_TEST_SUITE_P(
    Losses, PpdevPortLoss,
    ::testing::Values(
        PpdevLoss{"GoneAfterAWrite",
                  &PpdevScript::presentError,
                  ENODEV,
                  false,
                  kParportGone,
                  {"write 13", "present", "write 0"}},
        PpdevLoss{"GoneAtAStatusRead",
                  &PpdevScript::presentError,
                  ENODEV,
                  true,
                  kParportGone,
                  {"status", "present", "write 0"}},
        PpdevLoss{"WriteFails",
                  &PpdevScript::writeError,
                  EIO,
                  false,
                  "cannot write to the data register of the parallel port /dev/parport0: "
                  "Input/output error",
                  {"write 13", "write 0"}},
        PpdevLoss{"StatusReadFails",
                  &PpdevScript::statusError,
                  EIO,
                  true,
                  "cannot read the status register of the parallel port /dev/parport0: "
                  "Input/output error",
                  {"status", "write 0"}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
