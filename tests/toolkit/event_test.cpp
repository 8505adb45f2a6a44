// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/event.h"

#include "toolkit/program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace volna {
namespace {

TEST(EventTest, ListenersHearEachRaiseInOrderUntilTheirSubscriptionEnds) {
    Event<int> event;
    std::vector<std::string> heard;
    Subscription a = event.subscribe([&](int n) { heard.push_back("a" + std::to_string(n)); });
    {
        const Subscription b =
            event.subscribe([&](int n) { heard.push_back("b" + std::to_string(n)); });
        event.raise(1);
    }
    event.raise(2);
    Subscription moved = std::move(a);
    EXPECT_FALSE(a.active());
    event.raise(3);
    moved.reset();
    event.raise(4);
    EXPECT_EQ(heard, (std::vector<std::string>{"a1", "b1", "a2", "a3"}));
    EXPECT_EQ(event.listenerCount(), 0U);
}

// A listener that ends its own subscription, one that ends a later listener's,
// and one that subscribes a new listener, all during one raise.
TEST(EventTest, SubscriptionsMayEndOrBeginWhileTheEventRuns) {
    Event<> event;
    std::vector<std::string> heard;
    Subscription self;
    Subscription later;
    Subscription added;
    self = event.subscribe([&] {
        heard.push_back("self");
        self.reset();
    });
    const Subscription ender = event.subscribe([&] {
        heard.push_back("ender");
        later.reset();
        added = event.subscribe([&] { heard.push_back("added"); });
    });
    later = event.subscribe([&] { heard.push_back("later"); });
    event.raise();
    EXPECT_EQ(heard, (std::vector<std::string>{"self", "ender"}));
    heard.clear();
    added.reset();
    event.raise();
    EXPECT_EQ(heard, (std::vector<std::string>{"ender"}));
}

TEST(EventTest, ASubscriptionMayOutliveItsEvent) {
    auto event = std::make_unique<Event<>>();
    Subscription kept = event->subscribe([] {});
    event.reset();
    kept.reset();
    EXPECT_FALSE(kept.active());
}

TEST(EventTest, AnEndedAfterEventSubscriptionIsNotCalledAgain) {
    Program program;
    int calls = 0;
    Subscription after = program.addAfterEvent([&] { ++calls; });
    program.runEvent([] {});
    after.reset();
    program.runEvent([] {});
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace volna
