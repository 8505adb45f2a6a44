// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A port for the benchmarks that only adds up what is written and slept, so a
// measurement sees the cost of the code above the port and nothing below.

#include "synth/parallel_port.h"

namespace volna::bench {

class CountingPort : public ParallelPort {
public:
    void out(int, int value) override { sum_ += value; }
    int in(int) override { return 0; }
    void sleep(int ms) override { sum_ += ms; }
    long sum() const { return sum_; }

private:
    long sum_ = 0;
};

} // namespace volna::bench
