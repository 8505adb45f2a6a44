// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftdi/ftdi_port.h"
#include "ports/ftdi_fake_chip.h"
#include "synth/control_word.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace volna {
namespace {

// The port's writes and its nonzero sleeps (as -1), in order.
class WordRecorder : public ParallelPort {
public:
    void out(int, int value) override { events.push_back(value); }
    int in(int) override { return 0; }
    void sleep(int ms) override {
        if (ms > 0) {
            events.push_back(-1);
        }
    }
    std::vector<int> events;
};

const PinMap kDefaultPins{0, 1, 2, 3, 7};
const PinMap kOtherPins{4, 6, 5, 0, 2};
// Divider 5332: a word of 58 port writes.
const ControlBits kWord = buildControlWord(5332.0f);

// The bytes each USB write must carry for the word: the port writes between
// nonzero sleeps, as pin levels, one write per non-empty run.
std::vector<Bytes> expectedWrites(const PinMap& pins, int delay1, int delay2, bool transmit) {
    WordRecorder recorder;
    clockOutWord(recorder, kWord, delay1, delay2, transmit);
    std::vector<Bytes> writes(1);
    for (int event : recorder.events) {
        if (event < 0) {
            writes.emplace_back();
        } else {
            writes.back().push_back(static_cast<std::uint8_t>(pinLevels(pins, event)));
        }
    }
    std::erase_if(writes, [](const Bytes& run) { return run.empty(); });
    return writes;
}

// Opens a port on a fake chip and forgets the set-up write.
std::unique_ptr<FtdiPort> openOn(const std::shared_ptr<ChipLog>& log, const PinMap& pins) {
    std::string error;
    auto port = FtdiPort::open(std::make_unique<FakeChip>(log), "", pins, error);
    EXPECT_NE(port, nullptr) << error;
    log->writes.clear();
    log->calls.clear();
    return port;
}

struct WordCase {
    const char* name;
    PinMap pins;
    int delay1;
    int delay2;
    bool transmit;
};

class FtdiWord : public ::testing::TestWithParam<WordCase> {};

// The chip gets exactly the port's writes as pin levels, in order, one write
// call per run between nonzero delays: the whole word at zero delays.
TEST_P(FtdiWord, ReachesTheChipAsThePortWritesInOneWritePerRun) {
    const WordCase& row = GetParam();
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, row.pins);
    clockOutWord(*port, kWord, row.delay1, row.delay2, row.transmit);
    EXPECT_EQ(log->writes, expectedWrites(row.pins, row.delay1, row.delay2, row.transmit));
    const std::size_t runs = row.delay1 > 0 && row.delay2 > 0 ? 49 : 25;
    EXPECT_EQ(log->writes.size(), row.delay1 > 0 || row.delay2 > 0 ? runs : 1u);
    std::size_t bytes = 0;
    for (const Bytes& run : log->writes) {
        bytes += run.size();
    }
    EXPECT_EQ(bytes, 58u); // one byte per port write, however the runs fall
    EXPECT_EQ(log->writes.front().front(), 1 << row.pins.frame);
    const auto keyed = static_cast<std::uint8_t>(row.transmit ? 1 << row.pins.transmit : 0);
    EXPECT_EQ(log->writes.back().back(), keyed);
}

INSTANTIATE_TEST_SUITE_P(
    Words, FtdiWord,
    ::testing::Values(WordCase{"Receive", kDefaultPins, 0, 0, false},
                      WordCase{"Transmit", kDefaultPins, 0, 0, true},
                      WordCase{"TransmitOnOtherPins", kOtherPins, 0, 0, true},
                      WordCase{"ReceiveWithDataDelay", kDefaultPins, 1, 0, false},
                      WordCase{"TransmitWithClockDelay", kOtherPins, 0, 1, true},
                      WordCase{"TransmitWithBothDelays", kDefaultPins, 1, 1, true}),
    [](const auto& row) { return std::string(row.param.name); });

// Open: the four lines are outputs, the busy pin an input, the rate set, and
// every line low before anything else.
TEST(FtdiPort, OpenSetsBitBangOnTheLinesAndStartsLow) {
    auto log = std::make_shared<ChipLog>();
    std::string error = "stale";
    auto port = FtdiPort::open(std::make_unique<FakeChip>(log), "A5XK3RJT", kOtherPins, error);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(error, "");
    EXPECT_EQ(log->openedName, "A5XK3RJT");
    EXPECT_EQ(log->outputMask, (1 << 4) | (1 << 6) | (1 << 5) | (1 << 0));
    EXPECT_EQ(log->baud, kFtdiBitBangBaud);
    EXPECT_EQ(log->writes, std::vector<Bytes>{{0}});
}

