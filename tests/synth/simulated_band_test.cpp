// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated band: the band file read line by line, which signals are heard
// where and when, and the simulated radio answering its busy input from the
// frequency its last word tunes.

#include "synth/control_word.h"
#include "synth/simulated_band.h"
#include "synth/simulated_radio.h"
#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

using Pattern = SignalPattern;

TEST(BandFile, ReadsEveryPatternWithCommentsAndBlankLines) {
    const BandFileResult read = parseSimulatedBand(
        "# a comment\n\n144800, 25, bursts 30% of 1000  # packet\r\n"
        "145600,25,every 60 on 20 at 20\n145850.5, 60, always\n145000, 0, every 10 on 10");
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.band.stations,
              (std::vector<SimulatedSignal>{{144800, 25, {Pattern::Bursts, 60, 0, 0, 30, 1000}},
                                            {145600, 25, {Pattern::Periodic, 60, 20, 20, 0, 1000}},
                                            {145850.5, 60, {Pattern::Always}},
                                            {145000, 0, {Pattern::Periodic, 10, 10, 0, 0, 1000}}}));
}

TEST(BandFile, ALineThatCannotBeReadIsNamedAndNothingIsKept) {
    const std::pair<const char*, std::string> faults[] = {
        {"\n145000, 25\n", fillText(kBandLineMessage, {"2", std::string(kBandFieldsMessage)})},
        {"0, 25, always",
         fillText(kBandLineMessage, {"1", fillText(kBandFrequencyMessage, {"0"})})},
        {"1, 1, often",
         fillText(kBandLineMessage, {"1", fillText(kBandPatternMessage, {"often"})})},
        {"1, 1, every 60 on 61",
         fillText(kBandLineMessage, {"1", std::string(kBandPeriodMessage)})},
        {"1, 1, bursts 101% of 9",
         fillText(kBandLineMessage, {"1", std::string(kBandBurstsMessage)})},
        {"1, 1, always\n1, 1, bursts 5% of 0",
         fillText(kBandLineMessage, {"2", std::string(kBandBurstsMessage)})},
    };
    for (const auto& [text, error] : faults) {
        const BandFileResult read = parseSimulatedBand(text);
        EXPECT_EQ(read.error, error) << text;
        EXPECT_TRUE(read.band.stations.empty()) << text;
    }
    std::string tooMany;
    for (std::size_t i = 0; i <= kMostSimulatedSignals; ++i) {
        tooMany += "145000, 25, always\n";
    }
    EXPECT_EQ(parseSimulatedBand(tooMany).error, "--sim-band: more than 1000 signals");
}

// (The scans on the built-in band show the beacon's neighbouring notch and
// the repeater's first minute.)
TEST(Heard, NotBeforeTheClockStartsNorBeyondHalfTheWidthButEveryPeriod) {
    const SimulatedSignal repeater{145600, 25, {Pattern::Periodic, 60, 20, 20}};
    EXPECT_FALSE(heardAt({{{145600, 0, {}}}}, 145600, -1));
    EXPECT_FALSE(heardAt({{repeater}}, 145625, 25000));
    EXPECT_TRUE(heardAt({{repeater}}, 145612.5, 25000));
    EXPECT_TRUE(heardAt({{repeater}}, 145600, 85000)) << "the next minute";
    EXPECT_FALSE(heardAt({{repeater}}, 145600, 100000));
}

// The busy input answers from the receive frequency of the last word (the
// local oscillator 10700 kHz below it), quiet while transmitting.
TEST(SimulatedRadio, HearsTheBandWhereItsLastWordTunes) {
    std::int64_t now = 1000;
    SimulatedRadio radio;
    radio.listenTo({{{145600, 25, {Pattern::Periodic, 60, 20, 20}}}}, [&now] { return now; });
    now += 25000; // the repeater talks from 20 s on
    EXPECT_EQ(radio.in(kStatusRegister), 0) << "no word yet";
    const struct {
        float divider;
        bool transmit;
        int status;
    } words[] = {{5396, false, kBusyStatus}, {5396, true, 0}, {5397, false, 0}};
    for (const auto& word : words) {
        clockOutWord(radio, buildControlWord(word.divider), 0, 0, word.transmit);
        EXPECT_EQ(radio.in(kStatusRegister), word.status) << word.divider << word.transmit;
    }
    EXPECT_EQ(radio.receiveKHz(), 145625);
}

} // namespace
} // namespace volna
