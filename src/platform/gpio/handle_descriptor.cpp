// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gpio/handle_descriptor.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace volna {

namespace {

constexpr const char* kHandleLink = "anon_inode:gpiohandle";

// The entry's name as a descriptor number, or -1.
int descriptorNumber(const std::string& name) {
    int fd = -1;
    const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), fd);
    return failure == std::errc{} && end == name.data() + name.size() ? fd : -1;
}

} // namespace

std::vector<int> gpioHandleDescriptors(const std::string& dir) {
    namespace fs = std::filesystem;
    std::vector<int> found;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const int fd = descriptorNumber(it->path().filename().string());
        std::error_code linkError;
        const fs::path target = fs::read_symlink(it->path(), linkError);
        if (fd >= 0 && !linkError && target == kHandleLink) {
            found.push_back(fd);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

int addedDescriptor(const std::vector<int>& before, const std::vector<int>& after) {
    int added = -1;
    for (const int fd : after) {
        if (std::find(before.begin(), before.end(), fd) != before.end()) {
            continue;
        }
        if (added >= 0) {
            return -1;
        }
        added = fd;
    }
    return added;
}

} // namespace volna
