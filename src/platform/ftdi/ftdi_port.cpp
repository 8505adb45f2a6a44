// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftdi/ftdi_port.h"

#include "platform/ftdi/usb_descriptor.h"
#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <chrono>
#include <set>
#include <thread>

namespace volna {

namespace {

// The four lines the port drives; the busy pin stays an input.
constexpr int kDrivenLines = kFrameLine | kClockLine | kDataLine | kTransmitLine;

std::string adapterLabel(const std::string& device) {
    return device.empty() ? std::string(kFtdiAdapterMessage)
                          : fillText(kNamedFtdiAdapterMessage, {device});
}

std::string notFoundError(std::size_t attached, const std::string& device) {
    if (device.empty() || attached == 0) {
        return std::string(kNoFtdiPluggedMessage);
    }
    return fillText(kNoFtdiNamedMessage, {device, std::to_string(attached)});
}

// The adapters' serial numbers, "unknown" where one cannot be read.
std::string serialList(const std::vector<FtdiAdapter>& adapters) {
    std::vector<std::string> serials;
    for (const FtdiAdapter& adapter : adapters) {
        serials.push_back(adapter.serial.empty() ? std::string(kUnknownSerialMessage)
                                                 : adapter.serial);
    }
    return joinedNames(serials);
}

// What the operator can do about several adapters that fit: name one by its
// serial number, unless two of them share it.
std::string choiceHint(const std::vector<FtdiAdapter>& adapters) {
    std::set<std::string> serials;
    for (const FtdiAdapter& adapter : adapters) {
        if (!adapter.serial.empty() && !serials.insert(adapter.serial).second) {
            return std::string(kSharedSerialMessage);
        }
    }
    return std::string(kNameOneFtdiMessage);
}

// The adapters device would pick: every one attached when it is empty, else
// those whose serial number or description it is.
std::vector<FtdiAdapter> candidates(const std::vector<FtdiAdapter>& attached,
                                    const std::string& device) {
    std::vector<FtdiAdapter> chosen;
    for (const FtdiAdapter& adapter : attached) {
        if (device.empty() || device == adapter.serial || device == adapter.description) {
            chosen.push_back(adapter);
        }
    }
    return chosen;
}

// Why device does not name one adapter of those attached; empty when it does
// (or names none, which opening reports).
std::string ambiguityError(const std::vector<FtdiAdapter>& attached, const std::string& device) {
    const std::vector<FtdiAdapter> chosen = candidates(attached, device);
    if (chosen.size() < 2) {
        return {};
    }
    if (device.empty()) {
        return severalAdapters(chosen);
    }
    return fillText(kFtdiSameNameMessage, {std::to_string(chosen.size()), device,
                                           serialList(chosen), choiceHint(chosen)});
}

std::string permissionError() {
    return std::string(kFtdiPermissionMessage);
}

std::string busyError(const std::string& device) {
    return fillText(kFtdiBusyMessage, {adapterLabel(device)});
}

std::string openError(FtdiOpenResult result, FtdiChip& chip, const std::string& device,
                      std::size_t attached) {
    switch (result) {
    case FtdiOpenResult::NotFound:
        return notFoundError(attached, device);
    case FtdiOpenResult::NoPermission:
        return permissionError();
    case FtdiOpenResult::Busy:
        return busyError(device);
    default:
        return fillText(kCannotOpenMessage, {adapterLabel(device), chip.errorText()});
    }
}

// Bit-bang mode with the driven lines as outputs, the byte rate, and all
// lines low, so that nothing keys the transmitter before the first word.
// Empty on success, else the reason.
std::string setUp(FtdiChip& chip, const std::string& device, const PinMap& pins) {
    const auto outputs = static_cast<std::uint8_t>(pinLevels(pins, kDrivenLines));
    if (!chip.setBitBang(outputs)) {
        return fillText(kCannotBitBangMessage, {adapterLabel(device), chip.errorText()});
    }
    if (!chip.setBaudRate(kFtdiBitBangBaud)) {
        return fillText(kCannotSetRateMessage, {adapterLabel(device), chip.errorText()});
    }
    const std::uint8_t low = 0;
    if (!chip.write({&low, 1})) {
        return fillText(kCannotWritePinsMessage, {adapterLabel(device), chip.errorText()});
    }
    return {};
}

} // namespace

FtdiPort::FtdiPort(std::unique_ptr<FtdiChip> chip, const PinMap& pins)
    : chip_(std::move(chip)), pins_(pins) {}

std::string severalAdapters(const std::vector<FtdiAdapter>& adapters) {
    return fillText(kSeveralFtdiMessage,
                    {std::to_string(adapters.size()), serialList(adapters), choiceHint(adapters)});
}

std::unique_ptr<FtdiPort> FtdiPort::open(std::unique_ptr<FtdiChip> chip, const std::string& device,
                                         const PinMap& pins, std::string& error) {
    std::vector<FtdiAdapter> attached;
    if (!chip->listDevices(attached)) {
        error = fillText(kCannotListFtdiMessage, {chip->errorText()});
        return nullptr;
    }
    // Refused before anything is opened: opening detaches the serial driver
    // and sets the pins of whichever adapter the library finds first.
    if (error = ambiguityError(attached, device); !error.empty()) {
        return nullptr;
    }
    const FtdiOpenResult result = chip->open(device);
    if (result != FtdiOpenResult::Opened) {
        error = openError(result, *chip, device, attached.size());
        return nullptr;
    }
    if (std::string failure = setUp(*chip, device, pins); !failure.empty()) {
        chip->close();
        error = failure;
        return nullptr;
    }
    error.clear();
    return std::unique_ptr<FtdiPort>(new FtdiPort(std::move(chip), pins));
}

FtdiPort::~FtdiPort() {
    flush();
    if (!fault_.empty()) {
        writeZero();
    } else if ((dataRegister_ & kTransmitLine) != 0) {
        send({static_cast<std::uint8_t>(pinLevels(pins_, dataRegister_ & ~kTransmitLine))});
    }
    chip_->close();
}

void FtdiPort::tryDropAfterFault() {
    if (!fault_.empty()) {
        writeZero();
    }
}

void FtdiPort::out(int port, int value) {
    if (port != kDataRegister || !fault_.empty()) {
        return;
    }
    dataRegister_ = value & 0xFF;
    const auto levels = static_cast<std::uint8_t>(pinLevels(pins_, dataRegister_));
    if (batchDepth_ > 0) {
        pending_.push_back(levels);
    } else {
        send({levels});
    }
}

int FtdiPort::in(int port) {
    if (port != kStatusRegister) {
        return 0;
    }
    flush();
    std::uint8_t levels = 0;
    if (!fault_.empty()) {
        return 0;
    }
    if (!chip_->readPins(levels)) {
        setFault(kFtdiLostReadingMessage);
        return 0;
    }
    return statusForBusyPin(((levels >> pins_.busy) & 1) != 0);
}

void FtdiPort::sleep(int ms) {
    if (ms <= 0) {
        return;
    }
    flush();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void FtdiPort::addEmergencyDrop(EmergencyDrop& drop) const {
    const FtdiUsbLocation where = chip_->usbLocation();
    const EmergencyDrop::Action writer = zeroByteWriter(where.outEndpoint);
    const int fd = findUsbDescriptor(kOwnDescriptors, where.bus, where.address);
    if (writer != nullptr && fd >= 0) {
        drop.add(writer, fd);
    }
}

void FtdiPort::beginBatch() {
    ++batchDepth_;
}

void FtdiPort::endBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0) {
        flush();
    }
}

void FtdiPort::flush() {
    if (!pending_.empty()) {
        send(pending_);
        pending_.clear();
    }
}

void FtdiPort::send(const std::vector<std::uint8_t>& bytes) {
    if (fault_.empty() && !chip_->write(bytes)) {
        setFault(kFtdiLostWritingMessage);
    }
}

void FtdiPort::setFault(std::string_view failure) {
    if (fault_.empty()) {
        fault_ = fillText(failure, {chip_->errorText()});
        writeZero();
    }
}

void FtdiPort::writeZero() {
    const std::uint8_t low = 0;
    chip_->write({&low, 1});
}

} // namespace volna
