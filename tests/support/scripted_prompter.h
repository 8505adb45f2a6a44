// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A prompter for scenario tests: the test says which boxes it expects, in order,
// and how the operator answers each; any other box fails the test, and so does an
// expected box that never appeared by verify() or the prompter's end. Every box
// shown is kept in shown() for assertions.

#include "toolkit/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace volna::test {

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() = default;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;
    // Fails the running test for every expected box that was never shown.
    ~ScriptedPrompter() override;

    // Expects a box with this title and text next, answered with answer.
    void expect(std::string title, std::string text, Answer answer = Answer::Ok);
    // Expects an error box ("Ошибка", OK) with this text next.
    void expectError(std::string text);

    Answer ask(const Message& message) override;

    const std::vector<Message>& shown() const { return shown_; }
    // True when every expected box has been shown.
    bool done() const { return expected_.empty(); }
    // Fails the running test for every expected box not shown yet, and forgets
    // them, so a later check or the prompter's end reports each only once.
    void verify();

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
