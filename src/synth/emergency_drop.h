// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How to put 0 on the data register when ordinary code may no longer run: a
// short, fixed list of plain system calls (a ppdev ioctl, a line in the port
// trace), each a function pointer and a file descriptor, with no allocation
// and no locks, so a signal handler or an exit handler can run it.

#include <array>

namespace volna {

class EmergencyDrop {
public:
    // One step: action(fd). The action must be async-signal-safe.
    using Action = void (*)(int fd);

    // Adds a step; steps run in the order added. Past the fixed capacity a step
    // is ignored (a port is never wrapped that deep).
    void add(Action action, int fd);
    // Runs every step. Async-signal-safe.
    void run() const noexcept;
    int size() const { return count_; }

private:
    struct Step {
        Action action = nullptr;
        int fd = -1;
    };

    std::array<Step, 8> steps_{};
    int count_ = 0;
};

} // namespace volna
