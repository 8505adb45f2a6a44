// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wraps a parallel port and writes every operation that passes through it to a
// file, one line each ("out 888 5", "in 889 0", "sleep 0"), so a person wiring
// the radio or a test outside the program can follow the port. A line is in the
// file as soon as its operation returns, except inside a batch (one control
// word): its lines go out together when the batch ends or before a real wait.
// The wrapped port is used unchanged; a trace file that cannot be opened only
// turns the tracing off.

#include "synth/parallel_port.h"

#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace volna {

class PortTrace : public ParallelPort {
public:
    // Appends to the file at path, creating it when missing.
    PortTrace(ParallelPort& inner, const std::string& path);

    // False when the file could not be opened; error() then says why, and the
    // operations go to the wrapped port untraced.
    bool ok() const { return file_ != nullptr; }
    const std::string& error() const { return error_; }

    void out(int port, int value) override;
    // Traces the value the wrapped port returned.
    int in(int port) override;
    void sleep(int ms) override;
    // Passed to the wrapped port untraced: they change when the writes reach
    // the pins, not which.
    void beginBatch() override;
    void endBatch() override;
    std::string fault() const override { return inner_.fault(); }
    // The wrapped port's steps, then the line "out 888 0" written straight to
    // the trace file.
    void addEmergencyDrop(EmergencyDrop& drop) const override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void trace(std::string_view operation, int first);
    void trace(std::string_view operation, int first, int second);
    void writeLine(std::string_view operation, std::span<const int> numbers);
    // Writes the gathered lines unless a batch is open.
    void flushOutsideBatch();

    ParallelPort& inner_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::string error_;
    int batchDepth_ = 0; // open batches; their lines wait in the stream's buffer
};

} // namespace volna
