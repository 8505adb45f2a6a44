// SPDX-License-Identifier: GPL-3.0-or-later
// The scans' holds tick by tick (400 ms apart): while the signal lasts, a
// timed resume that passes the frequency until it has been free once, a hang
// time restarted by the signal's return, and the hits they leave.

#include "domain/scan_hold.h"

#include <gtest/gtest.h>

#include <string>

namespace volna {
namespace {

struct HoldCase {
    const char* name;
    HoldRules rules;
    const char* busy;                   // one tick each: 'B' busy, '.' free, at 145000 kHz
    const char* holds;                  // 'H' where the scan stays, '.' where it moves on
    std::vector<std::int64_t> signalMs; // the hits that ended, in order
};

TEST(ScanHold, TickByTick) {
    const HoldCase cases[] = {
        {"WhileTheSignalLasts", {}, "BB.B..", "HH.H..", {800, 400}},
        {"TimedResumePassesUntilFreeOnce", {1000, 0}, "BBBBBB.BB", "HHH....HH", {1200}},
        {"HangTimeRestartedByTheSignal", {0, 1000}, "B..B....", "HHHHHH..", {1600}},
    };
    for (const HoldCase& row : cases) {
        ScanHold hold;
        std::string holds;
        std::vector<std::int64_t> signalMs;
        for (std::size_t i = 0; row.busy[i] != '\0'; ++i) {
            std::optional<ScanHit> ended;
            const auto now = static_cast<std::int64_t>(i) * 400;
            holds += hold.tick(row.rules, 145000, row.busy[i] == 'B', now, 0, ended) ? 'H' : '.';
            if (ended) {
                signalMs.push_back(ended->signalMs);
            }
        }
        EXPECT_EQ(holds, row.holds) << row.name;
        EXPECT_EQ(signalMs, row.signalMs) << row.name;
    }
}

TEST(ScanHits, TheNewestInAFixedAmountOfMemory) {
    ScanHits hits;
    for (std::int64_t i = 1; i <= 2500; ++i) {
        hits.add({i, 145000, 0, 0});
    }
    EXPECT_EQ(hits.size(), kMostHits);
    EXPECT_EQ(hits.added(), 2500u);
    EXPECT_EQ(hits.newest(0).startMs, 2500);
    EXPECT_EQ(hits.newest(kMostHits - 1).startMs, 1501);
}

} // namespace
} // namespace volna
