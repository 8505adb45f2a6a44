#include "platform/ppdev/ppdev_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

// Every path that is not a claimable parallel port gives no port and a reason
// that names the path; this machine has no parallel port, so only the
// failures can be checked.
TEST(PpdevPort, RefusesWhatIsNotAParallelPort) {
    const fs::path scratch =
        fs::temp_directory_path() / ("volna144_ppdev_" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    const std::string plainFile = (scratch / "parport0").string();
    std::ofstream(plainFile) << "not a device\n";

    const struct {
        std::string device;
        std::string reason;
    } cases[] = {
        {"/nonexistent/parport9", "no parallel port at /nonexistent/parport9 (are the modules "
                                  "parport_pc and ppdev loaded?)"},
        {plainFile, plainFile + " is not a parallel port device"},
        {"/dev/null", "/dev/null is not a parallel port device"},
        {scratch.string(), "cannot open " + scratch.string() + ": Is a directory"},
    };
    for (const auto& c : cases) {
        std::string error = "stale";
        EXPECT_EQ(PpdevPort::open(c.device, error), nullptr) << c.device;
        EXPECT_EQ(error, c.reason);
    }
    fs::remove_all(scratch);
}

} // namespace
} // namespace volna
