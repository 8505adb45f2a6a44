// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ppdev/ppdev_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

// A path that is not a parallel port and the reason given for it. "@" stands
// for a scratch directory that holds a plain file named like a port, parport0.
struct RefusedDevice {
    const char* name;
    const char* device;
    const char* reason;
};

// Opens each kind of path that is not a port; owns the scratch directory.
class PpdevPortTest : public ::testing::TestWithParam<RefusedDevice> {
protected:
    void SetUp() override {
        fs::create_directories(scratch);
        std::ofstream(scratch / "parport0") << "not a device\n";
    }
    void TearDown() override { fs::remove_all(scratch); }

    std::string inScratch(std::string text) const {
        const auto at = text.find('@');
        return at == std::string::npos ? text : text.replace(at, 1, scratch.string());
    }

    const fs::path scratch =
        fs::temp_directory_path() / ("volna144_ppdev_" + std::to_string(::getpid()));
};

// Every path that is not a claimable parallel port gives no port and a reason
// that names the path; this machine has no parallel port, so only the
// failures can be checked.
TEST_P(PpdevPortTest, RefusesWhatIsNotAParallelPort) {
    std::string error = "stale";
    EXPECT_EQ(PpdevPort::open(inScratch(GetParam().device), error), nullptr);
    EXPECT_EQ(error, inScratch(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PpdevPortTest,
    ::testing::Values(
        RefusedDevice{"Missing", "/nonexistent/parport9",
                      "no parallel port at /nonexistent/parport9 (are the modules "
                      "parport_pc and ppdev loaded?)"},
        RefusedDevice{"PlainFile", "@/parport0", "@/parport0 is not a parallel port device"},
        RefusedDevice{"DevNull", "/dev/null", "/dev/null is not a parallel port device"},
        RefusedDevice{"Directory", "@", "cannot open @: Is a directory"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
