// SPDX-License-Identifier: GPL-3.0-or-later
// The port table: what auto picks, what a named port opens, and the texts
// drawn from the table, with back ends made up for the purpose.

#include "app/port_factory.h"
#include "synth/simulated_radio.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace volna {
namespace {

// A made-up back end: it opens a simulated radio, or refuses with reason, and
// records the devices it was asked to open.
struct FakeBackEnd {
    explicit FakeBackEnd(std::string called, std::string refusal = "", bool present = true)
        : name(std::move(called)), reason(std::move(refusal)), available(present) {}

    std::string name;
    std::string reason; // empty: opens
    bool available;
    std::vector<std::string> opened;
    std::vector<PinMap> pins; // the pins of every open

    PortBackEnd row(const std::string& defaultDevice = "") {
        PortBackEnd backEnd;
        backEnd.name = name;
        backEnd.defaultDevice = defaultDevice;
        backEnd.help = "the " + name + " port";
        backEnd.available = [this] { return available; };
        backEnd.open = [this](const std::string& device, const PinMap& map,
                              std::string& error) -> std::unique_ptr<ParallelPort> {
            opened.push_back(device);
            pins.push_back(map);
            error = reason;
            return reason.empty() ? std::make_unique<SimulatedRadio>() : nullptr;
        };
        return backEnd;
    }
};

// A back end on eight pins of its own, its device found by name or else the
// only one attached (when attached says how many there are).
PortBackEnd pinnedRow(FakeBackEnd& fake, int attached = 1) {
    PortBackEnd backEnd = fake.row();
    backEnd.deviceOptional = true;
    backEnd.pinCount = 8;
    backEnd.defaultPins = PinMap{0, 1, 2, 3, 7};
    backEnd.soleDevice = [attached](std::string& why) {
        why = std::to_string(attached) + " adapters attached";
        return attached == 1;
    };
    return backEnd;
}

PortBackEnd simulatedRow(FakeBackEnd& fake) {
    PortBackEnd backEnd = fake.row();
    backEnd.simulated = true;
    return backEnd;
}

TEST(PortFactory, AutoTakesTheFirstAvailablePortThatOpens) {
    FakeBackEnd sim{"sim"}, absent{"usb", "", false}, refusing{"lpt", "lpt is busy"}, good{"gpio"};
    const PortTable table = {simulatedRow(sim), absent.row("/dev/usb0"), refusing.row("/dev/lpt0"),
                             good.row("/dev/gpio0")};
    const OpenedPort opened = openPort(table, kAutoPort, "");
    ASSERT_NE(opened.port, nullptr);
    EXPECT_FALSE(opened.simulated);
    EXPECT_EQ(opened.message, "");
    EXPECT_EQ(opened.name, "gpio /dev/gpio0");
    EXPECT_TRUE(absent.opened.empty());
    EXPECT_EQ(refusing.opened, std::vector<std::string>{"/dev/lpt0"});
    EXPECT_EQ(good.opened, std::vector<std::string>{"/dev/gpio0"});
    EXPECT_TRUE(sim.opened.empty());
}

TEST(PortFactory, AutoFallsBackToTheSimulatedRadioSayingWhy) {
    FakeBackEnd sim{"sim"}, lpt{"lpt", "no port at /dev/lpt0"}, usb{"usb", "no adapter"};
    const PortTable table = {lpt.row("/dev/lpt0"), simulatedRow(sim), usb.row("/dev/usb0")};
    const OpenedPort opened = openPort(table, kAutoPort, "");
    ASSERT_NE(opened.port, nullptr);
    EXPECT_TRUE(opened.simulated);
    EXPECT_EQ(opened.message, "no port at /dev/lpt0; no adapter; running the simulated radio");
    EXPECT_EQ(opened.name, "simulated radio");

    FakeBackEnd onlySim{"sim"}, absent{"lpt", "", false};
    const OpenedPort alone = openPort({simulatedRow(onlySim), absent.row("/dev/lpt0")}, "auto", "");
    EXPECT_TRUE(alone.simulated);
    EXPECT_EQ(alone.message, "no parallel port on this machine; running the simulated radio");

    FakeBackEnd refusing{"lpt", "lpt is busy"};
    const OpenedPort none = openPort({refusing.row("/dev/lpt0")}, kAutoPort, "");
    EXPECT_EQ(none.port, nullptr);
    EXPECT_EQ(none.message, "lpt is busy; and no simulated radio in this build");
}

TEST(PortFactory, ANamedPortOpensOnItsDeviceOrSaysWhyNot) {
    FakeBackEnd sim{"sim"}, lpt{"lpt"}, busy{"busy", "busy is in use"}, absent{"usb", "", false};
    const PortTable table = {simulatedRow(sim), lpt.row("/dev/lpt0"), busy.row("/dev/b0"),
                             absent.row("/dev/usb0")};
    EXPECT_TRUE(openPort(table, "sim", "").simulated);
    EXPECT_EQ(openPort(table, "sim", "").name, "simulated radio");
    const OpenedPort named = openPort(table, "lpt", "/dev/lpt3");
    EXPECT_NE(named.port, nullptr);
    EXPECT_EQ(named.name, "lpt /dev/lpt3");
    EXPECT_NE(openPort(table, "lpt", "").port, nullptr);
    EXPECT_EQ(lpt.opened, (std::vector<std::string>{"/dev/lpt3", "/dev/lpt0"}));

    const OpenedPort refused = openPort(table, "busy", "");
    EXPECT_EQ(refused.port, nullptr);
    EXPECT_EQ(refused.message, "busy is in use");
    const OpenedPort missing = openPort(table, "usb", "");
    EXPECT_EQ(missing.port, nullptr);
    EXPECT_EQ(missing.message, "the usb port is not available on this machine");
    EXPECT_TRUE(absent.opened.empty());
    EXPECT_EQ(openPort(table, "ftdi", "").message, "unknown port 'ftdi'");
}

TEST(PortFactory, PinsReachTheBackEndOrAreRefusedBeforeAnythingOpens) {
    FakeBackEnd sim{"sim"}, lpt{"lpt"}, usb{"usb"};
    const PortTable table = {simulatedRow(sim), lpt.row("/dev/lpt0"), pinnedRow(usb)};
    ASSERT_NE(openPort(table, "usb", "", "4,5,6,7,0").port, nullptr);
    ASSERT_NE(openPort(table, "usb", "A1B2", "").port, nullptr);
    EXPECT_EQ(usb.pins, (std::vector<PinMap>{{4, 5, 6, 7, 0}, {0, 1, 2, 3, 7}}));
    EXPECT_EQ(usb.opened, (std::vector<std::string>{"", "A1B2"}));

    EXPECT_EQ(openPort(table, "usb", "", "0,1,2,3,8").message,
              "--pins: the BUSY pin must be a number from 0 to 7");
    EXPECT_EQ(openPort(table, "lpt", "", "0,1,2,3,7").message,
              "--pins does not apply to the lpt port");
    EXPECT_EQ(openPort(table, kAutoPort, "", "0,1,1,3,7").message,
              "--pins: CLOCK and DATA are both on pin 1");
    EXPECT_EQ(usb.opened.size(), 2u);
    EXPECT_TRUE(lpt.opened.empty());
    EXPECT_TRUE(sim.opened.empty());
}

TEST(PortFactory, AutoTakesAnAdapterOnlyWhenItIsTheOnlyOneAttached) {
    FakeBackEnd sim{"sim"}, lpt{"lpt", "no port at /dev/lpt0"}, one{"usb"}, two{"usb"};
    const OpenedPort single =
        openPort({lpt.row("/dev/lpt0"), pinnedRow(one), simulatedRow(sim)}, kAutoPort, "", "");
    EXPECT_FALSE(single.simulated);
    EXPECT_EQ(single.name, "usb");
    EXPECT_EQ(one.opened, std::vector<std::string>{""});

    const OpenedPort several =
        openPort({lpt.row("/dev/lpt0"), pinnedRow(two, 2), simulatedRow(sim)}, kAutoPort, "", "");
    EXPECT_TRUE(several.simulated);
    EXPECT_EQ(several.message,
              "no port at /dev/lpt0; 2 adapters attached; running the simulated radio");
    EXPECT_TRUE(two.opened.empty());
}

TEST(PortFactory, ABackEndLeftOutOfTheBuildSaysSoAndNeverOpens) {
    FakeBackEnd usb{"usb"};
    PortBackEnd row = pinnedRow(usb);
    row.missing = "built without libusb";
    row.available = [] { return false; };
    const PortTable table = {row};
    EXPECT_EQ(openPort(table, "usb", "", "").message,
              "the usb port is not in this build (built without libusb)");
    EXPECT_EQ(portHelp(table), "  --port=usb[:DEV]     the usb port\n"
                               "                       not in this build (built without libusb)\n");
    EXPECT_TRUE(usb.opened.empty());

    FakeBackEnd built{"usb"};
    EXPECT_EQ(portHelp({pinnedRow(built)}), "  --port=usb[:DEV]     the usb port\n"
                                            "                       --pins default 0,1,2,3,7 "
                                            "(pins 0 to 7)\n");
}

// A new row shows in every text without touching the texts.
TEST(PortFactory, TextsFollowTheTable) {
    FakeBackEnd sim{"sim"}, lpt{"lpt"}, longName{"bitbang-usb-adapter"};
    const PortTable table = {simulatedRow(sim), lpt.row("/dev/lpt0"), longName.row("/dev/x")};
    EXPECT_EQ(portSpellings(table, "|"), "auto|sim|lpt[:DEVICE]|bitbang-usb-adapter[:DEVICE]");
    EXPECT_EQ(portSpellings(table, ""), "auto, sim, lpt[:DEVICE] or bitbang-usb-adapter[:DEVICE]");
    EXPECT_EQ(portSpellings({}, ""), "auto");
    EXPECT_EQ(portHelp(table), "  --port=sim           the sim port\n"
                               "  --port=lpt[:DEV]     the lpt port\n"
                               "  --port=bitbang-usb-adapter[:DEV]\n"
                               "                       the bitbang-usb-adapter port\n");
}

// The simulated radio of the real table reads its status register from the
// file VOLNA144_SIM_STATUS names.
TEST(PortFactory, TheSimulatedRadioReadsTheStatusFileOfTheEnvironment) {
    const std::filesystem::path status =
        std::filesystem::temp_directory_path() / ("volna144_status_" + std::to_string(::getpid()));
    std::ofstream(status) << "200\n";
    ::setenv("VOLNA144_SIM_STATUS", status.c_str(), 1);
    const OpenedPort opened = openPort(portBackEnds(), "sim", "");
    ::unsetenv("VOLNA144_SIM_STATUS");
    ASSERT_NE(opened.port, nullptr);
    EXPECT_TRUE(opened.simulated);
    EXPECT_EQ(opened.port->in(kStatusRegister), 200);
    std::filesystem::remove(status);
}

} // namespace
} // namespace volna
