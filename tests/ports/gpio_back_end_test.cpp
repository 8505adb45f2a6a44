// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gpio/gpio_back_end.h"
#include "platform/gpio/handle_descriptor.h"

#include "gpio_recording_chip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;
using test::GpioChipScript;
using test::RecordingGpioChip;

// The row as --port and --help see it: named only (never automatic), the
// first chip, line offsets up to 63, and a Raspberry Pi header by default.
TEST(GpioBackEnd, RowDescribesTheGpioPort) {
    const PortBackEnd row = gpioBackEnd();
    EXPECT_EQ(row.name, "gpio");
    EXPECT_EQ(row.defaultDevice, "gpiochip0");
    EXPECT_EQ(row.pinCount, 64);
    EXPECT_EQ(row.defaultPins, (PinMap{17, 27, 22, 23, 24}));
    EXPECT_FALSE(row.automatic);
    EXPECT_FALSE(row.soleDevice);
    EXPECT_FALSE(row.simulated);
    EXPECT_NE(row.help.find("header pins 11, 13, 15, 16 and 18"), std::string::npos) << row.help;
    // A build without the library says so and never offers the port.
    EXPECT_EQ(row.available(), row.missing.empty());
    if (!row.missing.empty()) {
        EXPECT_EQ(row.missing, "built without libgpiod");
    }
}

// The row opens the device and pins it is given on a chip of its factory.
TEST(GpioBackEnd, OpensTheNamedChipWithTheGivenPins) {
    GpioChipScript script;
    const PortBackEnd row =
        gpioBackEnd([&script] { return std::make_unique<RecordingGpioChip>(script); });
    std::string error;
    auto port = row.open("gpiochip1", PinMap{4, 5, 6, 7, 8}, error);
    ASSERT_NE(port, nullptr) << error;
    port->out(kDataRegister, kClockLine);
    EXPECT_EQ(script.calls, (std::vector<std::string>{"open gpiochip1", "outputs 4,5,6,7",
                                                      "input 8", "set 0,1,0,0"}));
}

// Where the library is in the build, its chip is asked for chips this
// machine does not have and gives the operator's reasons.
TEST(GpioBackEnd, LibraryRefusesWhatIsNotAChip) {
    const PortBackEnd row = gpioBackEnd();
    if (!row.available()) {
        GTEST_SKIP() << row.missing;
    }
    if (fs::exists("/dev/gpiochip99")) {
        GTEST_SKIP() << "this machine has a gpiochip99";
    }
    std::string error;
    EXPECT_EQ(row.open("gpiochip99", row.defaultPins, error), nullptr);
    EXPECT_EQ(error, "no GPIO chip gpiochip99 (the chips of this machine are /dev/gpiochip*)");
    EXPECT_EQ(row.open("/dev/null", row.defaultPins, error), nullptr);
    EXPECT_EQ(error, "/dev/null is not a GPIO chip");
}

// A directory standing for /proc/self/fd, with links as the kernel shows
// descriptors; owns the directory.
class HandleDescriptors : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(scratch); }
    void TearDown() override { fs::remove_all(scratch); }

    void link(const char* name, const char* target) const {
        fs::create_symlink(target, scratch / name);
    }

    const fs::path scratch =
        fs::temp_directory_path() / ("volna144_gpio_fd_" + std::to_string(::getpid()));
};

// Only numbered links to a GPIO line handle count; other descriptors, other
// anonymous inodes and stray names do not.
TEST_F(HandleDescriptors, ListsOnlyGpioHandles) {
    link("3", "/dev/null");
    link("12", "anon_inode:gpiohandle");
    link("5", "anon_inode:gpiohandle");
    link("6", "anon_inode:[eventfd]");
    link("7", "anon_inode:gpio-line");
    link("x9", "anon_inode:gpiohandle");
    EXPECT_EQ(gpioHandleDescriptors(scratch.string()), (std::vector<int>{5, 12}));
    EXPECT_TRUE(gpioHandleDescriptors((scratch / "missing").string()).empty());
}

// The one new handle is the request's; none, or two at once, give -1.
TEST(AddedDescriptor, TakesOnlyASingleNewHandle) {
    EXPECT_EQ(addedDescriptor({4, 7}, {4, 7, 9}), 9);
    EXPECT_EQ(addedDescriptor({}, {3}), 3);
    EXPECT_EQ(addedDescriptor({4, 7}, {7, 8}), 8);
    EXPECT_EQ(addedDescriptor({4, 7}, {4, 7}), -1);
    EXPECT_EQ(addedDescriptor({4}, {4, 8, 9}), -1);
    EXPECT_EQ(addedDescriptor({4}, {}), -1);
}

} // namespace
} // namespace volna
