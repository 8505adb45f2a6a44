// The lock of one program per settings store, on real files: taken, refused
// while another holds it, taken at once after the holder closes it or is
// killed, and the file kept.

#include "app/instance_lock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace volna {
namespace {

using State = InstanceLock::State;

class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/instance-lock-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        path_ = lockFilePath(folder_ + "/VOLNA144.conf");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string folder_;
    std::string path_;
};

TEST_F(InstanceLockTest, NamedAfterTheStoreFile) {
    EXPECT_EQ(lockFilePath("/home/op/.config/VOLNA144/VOLNA144.conf"),
              "/home/op/.config/VOLNA144/VOLNA144.conf.volna144-lock");
}

TEST_F(InstanceLockTest, OneHolderAtATimeAndTheNextTakesItWhenTheFirstCloses) {
    auto first = std::make_unique<InstanceLock>(path_);
    EXPECT_EQ(first->state(), State::Taken);
    InstanceLock second(path_);
    EXPECT_EQ(second.state(), State::Held);
    EXPECT_EQ(second.tryTake(), State::Held);
    first.reset();
    EXPECT_EQ(second.tryTake(), State::Taken);
    EXPECT_TRUE(std::filesystem::exists(path_)) << "the lock file was deleted";
}

TEST_F(InstanceLockTest, AKilledHoldersLockIsTakenAtOnce) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const InstanceLock lock(path_);
        const char state = lock.state() == State::Taken ? 't' : 'n';
        [[maybe_unused]] auto written = ::write(ready[1], &state, 1);
        ::pause();
        std::_Exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ASSERT_EQ(state, 't');
    InstanceLock next(path_);
    EXPECT_EQ(next.state(), State::Held);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(next.tryTake(), State::Taken);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(InstanceLockTest, NoFolderIsUnavailableWithTheReason) {
    const InstanceLock lock(lockFilePath(folder_ + "/missing/VOLNA144.conf"));
    EXPECT_EQ(lock.state(), State::Unavailable);
    EXPECT_NE(lock.error().find("No such file or directory"), std::string::npos) << lock.error();
}

} // namespace
} // namespace volna
