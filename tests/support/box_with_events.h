#pragma once
// A prompter whose next box runs the events a test gives (a client's request,
// a tick) while it waits for its answer, as a box's own event loop does with
// the handler that opened it not returned; then it answers OK, or No.

#include "toolkit/prompter.h"

#include <functional>
#include <utility>
#include <vector>

namespace volna::test {

class BoxWithEvents : public Prompter {
public:
    Answer ask(const Message& message) override {
        shown.push_back(message);
        ++open;
        std::function<void()> events = std::exchange(whileNextBoxOpen, nullptr);
        if (events) {
            events();
        }
        --open;
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }

    // Run inside the next box, then forgotten.
    std::function<void()> whileNextBoxOpen;
    int open = 0; // boxes waiting for their answer now
    std::vector<Message> shown;
};

} // namespace volna::test
