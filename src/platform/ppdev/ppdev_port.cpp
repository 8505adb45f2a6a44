// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ppdev/ppdev_port.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>

namespace volna {

namespace {

std::string openError(const std::string& device, int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return fillText(kNoParallelPortAtMessage, {device});
    case EACCES:
    case EPERM:
        return fillText(kNoPermissionLpMessage, {device});
    case EBUSY:
        return fillText(kInUseMessage, {device});
    default:
        return fillText(kCannotOpenMessage, {device, std::strerror(error)});
    }
}

std::string notParallelPort(const std::string& device) {
    return fillText(kNotParallelPortMessage, {device});
}

// With exclusive access the kernel refuses the claim (ENXIO) while any other
// driver or program has the port registered.
std::string claimError(const std::string& device, int error) {
    switch (error) {
    case ENXIO:
    case EBUSY:
        return fillText(kInUseOrLpDriverMessage, {device});
    case ENOTTY:
    case EINVAL:
        return notParallelPort(device);
    default:
        return fillText(kCannotClaimMessage, {device, std::strerror(error)});
    }
}

std::string lostPort(const std::string& device) {
    return fillText(kLostParallelPortMessage, {device});
}

// Opens device and claims it exclusively; empty, or the reason it could not.
std::string openAndClaim(PpdevDevice& node, const std::string& device) {
    if (const int error = node.open(device); error != 0) {
        return error == ENOTTY ? notParallelPort(device) : openError(device, error);
    }
    if (const int error = node.claim(); error != 0) {
        return claimError(device, error);
    }
    // A program killed while keyed left its last value on the pins, and the
    // start-up may ask the operator something before the first word.
    if (const int error = node.writeData(0); error != 0) {
        return fillText(kCannotWriteDataMessage, {device, std::strerror(error)});
    }
    return {};
}

// Async-signal-safe: one ioctl.
void writeZeroOn(int fd) {
    unsigned char data = 0;
    ::ioctl(fd, PPWDATA, &data);
}

} // namespace

std::unique_ptr<PpdevPort> PpdevPort::open(const std::string& device, std::string& error) {
    return open(makeSystemPpdevDevice(), device, error);
}

std::unique_ptr<PpdevPort> PpdevPort::open(std::unique_ptr<PpdevDevice> node,
                                           const std::string& device, std::string& error) {
    error = openAndClaim(*node, device);
    if (!error.empty()) {
        node->close();
        return nullptr;
    }
    return std::unique_ptr<PpdevPort>(new PpdevPort(std::move(node), device));
}

PpdevPort::~PpdevPort() {
    if (!fault_.empty()) {
        writeZero();
    } else if ((dataRegister_ & kTransmitLine) != 0) {
        out(kDataRegister, dataRegister_ & ~kTransmitLine);
    }
    node_->close();
}

void PpdevPort::out(int port, int value) {
    if (port != kDataRegister || !fault_.empty()) {
        return;
    }
    const int error = node_->writeData(static_cast<unsigned char>(value & 0xFF));
    if (stillThere(kPortWriteFailedMessage, error, batchDepth_ == 0)) {
        dataRegister_ = value & 0xFF;
    }
}

int PpdevPort::in(int port) {
    if (port != kStatusRegister || !fault_.empty()) {
        return 0;
    }
    unsigned char status = 0;
    const int error = node_->readStatus(status);
    return stillThere(kPortReadFailedMessage, error) ? status : 0;
}

void PpdevPort::addEmergencyDrop(EmergencyDrop& drop) const {
    if (const int fd = node_->descriptor(); fd >= 0) {
        drop.add(writeZeroOn, fd);
    }
}

void PpdevPort::tryDropAfterFault() {
    if (!fault_.empty()) {
        writeZero();
    }
}

void PpdevPort::endBatch() {
    if (--batchDepth_ == 0 && fault_.empty()) {
        stillThere(kPortWriteFailedMessage, 0);
    }
}

bool PpdevPort::stillThere(std::string_view failure, int error, bool askPresent) {
    if (error == 0 && askPresent && node_->checkPresent() == ENODEV) {
        error = ENODEV;
    }
    if (error == 0) {
        return true;
    }
    fault_ =
        error == ENODEV ? lostPort(device_) : fillText(failure, {device_, std::strerror(error)});
    // A port that only stalled still holds the transmit line as it was.
    writeZero();
    return false;
}

void PpdevPort::writeZero() {
    node_->writeData(0);
}

void PpdevPort::sleep(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

PortBackEnd ppdevBackEnd() {
    PortBackEnd backEnd;
    backEnd.name = "ppdev";
    backEnd.defaultDevice = "/dev/parport0";
    backEnd.help = fillText(kPpdevHelp, {backEnd.defaultDevice});
    // Every Linux kernel has the interface; whether a port is there is found
    // by opening it, which says why it cannot.
    backEnd.available = [] { return true; };
    backEnd.open = [](const std::string& device, const PinMap&,
                      std::string& error) -> std::unique_ptr<ParallelPort> {
        return PpdevPort::open(device, error);
    };
    return backEnd;
}

} // namespace volna
