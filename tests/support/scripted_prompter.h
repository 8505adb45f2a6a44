#pragma once
// A prompter for scenario tests: the test says which boxes it expects, in order,
// and how the operator answers each; any other box fails the test. Every box
// shown is kept in shown() for assertions.

#include "toolkit/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace volna::test {

class ScriptedPrompter : public Prompter {
public:
    // Expects a box with this title and text next, answered with answer.
    void expect(std::string title, std::string text, Answer answer = Answer::Ok);
    // Expects an error box ("Ошибка", OK) with this text next.
    void expectError(std::string text);

    Answer ask(const Message& message) override;

    const std::vector<Message>& shown() const { return shown_; }
    // True when every expected box has been shown.
    bool done() const { return expected_.empty(); }

private:
    struct Expected {
        std::string title;
        std::string text;
        Answer answer;
    };
    std::deque<Expected> expected_;
    std::vector<Message> shown_;
};

} // namespace volna::test
