// The rigctld protocol against a recording rig: replies to every command in its
// plain and extended forms, refusals, malformed and unknown input, framing of
// half lines and over-long lines, closing, and the capability block as a client
// reads it.

#include "remote/rig_protocol.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <vector>

namespace volna::test {
namespace {

class RecordingRig : public RigControl {
public:
    std::int64_t frequencyHz() override { return 145500000; }
    Result tune(double hz) override {
        tunes.push_back(hz);
        return result;
    }
    bool transmitting() override { return transmit; }
    Result setTransmit(bool on) override {
        switches.push_back(on);
        return result;
    }
    bool busy() override { return carrier; }
    std::int64_t lowestHz() const override { return 144000000; }
    std::int64_t highestHz() const override { return 146000000; }
    std::int64_t stepHz() const override { return 25000; }

    Result result = Result::Ok;
    bool transmit = false;
    bool carrier = false;
    std::vector<double> tunes;
    std::vector<bool> switches;
};

struct Exchange {
    std::string line;
    std::string reply;
};

class RigProtocolTest : public ::testing::Test {
protected:
    void expectReplies(const std::vector<Exchange>& table) {
        for (const Exchange& e : table) {
            SCOPED_TRACE(e.line);
            RigProtocol fresh(rig);
            EXPECT_EQ(fresh.feed(e.line), e.reply);
        }
    }

