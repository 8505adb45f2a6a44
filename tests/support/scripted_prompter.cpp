// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

namespace volna::test {

ScriptedPrompter::~ScriptedPrompter() {
    verify();
}

void ScriptedPrompter::verify() {
    for (const Expected& missing : expected_) {
        ADD_FAILURE() << "expected message box \"" << missing.title
                      << "\" never appeared: " << missing.text;
    }
    expected_.clear();
}

void ScriptedPrompter::expect(std::string title, std::string text, Answer answer) {
    expected_.push_back({std::move(title), std::move(text), answer});
}

void ScriptedPrompter::expectError(std::string text) {
    expect(kErrorTitle, std::move(text), Answer::Ok);
}

Answer ScriptedPrompter::ask(const Message& message) {
    shown_.push_back(message);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << message.title << "\": " << message.text;
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    Expected next = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(next.title, message.title);
    EXPECT_EQ(next.text, message.text);
    if (message.buttons == MessageButtons::Ok) {
        EXPECT_EQ(next.answer, Answer::Ok) << "an OK box cannot be answered Yes or No";
        return Answer::Ok;
    }
    return next.answer;
}

} // namespace volna::test
