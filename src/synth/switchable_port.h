// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port the console drives, which can be moved from hardware that was lost
// (an adapter unplugged) onto the simulated radio while the program runs. Until
// it is moved, everything goes to the port it was made with; the lost hardware
// can still be asked to try once more to drop its lines.

#include "synth/parallel_port.h"

#include <memory>
#include <utility>

namespace volna {

class SwitchablePort : public ParallelPort {
public:
    explicit SwitchablePort(ParallelPort& hardware) : hardware_(hardware), current_(&hardware) {}

    // From now on every operation goes to replacement, which this keeps.
    void switchTo(std::unique_ptr<ParallelPort> replacement) {
        replacement_ = std::move(replacement);
        current_ = replacement_.get();
    }
    bool switched() const { return replacement_ != nullptr; }
    // The port it was made with tries once more to put 0 on its lines if it
    // has faulted, whether or not the console has moved off it.
    void tryHardwareDrop() { hardware_.tryDropAfterFault(); }

    void out(int port, int value) override { current_->out(port, value); }
    int in(int port) override { return current_->in(port); }
    void sleep(int ms) override { current_->sleep(ms); }
    void addEmergencyDrop(EmergencyDrop& drop) const override { current_->addEmergencyDrop(drop); }
    void beginBatch() override { current_->beginBatch(); }
    void endBatch() override { current_->endBatch(); }
    std::string fault() const override { return current_->fault(); }

private:
    ParallelPort& hardware_;
    ParallelPort* current_;
    std::unique_ptr<ParallelPort> replacement_;
};

} // namespace volna