    RecordingRig rig;
    RigProtocol protocol{rig};
};

TEST_F(RigProtocolTest, ReadsAnswerTheirValuesOnePerLine) {
    expectReplies({{"f\n", "145500000\n"},
                   {"\\get_freq\n", "145500000\n"},
                   {"t\n", "0\n"},
                   {"\\get_ptt\n", "0\n"},
                   {"m\n", "FM\n15000\n"},
                   {"v\n", "VFOA\n"},
                   {"s\n", "0\nVFOA\n"},
                   {"\\chk_vfo\n", "0\n"},
                   {"\\get_powerstat\n", "1\n"},
                   {"\\get_lock_mode\n", "0\n"},
                   {"\\get_dcd\n", "0\n"},
                   {"\x8B\n", "0\n"}});
    rig.transmit = true;
    rig.carrier = true;
    expectReplies({{"t\n", "1\n"}, {"\\get_dcd\n", "1\n"}, {"\x8B\n", "1\n"}});
}

TEST_F(RigProtocolTest, FrequencyArgumentsAreDecimalsSplitOnRunsOfBlanks) {
    expectReplies({{"F 145500000.000000\n", "RPRT 0\n"},
                   {"F  145500000\n", "RPRT 0\n"},
                   {"\\set_freq\t145500055 \n", "RPRT 0\n"},
                   {"F abc\n", "RPRT -1\n"},
                   {"F\n", "RPRT -1\n"},
                   {"F 145500000 VFOA\n", "RPRT -1\n"},
                   {"F 145500000abc\n", "RPRT -1\n"},
                   {"F 1.455e8\n", "RPRT -1\n"},
                   {"F nan\n", "RPRT -1\n"},
                   {"F .\n", "RPRT -1\n"}});
    EXPECT_EQ(rig.tunes, (std::vector<double>{145500000, 145500000, 145500055}));
}

TEST_F(RigProtocolTest, TransmitLevelsAboveZeroAllKeyAndOthersAreRefusedUnasked) {
    expectReplies({{"T 1\n", "RPRT 0\n"},
                   {"\\set_ptt 0\n", "RPRT 0\n"},
                   {"T 3\n", "RPRT 0\n"},
                   {"T 5\n", "RPRT -1\n"},
                   {"T on\n", "RPRT -1\n"},
                   {"T\n", "RPRT -1\n"},
                   {"T 1 1\n", "RPRT -1\n"}});
    EXPECT_EQ(rig.switches, (std::vector<bool>{true, false, true}));
}

TEST_F(RigProtocolTest, TheRigsRefusalsBecomeTheirStatusCodes) {
    rig.result = RigControl::Result::OutOfBand;
    expectReplies({{"F 150000000\n", "RPRT -1\n"}});
    rig.result = RigControl::Result::Rejected;
    expectReplies({{"F 145500000\n", "RPRT -9\n"}, {"T 1\n", "RPRT -9\n"}});
}

TEST_F(RigProtocolTest, ModeVfoAndSplitTakeOnlyWhatTheRadioHas) {
    expectReplies({{"M FM 12500\n", "RPRT 0\n"},
                   {"M FM -1\n", "RPRT 0\n"},
                   {"M FM\n", "RPRT 0\n"},
                   {"M USB 2400\n", "RPRT -1\n"},
                   {"M FM wide\n", "RPRT -1\n"},
                   {"M\n", "RPRT -1\n"},
                   {"V VFOA\n", "RPRT 0\n"},
                   {"V VFOB\n", "RPRT -1\n"},
                   {"S 0\n", "RPRT 0\n"},
                   {"S 0 VFOA\n", "RPRT 0\n"},
                   {"S 1 VFOA\n", "RPRT -11\n"},
                   {"S 0 VFOB\n", "RPRT -1\n"},
                   {"S x\n", "RPRT -1\n"}});
}

TEST_F(RigProtocolTest, ExtendedRepliesNameTheCommandLabelTheValuesAndEndWithTheStatus) {
    expectReplies({{"+f\n", "get_freq:\nFrequency: 145500000\nRPRT 0\n"},
                   {";f\n", "get_freq:;Frequency: 145500000;RPRT 0\n"},
                   {"|m\n", "get_mode:|Mode: FM|Passband: 15000|RPRT 0\n"},
                   {"+s\n", "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n"},
                   {",t\n", "get_ptt:,PTT: 0,RPRT 0\n"},
                   {"+\\get_dcd\n", "get_dcd:\nDCD: 0\nRPRT 0\n"},
                   {"+F  145525000\n", "set_freq: 145525000\nRPRT 0\n"},
                   {"|T 1\n", "set_ptt: 1|RPRT 0\n"},
                   {"+F abc\n", "set_freq: abc\nRPRT -1\n"},
                   {"+q\n", "RPRT 0\n"}});
    rig.result = RigControl::Result::Rejected;
    expectReplies({{";T 1\n", "set_ptt: 1;RPRT -9\n"}});
}

TEST_F(RigProtocolTest, EveryOtherLineIsAnsweredNotAvailable) {
    expectReplies({{"x\n", "RPRT -11\n"},
                   {"ff\n", "RPRT -11\n"},
                   {"F145500000\n", "RPRT -11\n"},
                   {"L AF 0.5\n", "RPRT -11\n"},
                   {"\\set_powerstat 0\n", "RPRT -11\n"},
                   {"\\get_freqx\n", "RPRT -11\n"},
                   {"\\\n", "RPRT -11\n"},
                   {"+\n", "RPRT -11\n"},
                   {"+x\n", "RPRT -11\n"},
                   {"\xff\xfe\x01\n", "RPRT -11\n"},
                   {std::string("f\0\n", 3), "RPRT -11\n"},
                   {"\x8B\x8B\n", "RPRT -11\n"}});
}

TEST_F(RigProtocolTest, LinesEndWithLineFeedCarriageReturnOrBothAndBlankLinesAreSkipped) {
    expectReplies({{"", ""},
                   {"\n", ""},
                   {" \t \r\n\r\n", ""},
                   {"f", ""},
                   {"f\r\n", "145500000\n"},
                   {"f\rt\r", "145500000\n0\n"},
                   {"  f  \n\nv\n", "145500000\nVFOA\n"}});
}

TEST_F(RigProtocolTest, TheClientsOpeningSequenceByteByByteGetsWhatItGetsInOneWrite) {
    const std::string opening =
        "\\chk_vfo\n\\dump_state\nv\nf\nf\ns\nm\n\\get_powerstat\nF 145500000.000000\nq\n";
    const std::string whole = RigProtocol(rig).feed(opening);
    std::string bytewise;
    for (char c : opening) {
        bytewise += protocol.feed(std::string_view(&c, 1));
    }
    EXPECT_EQ(bytewise, whole);
    EXPECT_TRUE(whole.starts_with("0\n1\n"));
    EXPECT_TRUE(whole.ends_with("done\nVFOA\n145500000\n145500000\n0\nVFOA\nFM\n15000\n1\n"
                                "RPRT 0\nRPRT 0\n"));
}

TEST_F(RigProtocolTest, ALineOfOneKibibyteIsServedAndALongerOneIsRefusedOnceAndDropped) {
    EXPECT_EQ(protocol.feed("f" + std::string(RigProtocol::kMaxLineBytes - 1, ' ') + "\n"),
              "145500000\n");
    EXPECT_EQ(protocol.feed("F 145500000" + std::string(RigProtocol::kMaxLineBytes, ' ')),
              "RPRT -8\n");
    std::string more;
    for (int i = 0; i < 1000; ++i) {
        more += protocol.feed(std::string(1000, i % 2 == 0 ? 'x' : '\x8B'));
    }
    EXPECT_EQ(more, "");
    EXPECT_EQ(protocol.feed("tail of the long line\nt\n"), "0\n");
    EXPECT_TRUE(rig.tunes.empty());
    EXPECT_EQ(protocol.feed(std::string(5000, 'f') + "\nf\n"), "RPRT -8\n145500000\n");
}

TEST_F(RigProtocolTest, QuitAnswersThenClosesAndNothingAfterItRuns) {
    EXPECT_EQ(protocol.feed("T 1\nq\nT 0\n"), "RPRT 0\nRPRT 0\n");
    EXPECT_TRUE(protocol.closing());
    EXPECT_EQ(protocol.feed("f\n"), "");
    EXPECT_EQ(rig.switches, std::vector<bool>{true});
    RigProtocol upper(rig);
    EXPECT_EQ(upper.feed("Q\n"), "RPRT 0\n");
    EXPECT_TRUE(upper.closing());
}

// Reads the capability block line by line in the order a client does; returns
// how many lines it used, or nothing where a line has the wrong shape.
std::optional<std::size_t> readCapabilities(const std::vector<std::string>& lines) {
    std::size_t at = 3; // version, model, region
    auto fields = [&](std::size_t i) {
        std::istringstream words(lines.at(i));
        std::size_t n = 0;
        for (std::string word; words >> word;) {
            ++n;
        }
        return n;
    };
    for (int list = 0; list < 2; ++list) { // receive, transmit ranges
        for (; lines.at(at) != "0 0 0 0 0 0 0"; ++at) {
            if (fields(at) != 7) {
                return std::nullopt;
            }
        }
        ++at;
    }
    for (int list = 0; list < 2; ++list) { // tuning steps, filters
        for (; lines.at(at) != "0 0"; ++at) {
            if (fields(at) != 2) {
                return std::nullopt;
            }
        }
        ++at;
    }
    at += 4 + 2 + 6; // RIT .. announcements, preamp, attenuator, six capability masks
    for (; lines.at(at) != "done"; ++at) {
        if (lines.at(at).find('=') == std::string::npos) {
            return std::nullopt;
        }
    }
    return at + 1;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(RigProtocolTest, TheCapabilityBlockIsVersionOneWithTheBandFmAndKeyingThroughTheProtocol) {
    const std::vector<std::string> lines = linesOf(protocol.feed("\\dump_state\n"));
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(readCapabilities(lines), lines.size());
    EXPECT_EQ(lines[3], "144000000 146000000 0x20 -1 -1 0x1 0x0");
    EXPECT_EQ(lines[5], lines[3]);
    EXPECT_EQ(lines[7], "0x20 25000");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ptt_type=0x1"), lines.end());

    const std::string extended = RigProtocol(rig).feed("+\\dump_state\n");
    EXPECT_TRUE(extended.starts_with("dump_state:\n1\n"));
    EXPECT_TRUE(extended.ends_with("\ndone\nRPRT 0\n"));
}

} // namespace
} // namespace volna::test
