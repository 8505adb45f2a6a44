// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/band.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace volna {
namespace {

constexpr Band k2m{144000, 146000, 25, 1};
constexpr Band k2mAt100{144000, 146000, 25, 4};

struct PositionCase {
    std::string name;
    Band band;
    double kHz;
    std::int32_t position;
};

class PositionOfTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionOfTest, RoundsToTheNearestNotchHalvesToEven) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(positionOf(c.band, c.kHz), c.position);
}

INSTANTIATE_TEST_SUITE_P(Band, PositionOfTest,
                         ::testing::Values(PositionCase{"LowerEdge", k2m, 144000, 0},
                                           PositionCase{"UpperEdge", k2m, 146000, 80},
                                           PositionCase{"HalfBelowEvenGoesDown", k2m, 144012.5, 0},
                                           PositionCase{"HalfAboveOddGoesUp", k2m, 144037.5, 2},
                                           PositionCase{"BelowTheBandIsNegative", k2m, 143900, -4},
                                           PositionCase{"WideStep", k2mAt100, 145500, 15},
                                           PositionCase{"WideStepHalfToEven", k2mAt100, 144250, 2},
                                           PositionCase{"HugeSaturates", k2m, 1e300,
                                                        std::numeric_limits<std::int32_t>::max()},
                                           PositionCase{"InfinityBelowSaturates", k2m,
                                                        -std::numeric_limits<double>::infinity(),
                                                        std::numeric_limits<std::int32_t>::min()}),
                         [](const auto& row) { return row.param.name; });

struct FrequencyCase {
    std::string name;
    Band band;
    std::int32_t position;
    double kHz;
};

class FrequencyAtTest : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyAtTest, IsTheLowerEdgePlusWholeSteps) {
    const FrequencyCase& c = GetParam();
    EXPECT_EQ(frequencyAt(c.band, c.position), c.kHz);
}

INSTANTIATE_TEST_SUITE_P(
    Band, FrequencyAtTest,
    ::testing::Values(FrequencyCase{"PositionZero", k2m, 0, 144000},
                      FrequencyCase{"LastNotch", k2m, 80, 146000},
                      FrequencyCase{"WideStep", k2mAt100, 15, 145500},
                      FrequencyCase{
                          "FractionalLowerEdgeKept", {144000.5, 146000, 25, 1}, 2, 144050.5},
                      FrequencyCase{"LargestPositionDoesNotOverflow", k2mAt100,
                                    std::numeric_limits<std::int32_t>::max(),
                                    144000 + 100.0 * std::numeric_limits<std::int32_t>::max()}),
    [](const auto& row) { return row.param.name; });

struct MaximumCase {
    std::string name;
    Band band;
    std::int32_t maximum;
};

class SliderMaximumTest : public ::testing::TestWithParam<MaximumCase> {};

TEST_P(SliderMaximumTest, IsTheNotchNearestTheUpperEdge) {
    const MaximumCase& c = GetParam();
    EXPECT_EQ(sliderMaximum(c.band), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Band, SliderMaximumTest,
    ::testing::Values(MaximumCase{"WholeBand", k2m, 80}, MaximumCase{"WideStep", k2mAt100, 20},
                      MaximumCase{"UpperEdgeOffTheGridHalfToEven", {144000, 144062.5, 25, 1}, 2},
                      MaximumCase{"UpperEdgeOffTheGridRoundsUp", {144000, 144040, 25, 1}, 2},
                      MaximumCase{"InvertedBandIsNegative", {146000, 144000, 25, 2}, -40}),
    [](const auto& row) { return row.param.name; });

TEST(BandTest, BothEdgesAreInsideTheBand) {
    EXPECT_FALSE(outsideBand(k2m, 144000));
    EXPECT_FALSE(outsideBand(k2m, 146000));
    EXPECT_TRUE(outsideBand(k2m, 143999.9));
    EXPECT_TRUE(outsideBand(k2m, 146000.1));
    EXPECT_DOUBLE_EQ(exactPosition(k2mAt100, 144150), 1.5);
}

} // namespace
} // namespace volna
