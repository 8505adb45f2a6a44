// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The emergency write of an FTDI adapter: a single 0 byte sent straight to its
// bulk-out endpoint through the usbfs descriptor the USB library holds, with
// one ioctl, so it can run from a signal handler. Finds that descriptor among
// the process's open files.

#include "synth/emergency_drop.h"

#include <string>

namespace volna {

// The descriptor in fdDirectory (normally /proc/self/fd) whose link names the
// usbfs node /dev/bus/usb/BUS/ADDRESS; -1 when no open file is that node.
int findUsbDescriptor(const std::string& fdDirectory, int bus, int address);

// The step that writes one 0 byte to the bulk-out endpoint outEndpoint
// (0x02, 0x04, 0x06 or 0x08: interfaces A to D); nullptr for another
// endpoint.
EmergencyDrop::Action zeroByteWriter(int outEndpoint);

} // namespace volna