TEST(FtdiPort, OutsideABatchEachWriteGoesAtOnceAndOnlyTheDataRegister) {
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, kOtherPins);
    port->out(kStatusRegister, 0xFF);
    port->out(kDataRegister, kFrameLine | kDataLine);
    port->out(kDataRegister, kTransmitLine | 0xF0); // bits 4..7 are not wired
    EXPECT_EQ(log->writes, (std::vector<Bytes>{{0x30}, {0x01}}));
}

// A read sends the gathered writes first; the busy pin low reads as a signal.
TEST(FtdiPort, ReadSendsGatheredWritesThenReadsTheBusyPin) {
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, kOtherPins);
    port->beginBatch();
    port->beginBatch();
    port->out(kDataRegister, kFrameLine);
    port->endBatch(); // the inner end leaves the writes gathered
    EXPECT_TRUE(log->writes.empty());
    port->out(kDataRegister, kClockLine);
    log->pins = static_cast<std::uint8_t>(~(1 << 2)); // busy pin 2 low
    EXPECT_EQ(port->in(kStatusRegister), 0x80);
    log->pins = 1 << 2;
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(port->in(kDataRegister), 0);
    port->endBatch();
    EXPECT_EQ(log->calls, (std::vector<std::string>{"write", "read", "read"}));
    EXPECT_EQ(log->writes, (std::vector<Bytes>{{0x10, 0x40}}));
}

struct OpenFailure {
    const char* name;
    FtdiOpenResult result;
    int attached;
    const char* device;
    int failingStep; // 0: none after open, 1: bit-bang mode, 2: rate, 3: first write
    const char* error;
};

