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

TEST(Options, BadArgumentsAreRefusedWithAReason) {
    for (const char* argument : {"--port=lpt", "--port=ppdev:", "--rigctld=4532",
                                 "--rigctld=host:", "--rigctld=host:65536", "--rigctld=host:x1",
                                 "--rigctld=host:999999999999", "--fast"}) {
        SCOPED_TRACE(argument);
        EXPECT_FALSE(parseOptions({argument}).error.empty());
    }
}

} // namespace
} // namespace volna
