// A frequency typed from the keyboard: what reads as kHz or MHz, what is
// refused and with which box, and that a tune goes the way of a slider drag.

#include "support/console_fixture.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

namespace volna::test {
namespace {

enum class Before { Receiving, Step100, BandScan, Transmitting };

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

class TypedFrequencyTest : public ConsoleFixture, public ::testing::WithParamInterface<TypedCase> {
protected:
    void prepare(Before before) {
        start();
        program.scroll(form.tuningSlider, 44); // 145100 kHz, keyed at 144500
        if (before == Before::Step100) {
            program.click(form.step100);
        } else if (before == Before::BandScan) {
            program.click(form.bandScanButton);
        } else if (before == Before::Transmitting) {
            program.click(form.transmitSwitch);
        }
    }
};

TEST_P(TypedFrequencyTest, TunesAsADragOrRefusesWithABox) {
    const TypedCase& c = GetParam();
    prepare(c.before);
    const std::int64_t tunedBefore = form.tunedKHz();
    const int words = radio.wordCount();
    if (c.tunedKHz == 0) {
        prompter.expectError(c.refusal);
    }
    EXPECT_EQ(form.tuneTypedFrequency(c.typed), c.tunedKHz != 0);
    prompter.verify();
    if (c.tunedKHz == 0) {
        EXPECT_EQ(form.tunedKHz(), tunedBefore);
        EXPECT_EQ(radio.wordCount(), words);
        return;
    }
    EXPECT_EQ(form.tunedKHz(), c.tunedKHz);
    EXPECT_EQ(form.readOut.caption, std::to_string(c.tunedKHz));
    EXPECT_EQ(form.tuningSlider.value(), form.positionOf(c.tunedKHz));
    EXPECT_EQ(radio.wordCount(), words + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedFrequencyTest,
    ::testing::Values(
        TypedCase{"KHz", Before::Receiving, "145500", 145500, nullptr},
        TypedCase{"MHzWithPoint", Before::Receiving, "145.5", 145500, nullptr},
        TypedCase{"MHzWithComma", Before::Receiving, "145,525", 145525, nullptr},
        TypedCase{"WholeMHz", Before::Receiving, "145", 145000, nullptr},
        TypedCase{"BlanksAndUpperEdge", Before::Receiving, " 146 000 ", 146000, nullptr},
        TypedCase{"LowerEdge", Before::Receiving, "144000", 144000, nullptr},
        TypedCase{"OnTheCoarseStep", Before::Step100, "145.6", 145600, nullptr},
        TypedCase{"OffTheCoarseStep", Before::Step100, "145525", 0, kOffStep},
        TypedCase{"OffTheStep", Before::Receiving, "145510", 0, kOffStep},
        TypedCase{"BelowTheBand", Before::Receiving, "143975", 0, kOutOfBand},
        TypedCase{"AboveTheBand", Before::Receiving, "146.025", 0, kOutOfBand},
        TypedCase{"TooSmallForMHz", Before::Receiving, "1000", 0, kOutOfBand},
        TypedCase{"Empty", Before::Receiving, "", 0, kNotANumber},
        TypedCase{"Letters", Before::Receiving, "abc", 0, kNotANumber},
        TypedCase{"TrailingUnit", Before::Receiving, "145500kHz", 0, kNotANumber},
        TypedCase{"Negative", Before::Receiving, "-145500", 0, kNotANumber},
        TypedCase{"TwoPoints", Before::Receiving, "145.5.1", 0, kNotANumber},
        TypedCase{"DuringAScan", Before::BandScan, "145500", 0,
                  "Во время сканирования частоту не ввести: сначала остановите сканирование."},
        TypedCase{"DuringATransmission", Before::Transmitting, "145500", 0,
                  "Во время передачи частоту не ввести: сначала вернитесь на приём."}),
    rowNameOf<TypedCase>);

// A typed frequency leaves the memory channel as a drag does.
TEST_F(TypedFrequencyTest, LeavesTheMemoryChannelAsADragDoes) {
    setChannel(3, "145250");
    start();
    program.click(form.channelButton(3));
    ASSERT_EQ(form.currentChannel, 3);
    EXPECT_TRUE(form.tuneTypedFrequency("145.3"));
    EXPECT_EQ(form.currentChannel, 0);
    EXPECT_EQ(form.tunedKHz(), 145300);
}

} // namespace
} // namespace volna::test
