// SPDX-License-Identifier: GPL-3.0-or-later
// The locked-out frequencies as the store keeps them: ascending, each once,
// at most Lockouts::kMost, anything else in a damaged text passed over.

#include "domain/lockouts.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

TEST(Lockouts, TheStoresTextReadsBackAndDamageIsPassedOver) {
    const struct {
        const char* text;
        const char* kept;
    } cases[] = {
        {"145850,144800,145850", "144800,145850"},
        {"", ""},
        {"145850,,x,-5,0,1.5,145 000,99999999999999999999,145600", "145600,145850"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Lockouts::fromText(row.text).text(), row.kept) << row.text;
    }
    std::string many;
    for (int kHz = 144000; kHz < 144000 + 25 * 101; kHz += 25) {
        many += std::to_string(kHz) + ",";
    }
    Lockouts full = Lockouts::fromText(many);
    EXPECT_EQ(full.list().size(), Lockouts::kMost);
    EXPECT_FALSE(full.add(146975)) << "full";
    EXPECT_TRUE(full.remove(144000));
    EXPECT_FALSE(full.remove(144000));
    EXPECT_TRUE(full.add(146975));
}

} // namespace
} // namespace volna
