// SPDX-License-Identifier: GPL-3.0-or-later
#include "remote/line_protocol.h"

namespace volna {

std::string LineProtocol::feed(std::string_view bytes) {
    std::string replies;
    while (!bytes.empty() && !closing_) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view part = bytes.substr(0, end);
        if (!discarding_ && line_.size() + part.size() > kMaxLineBytes) {
            replies += lineTooLong();
            discarding_ = true;
            line_.clear();
        }
        if (!discarding_) {
            line_.append(part);
        }
        if (end == std::string_view::npos) {
            break;
        }
        if (!discarding_) {
            replies += answerLine(line_);
        }
        discarding_ = false;
        line_.clear();
        bytes.remove_prefix(end + 1);
    }
    return replies;
}

} // namespace volna
