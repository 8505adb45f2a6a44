// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the file descriptor that a GPIO line request added to the process, for
// a library that does not hand it out: the kernel shows each request in
// /proc/self/fd as a link to "anon_inode:gpiohandle", so the request's
// descriptor is the one such link that was not there before it.

#include <string>
#include <vector>

namespace volna {

// The descriptors listed in dir (/proc/self/fd) whose link reads
// "anon_inode:gpiohandle", in ascending order; none when dir cannot be read.
std::vector<int> gpioHandleDescriptors(const std::string& dir);

// The one descriptor of after that is not in before; -1 when there is none or
// more than one (another thread requested lines at the same time), so the
// caller never takes a descriptor it cannot be sure of.
int addedDescriptor(const std::vector<int>& before, const std::vector<int>& after);

} // namespace volna
