// SPDX-License-Identifier: GPL-3.0-or-later
// The FTDI chip through libftdi1, the one file of the program that includes
// the library. The library is opened with the first chip made, so that a
// start on another port does not load it and the USB library under it.

#include "platform/ftdi/ftdi_chip.h"
#include "platform/shared_library.h"

#include <array>
#include <cerrno>
#include <cstdio>

#include <libftdi1/ftdi.h>
#include <libusb.h>
#include <unistd.h>

namespace volna {

namespace {

// The functions of libftdi1, and of the USB library it needs, that a chip calls.
struct FtdiLibrary {
    explicit FtdiLibrary(const char* soname) : library(soname) {
        usable = library.find(newContext, "ftdi_new") && library.find(freeContext, "ftdi_free") &&
                 library.find(findAll, "ftdi_usb_find_all") &&
                 library.find(freeList, "ftdi_list_free") &&
                 library.find(getStrings, "ftdi_usb_get_strings") &&
                 library.find(openDevice, "ftdi_usb_open_dev") &&
                 library.find(closeDevice, "ftdi_usb_close") &&
                 library.find(setBitmode, "ftdi_set_bitmode") &&
                 library.find(setBaudrate, "ftdi_set_baudrate") &&
                 library.find(writeData, "ftdi_write_data") &&
                 library.find(readPins, "ftdi_read_pins") &&
                 library.find(errorString, "ftdi_get_error_string") &&
                 library.find(deviceOf, "libusb_get_device") &&
                 library.find(busNumber, "libusb_get_bus_number") &&
                 library.find(deviceAddress, "libusb_get_device_address");
    }

