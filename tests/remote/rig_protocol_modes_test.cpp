// SPDX-License-Identifier: GPL-3.0-or-later
// Every reply the rigctld protocol gives, in each of its five response modes,
// against rigctld's own reply to the same line: the lines captured from
// Hamlib's rigctld where the radio answers alike, and rigctld's forms of
// refusal where it cannot.

#include "remote/rig_protocol.h"
#include "support/recording_rig.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace volna::test {
namespace {

// One line in the five response modes (plain, "+", ";", "|", ","), and the
// reply to each.
struct Captured {
    const char* name;
    const char* line;
    std::array<const char*, 5> replies;
};

class RigProtocolModesRow : public ::testing::TestWithParam<Captured> {};

TEST_P(RigProtocolModesRow, EveryResponseModeGivesRigctldsLinesAndSeparators) {
    constexpr std::array<const char*, 5> kPrefixes = {"", "+", ";", "|", ","};
    for (std::size_t mode = 0; mode < kPrefixes.size(); ++mode) {
        RecordingRig rig;
        RigProtocol protocol(rig);
        const std::string line = std::string(kPrefixes[mode]) + GetParam().line + "\n";
        EXPECT_EQ(protocol.feed(line), GetParam().replies[mode]) << line;
    }
}

// Captured from Hamlib 4.5's rigctld -m 1 (the dummy rig, set to 145.5 MHz with
// a 600 kHz shift below) for every command this radio answers alike.
INSTANTIATE_TEST_SUITE_P(
    AsRigctld, RigProtocolModesRow,
    ::testing::Values(
        Captured{"f",
                 "f",
                 {"145500000\n", "get_freq:\nFrequency: 145500000\nRPRT 0\n",
                  "get_freq:;Frequency: 145500000;RPRT 0\n",
                  "get_freq:|Frequency: 145500000|RPRT 0\n",
                  "get_freq:,Frequency: 145500000,RPRT 0\n"}},
        Captured{"get_freq",
                 "\\get_freq",
                 {"145500000\n", "get_freq:\nFrequency: 145500000\nRPRT 0\n",
                  "get_freq:;Frequency: 145500000;RPRT 0\n",
                  "get_freq:|Frequency: 145500000|RPRT 0\n",
                  "get_freq:,Frequency: 145500000,RPRT 0\n"}},
        Captured{"t",
                 "t",
                 {"0\n", "get_ptt:\nPTT: 0\nRPRT 0\n", "get_ptt:;PTT: 0;RPRT 0\n",
                  "get_ptt:|PTT: 0|RPRT 0\n", "get_ptt:,PTT: 0,RPRT 0\n"}},
        Captured{"m",
                 "m",
                 {"FM\n15000\n", "get_mode:\nMode: FM\nPassband: 15000\nRPRT 0\n",
                  "get_mode:;Mode: FM;Passband: 15000;RPRT 0\n",
                  "get_mode:|Mode: FM|Passband: 15000|RPRT 0\n",
                  "get_mode:,Mode: FM,Passband: 15000,RPRT 0\n"}},
        Captured{"v",
                 "v",
                 {"VFOA\n", "get_vfo:\nVFO: VFOA\nRPRT 0\n", "get_vfo:;VFO: VFOA;RPRT 0\n",
                  "get_vfo:|VFO: VFOA|RPRT 0\n", "get_vfo:,VFO: VFOA,RPRT 0\n"}},
        Captured{"s",
                 "s",
                 {"0\nVFOA\n", "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n",
                  "get_split_vfo:;Split: 0;TX VFO: VFOA;RPRT 0\n",
                  "get_split_vfo:|Split: 0|TX VFO: VFOA|RPRT 0\n",
                  "get_split_vfo:,Split: 0,TX VFO: VFOA,RPRT 0\n"}},
        Captured{"chk_vfo",
                 "\\chk_vfo",
                 {"0\n", "ChkVFO: 0\n", "ChkVFO: 0\n\n", "ChkVFO: 0\n\n", "ChkVFO: 0\n\n"}},
        Captured{"get_powerstat",
                 "\\get_powerstat",
                 {"1\n", "get_powerstat:\nPower Status: 1\nRPRT 0\n",
                  "get_powerstat:;Power Status: 1\nRPRT 0\n",
                  "get_powerstat:|Power Status: 1\nRPRT 0\n",
                  "get_powerstat:,Power Status: 1\nRPRT 0\n"}},
        Captured{"get_lock_mode",
                 "\\get_lock_mode",
                 {"0\nRPRT 0\n", "get_lock_mode:\nLocked: 0\nRPRT 0\n",
                  "get_lock_mode:;Locked: 0\nRPRT 0\n", "get_lock_mode:|Locked: 0\nRPRT 0\n",
                  "get_lock_mode:,Locked: 0\nRPRT 0\n"}},
        Captured{"r",
                 "r",
                 {"-\n", "get_rptr_shift:\nRptr Shift: -\nRPRT 0\n",
                  "get_rptr_shift:;Rptr Shift: -;RPRT 0\n",
                  "get_rptr_shift:|Rptr Shift: -|RPRT 0\n",
                  "get_rptr_shift:,Rptr Shift: -,RPRT 0\n"}},
        Captured{"o",
                 "o",
                 {"600000\n", "get_rptr_offs:\nRptr Offset: 600000\nRPRT 0\n",
                  "get_rptr_offs:;Rptr Offset: 600000;RPRT 0\n",
                  "get_rptr_offs:|Rptr Offset: 600000|RPRT 0\n",
                  "get_rptr_offs:,Rptr Offset: 600000,RPRT 0\n"}},
        Captured{"F_145500000",
                 "F 145500000",
                 {"RPRT 0\n", "set_freq: 145500000\nRPRT 0\n", "set_freq: 145500000;RPRT 0\n",
                  "set_freq: 145500000|RPRT 0\n", "set_freq: 145500000,RPRT 0\n"}},
        Captured{"T_0",
                 "T 0",
                 {"RPRT 0\n", "set_ptt: 0\nRPRT 0\n", "set_ptt: 0;RPRT 0\n", "set_ptt: 0|RPRT 0\n",
                  "set_ptt: 0,RPRT 0\n"}},
        Captured{"M_FM_12500",
                 "M FM 12500",
                 {"RPRT 0\n", "set_mode: FM 12500\nRPRT 0\n", "set_mode: FM 12500;RPRT 0\n",
                  "set_mode: FM 12500|RPRT 0\n", "set_mode: FM 12500,RPRT 0\n"}},
        Captured{"M_FMN_0",
                 "M FMN 0",
                 {"RPRT 0\n", "set_mode: FMN 0\nRPRT 0\n", "set_mode: FMN 0;RPRT 0\n",
                  "set_mode: FMN 0|RPRT 0\n", "set_mode: FMN 0,RPRT 0\n"}},
        Captured{"M_FM_minus1",
                 "M FM -1",
                 {"RPRT 0\n", "set_mode: FM -1\nRPRT 0\n", "set_mode: FM -1;RPRT 0\n",
                  "set_mode: FM -1|RPRT 0\n", "set_mode: FM -1,RPRT 0\n"}},
        Captured{"V_VFOA",
                 "V VFOA",
                 {"RPRT 0\n", "set_vfo: VFOA\nRPRT 0\n", "set_vfo: VFOA;RPRT 0\n",
                  "set_vfo: VFOA|RPRT 0\n", "set_vfo: VFOA,RPRT 0\n"}},
        Captured{"V_currVFO",
                 "V currVFO",
                 {"RPRT 0\n", "set_vfo: currVFO\nRPRT 0\n", "set_vfo: currVFO;RPRT 0\n",
                  "set_vfo: currVFO|RPRT 0\n", "set_vfo: currVFO,RPRT 0\n"}},
        Captured{"S_0_VFOA",
                 "S 0 VFOA",
                 {"RPRT 0\n", "set_split_vfo: 0 VFOA\nRPRT 0\n", "set_split_vfo: 0 VFOA;RPRT 0\n",
                  "set_split_vfo: 0 VFOA|RPRT 0\n", "set_split_vfo: 0 VFOA,RPRT 0\n"}},
        Captured{"S_0_VFOB",
                 "S 0 VFOB",
                 {"RPRT 0\n", "set_split_vfo: 0 VFOB\nRPRT 0\n", "set_split_vfo: 0 VFOB;RPRT 0\n",
                  "set_split_vfo: 0 VFOB|RPRT 0\n", "set_split_vfo: 0 VFOB,RPRT 0\n"}},
        Captured{"S_0_Sub",
                 "S 0 Sub",
                 {"RPRT 0\n", "set_split_vfo: 0 Sub\nRPRT 0\n", "set_split_vfo: 0 Sub;RPRT 0\n",
                  "set_split_vfo: 0 Sub|RPRT 0\n", "set_split_vfo: 0 Sub,RPRT 0\n"}},
        Captured{"S_0_currVFO",
                 "S 0 currVFO",
                 {"RPRT 0\n", "set_split_vfo: 0 currVFO\nRPRT 0\n",
                  "set_split_vfo: 0 currVFO;RPRT 0\n", "set_split_vfo: 0 currVFO|RPRT 0\n",
                  "set_split_vfo: 0 currVFO,RPRT 0\n"}},
        Captured{"set_powerstat_1",
                 "\\set_powerstat 1",
                 {"RPRT 0\n", "set_powerstat: 1\nRPRT 0\n", "set_powerstat: 1;RPRT 0\n",
                  "set_powerstat: 1|RPRT 0\n", "set_powerstat: 1,RPRT 0\n"}},
        Captured{"get_vfo_info_VFOA",
                 "\\get_vfo_info VFOA",
                 {"145500000\nFM\n15000\n0\n0\n",
                  "get_vfo_info: VFOA\nFreq: 145500000\nMode: FM\nWidth: 15000\nSplit: 0\nSatMode: "
                  "0\nRPRT 0\n",
                  "get_vfo_info: VFOA;Freq: 145500000;Mode: FM;Width: 15000;Split: 0;SatMode: "
                  "0;RPRT 0\n",
                  "get_vfo_info: VFOA|Freq: 145500000|Mode: FM|Width: 15000|Split: 0|SatMode: "
                  "0|RPRT 0\n",
                  "get_vfo_info: VFOA,Freq: 145500000,Mode: FM,Width: 15000,Split: 0,SatMode: "
                  "0,RPRT 0\n"}},
        Captured{"get_vfo_info_currVFO",
                 "\\get_vfo_info currVFO",
                 {"145500000\nFM\n15000\n0\n0\n",
                  "get_vfo_info: currVFO\nFreq: 145500000\nMode: FM\nWidth: 15000\nSplit: "
                  "0\nSatMode: 0\nRPRT 0\n",
                  "get_vfo_info: currVFO;Freq: 145500000;Mode: FM;Width: 15000;Split: 0;SatMode: "
                  "0;RPRT 0\n",
                  "get_vfo_info: currVFO|Freq: 145500000|Mode: FM|Width: 15000|Split: 0|SatMode: "
                  "0|RPRT 0\n",
                  "get_vfo_info: currVFO,Freq: 145500000,Mode: FM,Width: 15000,Split: 0,SatMode: "
                  "0,RPRT 0\n"}}),
    [](const ::testing::TestParamInfo<Captured>& row) { return std::string(row.param.name); });

// What the radio cannot do (split, a second VFO, other modes, levels) is
// refused in the form rigctld gives its own refusals: the command's name and
// arguments, then the status. The program's own description takes the place
// of the dummy's, in the dummy's lines; the rig description's checksum is
// zlib's CRC-32 of the lines before it.
INSTANTIATE_TEST_SUITE_P(
    RefusedOrOwn, RigProtocolModesRow,
    ::testing::Values(
        Captured{"split_on",
                 "S 1 VFOA",
                 {"RPRT -11\n", "set_split_vfo: 1 VFOA\nRPRT -11\n",
                  "set_split_vfo: 1 VFOA;RPRT -11\n", "set_split_vfo: 1 VFOA|RPRT -11\n",
                  "set_split_vfo: 1 VFOA,RPRT -11\n"}},
        Captured{"split_on_vfo_b",
                 "S 1 VFOB",
                 {"RPRT -11\n", "set_split_vfo: 1 VFOB\nRPRT -11\n",
                  "set_split_vfo: 1 VFOB;RPRT -11\n", "set_split_vfo: 1 VFOB|RPRT -11\n",
                  "set_split_vfo: 1 VFOB,RPRT -11\n"}},
        Captured{"split_frequency",
                 "i",
                 {"RPRT -11\n", "get_split_freq:\nRPRT -11\n", "get_split_freq:;RPRT -11\n",
                  "get_split_freq:|RPRT -11\n", "get_split_freq:,RPRT -11\n"}},
        Captured{"set_split_frequency",
                 "I 145000000",
                 {"RPRT -11\n", "set_split_freq: 145000000\nRPRT -11\n",
                  "set_split_freq: 145000000;RPRT -11\n", "set_split_freq: 145000000|RPRT -11\n",
                  "set_split_freq: 145000000,RPRT -11\n"}},
        Captured{"split_mode",
                 "x",
                 {"RPRT -11\n", "get_split_mode:\nRPRT -11\n", "get_split_mode:;RPRT -11\n",
                  "get_split_mode:|RPRT -11\n", "get_split_mode:,RPRT -11\n"}},
        Captured{"set_split_mode",
                 "X FM 15000",
                 {"RPRT -11\n", "set_split_mode: FM 15000\nRPRT -11\n",
                  "set_split_mode: FM 15000;RPRT -11\n", "set_split_mode: FM 15000|RPRT -11\n",
                  "set_split_mode: FM 15000,RPRT -11\n"}},
        Captured{"vfo_b",
                 "V VFOB",
                 {"RPRT -11\n", "set_vfo: VFOB\nRPRT -11\n", "set_vfo: VFOB;RPRT -11\n",
                  "set_vfo: VFOB|RPRT -11\n", "set_vfo: VFOB,RPRT -11\n"}},
        Captured{"vfo_info_b",
                 "\\get_vfo_info VFOB",
                 {"RPRT -11\n", "get_vfo_info: VFOB\nRPRT -11\n", "get_vfo_info: VFOB;RPRT -11\n",
                  "get_vfo_info: VFOB|RPRT -11\n", "get_vfo_info: VFOB,RPRT -11\n"}},
        Captured{"usb",
                 "M USB 2400",
                 {"RPRT -1\n", "set_mode: USB 2400\nRPRT -1\n", "set_mode: USB 2400;RPRT -1\n",
                  "set_mode: USB 2400|RPRT -1\n", "set_mode: USB 2400,RPRT -1\n"}},
        Captured{"pktusb",
                 "M PKTUSB 0",
                 {"RPRT -1\n", "set_mode: PKTUSB 0\nRPRT -1\n", "set_mode: PKTUSB 0;RPRT -1\n",
                  "set_mode: PKTUSB 0|RPRT -1\n", "set_mode: PKTUSB 0,RPRT -1\n"}},
        Captured{"level",
                 "L FOO 1",
                 {"RPRT -11\n", "set_level: FOO 1\nRPRT -11\n", "set_level: FOO 1;RPRT -11\n",
                  "set_level: FOO 1|RPRT -11\n", "set_level: FOO 1,RPRT -11\n"}},
        Captured{"read_level",
                 "l STRENGTH",
                 {"RPRT -11\n", "get_level: STRENGTH\nRPRT -11\n", "get_level: STRENGTH;RPRT -11\n",
                  "get_level: STRENGTH|RPRT -11\n", "get_level: STRENGTH,RPRT -11\n"}},
        Captured{"info",
                 "_",
                 {"VOLNA144 2.03 on the test rig\n",
                  "get_info:\nInfo: VOLNA144 2.03 on the test rig\nRPRT 0\n",
                  "get_info:;Info: VOLNA144 2.03 on the test rig;RPRT 0\n",
                  "get_info:|Info: VOLNA144 2.03 on the test rig|RPRT 0\n",
                  "get_info:,Info: VOLNA144 2.03 on the test rig,RPRT 0\n"}},
        Captured{
            "rig_info",
            "\\get_rig_info",
            {"VFO=Main Freq=145500000 Mode=FM Width=15000 RX=1 TX=1\nVFO=Sub Freq=0 Mode=None "
             "Width=0 RX=0 TX=0\nSplit=0 SatMode=0\nRig=VOLNA144\nApp=VOLNA144\nVersion=20210506 "
             "1.0.0\nCRC=0x55312d0b\n\n",
             "get_rig_info:\nVFO=Main Freq=145500000 Mode=FM Width=15000 RX=1 TX=1\nVFO=Sub Freq=0 "
             "Mode=None Width=0 RX=0 TX=0\nSplit=0 "
             "SatMode=0\nRig=VOLNA144\nApp=VOLNA144\nVersion=20210506 "
             "1.0.0\nCRC=0x55312d0b\n\nRPRT 0\n",
             "get_rig_info:;VFO=Main Freq=145500000 Mode=FM Width=15000 RX=1 TX=1\nVFO=Sub Freq=0 "
             "Mode=None Width=0 RX=0 TX=0\nSplit=0 "
             "SatMode=0\nRig=VOLNA144\nApp=VOLNA144\nVersion=20210506 "
             "1.0.0\nCRC=0x55312d0b\n\nRPRT 0\n",
             "get_rig_info:|VFO=Main Freq=145500000 Mode=FM Width=15000 RX=1 TX=1\nVFO=Sub Freq=0 "
             "Mode=None Width=0 RX=0 TX=0\nSplit=0 "
             "SatMode=0\nRig=VOLNA144\nApp=VOLNA144\nVersion=20210506 "
             "1.0.0\nCRC=0x55312d0b\n\nRPRT 0\n",
             "get_rig_info:,VFO=Main Freq=145500000 Mode=FM Width=15000 RX=1 TX=1\nVFO=Sub Freq=0 "
             "Mode=None Width=0 RX=0 TX=0\nSplit=0 "
             "SatMode=0\nRig=VOLNA144\nApp=VOLNA144\nVersion=20210506 "
             "1.0.0\nCRC=0x55312d0b\n\nRPRT 0\n"}}),
    [](const ::testing::TestParamInfo<Captured>& row) { return std::string(row.param.name); });

} // namespace
} // namespace volna::test
