// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gpio/gpio_port.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <linux/gpio.h>
#include <sys/ioctl.h>

namespace volna {

namespace {

constexpr std::array<const char*, 5> kLineNames = {"FRAME", "CLOCK", "DATA", "TX", "BUSY"};

std::string lineText(int offset, const std::string& device) {
    return fillText(kGpioLineMessage, {std::to_string(offset), device});
}

std::string lostDevice(const std::string& device) {
    return fillText(kLostGpioChipMessage, {device});
}

std::string noPermission(const std::string& device) {
    return fillText(kNoPermissionGpioMessage, {device});
}

std::string openError(const std::string& device, int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return fillText(kNoGpioChipMessage, {device});
    case EACCES:
    case EPERM:
        return noPermission(device);
    case ENOTTY:
        return fillText(kNotGpioChipMessage, {device});
    default:
        return fillText(kCannotOpenGpioMessage, {device, std::strerror(error)});
    }
}

// The reason a line request failed; offset is the line it concerns, consumer
// who holds it when the kernel said it is busy.
std::string requestError(const std::string& device, int offset, int error,
                         const std::string& consumer) {
    switch (error) {
    case EBUSY:
        return consumer.empty()
                   ? fillText(kLineInUseMessage, {lineText(offset, device)})
                   : fillText(kLineInUseByMessage, {lineText(offset, device), consumer});
    case ENODEV:
        return lostDevice(device);
    case EACCES:
    case EPERM:
        return noPermission(device);
    default:
        return fillText(kCannotTakeLineMessage, {lineText(offset, device), std::strerror(error)});
    }
}

// Empty when every pin is a line of the chip; otherwise which one is not.
std::string pinsBeyondChip(const PinMap& pins, int lineCount, const std::string& device) {
    const std::array<int, 5> offsets = {pins.frame, pins.clock, pins.data, pins.transmit,
                                        pins.busy};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= lineCount) {
            return fillText(
                lineCount > 0 ? kLineBeyondChipMessage : kLineBeyondEmptyChipMessage,
                {kLineNames[i], std::to_string(offsets[i]), device, std::to_string(lineCount - 1)});
        }
    }
    return {};
}

// The reason the output request failed. For a busy line the first of the four
// that another program holds is named; any of them when none is found.
std::string outputsError(GpioChip& chip, const GpioOutputs& offsets, const std::string& device,
                         int error) {
    if (error != EBUSY) {
        return requestError(device, offsets[0], error, "");
    }
    for (const int offset : offsets) {
        std::string consumer;
        if (chip.lineInUse(offset, consumer)) {
            return requestError(device, offset, error, consumer);
        }
    }
    return fillText(kGpioLinesInUseMessage,
                    {std::to_string(offsets[0]), std::to_string(offsets[1]),
                     std::to_string(offsets[2]), std::to_string(offsets[3]), device});
}

// Opens device and takes the lines; empty, or the reason it could not.
std::string takeLines(GpioChip& chip, const std::string& device, const PinMap& pins) {
    if (const int error = chip.open(device); error != 0) {
        return openError(device, error);
    }
    if (std::string beyond = pinsBeyondChip(pins, chip.lineCount(), device); !beyond.empty()) {
        return beyond;
    }
    const GpioOutputs outputs = {pins.frame, pins.clock, pins.data, pins.transmit};
    if (const int error = chip.requestOutputs(outputs); error != 0) {
        return outputsError(chip, outputs, device, error);
    }
    if (const int error = chip.requestInput(pins.busy); error != 0) {
        std::string consumer;
        if (error == EBUSY) {
            chip.lineInUse(pins.busy, consumer);
        }
        return requestError(device, pins.busy, error, consumer);
    }
    return {};
}

// Async-signal-safe: one ioctl that puts 0 on every line of the request.
void writeZero(int fd) {
    gpiohandle_data data{};
    ::ioctl(fd, GPIOHANDLE_SET_LINE_VALUES_IOCTL, &data);
}

} // namespace

std::unique_ptr<GpioPort> GpioPort::open(std::unique_ptr<GpioChip> chip, const std::string& device,
                                         const PinMap& pins, std::string& error) {
    if (!chip) {
        error = fillText(kPortNotInBuildMessage,
                         {"gpio", fillText(kBuiltWithoutMessage, {"libgpiod"})});
        return nullptr;
    }
    error = takeLines(*chip, device, pins);
    if (!error.empty()) {
        chip->release();
        return nullptr;
    }
    return std::unique_ptr<GpioPort>(new GpioPort(std::move(chip), device));
}

GpioPort::~GpioPort() {
    if (!fault_.empty()) {
        setZero();
    } else if ((dataRegister_ & kTransmitLine) != 0) {
        setOutputs(dataRegister_ & ~kTransmitLine);
    }
    chip_->release();
}

void GpioPort::tryDropAfterFault() {
    if (!fault_.empty()) {
        setZero();
    }
}

void GpioPort::out(int port, int value) {
    if (port == kDataRegister && fault_.empty()) {
        setOutputs(value);
    }
}

int GpioPort::in(int port) {
    if (port != kStatusRegister || !fault_.empty()) {
        return 0;
    }
    int high = 0;
    if (const int error = chip_->readInput(high); error != 0) {
        fail(kGpioReadFailedMessage, error);
        return 0;
    }
    return statusForBusyPin(high != 0);
}

void GpioPort::sleep(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void GpioPort::addEmergencyDrop(EmergencyDrop& drop) const {
    if (const int fd = chip_->outputDescriptor(); fd >= 0) {
        drop.add(writeZero, fd);
    }
}

void GpioPort::setOutputs(int value) {
    const GpioOutputs levels = {value & 1, (value >> 1) & 1, (value >> 2) & 1, (value >> 3) & 1};
    if (const int error = chip_->setOutputs(levels); error != 0) {
        fail(kGpioWriteFailedMessage, error);
        return;
    }
    dataRegister_ = value & 0xFF;
}

void GpioPort::fail(std::string_view failure, int error) {
    fault_ =
        error == ENODEV ? lostDevice(device_) : fillText(failure, {device_, std::strerror(error)});
    setZero();
}

void GpioPort::setZero() {
    chip_->setOutputs({0, 0, 0, 0});
}

} // namespace volna
