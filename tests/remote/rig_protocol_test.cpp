// SPDX-License-Identifier: GPL-3.0-or-later
// The rigctld protocol against a recording rig: one named row per line for the
// replies to every command in its plain and extended forms, refusals,
// malformed and unknown input and line ends; then framing of half lines and
// over-long lines, closing, and the capability block as a client reads it.

#include "remote/rig_protocol.h"

#include "support/recording_rig.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <vector>

namespace volna::test {
namespace {

// One line to a fresh session on a rig in the given state: the reply, and the
// tunes and switches the line asked of the rig.
struct Exchange {
    const char* name;
    std::string line;
    std::string reply;
    std::vector<double> tunes = {};
    std::vector<bool> switches = {};
    bool transmit = false;
    bool carrier = false;
    RigControl::Result result = RigControl::Result::Ok;
};

class RigProtocolRow : public ::testing::TestWithParam<Exchange> {};

TEST_P(RigProtocolRow, AnswersTheLineAndAsksTheRigOnlyWhatItSays) {
    const Exchange& e = GetParam();
    RecordingRig rig;
    rig.transmit = e.transmit;
    rig.carrier = e.carrier;
    rig.result = e.result;
    RigProtocol protocol(rig);
    EXPECT_EQ(protocol.feed(e.line), e.reply);
    EXPECT_EQ(rig.tunes, e.tunes);
    EXPECT_EQ(rig.switches, e.switches);
}

std::string rowName(const ::testing::TestParamInfo<Exchange>& info) {
    return info.param.name;
}

constexpr RigControl::Result kOutOfBand = RigControl::Result::OutOfBand;
constexpr RigControl::Result kRejected = RigControl::Result::Rejected;

// Reads answer their values one per line.
INSTANTIATE_TEST_SUITE_P(
    Reads, RigProtocolRow,
    ::testing::Values(Exchange{"f", "f\n", "145500000\n"},
                      Exchange{"get_freq", "\\get_freq\n", "145500000\n"},
                      Exchange{"t", "t\n", "0\n"}, Exchange{"get_ptt", "\\get_ptt\n", "0\n"},
                      Exchange{"m", "m\n", "FM\n15000\n"}, Exchange{"v", "v\n", "VFOA\n"},
                      Exchange{"s", "s\n", "0\nVFOA\n"}, Exchange{"chk_vfo", "\\chk_vfo\n", "0\n"},
                      Exchange{"get_powerstat", "\\get_powerstat\n", "1\n"},
                      Exchange{"get_lock_mode", "\\get_lock_mode\n", "0\nRPRT 0\n"},
                      Exchange{"get_dcd", "\\get_dcd\n", "0\n"},
                      Exchange{"dcd_byte", "\x8B\n", "0\n"},
                      Exchange{"t_transmitting", "t\n", "1\n", {}, {}, true},
                      Exchange{"get_dcd_busy", "\\get_dcd\n", "1\n", {}, {}, true, true},
                      Exchange{"dcd_byte_busy", "\x8B\n", "1\n", {}, {}, true, true}),
    rowName);

// Frequency arguments are decimals, split on runs of blanks.
INSTANTIATE_TEST_SUITE_P(
    FrequencyArguments, RigProtocolRow,
    ::testing::Values(
        Exchange{"fraction", "F 145500000.000000\n", "RPRT 0\n", {145500000}},
        Exchange{"two_blanks", "F  145500000\n", "RPRT 0\n", {145500000}},
        Exchange{"long_name_tab", "\\set_freq\t145500055 \n", "RPRT 0\n", {145500055}},
        Exchange{"word", "F abc\n", "RPRT -1\n"}, Exchange{"missing", "F\n", "RPRT -1\n"},
        Exchange{"with_vfo", "F 145500000 VFOA\n", "RPRT -1\n"},
        Exchange{"trailing_letters", "F 145500000abc\n", "RPRT -1\n"},
        Exchange{"exponent", "F 1.455e8\n", "RPRT -1\n"}, Exchange{"nan", "F nan\n", "RPRT -1\n"},
        Exchange{"point", "F .\n", "RPRT -1\n"}),
    rowName);

// Transmit levels above zero all key; others are refused without asking the rig.
INSTANTIATE_TEST_SUITE_P(
    TransmitLevels, RigProtocolRow,
    ::testing::Values(Exchange{"one", "T 1\n", "RPRT 0\n", {}, {true}},
                      Exchange{"long_name_zero", "\\set_ptt 0\n", "RPRT 0\n", {}, {false}},
                      Exchange{"three", "T 3\n", "RPRT 0\n", {}, {true}},
                      Exchange{"five", "T 5\n", "RPRT -1\n"},
                      Exchange{"word", "T on\n", "RPRT -1\n"},
                      Exchange{"missing", "T\n", "RPRT -1\n"},
                      Exchange{"two", "T 1 1\n", "RPRT -1\n"}),
    rowName);

// The rig's refusals become their status codes.
INSTANTIATE_TEST_SUITE_P(
    Refusals, RigProtocolRow,
    ::testing::Values(
        Exchange{
            "out_of_band", "F 150000000\n", "RPRT -1\n", {150000000}, {}, false, false, kOutOfBand},
        Exchange{"tune_rejected",
                 "F 145500000\n",
                 "RPRT -9\n",
                 {145500000},
                 {},
                 false,
                 false,
                 kRejected},
        Exchange{"transmit_rejected", "T 1\n", "RPRT -9\n", {}, {true}, false, false, kRejected}),
    rowName);

// Mode, VFO and split take only what the radio has.
INSTANTIATE_TEST_SUITE_P(ModeVfoAndSplit, RigProtocolRow,
                         ::testing::Values(Exchange{"fm_passband", "M FM 12500\n", "RPRT 0\n"},
                                           Exchange{"fm_default_passband", "M FM -1\n", "RPRT 0\n"},
                                           Exchange{"fm", "M FM\n", "RPRT 0\n"},
                                           Exchange{"usb", "M USB 2400\n", "RPRT -1\n"},
                                           Exchange{"fm_word_passband", "M FM wide\n", "RPRT -1\n"},
                                           Exchange{"mode_missing", "M\n", "RPRT -1\n"},
                                           Exchange{"vfo_a", "V VFOA\n", "RPRT 0\n"},
                                           Exchange{"vfo_b", "V VFOB\n", "RPRT -11\n"},
                                           Exchange{"vfo_word", "V VFOX\n", "RPRT -1\n"},
                                           Exchange{"split_off", "S 0\n", "RPRT 0\n"},
                                           Exchange{"split_off_vfo_a", "S 0 VFOA\n", "RPRT 0\n"},
                                           Exchange{"split_on", "S 1 VFOA\n", "RPRT -11\n"},
                                           Exchange{"split_off_vfo_b", "S 0 VFOB\n", "RPRT 0\n"},
                                           Exchange{"split_off_vfo_word", "S 0 VFOX\n",
                                                    "RPRT -1\n"},
                                           Exchange{"split_word", "S x\n", "RPRT -1\n"}),
                         rowName);

// Extended replies name the command, label the values and end with the status.
INSTANTIATE_TEST_SUITE_P(
    Extended, RigProtocolRow,
    ::testing::Values(
        Exchange{"plus_f", "+f\n", "get_freq:\nFrequency: 145500000\nRPRT 0\n"},
        Exchange{"semicolon_f", ";f\n", "get_freq:;Frequency: 145500000;RPRT 0\n"},
        Exchange{"bar_m", "|m\n", "get_mode:|Mode: FM|Passband: 15000|RPRT 0\n"},
        Exchange{"plus_s", "+s\n", "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n"},
        Exchange{"comma_t", ",t\n", "get_ptt:,PTT: 0,RPRT 0\n"},
        Exchange{"plus_get_dcd", "+\\get_dcd\n", "get_dcd:\nDCD: 0\nRPRT 0\n"},
        Exchange{"plus_F", "+F  145525000\n", "set_freq: 145525000\nRPRT 0\n", {145525000}},
        Exchange{"bar_T", "|T 1\n", "set_ptt: 1|RPRT 0\n", {}, {true}},
        Exchange{"plus_F_word", "+F abc\n", "set_freq: abc\nRPRT -1\n"},
        Exchange{"plus_q", "+q\n", "RPRT 0\n"},
        Exchange{"semicolon_T_rejected",
                 ";T 1\n",
                 "set_ptt: 1;RPRT -9\n",
                 {},
                 {true},
                 false,
                 false,
                 kRejected}),
    rowName);

// One line about the repeater shift to a rig whose transmit offset is the
// row's; the replies are those of rigctld's dummy rig set to the same shift.
struct ShiftExchange {
    const char* name;
    std::int64_t shiftHz;
    const char* line;
    const char* reply;
};

class RigProtocolShiftRow : public ::testing::TestWithParam<ShiftExchange> {};

TEST_P(RigProtocolShiftRow, TheTransmitOffsetIsTheRepeaterShiftAndOnlyReadable) {
    RecordingRig rig;
    rig.shiftHz = GetParam().shiftHz;
    RigProtocol protocol(rig);
    EXPECT_EQ(protocol.feed(GetParam().line), GetParam().reply);
    EXPECT_TRUE(rig.tunes.empty());
    EXPECT_TRUE(rig.switches.empty());
}

INSTANTIATE_TEST_SUITE_P(
    RepeaterShift, RigProtocolShiftRow,
    ::testing::Values(
        ShiftExchange{"r_below", -600000, "r\n", "-\n"},
        ShiftExchange{"r_above", 600000, "r\n", "+\n"}, ShiftExchange{"r_none", 0, "r\n", "None\n"},
        ShiftExchange{"get_rptr_shift", -600000, "\\get_rptr_shift\n", "-\n"},
        ShiftExchange{"plus_r", -600000, "+r\n", "get_rptr_shift:\nRptr Shift: -\nRPRT 0\n"},
        ShiftExchange{"plus_r_none", 0, "+r\n", "get_rptr_shift:\nRptr Shift: None\nRPRT 0\n"},
        ShiftExchange{"semicolon_r", -600000, ";r\n", "get_rptr_shift:;Rptr Shift: -;RPRT 0\n"},
        ShiftExchange{"bar_r", 0, "|r\n", "get_rptr_shift:|Rptr Shift: None|RPRT 0\n"},
        ShiftExchange{"comma_r", 600000, ",r\n", "get_rptr_shift:,Rptr Shift: +,RPRT 0\n"},
        ShiftExchange{"o_below", -600000, "o\n", "600000\n"},
        ShiftExchange{"o_above", 1600000, "o\n", "1600000\n"},
        ShiftExchange{"o_none", 0, "o\n", "0\n"},
        ShiftExchange{"plus_get_rptr_offs", -600000, "+\\get_rptr_offs\n",
                      "get_rptr_offs:\nRptr Offset: 600000\nRPRT 0\n"},
        ShiftExchange{"semicolon_o", -600000, ";o\n",
                      "get_rptr_offs:;Rptr Offset: 600000;RPRT 0\n"},
        ShiftExchange{"bar_o", 0, "|o\n", "get_rptr_offs:|Rptr Offset: 0|RPRT 0\n"},
        ShiftExchange{"comma_o", -600000, ",o\n", "get_rptr_offs:,Rptr Offset: 600000,RPRT 0\n"},
        ShiftExchange{"set_shift", -600000, "R +\n", "RPRT -11\n"},
        ShiftExchange{"plus_set_shift", -600000, "+R +\n", "set_rptr_shift: +\nRPRT -11\n"},
        ShiftExchange{"set_offset", -600000, "\\set_rptr_offs 600000\n", "RPRT -11\n"},
        ShiftExchange{"semicolon_set_offset", -600000, ";O 0\n", "set_rptr_offs: 0;RPRT -11\n"}),
    [](const ::testing::TestParamInfo<ShiftExchange>& row) { return std::string(row.param.name); });

// The radio is always on: switching it on is taken, any other power state is
// not available; the replies are those of rigctld's dummy rig to the same line
// (which also ends the power status with a line end in the one-line forms).
INSTANTIATE_TEST_SUITE_P(
    PowerStatus, RigProtocolRow,
    ::testing::Values(
        Exchange{"on", "\\set_powerstat 1\n", "RPRT 0\n"},
        Exchange{"plus_on", "+\\set_powerstat 1\n", "set_powerstat: 1\nRPRT 0\n"},
        Exchange{"semicolon_on", ";\\set_powerstat 1\n", "set_powerstat: 1;RPRT 0\n"},
        Exchange{"bar_on", "|\\set_powerstat 1\n", "set_powerstat: 1|RPRT 0\n"},
        Exchange{"comma_on", ",\\set_powerstat 1\n", "set_powerstat: 1,RPRT 0\n"},
        Exchange{"off", "\\set_powerstat 0\n", "RPRT -11\n"},
        Exchange{"plus_off", "+\\set_powerstat 0\n", "set_powerstat: 0\nRPRT -11\n"},
        Exchange{"semicolon_off", ";\\set_powerstat 0\n", "set_powerstat: 0;RPRT -11\n"},
        Exchange{"bar_off", "|\\set_powerstat 0\n", "set_powerstat: 0|RPRT -11\n"},
        Exchange{"comma_off", ",\\set_powerstat 0\n", "set_powerstat: 0,RPRT -11\n"},
        Exchange{"standby", "\\set_powerstat 2\n", "RPRT -11\n"},
        Exchange{"word", "\\set_powerstat x\n", "RPRT -1\n"},
        Exchange{"plus_word", "+\\set_powerstat x\n", "set_powerstat: x\nRPRT -1\n"},
        Exchange{"missing", "\\set_powerstat\n", "RPRT -1\n"},
        Exchange{"two", "\\set_powerstat 1 1\n", "RPRT -1\n"},
        Exchange{"plus_get", "+\\get_powerstat\n", "get_powerstat:\nPower Status: 1\nRPRT 0\n"},
        Exchange{"semicolon_get", ";\\get_powerstat\n", "get_powerstat:;Power Status: 1\nRPRT 0\n"},
        Exchange{"bar_get", "|\\get_powerstat\n", "get_powerstat:|Power Status: 1\nRPRT 0\n"},
        Exchange{"comma_get", ",\\get_powerstat\n", "get_powerstat:,Power Status: 1\nRPRT 0\n"}),
    rowName);

// Every other line is answered not available.
INSTANTIATE_TEST_SUITE_P(NotAvailable, RigProtocolRow,
                         ::testing::Values(Exchange{"unknown_letter", "x\n", "RPRT -11\n"},
                                           Exchange{"doubled_letter", "ff\n", "RPRT -11\n"},
                                           Exchange{"no_blank", "F145500000\n", "RPRT -11\n"},
                                           Exchange{"level", "L AF 0.5\n", "RPRT -11\n"},
                                           Exchange{"long_name_suffix", "\\get_freqx\n",
                                                    "RPRT -11\n"},
                                           Exchange{"backslash", "\\\n", "RPRT -11\n"},
                                           Exchange{"plus", "+\n", "RPRT -11\n"},
                                           Exchange{"plus_unknown", "+k\n", "RPRT -11\n"},
                                           Exchange{"plus_unknown_long", "+\\get_twiddle 1\n",
                                                    "get_twiddle: 1\nRPRT -11\n"},
                                           Exchange{"binary", "\xff\xfe\x01\n", "RPRT -11\n"},
                                           Exchange{"nul", std::string("f\0\n", 3), "RPRT -11\n"},
                                           Exchange{"dcd_byte_twice", "\x8B\x8B\n", "RPRT -11\n"}),
                         rowName);

// Lines end with line feed, carriage return or both; blank lines are skipped.
INSTANTIATE_TEST_SUITE_P(
    LineEnds, RigProtocolRow,
    ::testing::Values(Exchange{"nothing", "", ""}, Exchange{"line_feed", "\n", ""},
                      Exchange{"blanks", " \t \r\n\r\n", ""}, Exchange{"unfinished", "f", ""},
                      Exchange{"crlf", "f\r\n", "145500000\n"},
                      Exchange{"cr", "f\rt\r", "145500000\n0\n"},
                      Exchange{"blank_between", "  f  \n\nv\n", "145500000\nVFOA\n"}),
    rowName);

class RigProtocolTest : public ::testing::Test {
protected:
    RecordingRig rig;
    RigProtocol protocol{rig};
};

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
    EXPECT_EQ(lines[5], "144000000 146000000 0x20 0 0 0x1 0x0");
    EXPECT_EQ(lines[7], "0x20 25000");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ptt_type=0x1"), lines.end());

    const std::string extended = RigProtocol(rig).feed("+\\dump_state\n");
    EXPECT_TRUE(extended.starts_with("dump_state:\n1\n"));
    EXPECT_TRUE(extended.ends_with("\ndone\nRPRT 0\n"));
    // As rigctld writes it, the block keeps its line ends in the one-line forms.
    const std::string oneLine = RigProtocol(rig).feed(";\\dump_state\n");
    EXPECT_TRUE(oneLine.starts_with("dump_state:;1\n2\n1\n"));
    EXPECT_TRUE(oneLine.ends_with("\ndone\nRPRT 0\n"));
}

} // namespace
} // namespace volna::test
