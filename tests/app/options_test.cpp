// The command line: the port back ends, network rig control, and refusals.

#include "app/options.h"

#include <gtest/gtest.h>

namespace volna {
namespace {

TEST(Options, PortChoices) {
    EXPECT_EQ(parseOptions({}).port, Options::Port::Auto);
    EXPECT_EQ(parseOptions({"--port=sim"}).port, Options::Port::Simulated);
    const Options ppdev = parseOptions({"--port=ppdev:/dev/parport1"});
    EXPECT_EQ(ppdev.port, Options::Port::Ppdev);
    EXPECT_EQ(ppdev.device, "/dev/parport1");
    EXPECT_EQ(parseOptions({"--port=ppdev"}).device, "/dev/parport0");
}

TEST(Options, RigControlIsOffUnlessAskedAndListensOnLoopbackByDefault) {
    EXPECT_FALSE(parseOptions({}).rigctld);
    const Options plain = parseOptions({"--rigctld"});
    EXPECT_TRUE(plain.rigctld);
    EXPECT_EQ(plain.rigctldAddress, "127.0.0.1");
    EXPECT_EQ(plain.rigctldPort, 4532);
    const Options six = parseOptions({"--rigctld=[::1]:4533"});
    EXPECT_EQ(six.rigctldAddress, "::1");
    EXPECT_EQ(six.rigctldPort, 4533);
}

struct BadArgument {
    const char* name;
    const char* argument;
};

// One argument the command line must refuse.
class OptionsRefused : public ::testing::TestWithParam<BadArgument> {};

TEST_P(OptionsRefused, BadArgumentsAreRefusedWithAReason) {
    EXPECT_FALSE(parseOptions({GetParam().argument}).error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OptionsRefused,
    ::testing::Values(BadArgument{"UnknownPort", "--port=lpt"},
                      BadArgument{"PpdevWithoutDevice", "--port=ppdev:"},
                      BadArgument{"RigctldPortWithoutHost", "--rigctld=4532"},
                      BadArgument{"RigctldEmptyPort", "--rigctld=host:"},
                      BadArgument{"RigctldPortOutOfRange", "--rigctld=host:65536"},
                      BadArgument{"RigctldPortNotANumber", "--rigctld=host:x1"},
                      BadArgument{"RigctldPortOverflowing", "--rigctld=host:999999999999"},
                      BadArgument{"UnknownOption", "--fast"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna
