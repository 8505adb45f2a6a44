// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/wire_recorder.h"

#include <utility>

namespace volna {

WireRecorder::WireRecorder(ParallelPort& inner) : inner_(inner) {
    // Both buffers are swapped and cleared, never freed: once they have held a
    // word, a transfer allocates nothing.
    recording_.reserve(kMaxWireSteps / 4);
    last_.reserve(kMaxWireSteps / 4);
}

void WireRecorder::out(int port, int value) {
    inner_.out(port, value);
    if (port == kDataRegister) {
        record({WireStep::Kind::Write, value});
        sawWrite_ = sawWrite_ || depth_ > 0;
    }
}

void WireRecorder::sleep(int ms) {
    record({WireStep::Kind::Sleep, ms});
    inner_.sleep(ms);
}

void WireRecorder::beginBatch() {
    if (depth_++ == 0) {
        recording_.clear();
        sawWrite_ = false;
    }
    inner_.beginBatch();
}

void WireRecorder::endBatch() {
    inner_.endBatch();
    if (depth_ == 0 || --depth_ > 0) {
        return;
    }
    if (!sawWrite_) {
        recording_.clear();
        return;
    }
    std::swap(recording_, last_);
    recording_.clear();
    sawWrite_ = false;
    transferRecorded.raise();
}

// Only inside a batch, and only up to the cap.
void WireRecorder::record(WireStep step) {
    if (depth_ > 0 && recording_.size() < kMaxWireSteps) {
        recording_.push_back(step);
    }
}

} // namespace volna
