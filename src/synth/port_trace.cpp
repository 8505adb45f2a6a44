// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/port_trace.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
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

void PortTrace::trace(std::string_view operation, int first) {
    const int numbers[] = {first};
    writeLine(operation, numbers);
}

void PortTrace::trace(std::string_view operation, int first, int second) {
    const int numbers[] = {first, second};
    writeLine(operation, numbers);
}

// The operation and its numbers, each after a blank, as one line. Formatted
// by hand: at a 1 ms scan the trace takes some hundred thousand lines a
// second, and printf's parsing of its format was most of their cost.
void PortTrace::writeLine(std::string_view operation, std::span<const int> numbers) {
    if (!file_) {
        return;
    }
    std::array<char, 64> line{};
    char* end = std::copy(operation.begin(), operation.end(), line.data());
    for (const int number : numbers) {
        *end++ = ' ';
        end = std::to_chars(end, line.data() + line.size() - 1, number).ptr;
    }
    *end++ = '\n';
    std::fwrite(line.data(), 1, static_cast<std::size_t>(end - line.data()), file_.get());
    flushOutsideBatch();
}

void PortTrace::flushOutsideBatch() {
    if (file_ && batchDepth_ == 0) {
        std::fflush(file_.get());
    }
}

} // namespace volna
