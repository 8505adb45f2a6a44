// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftdi/usb_descriptor.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>

namespace volna {

namespace {

// Async-signal-safe: one USBDEVFS_BULK ioctl of one byte. A short timeout, as
// the process is ending and a dead adapter must not hold it up.
template <unsigned Endpoint> void writeZeroByte(int fd) {
    unsigned char zero = 0;
    usbdevfs_bulktransfer bulk{};
    bulk.ep = Endpoint;
    bulk.len = 1;
    bulk.timeout = 100;
    bulk.data = &zero;
    ::ioctl(fd, USBDEVFS_BULK, &bulk);
}

int descriptorNumber(const std::string& name) {
    int fd = -1;
    const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), fd);
    return failure == std::errc{} && end == name.data() + name.size() ? fd : -1;
}

} // namespace

int findUsbDescriptor(const std::string& fdDirectory, int bus, int address) {
    if (bus < 0 || bus > 999 || address < 0 || address > 999) {
        return -1;
    }
    std::array<char, 32> node{};
    std::snprintf(node.data(), node.size(), "/dev/bus/usb/%03d/%03d", bus, address);
    std::error_code failure;
    std::filesystem::directory_iterator entry(fdDirectory, failure);
    for (; !failure && entry != std::filesystem::directory_iterator(); entry.increment(failure)) {
        // A descriptor closed meanwhile no longer reads; it is not the node.
        std::error_code unreadable;
        const auto target = std::filesystem::read_symlink(entry->path(), unreadable);
        if (!unreadable && target == node.data()) {
            return descriptorNumber(entry->path().filename().string());
        }
    }
    return -1;
}

EmergencyDrop::Action zeroByteWriter(int outEndpoint) {
    switch (outEndpoint) {
    case 0x02:
        return writeZeroByte<0x02>;
    case 0x04:
        return writeZeroByte<0x04>;
    case 0x06:
        return writeZeroByte<0x06>;
    case 0x08:
        return writeZeroByte<0x08>;
    default:
        return nullptr;
    }
}

} // namespace volna
