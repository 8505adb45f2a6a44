// The parallel port over a recording ppdev node: what reaches the data
// register from the claim to the close, and how a port that fails or goes
// away (a USB parallel adapter pulled out) is reported.

#include "platform/ppdev/ppdev_port.h"

#include "ports/ppdev_recording_device.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

namespace volna {
namespace {

using test::PpdevScript;
using test::RecordingPpdevDevice;
using Calls = std::vector<std::string>;

constexpr const char* kParport = "/dev/parport0";
constexpr const char* kParportGone =
    "lost the parallel port /dev/parport0: the port is gone (a USB "
    "adapter pulled out, or its driver unloaded)";

std::unique_ptr<PpdevPort> openParport(PpdevScript& script, std::string& error) {
    return PpdevPort::open(std::make_unique<RecordingPpdevDevice>(script), kParport, error);
}

// Opens a keyed port: claimed, then the transmit line and the frame high.
std::unique_ptr<PpdevPort> openKeyed(PpdevScript& script) {
    std::string error;
    auto port = openParport(script, error);
    EXPECT_NE(port, nullptr) << error;
    if (port) {
        port->out(kDataRegister, kTransmitLine | kFrameLine);
    }
    script.calls.clear();
    return port;
}

// A program killed while keyed left the transmit line high: the port is put
// low right after the claim, before the start-up can ask anything.
TEST(PpdevPort, ClaimedPortStartsLow) {
    PpdevScript script;
    std::string error = "stale";
    auto port = openParport(script, error);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(error, "");
    EXPECT_EQ(script.calls, (Calls{"open /dev/parport0", "claim", "write 0"}));
}

// While the port is there: writes and the raw status go through, each
// followed by the look that tells a removed port; other registers and the
// drop of a working port reach nothing.
TEST(PpdevPort, WorkingPortWritesReadsAndLooksThatItIsThere) {
    PpdevScript script;
    auto port = openKeyed(script);
    script.status = 0x80;
    port->out(kDataRegister, kFrameLine | kDataLine);
    EXPECT_EQ(port->in(kStatusRegister), 0x80);
    port->out(890, 1);
    EXPECT_EQ(port->in(kDataRegister), 0);
    port->tryDropAfterFault();
    EXPECT_EQ(script.calls, (Calls{"write 5", "present", "status", "present"}));
    EXPECT_EQ(port->fault(), "");
}

struct PpdevRefusal {
    const char* name;
    void (*arrange)(PpdevScript&);
    const char* reason;
    Calls calls;
};

class PpdevPortRefusal : public ::testing::TestWithParam<PpdevRefusal> {};

TEST_P(PpdevPortRefusal, GivesTheReasonAndClosesTheNode) {
    PpdevScript script;
    GetParam().arrange(script);
    std::string error;
    EXPECT_EQ(openParport(script, error), nullptr);
    EXPECT_EQ(error, GetParam().reason);
    EXPECT_EQ(script.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, PpdevPortRefusal,
    ::testing::Values(
        PpdevRefusal{"NotACharacterDevice",
                     [](PpdevScript& s) { s.openError = ENOTTY; },
                     "/dev/parport0 is not a parallel port device",
                     {"open /dev/parport0", "close"}},
        PpdevRefusal{"HeldByThePrinterDriver",
                     [](PpdevScript& s) { s.claimError = ENXIO; },
                     "/dev/parport0 is in use by another program or driver (another copy of this "
                     "program, or the lp printer driver?)",
                     {"open /dev/parport0", "claim", "close"}},
        PpdevRefusal{"FirstWriteFails",
                     [](PpdevScript& s) {
                         s.writesBeforeFailure = 0;
                         s.writeError = EIO;
                     },
                     "cannot write to the data register of /dev/parport0: Input/output error",
                     {"open /dev/parport0", "claim", "write 0", "close"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct PpdevLoss {
    const char* name;
    void (*arrange)(PpdevScript&);
    bool reads; // the failing call is a status read, else a write
    const char* fault;
    Calls calls; // from the failing call on
};

class PpdevPortLoss : public ::testing::TestWithParam<PpdevLoss> {};

// A keyed port that fails or goes away: the reason is kept for the console's
// box, one write of 0 is tried at once, nothing else reaches the port and
// reads give no signal; a write of 0 is tried once more when asked and when
// the port closes.
TEST_P(PpdevPortLoss, FaultsTriesTheDropAndGoesQuiet) {
    const PpdevLoss& row = GetParam();
    PpdevScript script;
    auto port = openKeyed(script);
    row.arrange(script);
    script.status = 0x80;
    if (row.reads) {
        EXPECT_EQ(port->in(kStatusRegister), 0);
    } else {
        port->out(kDataRegister, kTransmitLine | kFrameLine | kDataLine);
    }
    EXPECT_EQ(port->fault(), row.fault);
    EXPECT_EQ(script.calls, row.calls);

    script.calls.clear();
    port->out(kDataRegister, kFrameLine);
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(script.calls, Calls{});
    port->tryDropAfterFault();
    port.reset();
    EXPECT_EQ(script.calls, (Calls{"write 0", "write 0", "close"}));
}

INSTANTIATE_TEST_SUITE_P(
    Losses, PpdevPortLoss,
    ::testing::Values(
        PpdevLoss{"GoneAfterAWrite",
                  [](PpdevScript& s) { s.presentError = ENODEV; },
                  false,
                  kParportGone,
                  {"write 13", "present", "write 0"}},
        PpdevLoss{"GoneAtAStatusRead",
                  [](PpdevScript& s) { s.presentError = ENODEV; },
                  true,
                  kParportGone,
                  {"status", "present", "write 0"}},
        PpdevLoss{"WriteFails",
                  [](PpdevScript& s) {
                      s.writesBeforeFailure = 0;
                      s.writeError = EIO;
                  },
                  false,
                  "cannot write to the data register of the parallel port /dev/parport0: "
                  "Input/output error",
                  {"write 13", "write 0"}},
        PpdevLoss{"WriteFindsNoDevice",
                  [](PpdevScript& s) {
                      s.writesBeforeFailure = 0;
                      s.writeError = ENODEV;
                  },
                  false,
                  kParportGone,
                  {"write 13", "write 0"}},
        PpdevLoss{"StatusReadFails",
                  [](PpdevScript& s) { s.statusError = EIO; },
                  true,
                  "cannot read the status register of the parallel port /dev/parport0: "
                  "Input/output error",
                  {"status", "write 0"}}),
    [](const auto& row) { return std::string(row.param.name); });

// Closing a working port drops only the transmit line, and only when high.
TEST(PpdevPort, ClosingDropsTheTransmitLineThenCloses) {
    PpdevScript keyed;
    openKeyed(keyed).reset();
    EXPECT_EQ(keyed.calls, (Calls{"write 1", "present", "close"}));

    PpdevScript quiet;
    openKeyed(quiet)->out(kDataRegister, kFrameLine | kDataLine);
    EXPECT_EQ(quiet.calls, (Calls{"write 5", "present", "close"}));
}

TEST(PpdevPort, EmergencyDropNeedsTheDescriptor) {
    PpdevScript known;
    known.descriptor = 7;
    EmergencyDrop drop;
    openKeyed(known)->addEmergencyDrop(drop);
    EXPECT_EQ(drop.size(), 1);

    PpdevScript unknown;
    EmergencyDrop none;
    openKeyed(unknown)->addEmergencyDrop(none);
    EXPECT_EQ(none.size(), 0);
}

} // namespace
} // namespace volna
