// SPDX-License-Identifier: GPL-3.0-or-later
// The network clients' sessions without sockets: a keyer that vanishes leaves
// the transmitter in receive, a box open or not, if its own transmission is
// still on the air; anyone else leaving or a "q" changes nothing, tunes
// and keying that would change something are refused while a box is open,
// and a full table closes the session idle longest.

#include "remote/rig_protocol.h"
#include "remote/rig_sessions.h"
#include "support/accepting_rig.h"
#include "support/row_names.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace volna::test {
namespace {

class RigSessionsTest : public ::testing::Test {
protected:
    SessionId keyed() {
        const SessionId id = sessions.open().id;
        EXPECT_EQ(sessions.feed(id, "T 1\n"), "RPRT 0\n");
        EXPECT_TRUE(rig.transmit);
        return id;
    }

    AcceptingRig rig;
    bool boxOpen = false;
    RigSessions sessions{rig, [this] { return boxOpen; },
                         [](RigControl& r) { return std::make_unique<RigProtocol>(r); }};
};

TEST_F(RigSessionsTest, AKeyerThatVanishesIsUnkeyedAndOthersLeavingChangeNothing) {
    const SessionId listener = sessions.open().id;
    const SessionId keyer = keyed();
    EXPECT_EQ(sessions.feed(listener, "t\n"), "1\n");
    sessions.close(listener);
    EXPECT_TRUE(rig.transmit);
    sessions.close(keyer);
    EXPECT_FALSE(rig.transmit);
    EXPECT_EQ(sessions.size(), 0u);
}

TEST_F(RigSessionsTest, AKeyerThatSaysQuitEndsNormallyAndLeavesTheTransmitterAsItIs) {
    const SessionId keyer = sessions.open().id;
    EXPECT_EQ(sessions.feed(keyer, "T 1\nq\nT 0\n"), "RPRT 0\nRPRT 0\n");
    EXPECT_TRUE(sessions.closing(keyer));
    EXPECT_EQ(sessions.feed(keyer, "T 0\n"), "");
    sessions.close(keyer);
    EXPECT_TRUE(rig.transmit);
    EXPECT_EQ(rig.switches, 1);
}

TEST_F(RigSessionsTest, AnUnkeyedClientVanishingLeavesTheOperatorsTransmitterKeyed) {
    const SessionId keyer = keyed();
    EXPECT_EQ(sessions.feed(keyer, "T 0\n"), "RPRT 0\n");
    rig.transmit = true; // the operator keys by hand
    sessions.close(keyer);
    EXPECT_TRUE(rig.transmit);
}

TEST_F(RigSessionsTest, TunesAndSwitchingAreRefusedWhileABoxIsOpenAndReadsGoThrough) {
    const SessionId id = sessions.open().id;
    boxOpen = true;
    EXPECT_EQ(sessions.feed(id, "F 145500000\nT 1\nT 0\n+T 1\nf\nt\n"),
              "RPRT -9\nRPRT -9\nRPRT 0\nset_ptt: 1\nRPRT -9\n145000000\n0\n");
    EXPECT_EQ(rig.tunes, 0);
    EXPECT_EQ(rig.switches, 0);
    boxOpen = false;
    EXPECT_EQ(sessions.feed(id, "F 145500000\nT 1\n"), "RPRT 0\nRPRT 0\n");
    EXPECT_EQ(rig.tunes, 1);
    EXPECT_TRUE(rig.transmit);
}

// One line while a message box is open, to a rig on 145 MHz at 25 kHz a notch
// that is receiving or transmitting.
struct HeldCase {
    const char* name;
    const char* line;
    const char* reply;
    bool transmit = false;
};

class RigSessionsHeldTest : public RigSessionsTest,
                            public ::testing::WithParamInterface<HeldCase> {};

TEST_P(RigSessionsHeldTest, WhileABoxIsOpenOnlyAChangeIsRefusedAndTheRigIsNeverAsked) {
    const HeldCase& c = GetParam();
    rig.transmit = c.transmit;
    const SessionId id = sessions.open().id;
    boxOpen = true;
    EXPECT_EQ(sessions.feed(id, c.line), c.reply);
    EXPECT_EQ(rig.tunes, 0);
    EXPECT_EQ(rig.switches, 0);
    EXPECT_EQ(rig.transmit, c.transmit);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RigSessionsHeldTest,
    ::testing::Values(HeldCase{"TuneToTheNotchOnTheSlider", "F 145000000.000000\n", "RPRT 0\n"},
                      HeldCase{"TuneWithinHalfANotchAbove", "F 145012400\n", "RPRT 0\n"},
                      HeldCase{"TuneWithinHalfANotchBelow", "\\set_freq 144987600\n", "RPRT 0\n"},
                      HeldCase{"TuneToTheNextNotch", "F 145025000\n", "RPRT -9\n"},
                      HeldCase{"TuneJustPastHalfANotch", "F 145012600\n", "RPRT -9\n"},
                      HeldCase{"TuneOutOfBand", "F 150000000\n", "RPRT -9\n"},
                      HeldCase{"TuneToAWord", "F abc\n", "RPRT -1\n"},
                      HeldCase{"ExtendedTuneToTheNotch", "+F 145000000\n",
                               "set_freq: 145000000\nRPRT 0\n"},
                      HeldCase{"ReceiveWhileReceiving", "T 0\n", "RPRT 0\n"},
                      HeldCase{"KeyWhileReceiving", "T 1\n", "RPRT -9\n"},
                      HeldCase{"KeyWhileTransmitting", "T 1\n", "RPRT 0\n", true},
                      HeldCase{"DataKeyWhileTransmitting", ";T 3\n", "set_ptt: 3;RPRT 0\n", true},
                      HeldCase{"PollWhileTransmitting", "f\nt\n", "145000000\n1\n", true}),
    rowNameOf<HeldCase>);

TEST_F(RigSessionsTest, AVanishedKeyerUnkeysOnlyItsOwnTransmissionABoxOpenOrNot) {
    const SessionId keyer = keyed();
    const SessionId other = sessions.open().id;
    EXPECT_EQ(sessions.feed(other, "T 1\n"), "RPRT 0\n"); // the keyer's transmission still
    boxOpen = true;
    sessions.close(keyer);
    EXPECT_FALSE(rig.transmit);
    boxOpen = false;
    const SessionId next = keyed();
    EXPECT_EQ(sessions.feed(other, "T 0\nT 1\n"), "RPRT 0\nRPRT 0\n"); // one of its own
    sessions.close(next);
    EXPECT_TRUE(rig.transmit);
}

// Answers as the rig protocol does, then runs `meanwhile`: what a message
// box opened by the request lets the event loop do before the answer returns.
class BoxAfterAnswer : public RigProtocol {
public:
    BoxAfterAnswer(RigControl& rig, std::function<void()>& meanwhile)
        : RigProtocol(rig), meanwhile_(meanwhile) {}

protected:
    std::string answerLine(std::string_view line) override {
        std::string reply = RigProtocol::answerLine(line);
        if (meanwhile_) {
            meanwhile_();
        }
        return reply;
    }

private:
    std::function<void()>& meanwhile_;
};

TEST_F(RigSessionsTest, AKeyerThatVanishesWhileItsOwnRequestIsAnsweredIsUnkeyed) {
    std::function<void()> meanwhile;
    RigSessions boxed{
        rig, [] { return false; },
        [&meanwhile](RigControl& r) { return std::make_unique<BoxAfterAnswer>(r, meanwhile); }};
    const SessionId keyer = boxed.open().id;
    meanwhile = [&] { boxed.close(keyer); };
    EXPECT_EQ(boxed.feed(keyer, "T 1\n"), "RPRT 0\n");
    EXPECT_FALSE(rig.transmit);
    EXPECT_EQ(boxed.size(), 0u);
}

TEST_F(RigSessionsTest, AFullTableClosesTheSessionIdleLongestAsIfItHadVanished) {
    const SessionId keyer = keyed();
    std::vector<SessionId> others;
    for (std::size_t n = 1; n < RigSessions::kMaxSessions; ++n) {
        const RigSessions::Opened opened = sessions.open();
        EXPECT_FALSE(opened.evicted) << n;
        others.push_back(opened.id);
    }
    EXPECT_EQ(sessions.feed(others[0], "f\n"), "145000000\n");
    // others[1] has sent nothing since it opened; the keyer spoke before it.
    const RigSessions::Opened first = sessions.open();
    EXPECT_EQ(first.evicted, keyer);
    EXPECT_FALSE(rig.transmit);
    EXPECT_EQ(sessions.feed(keyer, "f\n"), "");
    const RigSessions::Opened second = sessions.open();
    EXPECT_EQ(second.evicted, others[1]);
    EXPECT_EQ(sessions.size(), RigSessions::kMaxSessions);
    EXPECT_EQ(sessions.feed(second.id, "f\n"), "145000000\n");
}

TEST_F(RigSessionsTest, EachSessionFramesItsOwnLinesAndUnknownSessionsAreIgnored) {
    const SessionId a = sessions.open().id;
    const SessionId b = sessions.open().id;
    EXPECT_EQ(sessions.feed(a, "T"), "");
    EXPECT_EQ(sessions.feed(b, " 1\nt\n"), "RPRT -11\n0\n");
    EXPECT_EQ(sessions.feed(a, " 1\n"), "RPRT 0\n");
    const SessionId gone = 999;
    EXPECT_EQ(sessions.feed(gone, "T 0\n"), "");
    EXPECT_FALSE(sessions.closing(gone));
    sessions.close(gone);
    EXPECT_TRUE(rig.transmit);
    EXPECT_EQ(sessions.size(), 2u);
}

} // namespace
} // namespace volna::test
