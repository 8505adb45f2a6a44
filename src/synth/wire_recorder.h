// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wraps a parallel port and keeps the data-register writes and the sleeps of the
// last transfer (one outermost beginBatch()..endBatch()), so the wire diagram
// can show what went out on the lines. Every operation is passed on unchanged;
// status reads are passed on and not kept.

#include "synth/parallel_port.h"
#include "toolkit/event.h"

#include <cstddef>
#include <vector>

namespace volna {

// One recorded step of a transfer: a value written to the data register, or a
// sleep of value milliseconds.
struct WireStep {
    enum class Kind { Write, Sleep };
    Kind kind;
    int value;

    bool operator==(const WireStep&) const = default;
};
using WireTransfer = std::vector<WireStep>;

// A transfer keeps at most this many steps; a word takes about 120. Steps past
// it are dropped, so a batch that never ends cannot grow without bound.
inline constexpr std::size_t kMaxWireSteps = 1024;

class WireRecorder : public ParallelPort {
public:
    explicit WireRecorder(ParallelPort& inner);

    void out(int port, int value) override;
    int in(int port) override { return inner_.in(port); }
    void sleep(int ms) override;
    void addEmergencyDrop(EmergencyDrop& drop) const override { inner_.addEmergencyDrop(drop); }
    // The outermost beginBatch() starts a new recording; nested ones only count.
    void beginBatch() override;
    // The matching outermost endBatch() makes the recording the last transfer
    // and raises transferRecorded, when it holds at least one write. An
    // endBatch() without a beginBatch() is passed on and changes nothing here.
    void endBatch() override;
    std::string fault() const override { return inner_.fault(); }

    // The steps of the last finished transfer, in order; empty before the first.
    const WireTransfer& lastTransfer() const { return last_; }
    // Raised after every finished transfer with at least one write.
    Event<> transferRecorded;

private:
    void record(WireStep step);

    ParallelPort& inner_;
    int depth_ = 0;          // open beginBatch() calls
    bool sawWrite_ = false;  // the recording holds a write
    WireTransfer recording_; // the transfer under way
    WireTransfer last_;      // the last finished transfer
};

} // namespace volna
