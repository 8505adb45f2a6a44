#pragma once
// A pass-through port that remembers the last value written to the data
// register, so that the program can drop the transmit line before it ends
// without reading the hardware back.

#include "synth/parallel_port.h"

namespace volna {

class TrackedPort : public ParallelPort {
public:
    explicit TrackedPort(ParallelPort& inner) : inner_(inner) {}

    void out(int port, int value) override {
        if (port == kDataRegister) {
            dataRegister_ = value;
        }
        inner_.out(port, value);
    }
    int in(int port) override { return inner_.in(port); }
    void sleep(int ms) override { inner_.sleep(ms); }

    // The value on the data register's pins, as last written by this program.
    int dataRegister() const { return dataRegister_; }

private:
    ParallelPort& inner_;
    int dataRegister_ = 0;
};

} // namespace volna
