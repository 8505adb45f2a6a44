// SPDX-License-Identifier: GPL-3.0-or-later
// A frequency typed from the keyboard: what reads as kHz or MHz, what is
// refused and with which box, and that a tune goes the way of a slider drag,
// leaving the memory channel as a drag does.

#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <string>

namespace volna::test {
namespace {

// What the operator clicks before typing, at 145100 kHz; nullptr: nothing.
using Before = void (*)(Program&, Form1&);
constexpr Before kStep100 = [](Program& p, Form1& f) { p.click(f.step100); };
constexpr Before kBandScan = [](Program& p, Form1& f) { p.click(f.bandScanButton); };
constexpr Before kTransmitting = [](Program& p, Form1& f) { p.click(f.transmitSwitch); };
constexpr Before kOnChannel3 = [](Program& p, Form1& f) { p.click(f.channelButton(3)); };

struct TypedCase {
    const char* name;
    Before before;
    const char* typed;
    int tunedKHz;        // 0: refused
    const char* refusal; // the error box of a refusal
};

constexpr const char* kNotANumber =
    "Частота не распознана. Введите её в kHz (145500) или в MHz (145.5).";
constexpr const char* kOutOfBand = "Эта частота не входит в заданный диапазон.";
constexpr const char* kOffStep = "Эта частота не попадает на шаг настройки.";

class TypedFrequencyTest : public ConsoleFixture,
                           public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedFrequencyTest, TunesAsADragOrRefusesWithABox) {
    const TypedCase& c = GetParam();
    setChannel(3, "145250");
    start();
    program.scroll(form.tuningSlider, 44); // 145100 kHz, keyed at 144500
    if (c.before != nullptr) {
        c.before(program, form);
    }
    ASSERT_EQ(form.currentChannel, c.before == kOnChannel3 ? 3 : 0);
    const std::int64_t expected = c.tunedKHz != 0 ? c.tunedKHz : form.tunedKHz();
    const int words = radio.wordCount() + (c.tunedKHz != 0 ? 1 : 0);
    if (c.refusal != nullptr) {
        prompter.expectError(c.refusal);
    }
    EXPECT_EQ(form.tuneTypedFrequency(c.typed), c.tunedKHz != 0);
    prompter.verify();
    EXPECT_EQ(form.tunedKHz(), expected);
    EXPECT_EQ(radio.wordCount(), words);
    if (c.tunedKHz != 0) {
        EXPECT_EQ(form.readOut.caption, std::to_string(c.tunedKHz));
        EXPECT_EQ(form.tuningSlider.value(), form.positionOf(c.tunedKHz));
        EXPECT_EQ(form.currentChannel, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedFrequencyTest,
    ::testing::Values(
        TypedCase{"KHz", nullptr, "145500", 145500, nullptr},
        TypedCase{"MHzWithPoint", nullptr, "145.5", 145500, nullptr},
        TypedCase{"MHzWithComma", nullptr, "145,525", 145525, nullptr},
        TypedCase{"WholeMHz", nullptr, "145", 145000, nullptr},
        TypedCase{"BlanksAndUpperEdge", nullptr, " 146 000 ", 146000, nullptr},
        TypedCase{"LowerEdge", nullptr, "144000", 144000, nullptr},
        TypedCase{"LeavesTheMemoryChannel", kOnChannel3, "145.3", 145300, nullptr},
        TypedCase{"OnTheCoarseStep", kStep100, "145.6", 145600, nullptr},
        TypedCase{"OffTheCoarseStep", kStep100, "145525", 0, kOffStep},
        TypedCase{"OffTheStep", nullptr, "145510", 0, kOffStep},
        TypedCase{"BelowTheBand", nullptr, "143975", 0, kOutOfBand},
        TypedCase{"AboveTheBand", nullptr, "146.025", 0, kOutOfBand},
        TypedCase{"TooSmallForMHz", nullptr, "1000", 0, kOutOfBand},
        TypedCase{"Empty", nullptr, "", 0, kNotANumber},
        TypedCase{"Letters", nullptr, "abc", 0, kNotANumber},
        TypedCase{"TrailingUnit", nullptr, "145500kHz", 0, kNotANumber},
        TypedCase{"Negative", nullptr, "-145500", 0, kNotANumber},
        TypedCase{"TwoPoints", nullptr, "145.5.1", 0, kNotANumber},
        TypedCase{"DuringAScan", kBandScan, "145500", 0,
                  "Во время сканирования частоту не ввести: сначала остановите сканирование."},
        TypedCase{"DuringATransmission", kTransmitting, "145500", 0,
                  "Во время передачи частоту не ввести: сначала вернитесь на приём."}),
    rowNameOf<TypedCase>);

} // namespace
} // namespace volna::test
