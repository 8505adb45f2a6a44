// SPDX-License-Identifier: GPL-3.0-or-later
// The lock of one console per settings store, on real files (that a killed
// holder's lock is taken at once shows in the single-console Xvfb test).

#include "app/instance_lock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace volna {
namespace {

using State = InstanceLock::State;

// The next holder takes the lock once the first closes it, and the file stays
// (a deleted one would let two holders lock two files).
TEST(InstanceLock, OneHolderAtATimeAndTheFileStays) {
    char folder[] = "/tmp/instance-lock-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string store = std::string(folder) + "/VOLNA144.conf";
    const std::string path = lockFilePath(store);
    EXPECT_EQ(path, store + ".volna144-lock");
    auto first = std::make_unique<InstanceLock>(path);
    EXPECT_EQ(first->state(), State::Taken);
    InstanceLock second(path);
    EXPECT_EQ(second.state(), State::Held);
    EXPECT_EQ(second.tryTake(), State::Held);
    first.reset();
    EXPECT_EQ(second.tryTake(), State::Taken);
    EXPECT_TRUE(std::filesystem::exists(path)) << "the lock file was deleted";
    std::filesystem::remove_all(folder);
}

TEST(InstanceLock, NoFolderIsUnavailableWithTheReason) {
    const InstanceLock lock("/no/such/folder/VOLNA144.conf.volna144-lock");
    EXPECT_EQ(lock.state(), State::Unavailable);
    EXPECT_NE(lock.error().find("No such file or directory"), std::string::npos) << lock.error();
}

} // namespace
} // namespace volna
