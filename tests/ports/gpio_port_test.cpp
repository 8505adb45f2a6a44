// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gpio/gpio_port.h"

#include "gpio_recording_chip.h"
#include "synth/control_word.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <vector>

namespace volna {
namespace {

using test::GpioChipScript;
using test::RecordingGpioChip;

constexpr PinMap kPiPins{17, 27, 22, 23, 24};
constexpr const char* kLostChip =
    "lost GPIO chip gpiochip0: the device is gone (unplugged, or its driver unloaded)";
constexpr const char* kNoPermission =
    "no permission to use GPIO chip gpiochip0: add yourself to group gpio and log in again, or "
    "give /dev/gpiochip* to a group you are in with a udev rule";

// Keeps the data-register writes, for comparing with what reached the chip.
class WriteLog : public ParallelPort {
public:
    void out(int port, int value) override {
        if (port == kDataRegister) {
            writes.push_back(value);
        }
    }
    int in(int) override { return 0; }
    void sleep(int) override {}

    std::vector<int> writes;
};

std::unique_ptr<GpioPort> openPort(GpioChipScript& script, const PinMap& pins, std::string& error) {
    return GpioPort::open(std::make_unique<RecordingGpioChip>(script), "gpiochip0", pins, error);
}

std::unique_ptr<GpioPort> openPort(GpioChipScript& script, const PinMap& pins = kPiPins) {
    std::string error;
    auto port = openPort(script, pins, error);
    EXPECT_NE(port, nullptr) << error;
    EXPECT_EQ(error, "");
    return port;
}

// The line levels each write should give: bit n set where line n is high.
std::vector<std::uint64_t> expectedLevels(const std::vector<int>& writes, const PinMap& pins) {
    std::vector<std::uint64_t> levels;
    for (const int value : writes) {
        levels.push_back(pinLevels(pins, value));
    }
    return levels;
}

ControlBits someWord() {
    return buildControlWord(5332.0F);
}

// A whole word through the port: each write is one set call, and the lines
// carry the write's bits on the mapped offsets, in the writes' order.
TEST(GpioPort, ReceiveAndTransmitWordsReachTheLinesWriteByWrite) {
    for (const bool transmit : {false, true}) {
        SCOPED_TRACE(transmit ? "transmit" : "receive");
        WriteLog reference;
        clockOutWord(reference, someWord(), 0, 0, transmit);
        GpioChipScript script;
        auto port = openPort(script);
        clockOutWord(*port, someWord(), 0, 0, transmit);

        ASSERT_EQ(script.calls.size(), 3 + reference.writes.size());
        EXPECT_EQ(script.levels, expectedLevels(reference.writes, kPiPins));
        const std::uint64_t transmitLine = std::uint64_t{1} << kPiPins.transmit;
        EXPECT_EQ((script.levels.back() & transmitLine) != 0, transmit);
    }
}

// Lines on other offsets, in another order (transmit below frame), and above
// 31: the levels follow the mapping, not the bit numbers.
TEST(GpioPort, AnotherMappingMovesEveryLine) {
    const PinMap pins{40, 6, 13, 2, 26};
    GpioChipScript script;
    auto port = openPort(script, pins);
    EXPECT_EQ(script.outputs, (GpioOutputs{40, 6, 13, 2}));
    EXPECT_EQ(script.input, 26);
    for (const int value : {kFrameLine, kClockLine, kDataLine, kTransmitLine, 0x0F, 0xF0}) {
        port->out(kDataRegister, value);
    }
    const auto line = [](int offset) { return std::uint64_t{1} << offset; };
    EXPECT_EQ(script.levels,
              (std::vector<std::uint64_t>{line(40), line(6), line(13), line(2),
                                          line(40) | line(6) | line(13) | line(2), 0}));
}

// Only the data register reaches the lines; a read of another register does
// not touch the chip.
TEST(GpioPort, OtherRegistersDoNotReachTheChip) {
    GpioChipScript script;
    auto port = openPort(script);
    port->out(kStatusRegister, 0x0F);
    port->out(890, 0x0F);
    EXPECT_EQ(port->in(kDataRegister), 0);
    EXPECT_EQ(script.calls.size(), 3U);
}

// The receiver pulls the busy line low while it hears a signal; the status
// register shows that as bit 7 set, as the parallel port does.
TEST(GpioPort, BusyLineLowReadsAsSignal) {
    GpioChipScript script;
    auto port = openPort(script);
    script.busyHigh = 0;
    EXPECT_EQ(port->in(kStatusRegister), 0x80);
    EXPECT_GT(port->in(kStatusRegister), kBusyThreshold);
    script.busyHigh = 1;
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(script.calls.back(), "read");
    EXPECT_EQ(port->fault(), "");
}

// Closing the port while keyed drops the transmit line and keeps the other
// lines as they were, then releases; unkeyed it only releases.
TEST(GpioPort, ClosingDropsTheTransmitLineThenReleases) {
    GpioChipScript keyed;
    openPort(keyed)->out(kDataRegister, kTransmitLine | kDataLine);
    EXPECT_EQ(std::vector<std::string>(keyed.calls.end() - 3, keyed.calls.end()),
              (std::vector<std::string>{"set 0,0,1,1", "set 0,0,1,0", "release"}));

    GpioChipScript unkeyed;
    openPort(unkeyed)->out(kDataRegister, kFrameLine);
    EXPECT_EQ(std::vector<std::string>(unkeyed.calls.end() - 2, unkeyed.calls.end()),
              (std::vector<std::string>{"set 1,0,0,0", "release"}));
}

// The emergency drop is one step on the output request's descriptor, and
// none when the descriptor is not known.
TEST(GpioPort, EmergencyDropNeedsTheRequestsDescriptor) {
    GpioChipScript known;
    known.descriptor = 9;
    EmergencyDrop drop;
    openPort(known)->addEmergencyDrop(drop);
    EXPECT_EQ(drop.size(), 1);

    GpioChipScript unknown;
    EmergencyDrop none;
    openPort(unknown)->addEmergencyDrop(none);
    EXPECT_EQ(none.size(), 0);
}

// A failed set is reported once and a set of every line to 0 tried at once; later writes and
// reads never reach the chip, reads give 0, and the set of 0 is tried when asked and at release.
TEST(GpioPort, FailedSetFaultsOnceAndSilencesThePort) {
    GpioChipScript script;
    script.setsBeforeFailure = 2;
    script.setError = ENODEV;
    auto port = openPort(script);
    port->out(kDataRegister, kFrameLine | kTransmitLine);
    port->tryDropAfterFault(); // working: nothing
    port->out(kDataRegister, kFrameLine | kClockLine | kTransmitLine);
    EXPECT_EQ(port->fault(), "");
    port->out(kDataRegister, kFrameLine | kTransmitLine);
    EXPECT_EQ(port->fault(), kLostChip);
    EXPECT_EQ(script.calls.back(), "set 0,0,0,0");
    const std::size_t calls = script.calls.size();

    script.setError = EIO;
    port->out(kDataRegister, 0);
    script.busyHigh = 0;
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(script.calls.size(), calls);
    EXPECT_EQ(port->fault(), kLostChip);
    port->tryDropAfterFault();
    port.reset();
    EXPECT_EQ(std::vector<std::string>(script.calls.begin() + calls, script.calls.end()),
              (std::vector<std::string>{"set 0,0,0,0", "set 0,0,0,0", "release"}));
}

// A failed read of the busy line faults the port with the reason.
TEST(GpioPort, FailedReadFaultsThePort) {
    GpioChipScript script;
    auto port = openPort(script);
    script.readError = EIO;
    script.busyHigh = 0;
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(port->fault(),
              "cannot read the busy line of GPIO chip gpiochip0: Input/output error");
    port->out(kDataRegister, kFrameLine);
    EXPECT_EQ(script.calls.back(), "set 0,0,0,0"); // the drop at once
}

// A chip or lines that cannot be had, and the operator's reason.
struct RefusedOpen {
    const char* name;
    void (*arrange)(GpioChipScript&);
    const char* reason;
    const char* lastRequest; // the last call before the release
};

class GpioPortRefusal : public ::testing::TestWithParam<RefusedOpen> {};

// No port, the reason, nothing asked of the chip after the failure but the
// release.
TEST_P(GpioPortRefusal, GivesTheReasonAndReleasesTheChip) {
    GpioChipScript script;
    GetParam().arrange(script);
    std::string error = "stale";
    EXPECT_EQ(openPort(script, kPiPins, error), nullptr);
    EXPECT_EQ(error, GetParam().reason);
    ASSERT_GE(script.calls.size(), 2U);
    EXPECT_EQ(script.calls[script.calls.size() - 2], GetParam().lastRequest);
    EXPECT_EQ(script.calls.back(), "release");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, GpioPortRefusal,
    ::testing::Values(
        RefusedOpen{"NoSuchChip", [](GpioChipScript& s) { s.openError = ENOENT; },
                    "no GPIO chip gpiochip0 (the chips of this machine are /dev/gpiochip*)",
                    "open gpiochip0"},
        RefusedOpen{"NoPermission", [](GpioChipScript& s) { s.openError = EACCES; }, kNoPermission,
                    "open gpiochip0"},
        RefusedOpen{"NotAChip", [](GpioChipScript& s) { s.openError = ENOTTY; },
                    "gpiochip0 is not a GPIO chip", "open gpiochip0"},
        RefusedOpen{"OtherOpenError", [](GpioChipScript& s) { s.openError = EIO; },
                    "cannot open GPIO chip gpiochip0: Input/output error", "open gpiochip0"},
        RefusedOpen{"ClockBeyondChip", [](GpioChipScript& s) { s.lines = 24; },
                    "--pins: the CLOCK line 27 is beyond GPIO chip gpiochip0, which has lines 0 "
                    "to 23",
                    "open gpiochip0"},
        RefusedOpen{"FrameBeyondChip", [](GpioChipScript& s) { s.lines = 17; },
                    "--pins: the FRAME line 17 is beyond GPIO chip gpiochip0, which has lines 0 "
                    "to 16",
                    "open gpiochip0"},
        RefusedOpen{"ChipWithoutLines", [](GpioChipScript& s) { s.lines = 0; },
                    "--pins: the FRAME line 17 is beyond GPIO chip gpiochip0, which has no lines",
                    "open gpiochip0"},
        RefusedOpen{"OutputHeldByDriver",
                    [](GpioChipScript& s) {
                        s.outputsError = EBUSY;
                        s.heldByOthers = {{27, "spi0 CS1"}, {23, "led"}};
                    },
                    "GPIO line 27 of gpiochip0 is in use by another program or driver "
                    "(\"spi0 CS1\")",
                    "outputs 17,27,22,23"},
        RefusedOpen{"OutputHeldWithoutName",
                    [](GpioChipScript& s) {
                        s.outputsError = EBUSY;
                        s.heldByOthers = {{23, ""}};
                    },
                    "GPIO line 23 of gpiochip0 is in use by another program or driver",
                    "outputs 17,27,22,23"},
        RefusedOpen{"OutputHeldUnseen", [](GpioChipScript& s) { s.outputsError = EBUSY; },
                    "one of GPIO lines 17, 27, 22, 23 of gpiochip0 is in use by another program "
                    "or driver",
                    "outputs 17,27,22,23"},
        RefusedOpen{"OutputsOnLostChip", [](GpioChipScript& s) { s.outputsError = ENODEV; },
                    kLostChip, "outputs 17,27,22,23"},
        RefusedOpen{"OutputsNotPermitted", [](GpioChipScript& s) { s.outputsError = EPERM; },
                    kNoPermission, "outputs 17,27,22,23"},
        RefusedOpen{"OutputsOtherError", [](GpioChipScript& s) { s.outputsError = EINVAL; },
                    "cannot take GPIO line 17 of gpiochip0: Invalid argument",
                    "outputs 17,27,22,23"},
        RefusedOpen{"BusyInputHeld",
                    [](GpioChipScript& s) {
                        s.inputError = EBUSY;
                        s.heldByOthers = {{24, "w1"}};
                    },
                    "GPIO line 24 of gpiochip0 is in use by another program or driver (\"w1\")",
                    "input 24"},
        RefusedOpen{"PullUpUnsupported", [](GpioChipScript& s) { s.inputError = EOPNOTSUPP; },
                    "cannot take GPIO line 24 of gpiochip0: Operation not supported", "input 24"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
