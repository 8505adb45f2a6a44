// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/port_trace.h"
#include "synth/simulated_radio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

// A file path of its own for one test, removed afterwards.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& name)
        : path_(fs::temp_directory_path() /
                ("volna144_" + std::to_string(::getpid()) + "_" + name)) {
        fs::remove(path_);
    }
    ~ScratchFile() { fs::remove(path_); }
    std::string path() const { return path_.string(); }
    void write(const std::string& text) const { std::ofstream(path_) << text; }
    std::string read() const {
        std::ostringstream text;
        text << std::ifstream(path_).rdbuf();
        return text.str();
    }

private:
    fs::path path_;
};

TEST(SimulatedRadio, StatusIsTheSetValueAndTheDataRegisterReadsZero) {
    SimulatedRadio radio;
    radio.setStatus(200);
    EXPECT_EQ(radio.in(kStatusRegister), 200);
    EXPECT_EQ(radio.in(kDataRegister), 0);
    EXPECT_EQ(radio.operations().back(), (PortOp{PortOp::In, kDataRegister, 0}));
}

struct StatusCase {
    const char* name;
    const char* text; // nullptr: no file
    int status;
};

// A radio whose status comes from a file holding the row's text.
class SimulatedRadioStatusFile : public ::testing::TestWithParam<StatusCase> {};

// The file is read again at every read: a change between two reads shows.
TEST_P(SimulatedRadioStatusFile, StatusComesFromTheFileReadAtEveryRead) {
    ScratchFile file("status");
    SimulatedRadio radio;
    radio.setStatus(200);
    radio.setStatusFile(file.path());
    file.write("99\n");
    ASSERT_EQ(radio.in(kStatusRegister), 99);
    if (GetParam().text == nullptr) {
        fs::remove(file.path());
    } else {
        file.write(GetParam().text);
    }
    EXPECT_EQ(radio.in(kStatusRegister), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    FileTexts, SimulatedRadioStatusFile,
    ::testing::Values(StatusCase{"Missing", nullptr, 0}, StatusCase{"Number", "128\n", 128},
                      StatusCase{"Letters", "abc", 0}, StatusCase{"Empty", "", 0},
                      StatusCase{"FirstOfTwoNumbers", "  7 9", 7},
                      StatusCase{"NumberAfterAName", "busy=255", 255},
                      StatusCase{"Negative", "-3", -3}, StatusCase{"Zero", "0\n", 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SimulatedRadio, WordIsLatchedOnlyWhenTheFrameFalls) {
    SimulatedRadio radio;
    for (int value : {kClockLine, 0, kFrameLine, kFrameLine | kClockLine | kDataLine, kFrameLine,
                      kFrameLine | kClockLine}) {
        radio.out(kDataRegister, value);
    }
    EXPECT_EQ(radio.wordCount(), 0);
    radio.out(kDataRegister, kTransmitLine);
    EXPECT_EQ(radio.wordCount(), 1);
    EXPECT_EQ(radio.lastWordLength(), 2);
    EXPECT_EQ(wordText(radio.lastWord()), "100000000000000000000000");
    EXPECT_EQ(radio.lastDivider(), 1);
    EXPECT_TRUE(radio.transmitting());
    EXPECT_EQ(radio.dataRegister(), kTransmitLine);
}

// The program's radio: a long run of retunes keeps no history, yet every word
// is still decoded.
TEST(SimulatedRadio, WithoutHistoryKeepsOnlyTheRadiosState) {
    SimulatedRadio radio(SimulatedRadio::History::Nothing);
    for (int word = 0; word < 10000; ++word) {
        radio.out(kDataRegister, kFrameLine);
        radio.out(kDataRegister, kFrameLine | kClockLine | kDataLine);
        radio.out(kDataRegister, kFrameLine | kDataLine);
        radio.out(kDataRegister, kFrameLine | kClockLine);
        radio.out(kDataRegister, 0);
        radio.sleep(0);
        radio.in(kStatusRegister);
    }
    EXPECT_TRUE(radio.operations().empty());
    EXPECT_TRUE(radio.writes().empty());
    EXPECT_EQ(radio.wordCount(), 10000);
    EXPECT_EQ(radio.lastWordLength(), 2);
    EXPECT_EQ(radio.lastDivider(), 1);
    EXPECT_EQ(radio.dataRegister(), 0);
}

TEST(SimulatedRadio, SleepIsRecordedWithoutWaiting) {
    SimulatedRadio radio;
    const auto start = std::chrono::steady_clock::now();
    radio.sleep(600000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(radio.operations().back(), (PortOp{PortOp::Sleep, 0, 600000}));
}

TEST(PortTrace, AppendsOneFlushedLinePerOperation) {
    ScratchFile file("trace");
    file.write("earlier run\n");
    SimulatedRadio radio;
    radio.setStatus(130);
    PortTrace trace(radio, file.path());
    ASSERT_TRUE(trace.ok()) << trace.error();
    trace.out(kDataRegister, 5);
    EXPECT_EQ(trace.in(kStatusRegister), 130);
    trace.sleep(0);
    EXPECT_EQ(file.read(), "earlier run\nout 888 5\nin 889 130\nsleep 0\n");
    EXPECT_EQ(radio.operations().size(), 3u);
    EXPECT_EQ(radio.dataRegister(), 5);
    trace.out(kDataRegister, 255);
    trace.sleep(-2147483647 - 1); // a wait of less than nothing returns at once
    EXPECT_EQ(file.read(), "earlier run\nout 888 5\nin 889 130\nsleep 0\nout 888 255\n"
                           "sleep -2147483648\n");
}

TEST(PortTrace, ABatchsLinesReachTheFileTogetherWhenItEnds) {
    ScratchFile file("trace");
    SimulatedRadio radio;
    PortTrace trace(radio, file.path());
    ASSERT_TRUE(trace.ok()) << trace.error();
    {
        const PortBatch word(trace);
        trace.out(kDataRegister, kFrameLine);
        {
            const PortBatch inner(trace); // a nested batch ends with the outer one
            trace.sleep(0);
            trace.out(kDataRegister, kFrameLine | kClockLine);
        }
        EXPECT_EQ(file.read(), "") << "a batch's lines went out one by one";
        trace.sleep(7); // a real wait shows while it lasts
        EXPECT_EQ(file.read(), "out 888 1\nsleep 0\nout 888 3\nsleep 7\n");
        trace.out(kDataRegister, 0);
    }
    EXPECT_EQ(file.read(), "out 888 1\nsleep 0\nout 888 3\nsleep 7\nout 888 0\n");
    trace.out(kDataRegister, kTransmitLine); // outside a batch: at once
    EXPECT_EQ(file.read(), "out 888 1\nsleep 0\nout 888 3\nsleep 7\nout 888 0\nout 888 8\n");
    EXPECT_EQ(radio.writes().size(), 4u);
}

TEST(PortTrace, UnopenableFileLeavesThePortWorking) {
    const std::string path = "/nonexistent-volna144-dir/trace.txt";
    SimulatedRadio radio;
    PortTrace trace(radio, path);
    EXPECT_FALSE(trace.ok());
    EXPECT_NE(trace.error().find(path), std::string::npos) << trace.error();
    trace.out(kDataRegister, kTransmitLine);
    EXPECT_TRUE(radio.transmitting());
}

} // namespace
} // namespace volna
