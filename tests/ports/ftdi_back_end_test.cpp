// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftdi/ftdi_port.h"
#include "platform/ftdi/usb_descriptor.h"
#include "ports/ftdi_fake_chip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

// A row whose chips answer from log.
PortBackEnd rowOn(const std::shared_ptr<ChipLog>& log) {
    return ftdiBackEnd([log] { return std::make_unique<FakeChip>(log); });
}

struct SoleCase {
    const char* name;
    int attached;
    bool sole;
    const char* why;
};

class FtdiSoleDevice : public ::testing::TestWithParam<SoleCase> {};

// The automatic choice takes the adapter only when it is the only one.
TEST_P(FtdiSoleDevice, SaysWhyUnlessExactlyOneIsAttached) {
    auto log = std::make_shared<ChipLog>();
    log->attached = GetParam().attached;
    const PortBackEnd row = rowOn(log);
    std::string why;
    EXPECT_EQ(row.soleDevice(why), GetParam().sole);
    EXPECT_EQ(why, GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, FtdiSoleDevice,
    ::testing::Values(SoleCase{"None", 0, false, "no FTDI adapter is attached"},
                      SoleCase{"One", 1, true, ""},
                      SoleCase{"Three", 3, false,
                               "3 FTDI adapters attached (serial numbers FT0, FT1, FT2): name "
                               "one with --port=ftdi:SERIAL"},
                      SoleCase{"LibraryFailure", -1, false,
                               "cannot look for FTDI adapters: LIBUSB_ERROR_NO_DEVICE"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FtdiBackEnd, RowOpensTheNamedAdapterOnEightPins) {
    auto log = std::make_shared<ChipLog>();
    const PortBackEnd row = rowOn(log);
    EXPECT_EQ(row.name, "ftdi");
    EXPECT_EQ(row.defaultDevice, "");
    EXPECT_TRUE(row.missing.empty());
    EXPECT_TRUE(row.available());
    EXPECT_TRUE(row.automatic);
    EXPECT_EQ(row.pinCount, 8);
    EXPECT_EQ(row.defaultPins, (PinMap{0, 1, 2, 3, 7}));
    std::string error;
    EXPECT_NE(row.open("FT4ZQ9", row.defaultPins, error), nullptr) << error;
    EXPECT_EQ(log->openedName, "FT4ZQ9");
}

TEST(FtdiBackEnd, BuildWithoutTheLibraryListsTheRowAndNeverOpens) {
    const PortBackEnd row = ftdiBackEnd(nullptr);
    EXPECT_EQ(row.missing, "built without libftdi1");
    EXPECT_FALSE(row.available());
    EXPECT_FALSE(row.soleDevice);
    std::string error;
    EXPECT_EQ(row.open("", row.defaultPins, error), nullptr);
    EXPECT_FALSE(error.empty());
}

// Links standing for /proc/self/fd: the usbfs node is found by its name only.
TEST(FtdiEmergencyDrop, FindsTheDescriptorOfTheAdaptersNode) {
    const fs::path fds = fs::temp_directory_path() / ("volna144_fds_" + std::to_string(getpid()));
    fs::create_directories(fds);
    fs::create_symlink("/dev/null", fds / "3");
    fs::create_symlink("/dev/bus/usb/001/004", fds / "9");
    fs::create_symlink("/dev/bus/usb/001/040", fds / "11");
    EXPECT_EQ(findUsbDescriptor(fds.string(), 1, 4), 9);
    EXPECT_EQ(findUsbDescriptor(fds.string(), 1, 40), 11);
    EXPECT_EQ(findUsbDescriptor(fds.string(), 2, 4), -1);
    EXPECT_EQ(findUsbDescriptor(fds.string(), 1, 1000), -1);
    EXPECT_EQ(findUsbDescriptor((fds / "missing").string(), 1, 4), -1);
    fs::remove_all(fds);

    EXPECT_NE(zeroByteWriter(0x02), nullptr);
    EXPECT_NE(zeroByteWriter(0x02), zeroByteWriter(0x04));
    EXPECT_EQ(zeroByteWriter(0x81), nullptr);
}

// This process holds no usbfs node, so the port adds no step rather than one
// that writes to some other file.
TEST(FtdiEmergencyDrop, AddsNoStepWithoutTheDescriptor) {
    auto log = std::make_shared<ChipLog>();
    log->location = {1, 4, 0x02};
    const PortBackEnd row = rowOn(log);
    std::string error;
    auto port = row.open("", row.defaultPins, error);
    ASSERT_NE(port, nullptr) << error;
    EmergencyDrop drop;
    port->addEmergencyDrop(drop);
    EXPECT_EQ(drop.size(), 0);
}

} // namespace
} // namespace volna
