// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/emergency_drop.h"

namespace volna {

void EmergencyDrop::add(Action action, int fd) {
    if (action == nullptr || count_ == static_cast<int>(steps_.size())) {
        return;
    }
    steps_[static_cast<std::size_t>(count_)] = {action, fd};
    ++count_;
}

void EmergencyDrop::run() const noexcept {
    for (int i = 0; i < count_; ++i) {
        const Step& step = steps_[static_cast<std::size_t>(i)];
        step.action(step.fd);
    }
}

} // namespace volna
