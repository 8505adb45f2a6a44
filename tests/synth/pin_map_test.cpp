// SPDX-License-Identifier: GPL-3.0-or-later
// The --pins text read into a pin map, refused for every malformed or unsafe
// mapping, and a data-register value turned into pin levels.

#include "synth/pin_map.h"

#include "support/row_names.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

struct PinsRow {
    const char* name;
    const char* text;
    const char* error; // empty: accepted
};

class PinMapRow : public ::testing::TestWithParam<PinsRow> {};

TEST_P(PinMapRow, ReadsFivePinsOrSaysWhyNot) {
    std::string error;
    const std::optional<PinMap> pins = parsePinMap(GetParam().text, 8, error);
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(pins.has_value(), error.empty());
    if (pins) {
        EXPECT_EQ(pinMapText(*pins), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PinMapRow,
    ::testing::Values(
        PinsRow{"defaults", "0,1,2,3,7", ""}, PinsRow{"reversed", "7,6,5,4,3", ""},
        PinsRow{"too_few", "0,1,2,3", "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY"},
        PinsRow{"too_many", "0,1,2,3,4,5",
                "--pins takes five pin numbers, FRAME,CLOCK,DATA,TX,BUSY"},
        PinsRow{"empty_field", "0,,2,3,4", "--pins: the CLOCK pin must be a number from 0 to 7"},
        PinsRow{"beyond_the_chip", "0,1,2,8,4", "--pins: the TX pin must be a number from 0 to 7"},
        PinsRow{"negative", "-1,1,2,3,4", "--pins: the FRAME pin must be a number from 0 to 7"},
        PinsRow{"word", "0,1,two,3,4", "--pins: the DATA pin must be a number from 0 to 7"},
        PinsRow{"blank", "0, 1,2,3,4", "--pins: the CLOCK pin must be a number from 0 to 7"},
        PinsRow{"huge", "0,1,2,3,99999999999", "--pins: the BUSY pin must be a number from 0 to 7"},
        PinsRow{"transmit_on_frame", "3,1,2,3,7", "--pins: FRAME and TX are both on pin 3"},
        PinsRow{"busy_on_data", "0,1,2,3,2", "--pins: DATA and BUSY are both on pin 2"}),
    rowNameOf<PinsRow>);

TEST(PinMap, EachLineOfTheDataRegisterLandsOnItsPinAndNothingElseDoes) {
    const PinMap pins{4, 5, 6, 7, 0};
    EXPECT_EQ(pinLevels(pins, 0), 0u);
    EXPECT_EQ(pinLevels(pins, 1), 0x10u);
    EXPECT_EQ(pinLevels(pins, 1 | 2 | 4), 0x70u);
    EXPECT_EQ(pinLevels(pins, 8), 0x80u);
    EXPECT_EQ(pinLevels(pins, 0xF0), 0u); // the register's unwired bits
    EXPECT_EQ(pinLevels(PinMap{40, 63, 2, 3, 7}, 3),
              (std::uint64_t{1} << 40) | (std::uint64_t{1} << 63));
    EXPECT_EQ(statusForBusyPin(false), 0x80);
    EXPECT_EQ(statusForBusyPin(true), 0);
}

} // namespace
} // namespace volna::test
