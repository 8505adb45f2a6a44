// SPDX-License-Identifier: GPL-3.0-or-later
// The adapters' libraries are opened when a chip is made: where one is not
// installed, its port refuses to open with the reason, instead of the program
// failing to start on any port.

#include "platform/ftdi/ftdi_port.h"
#include "platform/gpio/gpio_back_end.h"
#include "platform/gpio/gpio_chip.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

constexpr const char* kAbsent = "libvolna144-absent.so.0";

#ifdef VOLNA144_HAVE_LIBFTDI1
TEST(AdapterLibraries, AnFtdiPortWithoutItsLibrarySaysWhy) {
    const PortBackEnd row = ftdiBackEnd([] { return makeLibftdiChip(kAbsent); });
    std::string why;
    EXPECT_FALSE(row.soleDevice(why));
    EXPECT_EQ(why.rfind("cannot look for FTDI adapters: libftdi1 could not be loaded: ", 0), 0u)
        << why;
    std::string error;
    EXPECT_EQ(row.open("", row.defaultPins, error), nullptr);
    EXPECT_NE(error.find(kAbsent), std::string::npos) << error;
}
#endif

#ifdef VOLNA144_HAVE_LIBGPIOD
TEST(AdapterLibraries, AGpioPortWithoutItsLibrarySaysWhy) {
    const PortBackEnd row = gpioBackEnd([] { return makeLibgpiodChip(kAbsent); });
    std::string error;
    EXPECT_EQ(row.open("gpiochip0", row.defaultPins, error), nullptr);
    EXPECT_EQ(error, "cannot open GPIO chip gpiochip0: Can not access a needed shared library");
}
#endif

} // namespace
} // namespace volna
