// SPDX-License-Identifier: GPL-3.0-or-later
// Whole files on a real disk: a replace that fails at any step leaves the old
// file whole and no temporary file behind; a pipe is refused without waiting
// for a writer.

#include "toolkit/text_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

enum class Step { Create, Write, Sync, Close, Rename };

// The real calls, but the one at step fails with error; a failing write first
// writes half of its bytes, as a disk that fills up does.
struct FailingCalls : FileCalls {
    FailingCalls(Step at, int why) : step(at), error(why) {}
    int fail() const { return errno = error, -1; }
    int createTemporary(char* name) override {
        return step == Step::Create ? fail() : FileCalls::createTemporary(name);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        return step != Step::Write ? FileCalls::write(fd, data, size)
               : size > 1          ? FileCalls::write(fd, data, size / 2)
                                   : fail();
    }
    int sync(int fd) override { return step == Step::Sync ? fail() : FileCalls::sync(fd); }
    int close(int fd) override {
        return FileCalls::close(fd) == 0 && step != Step::Close ? 0 : fail();
    }
    int rename(const char* from, const char* to) override {
        return step == Step::Rename ? fail() : FileCalls::rename(from, to);
    }
    Step step;
    int error;
};

struct TextFileTest : ::testing::Test {
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    static void write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    const fs::path dir = fs::temp_directory_path() / ("volna144-text-" + std::to_string(getpid()));
};

// The file is a link to a private file, as in a dotfiles folder: a replace
// that fails at any step leaves it whole, one that succeeds keeps the link a
// link and the file private.
TEST_F(TextFileTest, AReplaceThatFailsAtAnyStepKeepsTheOldFileWhole) {
    const std::pair<Step, int> failures[] = {{Step::Create, EACCES},
                                             {Step::Write, ENOSPC},
                                             {Step::Sync, EIO},
                                             {Step::Close, EDQUOT},
                                             {Step::Rename, EXDEV}};
    const fs::path file = dir / "store.conf";
    fs::create_symlink(dir / "private.conf", file);
    write(file, "[Flags]\nBACK=145500\n");
    fs::permissions(dir / "private.conf", fs::perms(0600));
    for (const auto& [step, error] : failures) {
        FailingCalls calls(step, error);
        const TextFileResult result = writeTextFile(file, std::string(5000, 'x'), calls);
        EXPECT_EQ(std::pair(false, error), std::pair(result.ok, result.errorNumber));
        EXPECT_EQ("[Flags]\nBACK=145500\n", readTextFile(file, 100).text) << error;
        EXPECT_EQ(2, std::distance(fs::directory_iterator(dir), {})) << error << ": a leftover";
    }
    ASSERT_TRUE(writeTextFile(file, "new").ok);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ("new", readTextFile(file, 100).text);
    EXPECT_EQ(fs::perms(0600), fs::status(file).permissions());
}

// Opening a pipe for reading waits for a writer; with the program's one
// thread that would stop everything, the transmitter's drop included.
TEST_F(TextFileTest, APipeIsRefusedUnopened) {
    const fs::path pipe = dir / "pipe.csv";
    ASSERT_EQ(0, ::mkfifo(pipe.c_str(), 0600));
    EXPECT_EQ(EINVAL, readTextFile(pipe, 1024).errorNumber);
    EXPECT_FALSE(writeTextFile(pipe, "x").ok) << "a pipe is not replaced by a file";
    EXPECT_TRUE(fs::is_fifo(pipe));
}

} // namespace
} // namespace volna
