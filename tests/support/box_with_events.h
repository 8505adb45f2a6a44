#pragma once
// A prompter for scenarios in which the platform delivers events while a box
// waits for its answer (a network client's request, a timer's tick), as a
// message box's own event loop does: the handler that opened the box has not
// returned meanwhile. The next box runs the events the test gives, then is
// answered: OK, or No to a question.

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
