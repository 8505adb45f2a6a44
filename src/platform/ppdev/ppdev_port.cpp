#include "platform/ppdev/ppdev_port.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volna {

namespace {

std::string openError(const std::string& device, int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return "no parallel port at " + device + " (are the modules parport_pc and ppdev loaded?)";
    case EACCES:
    case EPERM:
        return "no permission to use " + device + ": add yourself to group lp and log in again";
    case EBUSY:
        return device + " is in use by another program";
    default:
        return "cannot open " + device + ": " + std::strerror(error);
    }
}

std::string notParallelPort(const std::string& device) {
    return device + " is not a parallel port device";
}

// With exclusive access the kernel refuses the claim (ENXIO) while any other
// driver or program has the port registered.
std::string claimError(const std::string& device, int error) {
    switch (error) {
    case ENXIO:
    case EBUSY:
        return device + " is in use by another program or driver (another copy of this " +
               "program, or the lp printer driver?)";
    case ENOTTY:
    case EINVAL:
        return notParallelPort(device);
    default:
        return "cannot claim " + device + ": " + std::strerror(error);
    }
}

// Opens device and claims it exclusively; returns the descriptor, or -1 with
// error filled in.
int openAndClaim(const std::string& device, std::string& error) {
    const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = openError(device, errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) {
        ::close(fd);
        error = notParallelPort(device);
        return -1;
    }
    if (::ioctl(fd, PPEXCL) != 0 || ::ioctl(fd, PPCLAIM) != 0) {
        const int failure = errno;
        ::close(fd);
        error = claimError(device, failure);
        return -1;
    }
    return fd;
}

// Async-signal-safe: one ioctl.
void writeZero(int fd) {
    unsigned char data = 0;
    ::ioctl(fd, PPWDATA, &data);
}

} // namespace

std::unique_ptr<PpdevPort> PpdevPort::open(const std::string& device, std::string& error) {
    const int fd = openAndClaim(device, error);
    if (fd < 0) {
        return nullptr;
    }
    std::unique_ptr<PpdevPort> port(new PpdevPort(fd));
    unsigned char data = 0;
    if (::ioctl(fd, PPRDATA, &data) == 0) {
        port->dataRegister_ = data;
    }
    error.clear();
    return port;
}

PpdevPort::~PpdevPort() {
    if ((dataRegister_ & kTransmitLine) != 0) {
        out(kDataRegister, dataRegister_ & ~kTransmitLine);
    }
    ::ioctl(fd_, PPRELEASE);
    ::close(fd_);
}

void PpdevPort::out(int port, int value) {
    if (port != kDataRegister) {
        return;
    }
    unsigned char data = static_cast<unsigned char>(value & 0xFF);
    if (::ioctl(fd_, PPWDATA, &data) == 0) {
        dataRegister_ = data;
    }
}

int PpdevPort::in(int port) {
    if (port != kStatusRegister) {
        return 0;
    }
    unsigned char status = 0;
    if (::ioctl(fd_, PPRSTATUS, &status) != 0) {
        return 0;
    }
    return status;
}

void PpdevPort::addEmergencyDrop(EmergencyDrop& drop) const {
    drop.add(writeZero, fd_);
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
    backEnd.help = "the parallel port DEV through ppdev (default " + backEnd.defaultDevice + ")";
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
