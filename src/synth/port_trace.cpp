// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/port_trace.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace volna {

namespace {

constexpr std::size_t kBufferBytes = 64 * 1024;

// Async-signal-safe: one write. Traced lines go out whole (a line, or a
// batch's lines, with one flush), so this line never lands inside another.
void traceZeroWrite(int fd) {
    static constexpr char kLine[] = "out 888 0\n";
    [[maybe_unused]] auto written = ::write(fd, kLine, sizeof kLine - 1);
}

} // namespace

PortTrace::PortTrace(ParallelPort& inner, const std::string& path)
    : inner_(inner), file_(std::fopen(path.c_str(), "a")) {
    if (!file_) {
        error_ = fillText(kCannotOpenTraceMessage, {path, std::strerror(errno)});
    } else {
        // Room for a whole batch, so its lines leave in one write.
        std::setvbuf(file_.get(), nullptr, _IOFBF, kBufferBytes);
    }
}

void PortTrace::out(int port, int value) {
    inner_.out(port, value);
    trace("out", port, value);
}

int PortTrace::in(int port) {
    const int value = inner_.in(port);
    trace("in", port, value);
    return value;
}

// The line goes out before a real wait, even inside a batch, so a long wait
// shows in the trace while it lasts.
void PortTrace::sleep(int ms) {
    trace("sleep", ms);
    if (ms > 0 && file_) {
        std::fflush(file_.get());
    }
    inner_.sleep(ms);
}

void PortTrace::beginBatch() {
    ++batchDepth_;
    inner_.beginBatch();
}

void PortTrace::endBatch() {
    inner_.endBatch();
    if (batchDepth_ > 0) {
        --batchDepth_;
    }
    flushOutsideBatch();
}

void PortTrace::addEmergencyDrop(EmergencyDrop& drop) const {
    inner_.addEmergencyDrop(drop);
    if (file_) {
        drop.add(traceZeroWrite, ::fileno(file_.get()));
    }
}

void PortTrace::trace(const char* operation, int first) {
    if (file_) {
        std::fprintf(file_.get(), "%s %d\n", operation, first);
        flushOutsideBatch();
    }
}

void PortTrace::trace(const char* operation, int first, int second) {
    if (file_) {
        std::fprintf(file_.get(), "%s %d %d\n", operation, first, second);
        flushOutsideBatch();
    }
}

void PortTrace::flushOutsideBatch() {
    if (file_ && batchDepth_ == 0) {
        std::fflush(file_.get());
    }
}

} // namespace volna
