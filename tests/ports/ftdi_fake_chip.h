// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stand-in for the USB library behind the FTDI port: answers as the test
// scripts it and records every call, in a log the test keeps after the port
// has taken the chip.

#include "platform/ftdi/ftdi_chip.h"

#include <memory>
#include <string>
#include <vector>

namespace volna {

using Bytes = std::vector<std::uint8_t>;

// What the fake chip is to answer, and what it was asked, in order.
struct ChipLog {
    FtdiOpenResult openResult = FtdiOpenResult::Opened;
    int attached = 1;
    std::vector<FtdiAdapter> adapters; // else FT0, FT1...; attached < 0: the listing fails
    bool bitBangWorks = true;
    bool baudWorks = true;
    int writesThatWork = 1000;
    bool readWorks = true;
    std::uint8_t pins = 0;
    FtdiUsbLocation location;

    std::string openedName = "not asked";
    int outputMask = -1;
    int baud = -1;
    std::vector<Bytes> writes;      // the bytes of each write that went
    std::vector<std::string> calls; // "write", "read", "close", in order
};

// Stands for the USB library: records every call in a log the test keeps.
class FakeChip : public FtdiChip {
public:
    explicit FakeChip(std::shared_ptr<ChipLog> log) : log_(std::move(log)) {}
    bool listDevices(std::vector<FtdiAdapter>& adapters) override {
        adapters = log_->adapters;
        for (int i = 0; i < log_->attached && log_->adapters.empty(); ++i) {
            adapters.push_back({"FT" + std::to_string(i), "FT232R USB UART"});
        }
        return log_->attached >= 0;
    }
    FtdiOpenResult open(const std::string& name) override {
        log_->openedName = name;
        return log_->openResult;
    }
    bool setBitBang(std::uint8_t mask) override {
        log_->outputMask = mask;
        return log_->bitBangWorks;
    }
    bool setBaudRate(int baud) override {
        log_->baud = baud;
        return log_->baudWorks;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        log_->calls.push_back("write");
        if (log_->writesThatWork-- <= 0) {
            return false;
        }
        log_->writes.emplace_back(bytes.begin(), bytes.end());
        return true;
    }
    bool readPins(std::uint8_t& pins) override {
        log_->calls.push_back("read");
        pins = log_->pins;
        return log_->readWorks;
    }
    void close() override { log_->calls.push_back("close"); }
    std::string errorText() const override { return "LIBUSB_ERROR_NO_DEVICE"; }
    FtdiUsbLocation usbLocation() const override { return log_->location; }

private:
    std::shared_ptr<ChipLog> log_;
};

} // namespace volna
