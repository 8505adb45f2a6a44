// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted prompter itself: a scenario whose expected boxes all came passes
// quietly, and each expected box that never came fails the test exactly once.

#include "support/scripted_prompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace volna::test {
namespace {

// The failure messages run reports, caught instead of failing this test.
std::vector<std::string> failuresOf(const std::function<void()>& run) {
    ::testing::TestPartResultArray results;
    {
        const ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        run();
    }
    std::vector<std::string> messages;
    for (int i = 0; i < results.size(); ++i) {
        messages.emplace_back(results.GetTestPartResult(i).message());
    }
    return messages;
}

TEST(ScriptedPrompter, EveryExpectedBoxShownPassesQuietly) {
    Answer answer = Answer::Ok;
    const auto failures = failuresOf([&] {
        ScriptedPrompter prompter;
        prompter.expect(kWarningTitle, "Сохранить?", Answer::Yes);
        prompter.expectError("Нет порта");
        answer = prompter.ask(questionBox("Сохранить?"));
        prompter.ask(errorBox("Нет порта"));
        prompter.verify();
    });
    EXPECT_EQ(failures, std::vector<std::string>{});
    EXPECT_EQ(answer, Answer::Yes);
}

TEST(ScriptedPrompter, ABoxThatNeverCameFailsOnceWhenThePrompterEnds) {
    const auto failures = failuresOf([] {
        ScriptedPrompter prompter;
        prompter.expectError("Первая");
        prompter.expectError("Вторая");
        prompter.ask(errorBox("Первая"));
    });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("never appeared: Вторая"), std::string::npos) << failures[0];
}

TEST(ScriptedPrompter, VerifyReportsAMissingBoxOnceAndTheEndDoesNotRepeatIt) {
    bool doneAfterVerify = false;
    const auto failures = failuresOf([&] {
        ScriptedPrompter prompter;
        prompter.expect(kMessageTitle, "Готово");
        prompter.verify();
        doneAfterVerify = prompter.done();
    });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("\"Сообщение\" never appeared: Готово"), std::string::npos)
        << failures[0];
    EXPECT_TRUE(doneAfterVerify);
}

} // namespace
} // namespace volna::test