    SharedLibrary library;
    bool usable = false;
    decltype(&ftdi_new) newContext = nullptr;
    decltype(&ftdi_free) freeContext = nullptr;
    decltype(&ftdi_usb_find_all) findAll = nullptr;
    decltype(&ftdi_list_free) freeList = nullptr;
    decltype(&ftdi_usb_get_strings) getStrings = nullptr;
    decltype(&ftdi_usb_open_dev) openDevice = nullptr;
    decltype(&ftdi_usb_close) closeDevice = nullptr;
    decltype(&ftdi_set_bitmode) setBitmode = nullptr;
    decltype(&ftdi_set_baudrate) setBaudrate = nullptr;
    decltype(&ftdi_write_data) writeData = nullptr;
    decltype(&ftdi_read_pins) readPins = nullptr;
    decltype(&ftdi_get_error_string) errorString = nullptr;
    decltype(&libusb_get_device) deviceOf = nullptr;
    decltype(&libusb_get_bus_number) busNumber = nullptr;
    decltype(&libusb_get_device_address) deviceAddress = nullptr;
};

// Whether this user may not open the usbfs node of dev: the usual reason the
// USB library cannot open an adapter.
bool accessDenied(const FtdiLibrary& lib, libusb_device* dev) {
    std::array<char, 32> node{};
    std::snprintf(node.data(), node.size(), "/dev/bus/usb/%03d/%03d",
                  static_cast<int>(lib.busNumber(dev)), static_cast<int>(lib.deviceAddress(dev)));
    return ::access(node.data(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
}

// Owns one libftdi1 context and the adapter it opens. Closing leaves the pins
// in bit-bang mode at their last levels: back in serial mode the chip would
// raise TXD and let the inputs float up, which could key the transmitter.
class LibftdiChip : public FtdiChip {
public:
    explicit LibftdiChip(const char* soname)
        : lib_(soname), context_(lib_.usable ? lib_.newContext() : nullptr) {}
    ~LibftdiChip() override {
        close();
        if (context_ != nullptr) {
            lib_.freeContext(context_);
        }
    }
    LibftdiChip(const LibftdiChip&) = delete;
    LibftdiChip& operator=(const LibftdiChip&) = delete;

    bool listDevices(std::vector<FtdiAdapter>& adapters) override;

    FtdiOpenResult open(const std::string& name) override;

    bool setBitBang(std::uint8_t outputMask) override {
        return opened_ && lib_.setBitmode(context_, outputMask, BITMODE_BITBANG) == 0;
    }
    bool setBaudRate(int baud) override { return opened_ && lib_.setBaudrate(context_, baud) == 0; }
    bool write(std::span<const std::uint8_t> bytes) override {
        const int size = static_cast<int>(bytes.size());
        return opened_ && lib_.writeData(context_, bytes.data(), size) == size;
    }
    bool readPins(std::uint8_t& pins) override {
        unsigned char levels = 0;
        if (!opened_ || lib_.readPins(context_, &levels) != 0) {
            return false;
        }
        pins = levels;
        return true;
    }
    void close() override {
        if (opened_) {
            lib_.closeDevice(context_);
            opened_ = false;
        }
    }
    std::string errorText() const override {
        if (!lib_.usable) {
            return "libftdi1 could not be loaded: " + lib_.library.error();
        }
        if (context_ == nullptr) {
            return "libftdi1 could not set up its USB context";
        }
        const char* text = lib_.errorString(context_);
        return text != nullptr ? text : "unknown error";
    }
    FtdiUsbLocation usbLocation() const override {
        if (!opened_ || context_->usb_dev == nullptr) {
            return {};
        }
        libusb_device* dev = lib_.deviceOf(context_->usb_dev);
        return {lib_.busNumber(dev), lib_.deviceAddress(dev), context_->out_ep};
    }

private:
    FtdiAdapter readStrings(libusb_device* dev, bool& denied);
    FtdiOpenResult openDevice(libusb_device* dev);

    FtdiLibrary lib_;
    ftdi_context* context_;
    bool opened_ = false;
};

// dev's serial number and description. An adapter whose strings cannot be
// read because its node is not ours sets denied.
FtdiAdapter LibftdiChip::readStrings(libusb_device* dev, bool& denied) {
    std::array<char, 128> description{};
    std::array<char, 128> serial{};
    // The description comes before the serial number; an adapter without a
    // serial number fails after filling it in.
    const int result = lib_.getStrings(context_, dev, nullptr, 0, description.data(),
                                       static_cast<int>(description.size()), serial.data(),
                                       static_cast<int>(serial.size()));
    if (result == -4 && accessDenied(lib_, dev)) {
        denied = true;
    }
    return {serial.data(), description.data()};
}

bool LibftdiChip::listDevices(std::vector<FtdiAdapter>& adapters) {
    adapters.clear();
    ftdi_device_list* list = nullptr;
    if (context_ == nullptr || lib_.findAll(context_, &list, 0, 0) < 0) {
        if (context_ != nullptr) {
            lib_.freeList(&list);
        }
        return false;
    }
    bool denied = false;
    for (ftdi_device_list* entry = list; entry != nullptr; entry = entry->next) {
        adapters.push_back(readStrings(entry->dev, denied));
    }
    lib_.freeList(&list);
    return true;
}

FtdiOpenResult LibftdiChip::openDevice(libusb_device* dev) {
    switch (lib_.openDevice(context_, dev)) {
    case 0:
        opened_ = true;
        return FtdiOpenResult::Opened;
    case -4:
        return accessDenied(lib_, dev) ? FtdiOpenResult::NoPermission : FtdiOpenResult::Failed;
    case -8: // the kernel refused to detach ftdi_sio for this user
        return FtdiOpenResult::NoPermission;
    case -3:  // could not set the configuration: the serial driver holds it
    case -5:  // could not claim the interface
    case -11: // could not detach the serial driver
        return FtdiOpenResult::Busy;
    default:
        return FtdiOpenResult::Failed;
    }
}

FtdiOpenResult LibftdiChip::open(const std::string& name) {
    if (context_ == nullptr) {
        return FtdiOpenResult::Failed;
    }
    close();
    ftdi_device_list* list = nullptr;
    if (lib_.findAll(context_, &list, 0, 0) < 0) {
        lib_.freeList(&list);
        return FtdiOpenResult::Failed;
    }
    bool denied = false;
    libusb_device* chosen = nullptr;
    for (ftdi_device_list* entry = list; entry != nullptr && chosen == nullptr;
         entry = entry->next) {
        const FtdiAdapter strings = name.empty() ? FtdiAdapter{} : readStrings(entry->dev, denied);
        if (name.empty() || name == strings.serial || name == strings.description) {
            chosen = entry->dev;
        }
    }
    FtdiOpenResult result = denied ? FtdiOpenResult::NoPermission : FtdiOpenResult::NotFound;
    if (chosen != nullptr) {
        result = openDevice(chosen);
    }
    lib_.freeList(&list);
    return result;
}

} // namespace

std::unique_ptr<FtdiChip> makeLibftdiChip(const char* soname) {
    return std::make_unique<LibftdiChip>(soname);
}

} // namespace volna
