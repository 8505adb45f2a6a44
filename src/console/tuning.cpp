// SPDX-License-Identifier: GPL-3.0-or-later
// Tuning: the slider and the three step options. Each ends in the receive
// transfer; the slider's scroll handler runs only for the operator's moves.

#include "console/console.h"
#include "domain/numbers.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"

#include <cmath>
#include <optional>
#include <string>

namespace volna {

namespace {

constexpr const char* kTypedNotANumber =
    "Частота не распознана. Введите её в kHz (145500) или в MHz (145.5).";
constexpr const char* kTypedOutOfBand = "Эта частота не входит в заданный диапазон.";
constexpr const char* kTypedOffStep = "Эта частота не попадает на шаг настройки.";
constexpr const char* kTypedWhileScanning =
    "Во время сканирования частоту не ввести: сначала остановите сканирование.";
constexpr const char* kTypedWhileTransmitting =
    "Во время передачи частоту не ввести: сначала вернитесь на приём.";

// Values below this are MHz, the rest kHz: no part of the VHF band lies
// under 1000 kHz, and no operator types 1000 MHz for it.
constexpr double kMHzBelow = 1000;

// The frequency in a typed text, kHz: digits with at most one decimal point
// (a comma counts as one), blanks anywhere; nullopt for anything else.
std::optional<double> typedKHz(std::string_view text) {
    std::string number;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (c == ',') {
            c = '.';
        }
        if (!isDigit(c) && (c != '.' || number.find('.') != std::string::npos)) {
            return std::nullopt;
        }
        number += c;
    }
    if (number.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    const double value = leadingNumber(number);
    return value < kMHzBelow ? value * 1000 : value;
}

} // namespace

bool Form1::tuneTypedFrequency(std::string_view text) {
    const char* refusal = nullptr;
    const std::optional<double> kHz = typedKHz(text);
    const double position = kHz ? exactPosition(band(), *kHz) : 0;
    if (transmitting()) {
        refusal = kTypedWhileTransmitting;
    } else if (runningScan() != Scan::None) {
        refusal = kTypedWhileScanning;
    } else if (!kHz) {
        refusal = kTypedNotANumber;
    } else if (outsideBand(*kHz) || position > tuningSlider.maximum() + 1e-6) {
        refusal = kTypedOutOfBand;
    } else if (std::abs(position - std::round(position)) > 1e-6) {
        refusal = kTypedOffStep;
    }
    if (refusal != nullptr) {
        prompter_.ask(errorBox(refusal));
        return false;
    }
    const SliderMove move = moveSliderTo(positionOf(*kHz));
    return move == SliderMove::Moved || move == SliderMove::AlreadyThere;
}

void Form1::Slider1_Scroll() {
    currentChannel = 0;
    receiveTransfer();
}

Form1::SliderMove Form1::moveSliderTo(std::int32_t position) {
    if (position < 0 || position > tuningSlider.maximum()) {
        return SliderMove::BeyondEnds;
    }
    if (position == tuningSlider.value()) {
        return SliderMove::AlreadyThere;
    }
    return program().scroll(tuningSlider, position) ? SliderMove::Moved : SliderMove::Refused;
}

void Form1::Option1_Click(int /*index*/) {
    chooseStep(2, "50");
}

void Form1::Option2_Click() {
    chooseStep(1, "25");
}

void Form1::Option3_Click() {
    chooseStep(4, "100");
}

// A new step: the from/to limits are cleared and the radio goes back to the
// lower boundary with the slider re-ranged for the step.
void Form1::chooseStep(std::int16_t factor, const char* stepText) {
    scanFrom.setText("");
    scanTo.setText("");
    positionReadOut.caption = "0";
    showTuned(lowerBound);
    tuningSlider.setValue(0);
    stepReadOut.caption = stepText;
    rasterKHz = 25;
    stepFactor = factor;
    tuningSlider.setMaximum(sliderMaximum(band()));
    sent1(tuningSlider.value());
    statusLine.caption.clear();
}

} // namespace volna
