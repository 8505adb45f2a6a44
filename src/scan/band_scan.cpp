// SPDX-License-Identifier: GPL-3.0-or-later
// The two band scans run by "Scan": the whole band from the slider's position
// upwards and round again, or the notches between the "от" and "до" limits.
// Each tick reads the busy signal first and holds while the receiver is busy.

#include "console/console.h"
#include "domain/numbers.h"
#include "settings/store_layout.h"
#include "toolkit/program.h"
#include "toolkit/prompter.h"

#include <optional>
#include <string>

namespace volna {

namespace {

constexpr const char* kScanningRange = "Сканирование...";
constexpr const char* kBusy = "BUSY";
constexpr const char* kLowerLimitInvalid = "Нижняя граница не соответствует формату!";
constexpr const char* kUpperLimitInvalid = "Верхняя граница не соответствует формату!";
constexpr const char* kLimitsEqual = "Нижняя и верхняя граници совпадают!";
constexpr const char* kLowerAboveUpper = "Нижняя граница больше верхней!";

} // namespace

void Form1::Check1_Click() {
    if (rangeScanMode.checked()) {
        setEnabled({&step50, &step25, &step100, &transmitSwitch, &channelScanMode}, false);
        for (int n = 1; n <= kChannelCount; ++n) {
            channelButton(n).enabled = false;
        }
        return;
    }
    loadReceiveChannels();
    setEnabled({&step50, &step25, &step100, &transmitSwitch, &channelScanMode}, true);
    for (int n = 1; n <= kChannelCount; ++n) {
        channelButton(n).enabled = true;
    }
    disableEmptyChannelButtons();
}

void Form1::Command2_Click() {
    if (bandScanRunning()) {
        tuningSlider.enabled = true;
    }
    currentChannel = 0;
    if (rangeScanMode.checked()) {
        if (rangeScanTimer.enabled()) {
            stopRangeScan();
        } else {
            startRangeScan();
        }
    } else if (bandScanTimer.enabled()) {
        stopBandScan();
    } else {
        startBandScan();
    }
}

void Form1::startBandScan() {
    busyIndicator.caption.clear();
    scanPosition = tuningSlider.value();
    bandScanTimer.setEnabled(true);
    statusLine.caption = kScanning;
    setEnabled({&step50, &step25, &step100, &rangeScanMode, &transmitSwitch, &channelScanMode,
                &configButton, &previousChannelButton, &nextChannelButton, &addChannelButton,
                &tuningSlider},
               false);
    showScan(Scan::Band);
}

void Form1::stopBandScan() {
    endHold();
    bandScanTimer.setEnabled(false);
    statusLine.caption.clear();
    showScan(Scan::None);
    setEnabled({&step50, &step25, &step100, &scanTo, &scanFrom, &rangeScanMode, &transmitSwitch,
                &channelScanMode, &configButton, &previousChannelButton, &nextChannelButton,
                &addChannelButton},
               true);
    busyIndicator.caption.clear();
}

std::int32_t Form1::rangeStartPosition() const {
    return positionOf(leadingNumber(scanFrom.text()));
}

// Checks the limits; an empty "от" or "до" box is filled with the tuned
// frequency instead, one box per click, and the click after that starts.
void Form1::startRangeScan() {
    const double from = leadingNumber(scanFrom.text());
    const double to = leadingNumber(scanTo.text());
    if (!scanFrom.text().empty() && outsideBand(from)) {
        prompter_.ask(errorBox(kLowerLimitInvalid));
        return;
    }
    if (!scanTo.text().empty() && outsideBand(to)) {
        prompter_.ask(errorBox(kUpperLimitInvalid));
        return;
    }
    const std::string tuned = std::to_string(frequencyAt(tuningSlider.value()));
    if (scanFrom.text().empty()) {
        scanFrom.setText(tuned);
        return;
    }
    if (scanTo.text().empty()) {
        scanTo.setText(tuned);
        if (scanTo.text() == scanFrom.text()) {
            prompter_.ask(errorBox(kLimitsEqual));
            scanTo.setText("");
        } else if (from > leadingNumber(scanTo.text())) {
            prompter_.ask(errorBox(kLowerAboveUpper));
            scanTo.setText("");
        }
        return;
    }
    tuningSlider.setValue(rangeStartPosition());
    if (from > to) {
        prompter_.ask(errorBox(kLowerAboveUpper));
        scanTo.setText("");
        return;
    }
    rangeScanTimer.setEnabled(true);
    statusLine.caption = kScanningRange;
    setEnabled({&step50, &step25, &step100, &tuningSlider, &scanTo, &scanFrom, &addChannelButton,
                &configButton, &previousChannelButton, &nextChannelButton, &rangeScanMode},
               false);
    busyIndicator.caption.clear();
    channelScanMode.enabled = false;
    showScan(Scan::Range);
}

void Form1::stopRangeScan() {
    endHold();
    rangeScanTimer.setEnabled(false);
    busyIndicator.caption.clear();
    statusLine.caption.clear();
    showScan(Scan::None);
    setEnabled({&scanTo, &addChannelButton, &previousChannelButton, &nextChannelButton,
                &configButton, &scanFrom, &rangeScanMode},
               true);
    busyIndicator.caption.clear();
}

bool Form1::busyTest() {
    busyIndicator.caption.clear();
    const bool busy = link_.receiverBusy();
    if (busy) {
        busyIndicator.caption = kBusy;
    }
    scanStep.raise(static_cast<double>(tunedKHz_), busy);
    return busy;
}

// "Scanning..." unless every channel sits on the read-out frequency.
bool Form1::anyChannelOffReadOut() const {
    for (std::int32_t channel : rxChannels) {
        if (channel != tunedKHz_) {
            return true;
        }
    }
    return false;
}

// The busy test of a scan's tick, passed over (and "BUSY" cleared) where the
// receiver sits on a locked-out frequency.
bool Form1::scanHolds() {
    if (lockouts_.contains(tunedKHz_)) {
        busyIndicator.caption.clear();
        endHold();
        return false;
    }
    const bool busy = busyTest();
    std::optional<ScanHit> ended;
    const bool holds = hold_.tick(holdRules_, tunedKHz_, busy, program().now(),
                                  scan_ == Scan::Channel ? shownChannel_ : 0, ended);
    if (ended) {
        hits_.add(*ended);
    }
    return holds;
}

// A hold that a stop or a lockout ends is a hit all the same.
void Form1::endHold() {
    if (const std::optional<ScanHit> ended = hold_.end(program().now())) {
        hits_.add(*ended);
    }
}

void Form1::setHoldRules(const HoldRules& rules) {
    holdRules_ = rules;
    store_.writeSetting(kSectionProgram, kKeyScanResume,
                        std::to_string(rules.resumeAfterMs / 1000));
    store_.writeSetting(kSectionProgram, kKeyScanHang, std::to_string(rules.hangMs / 1000));
}

// Moves scanPosition past locked-out notches, round the band at most once;
// false when every notch is locked out.
bool Form1::skipLockedBandPositions() {
    for (std::int32_t tried = 0; tried <= tuningSlider.maximum(); ++tried) {
        if (!lockouts_.contains(frequencyAt(scanPosition))) {
            return true;
        }
        ++scanPosition;
        if (frequencyAt(scanPosition) > upperBound) {
            scanPosition = 0;
        }
    }
    return false;
}

void Form1::Timer1_Timer() {
    if (anyChannelOffReadOut()) {
        statusLine.caption = kScanning;
    }
    if (scanHolds() || !skipLockedBandPositions()) {
        return;
    }
    tuningSlider.setValue(scanPosition);
    ++scanPosition;
    if (frequencyAt(scanPosition) > upperBound) {
        scanPosition = 0;
    }
    receiveTransfer();
}

// Back to "от" after the "до" notch. A "до" limit off the step grid is never
// met exactly, so the scan also turns back before it would pass the limit or
// the end of the slider.
std::int32_t Form1::nextRangePosition(std::int32_t position) const {
    const double toPosition = exactPosition(band(), leadingNumber(scanTo.text()));
    if (position == toPosition || position + 1 > toPosition ||
        position + 1 > tuningSlider.maximum()) {
        return rangeStartPosition();
    }
    return position + 1;
}

void Form1::Timer2_Timer() {
    if (anyChannelOffReadOut()) {
        statusLine.caption = kScanning;
    }
    if (scanHolds()) {
        return;
    }
    // Locked-out notches of the range are passed, round it at most once.
    for (std::int32_t tried = 0; lockouts_.contains(frequencyAt(tuningSlider.value())); ++tried) {
        if (tried > tuningSlider.maximum()) {
            return; // every notch of the range is locked out
        }
        tuningSlider.setValue(nextRangePosition(tuningSlider.value()));
    }
    receiveTransfer();
    tuningSlider.setValue(nextRangePosition(tuningSlider.value()));
}

bool Form1::lockOutHeld() {
    if (runningScan() == Scan::None || !hold_.holding() || !lockouts_.add(tunedKHz_)) {
        return false;
    }
    endHold();
    keepLockouts();
    return true;
}

bool Form1::takeBackLockout(std::int64_t kHz) {
    if (!lockouts_.remove(kHz)) {
        return false;
    }
    keepLockouts();
    return true;
}

void Form1::takeBackAllLockouts() {
    lockouts_.clear();
    keepLockouts();
}

void Form1::keepLockouts() {
    store_.writeSetting(kSectionProgram, kKeyLockouts, lockouts_.text());
}

} // namespace volna
