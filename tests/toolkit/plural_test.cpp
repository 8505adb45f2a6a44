// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/plural.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace volna {
namespace {

struct CountCase {
    long long count;
    const char* russian; // "%1 {запись|записи|записей}" filled
    const char* english; // "%1 {row|rows}" filled
};

TEST(PluralTest, CountsTakeTheirFormInBothLanguages) {
    const std::vector<CountCase> cases{
        {0, "0 записей", "0 rows"},       {1, "1 запись", "1 row"},
        {2, "2 записи", "2 rows"},        {4, "4 записи", "4 rows"},
        {5, "5 записей", "5 rows"},       {11, "11 записей", "11 rows"},
        {12, "12 записей", "12 rows"},    {14, "14 записей", "14 rows"},
        {21, "21 запись", "21 rows"},     {22, "22 записи", "22 rows"},
        {111, "111 записей", "111 rows"}, {1001, "1001 запись", "1001 rows"},
    };
    for (const CountCase& c : cases) {
        const std::vector<std::string> pieces{std::to_string(c.count)};
        EXPECT_EQ(countText("%1 {запись|записи|записей}", pieces), c.russian);
        EXPECT_EQ(countText("%1 {row|rows}", pieces), c.english);
    }
}

TEST(PluralTest, EachGroupFollowsThePlaceBeforeIt) {
    EXPECT_EQ(countText("%1 {row|rows} replacing %2 {entry|entries}", {"1", "3"}),
              "1 row replacing 3 entries");
    EXPECT_EQ(countText("%2 {entry|entries}, %1 {row|rows}", {"2", "1"}), "1 entry, 2 rows");
    EXPECT_EQ(countText("{a|b} without a count", {}), "b without a count");
    EXPECT_EQ(countText("{not a group} %1", {"1"}), "{not a group} 1");
}

TEST(PluralTest, VariantsListEveryChoice) {
    EXPECT_EQ(pluralVariants("no group"), std::vector<std::string>{"no group"});
    EXPECT_EQ(
        pluralVariants("%1 {a|b} {c|d|e}"),
        (std::vector<std::string>{"%1 a c", "%1 b c", "%1 a d", "%1 b d", "%1 a e", "%1 b e"}));
}

} // namespace
} // namespace volna
