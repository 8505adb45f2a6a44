#pragma once
// A ppdev device node for tests: answers as its script says and records every
// call, so a test sees each value the port put on the data register and when
// it asked whether the port is still there.

#include "platform/ppdev/ppdev_device.h"

#include <string>
#include <vector>

namespace volna::test {

// What the node answers (an errno value fails that call) and what reached it.
// The test owns it; the node, owned by the port, writes into it.
struct PpdevScript {
    int openError = 0;
    int claimError = 0;
    int writesBeforeFailure = -1; // the write after this many fails; -1: none
    int writeError = 0;
    int statusError = 0;
    unsigned char status = 0;
    int presentError = 0; // ENODEV: the port was removed
    int descriptor = -1;

    std::vector<std::string> calls; // "open /dev/parport0", "claim", "write 8", ...
    std::vector<int> written;       // the values that reached the pins
};

class RecordingPpdevDevice : public PpdevDevice {
public:
    explicit RecordingPpdevDevice(PpdevScript& script) : script_(script) {}

    int open(const std::string& path) override { return note("open " + path, script_.openError); }
    int claim() override { return note("claim", script_.claimError); }
    int writeData(unsigned char value) override {
        const bool fails = script_.writesBeforeFailure >= 0 &&
                           static_cast<int>(script_.written.size()) >= script_.writesBeforeFailure;
        if (!fails) {
            script_.written.push_back(value);
        }
        return note("write " + std::to_string(value), fails ? script_.writeError : 0);
    }
    int readStatus(unsigned char& status) override {
        status = script_.status;
        return note("status", script_.statusError);
    }
    int checkPresent() override { return note("present", script_.presentError); }
    void close() override { script_.calls.push_back("close"); }
    int descriptor() const override { return script_.descriptor; }

private:
    int note(std::string call, int error) {
        script_.calls.push_back(std::move(call));
        return error;
    }

    PpdevScript& script_;
};

} // namespace volna::test
