// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/port_trace.h"
#include "synth/simulated_radio.h"
#include "synth/transmit_line_guard.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace volna {
namespace {

namespace fs = std::filesystem;

// A traced simulated radio keyed in a child process, which then ends the way
// the test says. The trace file outlives the child, so its last line shows
// what the port saw last.
class KeyedChild {
public:
    KeyedChild()
        : trace_(fs::temp_directory_path() /
                 ("volna144_guard_" + std::to_string(::getpid()) + ".txt")) {
        fs::remove(trace_);
    }
    ~KeyedChild() { fs::remove(trace_); }

    // Runs ending in a child with the transmit line high and the guard armed
    // (after before, which sets up what the child was started with); returns
    // the child's wait status.
    int run(
        const std::function<void()>& ending, const std::function<void()>& before = [] {}) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            SimulatedRadio radio;
            PortTrace trace(radio, trace_.string());
            trace.out(kDataRegister, kTransmitLine);
            before();
            EmergencyDrop drop;
            trace.addEmergencyDrop(drop);
            {
                const TransmitLineGuard guard(drop);
                ending();
            }
            ::_exit(0); // the ending did not end the process
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    }

    std::string lastLine() const {
        std::ifstream file(trace_);
        std::string line;
        std::string last;
        while (std::getline(file, line)) {
            last = line;
        }
        return last;
    }

private:
    fs::path trace_;
};

struct SignalCase {
    const char* name;
    int signal;
};

// A keyed child ended by the row's signal.
class TransmitLineGuardSignal : public ::testing::TestWithParam<SignalCase> {};

TEST_P(TransmitLineGuardSignal, ASignalThatEndsTheProcessDropsTheLineFirst) {
    const int signal = GetParam().signal;
    KeyedChild child;
    const int status = child.run([signal] { ::raise(signal); });
    ASSERT_TRUE(WIFSIGNALED(status)) << "the signal's own action did not end the child";
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(child.lastLine(), "out 888 0");
}

INSTANTIATE_TEST_SUITE_P(
    EverySignalThatEndsTheProcess, TransmitLineGuardSignal,
    ::testing::Values(SignalCase{"SIGHUP", SIGHUP}, SignalCase{"SIGQUIT", SIGQUIT},
                      SignalCase{"SIGABRT", SIGABRT}, SignalCase{"SIGSEGV", SIGSEGV},
                      SignalCase{"SIGBUS", SIGBUS}, SignalCase{"SIGFPE", SIGFPE},
                      SignalCase{"SIGILL", SIGILL}, SignalCase{"SIGUSR1", SIGUSR1},
                      SignalCase{"SIGUSR2", SIGUSR2}, SignalCase{"SIGALRM", SIGALRM},
                      SignalCase{"SIGPIPE", SIGPIPE}, SignalCase{"SIGXCPU", SIGXCPU},
                      SignalCase{"SIGRTMIN_plus_3", SIGRTMIN + 3}),
    [](const auto& row) { return std::string(row.param.name); });

// A write through a null pointer: a real fault, which the undefined-behaviour
// sanitizer's null check must let happen.
__attribute__((no_sanitize("null"))) void writeToNowhere() {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

TEST(TransmitLineGuard, ARealFaultAndAnAlarmDropTheLine) {
    KeyedChild fault;
    const int faulted = fault.run(writeToNowhere);
    ASSERT_TRUE(WIFSIGNALED(faulted));
    EXPECT_EQ(WTERMSIG(faulted), SIGSEGV);
    EXPECT_EQ(fault.lastLine(), "out 888 0");

    KeyedChild alarmed;
    const int rang = alarmed.run([] {
        ::alarm(1);
        ::pause();
    });
    ASSERT_TRUE(WIFSIGNALED(rang));
    EXPECT_EQ(WTERMSIG(rang), SIGALRM);
    EXPECT_EQ(alarmed.lastLine(), "out 888 0");
}

// Qt leaves through exit(1) when the X connection breaks: main never returns.
TEST(TransmitLineGuard, ExitWithoutReturningFromMainDropsTheLine) {
    KeyedChild child;
    const int status = child.run([] { std::exit(1); });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(child.lastLine(), "out 888 0");
}

TEST(TransmitLineGuard, DisarmedGuardAndIgnoredSignalsLeaveThePortAlone) {
    KeyedChild disarmed;
    const int ended = disarmed.run([] {}); // the guard is destroyed, then _exit(0)
    ASSERT_TRUE(WIFEXITED(ended));
    EXPECT_EQ(disarmed.lastLine(), "out 888 8");

    // Started under nohup: the hang-up stays ignored and the program keeps going.
    KeyedChild nohup;
    const int survived = nohup.run(
        [] {
            ::raise(SIGHUP);
            ::_exit(7);
        },
        [] { std::signal(SIGHUP, SIG_IGN); });
    ASSERT_TRUE(WIFEXITED(survived));
    EXPECT_EQ(WEXITSTATUS(survived), 7);
    EXPECT_EQ(nohup.lastLine(), "out 888 8");
}

} // namespace
} // namespace volna
