// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The framing every line-based network protocol shares: a client's bytes are
// cut into lines, each complete line goes to the protocol's own answerLine, and
// the replies come back as one piece to write. A protocol is one subclass.

#include <cstddef>
#include <string>
#include <string_view>

namespace volna {

// Lines end with LF, CR or CR LF; a write may hold half a line or many lines. A
// line longer than kMaxLineBytes is answered once with lineTooLong() and
// dropped up to its end. Once the protocol has ended the session, the rest of
// the input is ignored.
class LineProtocol {
public:
    static constexpr std::size_t kMaxLineBytes = 1024;

    virtual ~LineProtocol() = default;

    // Takes the bytes a client sent and returns everything to write back (empty
    // when no line was completed).
    std::string feed(std::string_view bytes);
    // The client asked to close: write the last reply, then close.
    bool closing() const { return closing_; }

protected:
    // The reply to one complete line without its end (blank lines come too).
    virtual std::string answerLine(std::string_view line) = 0;
    // The reply to a line longer than kMaxLineBytes.
    virtual std::string lineTooLong() = 0;
    // Called from answerLine when the line asks to close.
    void endSession() { closing_ = true; }

private:
    std::string line_;        // the line received so far, without its end
    bool discarding_ = false; // inside an over-long line, until its end
    bool closing_ = false;
};

} // namespace volna
