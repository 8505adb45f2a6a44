// SPDX-License-Identifier: GPL-3.0-or-later
// The ppdev device node through the kernel's system calls: the one file of the
// parallel port that makes them.

#include "platform/ppdev/ppdev_device.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volna {

namespace {

// 0, or the errno value of a failed ioctl.
int control(int fd, unsigned long request, void* argument) {
    return ::ioctl(fd, request, argument) == 0 ? 0 : errno;
}

// Owns one descriptor of the node, and the claim on the port.
class SystemPpdevDevice : public PpdevDevice {
public:
    SystemPpdevDevice() = default;
    ~SystemPpdevDevice() override { close(); }
    SystemPpdevDevice(const SystemPpdevDevice&) = delete;
    SystemPpdevDevice& operator=(const SystemPpdevDevice&) = delete;

    int open(const std::string& path) override {
        close();
        fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd_ < 0) {
            return errno;
        }
        struct stat info {};
        if (::fstat(fd_, &info) != 0 || !S_ISCHR(info.st_mode)) {
            close();
            return ENOTTY;
        }
        return 0;
    }
    int claim() override {
        if (const int error = control(fd_, PPEXCL, nullptr); error != 0) {
            return error;
        }
        const int error = control(fd_, PPCLAIM, nullptr);
        claimed_ = error == 0;
        return error;
    }
    int writeData(unsigned char value) override { return control(fd_, PPWDATA, &value); }
    int readStatus(unsigned char& status) override { return control(fd_, PPRSTATUS, &status); }
    int checkPresent() override {
        unsigned int modes = 0;
        return control(fd_, PPGETMODES, &modes);
    }
    void close() override {
        if (fd_ < 0) {
            return;
        }
        if (claimed_) {
            ::ioctl(fd_, PPRELEASE);
        }
        ::close(fd_);
        fd_ = -1;
        claimed_ = false;
    }
    int descriptor() const override { return fd_; }

private:
    int fd_ = -1;
    bool claimed_ = false;
};

} // namespace

std::unique_ptr<PpdevDevice> makeSystemPpdevDevice() {
    return std::make_unique<SystemPpdevDevice>();
}

} // namespace volna
