// The settings dialog: filling the boxes from the store, the no-change test,
// the checks in their order, and the writes that end a save.

#include "settings/settings_dialog.h"

#include "settings/numbers.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "toolkit/prompter.h"

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

Form5::Form5(Program& program, SettingsStore& store, Prompter& prompter, Window& console)
    : Window(program, "Form5"), store_(store), prompter_(prompter), console_(console) {
    caption = kSettingsTitle;
    widthTwips = kSettingsWidthTwips;
    for (Control* control : controls()) {
        if (auto* label = dynamic_cast<Label*>(control)) {
            label->foreColour = kWindowText;
        }
    }
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void Form5::fillBoxes() {
    auto read = [this](std::string_view key) {
        return store_.readSetting(kSectionSettings, key, kMissing);
    };
    Text1.setText(read(kKeyLowerBound));
    Text2.setText(read(kKeyUpperBound));
    Text3.setText(read(kKeyIfOffset));
    Text4.setText(read(kKeyTxShift));
    Text6.setText(read(kKeyRangeScanSpeed));
    Text7.setText(read(kKeyChannelScanSpeed));
    Text8.setText(read(kKeyDelay1));
    Text9.setText(read(kKeyDelay2Read));
    Text5.setText(read(kKeyBandScanSpeed));
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
    return number(Text3) == loaded.ifOffset && number(Text4) == loaded.txShift &&
           number(Text1) == loaded.lowerBound && number(Text2) == loaded.upperBound &&
           number(Text5) == loaded.bandScanSpeed && number(Text6) == loaded.rangeScanSpeed &&
           number(Text7) == loaded.channelScanSpeed && number(Text8) == loaded.delay1 &&
           number(Text9) == loaded.delay2;
}

// The thirteen checks in their order; the transmit offset has none.
std::optional<Form5::Refusal> Form5::firstFailedCheck() {
    const double lower = number(Text1);
    const double upper = number(Text2);
    const double ifOffset = number(Text3);
    auto notHundreds = [](double kHz) { return toInt32(kHz) % 100 != 0; };
    if (lower == 0) {
        return Refusal{kBoundaryInvalid, &Text1};
    }
    if (upper == 0) {
        return Refusal{kBoundaryInvalid, &Text2};
    }
    if (notHundreds(lower)) {
        return Refusal{kBoundaryNotHundreds, &Text1};
    }
    if (notHundreds(upper)) {
        return Refusal{kBoundaryNotHundreds, &Text2};
    }
    if (upper < lower) {
        return Refusal{kUpperBelowLower, &Text2};
    }
    if (upper == lower) {
        return Refusal{kBoundariesEqual, &Text1};
    }
    if (ifOffset == 0 || ifOffset + lower < 0) {
        return Refusal{kIfOffsetInvalid, &Text3};
    }
    for (TextBox* speed : {&Text5, &Text6, &Text7}) {
        if (number(*speed) <= 0) {
            return Refusal{kScanSpeedInvalid, speed};
        }
    }
    for (TextBox* delay : {&Text8, &Text9}) {
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
    write(kKeyBandScanSpeed, Text5);
    write(kKeyRangeScanSpeed, Text6);
    write(kKeyChannelScanSpeed, Text7);
    write(kKeyUpperBound, Text2);
    write(kKeyLowerBound, Text1);
    write(kKeyDelay1, Text8);
    write(kKeyDelay2, Text9);
    write(kKeyTxShift, Text4);
    write(kKeyIfOffset, Text3);
}

void Form5::closeDialog() {
    hide();
    console_.show();
}

void Form5::Command1_Click() {
    if (unchanged()) {
        closeDialog();
        return;
    }
    if (const std::optional<Refusal> refusal = firstFailedCheck()) {
        prompter_.ask(errorBox(refusal->message));
        refusal->focus->setFocus();
        return;
    }
    writeBoxes();
    closeDialog();
    // Last, after the console is shown again: its activation, which runs once
    // this click has returned, finds the flag and re-ranges the slider.
    store_.writeSetting(kSectionFlags, kKeyLock, "0");
}

void Form5::Command2_Click() {
    closeDialog();
}

void Form5::closeRequested() {
    Command2_Click();
}

} // namespace volna
