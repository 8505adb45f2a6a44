// The simulated band: the band file read line by line, which signals are heard
// where and when, and the simulated radio answering its busy input from the
// frequency its last word tunes.

#include "synth/control_word.h"
#include "synth/simulated_band.h"
#include "synth/simulated_radio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace volna {
namespace {

using Pattern = SignalPattern;

struct BandFileCase {
    const char* text;
    std::vector<SimulatedSignal> signals; // when error is empty
    const char* error;
};

class BandFile : public ::testing::TestWithParam<BandFileCase> {};

TEST_P(BandFile, ReadsTheSignalsOrNamesTheLineAtFault) {
    const BandFileResult result = parseSimulatedBand(GetParam().text);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(result.band.stations, GetParam().signals);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BandFile,
    ::testing::Values(
        BandFileCase{"# a comment\n\n144800, 25, bursts 30% of 1000  # packet\r\n"
                     "145600,25,every 60 on 20 at 20\n145850.5, 60, always",
                     {{144800, 25, {Pattern::Bursts, 60, 0, 0, 30, 1000}},
                      {145600, 25, {Pattern::Periodic, 60, 20, 20, 0, 1000}},
                      {145850.5, 60, {Pattern::Always}}},
                     ""},
        BandFileCase{"145000, 0, bursts 5 of 200\n145000, 10, every 10 on 10",
                     {{145000, 0, {Pattern::Bursts, 60, 0, 0, 5, 200}},
                      {145000, 10, {Pattern::Periodic, 10, 10, 0, 0, 1000}}},
                     ""},
        BandFileCase{"\n145000, 25\n",
                     {},
                     "--sim-band: line 2: a signal is a frequency in kHz, a width in kHz and a "
                     "pattern, separated by commas"},
        BandFileCase{"145,5, 25, always",
                     {},
                     "--sim-band: line 1: a signal is a frequency in kHz, "
                     "a width in kHz and a pattern, separated by commas"},
        BandFileCase{"0, 25, always",
                     {},
                     "--sim-band: line 1: the frequency \"0\" is not a number of kHz from 1 to "
                     "10000000"},
        BandFileCase{"145000, -1, always",
                     {},
                     "--sim-band: line 1: the width \"-1\" is not a number of kHz from 0 to 10000"},
        BandFileCase{"145000, 25, sometimes",
                     {},
                     "--sim-band: line 1: the pattern \"sometimes\" is none of: always, every P "
                     "on D [at S], bursts D% of L"},
        BandFileCase{"145000, 25, every 60 on 61",
                     {},
                     "--sim-band: line 1: in \"every P on D at S\", P is 1 to 86400 seconds and D "
                     "and S are 0 to P"},
        BandFileCase{"145000, 25, bursts 101% of 100",
                     {},
                     "--sim-band: line 1: in \"bursts D% of L\", D is 0 to 100 percent and L is 1 "
                     "to 60000 ms"}));

TEST(BandFile, MoreThanTheMostSignalsIsRefused) {
    std::string text;
    for (std::size_t i = 0; i <= kMostSimulatedSignals; ++i) {
        text += "145000, 25, always\n";
    }
    EXPECT_EQ(parseSimulatedBand(text).error, "--sim-band: more than 1000 signals");
}

struct HeardCase {
    const char* name;
    SimulatedSignal signal;
    double kHz;
    std::int64_t ms;
    bool heard;
};

class Heard : public ::testing::TestWithParam<HeardCase> {};

TEST_P(Heard, WithinHalfTheWidthWhileThePatternIsOn) {
    const SimulatedBand band{{GetParam().signal}};
    EXPECT_EQ(heardAt(band, GetParam().kHz, GetParam().ms), GetParam().heard);
}

const SimulatedSignal kBeacon{145850, 60, {Pattern::Always}};
const SimulatedSignal kRepeater{145600, 25, {Pattern::Periodic, 60, 20, 20}};

INSTANTIATE_TEST_SUITE_P(
    Cases, Heard,
    ::testing::Values(HeardCase{"OnItsNotch", kBeacon, 145850, 0, true},
                      HeardCase{"OnTheNeighbouringNotch", kBeacon, 145825, 0, true},
                      HeardCase{"NotTwoNotchesAway", kBeacon, 145800, 0, false},
                      HeardCase{"NotBeforeTheClockStarts", kBeacon, 145850, -1, false},
                      HeardCase{"NarrowNotOnTheNeighbour", kRepeater, 145625, 25000, false},
                      HeardCase{"RepeaterQuietBeforeItsStart", kRepeater, 145600, 19999, false},
                      HeardCase{"RepeaterTalks", kRepeater, 145600, 20000, true},
                      HeardCase{"RepeaterStillTalks", kRepeater, 145600, 39999, true},
                      HeardCase{"RepeaterQuietAgain", kRepeater, 145600, 40000, false},
                      HeardCase{"RepeaterTalksTheNextMinute", kRepeater, 145600, 85000, true}),
    [](const auto& row) { return std::string(row.param.name); });

// Bursts: each slot drawn alone, about the duty's share of them on, the same
// for the same seed and not for another.
TEST(Heard, BurstsFollowTheirDutyAndTheSeed) {
    SimulatedBand band{{{144800, 25, {Pattern::Bursts, 60, 0, 0, 30, 500}}}, 7};
    auto draws = [&band] {
        std::string on;
        for (std::int64_t ms = 0; ms < 10000 * 500; ms += 500) {
            on += heardAt(band, 144800, ms + 499) ? '1' : '0';
            EXPECT_EQ(heardAt(band, 144800, ms), on.back() == '1') << "one slot, one draw";
        }
        return on;
    };
    const std::string first = draws();
    const auto count = std::count(first.begin(), first.end(), '1');
    EXPECT_GT(count, 2800);
    EXPECT_LT(count, 3200);
    EXPECT_EQ(draws(), first);
    band.seed = 8;
    EXPECT_NE(draws(), first);
}

// The busy input answers from the receive frequency of the last word (the
// local oscillator 10700 kHz below it), quiet while transmitting, and a
// status file still comes first.
TEST(SimulatedRadio, HearsTheBandWhereItsLastWordTunes) {
    std::int64_t now = 1000;
    SimulatedRadio radio;
    radio.listenTo({{kRepeater}}, [&now] { return now; });
    now += 25000; // the repeater talks from 20 s on
    EXPECT_EQ(radio.in(kStatusRegister), 0) << "no word yet";
    clockOutWord(radio, buildControlWord(5396.0f), 0, 0, false); // 5396 * 25 + 10700
    EXPECT_EQ(radio.receiveKHz(), 145600);
    EXPECT_EQ(radio.in(kStatusRegister), kBusyStatus);
    clockOutWord(radio, buildControlWord(5396.0f), 0, 0, true);
    EXPECT_EQ(radio.in(kStatusRegister), 0) << "transmitting";
    clockOutWord(radio, buildControlWord(5397.0f), 0, 0, false);
    EXPECT_EQ(radio.in(kStatusRegister), 0) << "145625 kHz";
    clockOutWord(radio, buildControlWord(5396.0f), 0, 0, false);
    now += 20000;
    EXPECT_EQ(radio.in(kStatusRegister), 0) << "the repeater has stopped";

    const std::string path = "/tmp/volna144_status_" + std::to_string(::getpid());
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("7", file);
    std::fclose(file);
    radio.setStatusFile(path);
    EXPECT_EQ(radio.in(kStatusRegister), 7);
    std::remove(path.c_str());
}

} // namespace
} // namespace volna
