// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: filling the boxes from the store, the no-change test,
// the checks in their order, and the writes that end a save; and the transmit
// time-out beside them.

#include "settings/settings_dialog.h"

#include "domain/numbers.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "toolkit/prompter.h"
#include "toolkit/text.h"

#include <string>

namespace volna {

namespace {

// The dialog reads every key with "0" as default, so a missing key shows as 0.
constexpr std::string_view kMissing = "0";
// The dialog's labels are in the ordinary window text colour.
constexpr Colour kWindowText{0, 0, 0};

double number(const TextBox& box) {
    return leadingNumber(box.text());
}

} // namespace

std::optional<int> transmitTimeoutMinutes(std::string_view text) {
    const std::string_view digits = trimmed(text);
    if (digits.empty() || digits.size() > 3 || !allDigits(digits)) {
        return std::nullopt;
    }
    return toInt32(leadingNumber(digits));
}

int storedTransmitTimeoutMinutes(SettingsStore& store) {
    return transmitTimeoutMinutes(store.readSetting(kSectionProgram, kKeyTransmitTimeout, ""))
        .value_or(kDefaultTransmitTimeoutMinutes);
}

Form5::Form5(Program& program, SettingsStore& store, Prompter& prompter, Window& console)
    : Window(program, "Form5"), store_(store), prompter_(prompter), console_(console) {
    caption = kSettingsTitle;
    widthTwips = kSettingsWidthTwips;
    for (Control* control : controls()) {
        if (auto* label = dynamic_cast<Label*>(control)) {
            label->foreColour = kWindowText;
        }
    }
    saveButton.onClick = [this] { Command1_Click(); };
    exitButton.onClick = [this] { Command2_Click(); };
}

void Form5::fillBoxes() {
    auto read = [this](std::string_view key) {
        return store_.readSetting(kSectionSettings, key, kMissing);
    };
    lowerBoundBox.setText(read(kKeyLowerBound));
    upperBoundBox.setText(read(kKeyUpperBound));
    ifOffsetBox.setText(read(kKeyIfOffset));
    txShiftBox.setText(read(kKeyTxShift));
    rangeScanSpeedBox.setText(read(kKeyRangeScanSpeed));
    channelScanSpeedBox.setText(read(kKeyChannelScanSpeed));
    delay1Box.setText(read(kKeyDelay1));
    delay2Box.setText(read(kKeyDelay2Read));
    bandScanSpeedBox.setText(read(kKeyBandScanSpeed));
    fillTimeoutBox();
}

// The time-out in force, as a plain number: what a save compares against.
void Form5::fillTimeoutBox() {
    loadedTimeoutMinutes_ = storedTransmitTimeoutMinutes(store_);
    transmitTimeoutBox.setText(std::to_string(loadedTimeoutMinutes_));
}

void Form5::Form_Load() {
    fillBoxes();
}

void Form5::Form_Activate() {
    auto read = [this](std::string_view key) {
        return leadingNumber(store_.readSetting(kSectionSettings, key, kMissing));
    };
    loadedSettings.bandScanSpeed = read(kKeyBandScanSpeed);
    loadedSettings.rangeScanSpeed = read(kKeyRangeScanSpeed);
    loadedSettings.channelScanSpeed = read(kKeyChannelScanSpeed);
    loadedSettings.lowerBound = read(kKeyLowerBound);
    loadedSettings.upperBound = read(kKeyUpperBound);
    loadedSettings.delay1 = read(kKeyDelay1);
    loadedSettings.delay2 = read(kKeyDelay2Read);
    loadedSettings.txShift = read(kKeyTxShift);
    loadedSettings.ifOffset = toInt32(read(kKeyIfOffset));
    fillBoxes();
}

bool Form5::unchanged() const {
    const LoadedSettings& loaded = loadedSettings;
    return number(ifOffsetBox) == loaded.ifOffset && number(txShiftBox) == loaded.txShift &&
           number(lowerBoundBox) == loaded.lowerBound &&
           number(upperBoundBox) == loaded.upperBound &&
           number(bandScanSpeedBox) == loaded.bandScanSpeed &&
           number(rangeScanSpeedBox) == loaded.rangeScanSpeed &&
           number(channelScanSpeedBox) == loaded.channelScanSpeed &&
           number(delay1Box) == loaded.delay1 && number(delay2Box) == loaded.delay2;
}

// The thirteen checks in their order; the transmit offset has none.
std::optional<Form5::Refusal> Form5::firstFailedCheck() {
    const double lower = number(lowerBoundBox);
    const double upper = number(upperBoundBox);
    const double ifOffset = number(ifOffsetBox);
    auto notHundreds = [](double kHz) { return toInt32(kHz) % 100 != 0; };
    if (lower == 0) {
        return Refusal{kBoundaryInvalid, &lowerBoundBox};
    }
    if (upper == 0) {
        return Refusal{kBoundaryInvalid, &upperBoundBox};
    }
    if (notHundreds(lower)) {
        return Refusal{kBoundaryNotHundreds, &lowerBoundBox};
    }
    if (notHundreds(upper)) {
        return Refusal{kBoundaryNotHundreds, &upperBoundBox};
    }
    if (upper < lower) {
        return Refusal{kUpperBelowLower, &upperBoundBox};
    }
    if (upper == lower) {
        return Refusal{kBoundariesEqual, &lowerBoundBox};
    }
    if (ifOffset == 0 || ifOffset + lower < 0) {
        return Refusal{kIfOffsetInvalid, &ifOffsetBox};
    }
    for (TextBox* speed : {&bandScanSpeedBox, &rangeScanSpeedBox, &channelScanSpeedBox}) {
        if (number(*speed) <= 0) {
            return Refusal{kScanSpeedInvalid, speed};
        }
    }
    for (TextBox* delay : {&delay1Box, &delay2Box}) {
        if (number(*delay) < 0) {
            return Refusal{kDelayNegative, delay};
        }
    }
    return std::nullopt;
}

// The box texts as typed, not their numbers.
void Form5::writeBoxes() {
    auto write = [this](std::string_view key, const TextBox& box) {
        store_.writeSetting(kSectionSettings, key, box.text());
    };
    write(kKeyBandScanSpeed, bandScanSpeedBox);
    write(kKeyRangeScanSpeed, rangeScanSpeedBox);
    write(kKeyChannelScanSpeed, channelScanSpeedBox);
    write(kKeyUpperBound, upperBoundBox);
    write(kKeyLowerBound, lowerBoundBox);
    write(kKeyDelay1, delay1Box);
    write(kKeyDelay2, delay2Box);
    write(kKeyTxShift, txShiftBox);
    write(kKeyIfOffset, ifOffsetBox);
}

void Form5::closeDialog() {
    hide();
    console_.show();
}

void Form5::Command1_Click() {
    const bool settingsChanged = !unchanged();
    const std::optional<int> timeout = transmitTimeoutMinutes(transmitTimeoutBox.text());
    const bool timeoutChanged = timeout != loadedTimeoutMinutes_;
    if (!settingsChanged && !timeoutChanged) {
        closeDialog();
        return;
    }
    std::optional<Refusal> refusal = settingsChanged ? firstFailedCheck() : std::nullopt;
    if (!refusal && !timeout) {
        refusal = Refusal{kTransmitTimeoutInvalid, &transmitTimeoutBox};
    }
    if (refusal) {
        prompter_.ask(errorBox(refusal->message));
        refusal->focus->setFocus();
        return;
    }
    if (settingsChanged) {
        writeBoxes();
    }
    if (timeoutChanged) {
        store_.writeSetting(kSectionProgram, kKeyTransmitTimeout, std::to_string(*timeout));
    }
    closeDialog();
    // Last, after the console is shown again: its activation, which runs once
    // this click has returned, finds the flag and re-ranges the slider.
    if (settingsChanged) {
        store_.writeSetting(kSectionFlags, kKeyLock, "0");
    }
}

void Form5::Command2_Click() {
    closeDialog();
}

void Form5::closeRequested() {
    Command2_Click();
}

} // namespace volna
