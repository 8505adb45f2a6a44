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

// The real calls, except that one step fails with an errno; a failing write
// first writes half of what it is given, as a disk that fills up does.
class FailingCalls : public FileCalls {
public:
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int createTemporary(char* pattern) override {
        return step_ == Step::Create ? fail(-1) : FileCalls::createTemporary(pattern);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (step_ != Step::Write) {
            return FileCalls::write(fd, data, size);
        }
        return size > 1 ? FileCalls::write(fd, data, size / 2) : fail(-1);
    }
    int sync(int fd) override { return step_ == Step::Sync ? fail(-1) : FileCalls::sync(fd); }
    int close(int fd) override {
        const int closed = FileCalls::close(fd); // the descriptor is gone either way
        return step_ == Step::Close ? fail(-1) : closed;
    }
    int rename(const char* from, const char* to) override {
        return step_ == Step::Rename ? fail(-1) : FileCalls::rename(from, to);
    }

private:
    int fail(int result) const {
        errno = error_;
        return result;
    }
    Step step_;
    int error_;
};

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("volna144-text-file-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string bytesOf(const fs::path& file) { return readTextFile(file, 1 << 20).text; }
    static void write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    fs::path dir;
};

TEST_F(TextFileTest, AReplaceThatFailsAtAnyStepKeepsTheOldFileWhole) {
    const struct {
        Step step;
        int error;
    } failures[] = {{Step::Create, EACCES},
                    {Step::Write, ENOSPC},
                    {Step::Sync, EIO},
                    {Step::Close, EDQUOT},
                    {Step::Rename, EXDEV}};
    const fs::path file = dir / "store.conf";
    const std::string old = "[Flags]\nBACK=145500\n";
    for (const auto& failure : failures) {
        write(file, old);
        FailingCalls calls(failure.step, failure.error);

        const TextFileResult result = writeTextFile(file, std::string(5000, 'x'), calls);

        const std::string step = "step " + std::to_string(static_cast<int>(failure.step));
        EXPECT_FALSE(result.ok) << step;
        EXPECT_EQ(failure.error, result.errorNumber) << step;
        EXPECT_NE(std::string::npos, result.error.find(file.string())) << step;
        EXPECT_EQ(old, bytesOf(file)) << step;
        EXPECT_EQ(1, std::distance(fs::directory_iterator(dir), {})) << step << ": a leftover";
    }
}

TEST_F(TextFileTest, AReplaceKeepsALinkALinkAndTheFilePermissions) {
    fs::create_directories(dir / "real");
    const fs::path target = dir / "real" / "store.conf";
    write(target, "old");
    ::chmod(target.c_str(), 0600);
    fs::create_symlink(target, dir / "link.conf");

    ASSERT_TRUE(writeTextFile(dir / "link.conf", "new").ok);

    EXPECT_TRUE(fs::is_symlink(dir / "link.conf"));
    EXPECT_EQ("new", bytesOf(target));
    struct stat info {};
    ASSERT_EQ(0, ::stat(target.c_str(), &info));
    EXPECT_EQ(0600u, info.st_mode & 07777);
}

// Opening a pipe for reading waits for a writer; with the program's one
// thread that would stop everything, the transmitter's drop included.
TEST_F(TextFileTest, APipeOrAFolderIsRefusedUnopened) {
    ASSERT_EQ(0, ::mkfifo((dir / "pipe.csv").c_str(), 0600));
    for (const char* name : {"pipe.csv", "."}) {
        const TextFileResult read = readTextFile(dir / name, 1024);
        EXPECT_FALSE(read.ok) << name;
        EXPECT_NE(std::string::npos, read.error.find(name)) << name;
    }
    EXPECT_FALSE(writeTextFile(dir / "pipe.csv", "x").ok) << "a pipe is not replaced by a file";
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.csv"));
}

} // namespace
} // namespace volna
