// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth/control_word.h"
#include "synth/simulated_radio.h"
#include "synth/wire_recorder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace volna {
namespace {

using Kind = WireStep::Kind;

// A port that notes the calls a decorator must pass on besides the writes.
class BatchCountingPort : public ParallelPort {
public:
    void out(int port, int value) override { operations.push_back({PortOp::Out, port, value}); }
    int in(int port) override {
        operations.push_back({PortOp::In, port, 200});
        return 200;
    }
    void sleep(int ms) override { operations.push_back({PortOp::Sleep, 0, ms}); }
    void beginBatch() override { ++begins; }
    void endBatch() override { ++ends; }
    std::string fault() const override { return "adapter gone"; }
    void addEmergencyDrop(EmergencyDrop&) const override { ++drops; }

    std::vector<PortOp> operations;
    int begins = 0;
    int ends = 0;
    mutable int drops = 0;
};

struct RecorderTest : ::testing::Test {
    RecorderTest() : subscription(recorder.transferRecorded.subscribe([this] { ++raised; })) {}

    BatchCountingPort inner;
    WireRecorder recorder{inner};
    int raised = 0;
    Subscription subscription;
};

TEST_F(RecorderTest, PassesEveryOperationOnAndKeepsOnlyDataWritesAndSleeps) {
    recorder.beginBatch();
    recorder.out(kDataRegister, 5);
    recorder.out(890, 4); // control register: passed on, not a line of the diagram
    EXPECT_EQ(recorder.in(kStatusRegister), 200);
    recorder.sleep(3);
    recorder.out(kDataRegister, 0);
    recorder.endBatch();
    const std::vector<PortOp> expected = {{PortOp::Out, kDataRegister, 5},
                                          {PortOp::Out, 890, 4},
                                          {PortOp::In, kStatusRegister, 200},
                                          {PortOp::Sleep, 0, 3},
                                          {PortOp::Out, kDataRegister, 0}};
    EXPECT_EQ(inner.operations, expected);
    EXPECT_EQ(inner.begins, 1);
    EXPECT_EQ(inner.ends, 1);
    EXPECT_EQ(recorder.fault(), "adapter gone");
    EmergencyDrop drop;
    recorder.addEmergencyDrop(drop);
    EXPECT_EQ(inner.drops, 1);
    const WireTransfer kept = {{Kind::Write, 5}, {Kind::Sleep, 3}, {Kind::Write, 0}};
    EXPECT_EQ(recorder.lastTransfer(), kept);
    EXPECT_EQ(raised, 1);
}

TEST_F(RecorderTest, OperationsOutsideABatchAreNotKept) {
    recorder.out(kDataRegister, 8);
    recorder.sleep(1);
    recorder.endBatch(); // unmatched: passed on, changes nothing here
    EXPECT_EQ(inner.ends, 1);
    EXPECT_TRUE(recorder.lastTransfer().empty());
    EXPECT_EQ(raised, 0);
}

TEST_F(RecorderTest, NestedBatchesMakeOneTransferEndedByTheOutermostEnd) {
    recorder.beginBatch();
    recorder.out(kDataRegister, 1);
    recorder.beginBatch();
    recorder.out(kDataRegister, 3);
    recorder.endBatch();
    EXPECT_EQ(raised, 0);
    EXPECT_TRUE(recorder.lastTransfer().empty());
    recorder.out(kDataRegister, 0);
    recorder.endBatch();
    EXPECT_EQ(raised, 1);
    const WireTransfer kept = {{Kind::Write, 1}, {Kind::Write, 3}, {Kind::Write, 0}};
    EXPECT_EQ(recorder.lastTransfer(), kept);
    EXPECT_EQ(inner.begins, 2);
    EXPECT_EQ(inner.ends, 2);
}

TEST_F(RecorderTest, ATransferIsReplacedOnlyWhenTheNextOneEnds) {
    recorder.beginBatch();
    recorder.out(kDataRegister, 1);
    recorder.endBatch();
    recorder.beginBatch();
    recorder.out(kDataRegister, 9);
    EXPECT_EQ(recorder.lastTransfer(), (WireTransfer{{Kind::Write, 1}}));
    recorder.endBatch();
    EXPECT_EQ(recorder.lastTransfer(), (WireTransfer{{Kind::Write, 9}}));
    EXPECT_EQ(raised, 2);
}

TEST_F(RecorderTest, ABatchWithoutWritesKeepsTheLastTransferAndRaisesNothing) {
    recorder.beginBatch();
    recorder.out(kDataRegister, 1);
    recorder.endBatch();
    recorder.beginBatch();
    recorder.sleep(5);
    recorder.out(890, 1);
    recorder.endBatch();
    EXPECT_EQ(recorder.lastTransfer(), (WireTransfer{{Kind::Write, 1}}));
    EXPECT_EQ(raised, 1);
    // The dropped sleep does not leak into the next transfer.
    recorder.beginBatch();
    recorder.out(kDataRegister, 2);
    recorder.endBatch();
    EXPECT_EQ(recorder.lastTransfer(), (WireTransfer{{Kind::Write, 2}}));
}

TEST_F(RecorderTest, ABatchThatRunsOnKeepsNoMoreThanTheCap) {
    recorder.beginBatch();
    for (int i = 0; i < 5000; ++i) {
        recorder.out(kDataRegister, i & 15);
    }
    recorder.endBatch();
    EXPECT_EQ(recorder.lastTransfer().size(), kMaxWireSteps);
    EXPECT_EQ(inner.operations.size(), 5000u); // every write still reached the port
}

TEST(WireRecorder, EachClockedWordIsOneTransferWithItsExactWrites) {
    SimulatedRadio radio;
    WireRecorder recorder(radio);
    int raised = 0;
    const Subscription subscription = recorder.transferRecorded.subscribe([&] { ++raised; });
    const ControlBits word = buildControlWord(5332.0f);
    for (int i = 0; i < 3; ++i) {
        radio.clearOperations();
        clockOutWord(recorder, word, 2, 1, i == 1);
        std::vector<int> writes;
        int sleeps = 0;
        for (const WireStep& step : recorder.lastTransfer()) {
            if (step.kind == Kind::Write) {
                writes.push_back(step.value);
            } else {
                ++sleeps;
            }
        }
        EXPECT_EQ(writes, radio.writes());
        EXPECT_EQ(sleeps, 48);
    }
    EXPECT_EQ(raised, 3);
    EXPECT_EQ(radio.wordCount(), 3);
}

TEST(WireRecorder, OnceWarmTheTwoBuffersAreReusedInTurn) {
    SimulatedRadio radio(SimulatedRadio::History::Nothing);
    WireRecorder recorder(radio);
    const ControlBits word = buildControlWord(5332.0f);
    std::set<const WireStep*> buffers;
    for (int i = 0; i < 10; ++i) {
        clockOutWord(recorder, word, 1, 1, false);
        buffers.insert(recorder.lastTransfer().data());
    }
    EXPECT_EQ(buffers.size(), 2u);
}

} // namespace
} // namespace volna
