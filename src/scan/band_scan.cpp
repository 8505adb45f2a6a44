// The two band scans run by "Scan": the whole band from the slider's position
// upwards and round again, or the notches between the "от" and "до" limits.
// Each tick reads the busy signal first and holds while the receiver is busy.

#include "console/console.h"
#include "settings/numbers.h"
#include "settings/store_layout.h"
#include "toolkit/prompter.h"

#include <string>

namespace volna {

namespace {

constexpr const char* kScanningRange = "Сканирование...";
constexpr const char* kBusy = "BUSY";
constexpr const char* kScanCaption = "Scan";
constexpr const char* kLowerLimitInvalid = "Нижняя граница не соответствует формату!";
constexpr const char* kUpperLimitInvalid = "Верхняя граница не соответствует формату!";
constexpr const char* kLimitsEqual = "Нижняя и верхняя граници совпадают!";
constexpr const char* kLowerAboveUpper = "Нижняя граница больше верхней!";

} // namespace

void Form1::Check1_Click() {
    if (Check1.checked()) {
        setEnabled({&Option1, &Option2, &Option3, &Check4, &Check3}, false);
        for (int n = 1; n <= kChannelCount; ++n) {
            channelButton(n).enabled = false;
        }
        return;
    }
    loadReceiveChannels();
    setEnabled({&Option1, &Option2, &Option3, &Check4, &Check3}, true);
    for (int n = 1; n <= kChannelCount; ++n) {
        channelButton(n).enabled = true;
    }
    disableEmptyChannelButtons();
}

void Form1::Command2_Click() {
    if (Command2.caption == kStopCaption) {
        Slider1.enabled = true;
    }
    currentChannel = 0;
    if (Check1.checked()) {
        if (Timer2.enabled()) {
            stopRangeScan();
        } else {
            startRangeScan();
        }
    } else if (Timer1.enabled()) {
        stopBandScan();
    } else {
        startBandScan();
    }
}

void Form1::startBandScan() {
    Label10.caption.clear();
    scanPosition = Slider1.value();
    Timer1.setEnabled(true);
    Label9.caption = kScanning;
    setEnabled({&Option1, &Option2, &Option3, &Check1, &Check4, &Check3, &Command17, &Command15,
                &Command16, &Command14, &Slider1},
               false);
    Command2.caption = kStopCaption;
}

void Form1::stopBandScan() {
    Timer1.setEnabled(false);
    Label9.caption.clear();
    Command2.caption = kScanCaption;
    setEnabled({&Option1, &Option2, &Option3, &Text6, &Text2, &Check1, &Check4, &Check3, &Command17,
                &Command15, &Command16, &Command14},
               true);
    Label10.caption.clear();
}

std::int32_t Form1::rangeStartPosition() const {
    return positionOf(leadingNumber(Text2.text()));
}

// Checks the limits; an empty "от" or "до" box is filled with the tuned
// frequency instead, one box per click, and the click after that starts.
void Form1::startRangeScan() {
    const double from = leadingNumber(Text2.text());
    const double to = leadingNumber(Text6.text());
    if (!Text2.text().empty() && outsideBand(from)) {
        prompter_.ask(errorBox(kLowerLimitInvalid));
        return;
    }
    if (!Text6.text().empty() && outsideBand(to)) {
        prompter_.ask(errorBox(kUpperLimitInvalid));
        return;
    }
    const std::string tuned = std::to_string(frequencyAt(Slider1.value()));
    if (Text2.text().empty()) {
        Text2.setText(tuned);
        return;
    }
    if (Text6.text().empty()) {
        Text6.setText(tuned);
        if (Text6.text() == Text2.text()) {
            prompter_.ask(errorBox(kLimitsEqual));
            Text6.setText("");
        } else if (from > leadingNumber(Text6.text())) {
            prompter_.ask(errorBox(kLowerAboveUpper));
            Text6.setText("");
        }
        return;
    }
    Slider1.setValue(rangeStartPosition());
    if (from > to) {
        prompter_.ask(errorBox(kLowerAboveUpper));
        Text6.setText("");
        return;
    }
    Timer2.setEnabled(true);
    Label9.caption = kScanningRange;
    setEnabled({&Option1, &Option2, &Option3, &Slider1, &Text6, &Text2, &Command14, &Command17,
                &Command15, &Command16, &Check1},
               false);
    Label10.caption.clear();
    Check3.enabled = false;
    Command2.caption = kStopCaption;
}

void Form1::stopRangeScan() {
    Timer2.setEnabled(false);
    Label10.caption.clear();
    Label9.caption.clear();
    Command2.caption = kScanCaption;
    setEnabled({&Text6, &Command14, &Command15, &Command16, &Command17, &Text2, &Check1}, true);
    Label10.caption.clear();
}

bool Form1::receiverBusy() {
    const auto status = static_cast<std::int16_t>(port_.in(kStatusRegister));
    return status > kBusyThreshold;
}

bool Form1::busyTest() {
    Label10.caption.clear();
    const bool busy = receiverBusy();
    if (busy) {
        Label10.caption = kBusy;
    }
    scanStep.raise(leadingNumber(Label1.caption), busy);
    return busy;
}

// "Scanning..." unless every channel sits on the read-out frequency.
bool Form1::anyChannelOffReadOut() const {
    const double readOut = leadingNumber(Label1.caption);
    for (std::int32_t channel : rxChannels) {
        if (channel != readOut) {
            return true;
        }
    }
    return false;
}

void Form1::Timer1_Timer() {
    if (anyChannelOffReadOut()) {
        Label9.caption = kScanning;
    }
    if (busyTest()) {
        return;
    }
    Slider1.setValue(scanPosition);
    ++scanPosition;
    if (frequencyAt(scanPosition) > upperBound) {
        scanPosition = 0;
    }
    receiveTransfer();
}

void Form1::Timer2_Timer() {
    if (anyChannelOffReadOut()) {
        Label9.caption = kScanning;
    }
    if (busyTest()) {
        return;
    }
    receiveTransfer();
    // Back to "от" after the "до" notch. A "до" limit off the step grid is never
    // met exactly, so the scan also turns back before it would pass the limit
    // or the end of the slider.
    const std::int32_t position = Slider1.value();
    const double toPosition = exactPosition(band(), leadingNumber(Text6.text()));
    if (position == toPosition || position + 1 > toPosition || position + 1 > Slider1.maximum()) {
        Slider1.setValue(rangeStartPosition());
    } else {
        Slider1.setValue(position + 1);
    }
}

} // namespace volna
