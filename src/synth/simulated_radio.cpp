// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/simulated_radio.h"

#include "toolkit/english_messages.h"

#include <cctype>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace volna {

namespace {

bool rises(int previous, int current, int line) {
    return (previous & line) == 0 && (current & line) != 0;
}

bool falls(int previous, int current, int line) {
    return (previous & line) != 0 && (current & line) == 0;
}

} // namespace

void SimulatedRadio::out(int port, int value) {
    record({PortOp::Out, port, value});
    if (port != kDataRegister) {
        return;
    }
    const int previous = dataRegister_;
    dataRegister_ = value;
    decode(previous, value);
}

int SimulatedRadio::in(int port) {
    const int value = port == kStatusRegister ? readStatus() : 0;
    record({PortOp::In, port, value});
    return value;
}

void SimulatedRadio::sleep(int ms) {
    record({PortOp::Sleep, 0, ms});
}

void SimulatedRadio::record(PortOp op) {
    if (history_ == History::Operations) {
        operations_.push_back(op);
    }
}

std::vector<int> SimulatedRadio::writes() const {
    std::vector<int> values;
    for (const PortOp& op : operations_) {
        if (op.kind == PortOp::Out && op.port == kDataRegister) {
            values.push_back(op.value);
        }
    }
    return values;
}

int SimulatedRadio::lastDivider() const {
    int divider = 0;
    for (int k = kDividerWidth; k >= 1; --k) {
        divider = divider * 2 + (lastWord_[static_cast<std::size_t>(k - 1)] != 0 ? 1 : 0);
    }
    return divider;
}

// The synthesizer's three-wire input: the rising frame line opens a word, each
// rising clock edge inside it takes the data line as the next bit, and the
// falling frame line latches the word.
void SimulatedRadio::decode(int previous, int current) {
    if (rises(previous, current, kFrameLine)) {
        inWord_ = true;
        receiving_ = {};
        received_ = 0;
    }
    if (inWord_ && (current & kFrameLine) != 0 && rises(previous, current, kClockLine)) {
        if (received_ < static_cast<int>(receiving_.size())) {
            receiving_[static_cast<std::size_t>(received_)] = (current & kDataLine) != 0 ? 1 : 0;
        }
        ++received_;
    }
    if (inWord_ && falls(previous, current, kFrameLine)) {
        inWord_ = false;
        lastWord_ = receiving_;
        lastWordLength_ = received_;
        ++wordCount_;
    }
}

void SimulatedRadio::listenTo(SimulatedBand band, std::function<std::int64_t()> nowMs) {
    band_ = std::move(band);
    nowMs_ = std::move(nowMs);
    listeningSince_ = nowMs_ ? nowMs_() : 0;
}

double SimulatedRadio::receiveKHz() const {
    if (wordCount_ == 0) {
        return 0;
    }
    return static_cast<double>(lastDivider()) * kSimulatedRasterKHz - kSimulatedIfOffsetKHz;
}

int SimulatedRadio::readStatus() const {
    if (statusFile_.empty() && nowMs_) {
        const bool heard =
            !transmitting() && heardAt(band_, receiveKHz(), nowMs_() - listeningSince_);
        return heard ? kBusyStatus : 0;
    }
    if (statusFile_.empty()) {
        return status_;
    }
    std::ifstream file(statusFile_);
    if (!file) {
        return 0;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return firstInteger(text);
}

int firstInteger(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size() && std::isdigit(static_cast<unsigned char>(text[start])) == 0) {
        ++start;
    }
    if (start == text.size()) {
        return 0;
    }
    const bool negative = start > 0 && text[start - 1] == '-';
    long long magnitude = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            break;
        }
        if (magnitude <= INT_MAX) {
            magnitude = magnitude * 10 + (c - '0');
        }
    }
    if (negative) {
        return magnitude > INT_MAX ? INT_MIN : static_cast<int>(-magnitude);
    }
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

PortBackEnd simulatedRadioBackEnd(const SimulatedBand& band) {
    PortBackEnd backEnd;
    backEnd.name = "sim";
    backEnd.help = kSimulatedHelp;
    backEnd.simulated = true;
    backEnd.available = [] { return true; };
    backEnd.open = [band](const std::string&, const PinMap&,
                          std::string&) -> std::unique_ptr<ParallelPort> {
        auto radio = std::make_unique<SimulatedRadio>(SimulatedRadio::History::Nothing);
        if (const char* status = std::getenv("VOLNA144_SIM_STATUS")) {
            radio->setStatusFile(status);
        } else if (!band.stations.empty()) {
            radio->listenTo(band, [] {
                return std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                    .count();
            });
        }
        return radio;
    };
    return backEnd;
}

} // namespace volna
