// SPDX-License-Identifier: GPL-3.0-or-later
// The add-channel dialog: the proposal at every activation, the slider that
// sets the transmit frequency, and "Сохранить и выйти" with its checks, the
// duplicate question and the write-back of all ten channels.

#include "channels/add_channel.h"

#include "domain/numbers.h"
#include "settings/settings_store.h"
#include "settings/store_layout.h"
#include "settings/stored_band.h"
#include "toolkit/prompter.h"
#include "toolkit/text.h"

#include <cmath>
#include <string_view>

namespace volna {

namespace {

// Whether text, blanks around it aside, is one decimal number: an optional
// sign, digits and an optional fraction, at least one digit.
bool isNumericText(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return false;
    }
    if (text.front() == '+' || text.front() == '-') {
        text.remove_prefix(1);
    }
    bool digitSeen = false;
    bool pointSeen = false;
    for (char c : text) {
        if (isDigit(c)) {
            digitSeen = true;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            return false;
        }
    }
    return digitSeen;
}

} // namespace

Form3::Form3(Program& program, SettingsStore& store, Prompter& prompter)
    : Window(program, "Form3"), store_(store), channelStore_(store), prompter_(prompter) {
    caption = kAddChannelTitle;
    for (Label* heading : {&Label1, &Label2, &Label3}) {
        heading->foreColour = kHeadingColour;
    }
    transmitSlider.onScroll = [this] { Slider1_Scroll(); };
    saveButton.onClick = [this] { Command1_Click(); };
    channelsButton.onClick = [this] { Command2_Click(); };
    exitButton.onClick = [this] { Command3_Click(); };
    libraryButton.onClick = [this] { Command4_Click(); };
}

void Form3::setPassVar(double kHz) {
    if (!std::isnan(kHz)) {
        passVar_ = toInt32(kHz);
    }
}

void Form3::setPassVar(std::string_view text) {
    if (isNumericText(text)) {
        setPassVar(leadingNumber(text));
    }
}

Band Form3::band() const {
    return {lowerBound, upperBound, kChannelRasterKHz, 1};
}

void Form3::readStore() {
    const Band band = storedBand(store_, kChannelRasterKHz);
    lowerBound = band.lowerKHz;
    upperBound = band.upperKHz;
    for (int n = 1; n <= kChannelCount; ++n) {
        channels[n - 1] = channelStore_.channel(n, kMissingKeyText);
    }
}

void Form3::Form_Activate() {
    readStore();
    commentBox.setText({});
    receiveBox.setText(std::to_string(passVar_));
    transmitBox.setText(std::to_string(passVar_));
    transmitSlider.setMaximum(sliderMaximum(band()));
    transmitSlider.setValue(positionOf(band(), leadingNumber(transmitBox.text())));
    store_.writeSetting(kSectionFlags, kKeyLock, "1");
}

void Form3::Slider1_Scroll() {
    transmitBox.setText(formatNumber(frequencyAt(band(), transmitSlider.value())));
}

const char* Form3::entryFault(double rx, double tx) const {
    if (rx != 0 && tx == 0) {
        return kEnterTransmitMessage;
    }
    if (rx == 0 && tx != 0) {
        return kEnterReceiveMessage;
    }
    // Both boxes empty fail here: 0 lies below the band.
    if (outsideBand(band(), rx)) {
        return kOutOfBandMessage;
    }
    if (outsideBand(band(), tx)) {
        return kOutOfBandMessage;
    }
    return nullptr;
}

// Only the first stored duplicate is asked about.
bool Form3::duplicateAccepted(double rx) {
    for (const ChannelTexts& channel : channels) {
        if (leadingNumber(channel.receive) == rx) {
            return prompter_.ask(questionBox(kDuplicateQuestion)) == Answer::Yes;
        }
    }
    return true;
}

int Form3::firstFreeChannel() const {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (leadingNumber(channels[n - 1].receive) == 0) {
            return n;
        }
    }
    return 0;
}

void Form3::writeChannels() {
    for (int n = 1; n <= kChannelCount; ++n) {
        channelStore_.writeChannel(n, channels[n - 1], ChannelWriteOrder::ReceiveCommentTransmit);
    }
}

void Form3::Command1_Click() {
    // The channel editor or the library may have saved since this dialog was
    // last activated, and a quick click can run before the activation that
    // follows them: the checks and the write-back start from the store as it
    // is now, so that no other window's save is written over.
    readStore();
    const double rx = leadingNumber(receiveBox.text());
    const double tx = leadingNumber(transmitBox.text());
    if (const char* fault = entryFault(rx, tx)) {
        prompter_.ask(errorBox(fault));
        return;
    }
    if (!duplicateAccepted(rx)) {
        return;
    }
    if (toInt32(rx) % kChannelRasterKHz != 0) {
        prompter_.ask(errorBox(kRasterMessage));
        return;
    }
    const int slot = firstFreeChannel();
    if (slot == 0) {
        prompter_.ask(errorBox(kAllChannelsTakenMessage));
        return;
    }
    channels[slot - 1] = {receiveBox.text(), transmitBox.text(), commentBox.text()};
    writeChannels();
    hide();
}

void Form3::Command2_Click() {
    if (openChannelEditor) {
        openChannelEditor();
    }
}

void Form3::Command3_Click() {
    hide();
    store_.writeSetting(kSectionFlags, kKeyLock, "1");
}

void Form3::Command4_Click() {
    if (openLibrary) {
        openLibrary();
    }
}

void Form3::closeRequested() {
    Command3_Click();
}

} // namespace volna