class FtdiOpenFailure : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(FtdiOpenFailure, GivesNoPortAndTheReason) {
    const OpenFailure& row = GetParam();
    auto log = std::make_shared<ChipLog>();
    log->openResult = row.result;
    log->attached = row.attached;
    log->bitBangWorks = row.failingStep != 1;
    log->baudWorks = row.failingStep != 2;
    log->writesThatWork = row.failingStep == 3 ? 0 : 1000;
    std::string error;
    EXPECT_EQ(FtdiPort::open(std::make_unique<FakeChip>(log), row.device, kDefaultPins, error),
              nullptr);
    EXPECT_EQ(error, row.error);
    const bool opened = row.result == FtdiOpenResult::Opened;
    EXPECT_EQ(std::count(log->calls.begin(), log->calls.end(), "close"), opened ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FtdiOpenFailure,
    ::testing::Values(
        OpenFailure{"NoneAttached", FtdiOpenResult::NotFound, 0, "", 0,
                    "no FTDI adapter is attached (is it plugged in?)"},
        OpenFailure{"NamedNoneAttached", FtdiOpenResult::NotFound, 0, "X1", 0,
                    "no FTDI adapter is attached (is it plugged in?)"},
        OpenFailure{"UnknownSerial", FtdiOpenResult::NotFound, 2, "X1", 0,
                    "no attached FTDI adapter has the serial number or description \"X1\" "
                    "(2 attached)"},
        OpenFailure{"NoPermission", FtdiOpenResult::NoPermission, 1, "", 0,
                    "no permission to use the FTDI adapter: install a udev rule, a file "
                    "/etc/udev/rules.d/99-ftdi-bitbang.rules with the line "
                    "SUBSYSTEM==\"usb\", ATTRS{idVendor}==\"0403\", MODE=\"0660\", "
                    "GROUP=\"plugdev\", add yourself to group plugdev, log in again and plug "
                    "the adapter in again"},
        OpenFailure{"Busy", FtdiOpenResult::Busy, 1, "X1", 0,
                    "the FTDI adapter \"X1\" is in use by another program or by the ftdi_sio "
                    "serial driver (close that program, or unload the driver: sudo modprobe "
                    "-r ftdi_sio)"},
        OpenFailure{"CannotList", FtdiOpenResult::NotFound, -1, "", 0,
                    "cannot look for FTDI adapters: LIBUSB_ERROR_NO_DEVICE"},
        OpenFailure{"LibraryFailure", FtdiOpenResult::Failed, 1, "", 0,
                    "cannot open the FTDI adapter: LIBUSB_ERROR_NO_DEVICE"},
        OpenFailure{"NoBitBang", FtdiOpenResult::Opened, 1, "", 1,
                    "cannot put the FTDI adapter into bit-bang mode: LIBUSB_ERROR_NO_DEVICE"},
        OpenFailure{"NoRate", FtdiOpenResult::Opened, 1, "X1", 2,
                    "cannot set the bit-bang rate of the FTDI adapter \"X1\": "
                    "LIBUSB_ERROR_NO_DEVICE"},
        OpenFailure{"NoFirstWrite", FtdiOpenResult::Opened, 1, "", 3,
                    "cannot write to the pins of the FTDI adapter: LIBUSB_ERROR_NO_DEVICE"}),
    [](const auto& row) { return std::string(row.param.name); });

struct AdapterChoice {
    const char* name;
    std::vector<FtdiAdapter> attached;
    const char* device;
    const char* refusal; // empty: the named adapter is opened
};

class FtdiAdapterChoice : public ::testing::TestWithParam<AdapterChoice> {};

// A name that fits several adapters (or none given with several attached) is refused with their
// serial numbers before any adapter is opened, which detaches its serial driver and sets its pins.
TEST_P(FtdiAdapterChoice, OpensOnlyAnAdapterTheNameSinglesOut) {
    const AdapterChoice& row = GetParam();
    auto log = std::make_shared<ChipLog>();
    log->adapters = row.attached;
    std::string error;
    const bool opened =
        FtdiPort::open(std::make_unique<FakeChip>(log), row.device, kDefaultPins, error) != nullptr;
    EXPECT_EQ(error, row.refusal);
    EXPECT_EQ(opened, *row.refusal == '\0');
    EXPECT_EQ(log->openedName, opened ? row.device : "not asked");
}

const std::vector<FtdiAdapter> kTwoBoards{{"A1", "UART"}, {"B2", "UART"}};
const std::vector<FtdiAdapter> kSharedSerial{{"A1", "X"}, {"A1", "Y"}, {"", ""}};

INSTANTIATE_TEST_SUITE_P(
    Choices, FtdiAdapterChoice,
    ::testing::Values(
        AdapterChoice{"OneOfTwoBySerial", kTwoBoards, "B2", ""},
        AdapterChoice{"SharedDescription", kTwoBoards, "UART",
                      "2 attached FTDI adapters have the serial number or description \"UART\" "
                      "(serial numbers A1, B2): name one with --port=ftdi:SERIAL"},
        AdapterChoice{"UnnamedSharedSerialOneUnreadable", kSharedSerial, "",
                      "3 FTDI adapters attached (serial numbers A1, A1, unknown): they share a "
                      "serial number, so attach only the one to use"}),
    [](const auto& row) { return std::string(row.param.name); });

// Stalled during a word: the fault is set once, with the first reason, and nothing more reaches
// the chip but the tries of a 0: at once, when asked (after the answer) and before closing.
TEST(FtdiPort, FailedWriteFaultsOnceAndOnlyTheDropsAreTried) {
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, kDefaultPins);
    port->out(kDataRegister, kTransmitLine);
    port->tryDropAfterFault(); // working: nothing
    log->writesThatWork = 0;
    port->out(kDataRegister, kTransmitLine | kFrameLine); // the adapter is gone
    clockOutWord(*port, kWord, 1, 0, true);
    const std::string unplugged = "the FTDI adapter was unplugged or stopped answering while "
                                  "writing to its pins (LIBUSB_ERROR_NO_DEVICE)";
    EXPECT_EQ(port->fault(), unplugged);
    EXPECT_EQ(port->in(kStatusRegister), 0);
    port->out(kDataRegister, 0);
    log->writesThatWork = 1000; // answering again: the tries that follow get through
    port->tryDropAfterFault();
    port.reset();
    EXPECT_EQ(log->calls,
              (std::vector<std::string>{"write", "write", "write", "write", "write", "close"}));
    EXPECT_EQ(log->writes, (std::vector<Bytes>{{0x08}, {0}, {0}}));
}

TEST(FtdiPort, FailedReadFaultsAndReadsNoSignal) {
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, kDefaultPins);
    log->readWorks = false;
    EXPECT_EQ(port->in(kStatusRegister), 0);
    EXPECT_EQ(port->fault(), "the FTDI adapter was unplugged or stopped answering while "
                             "reading the busy pin (LIBUSB_ERROR_NO_DEVICE)");
    port->out(kDataRegister, kFrameLine);
    EXPECT_EQ(log->calls, (std::vector<std::string>{"read", "write"})); // the drop at once
}

// The end drops the transmit line, after sending what a batch still holds.
TEST(FtdiPort, EndingDropsTheTransmitLineOnly) {
    auto log = std::make_shared<ChipLog>();
    auto port = openOn(log, kOtherPins);
    port->beginBatch();
    port->out(kDataRegister, kTransmitLine | kFrameLine);
    port.reset();
    EXPECT_EQ(log->writes, (std::vector<Bytes>{{0x11}, {0x10}}));
    EXPECT_EQ(log->calls.back(), "close");

    auto quiet = std::make_shared<ChipLog>();
    openOn(quiet, kDefaultPins)->out(kDataRegister, kFrameLine);
    EXPECT_EQ(quiet->writes, std::vector<Bytes>{{0x01}});
}

} // namespace
} // namespace volna
