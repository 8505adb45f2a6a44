// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the rigctld protocol: what each asks of the radio and
// answers. The radio has one VFO, FM only, no split and no way to switch
// itself off; where a client asks for more, the answer is rigctld's own
// refusal for a rig without it.

#include "remote/rig_commands.h"

#include "domain/numbers.h"
#include "toolkit/text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace volna {

namespace {

constexpr std::string_view kMode = "FM";
constexpr std::string_view kNarrowMode = "FMN";
constexpr std::string_view kPassbandHz = "15000";
constexpr std::string_view kVfo = "VFOA";
// The power status "on"; the radio has no other.
constexpr std::string_view kPowerOn = "1";
// The hex mode bit of FM, the VFO A bit, and a range line's end, in the
// capability block.
constexpr std::string_view kModeBits = "0x20";
constexpr std::string_view kVfoBits = "0x1";
constexpr std::string_view kRangeEnd = "0 0 0 0 0 0 0";
// The power fields of the ranges, mW. A receive range has none (-1 -1). The
// program cannot tell the transmitter's power, so the transmit range gives
// 0 0: Hamlib refuses a transmit range whose power is negative or whose low
// power exceeds its high power.
constexpr std::string_view kReceivePowers = "-1 -1";
constexpr std::string_view kTransmitPowers = "0 0";

// Every VFO name Hamlib writes. The first ones all mean the radio's one VFO
// (the current one, the main one, the one receiving or transmitting); the
// others name VFOs the radio does not have.
constexpr std::array<std::string_view, 18> kVfoNames = {
    "VFOA",  "currVFO", "VFO", "Main", "MainA", "RX",   "TX",  "VFOB", "VFOC",
    "MainB", "MainC",   "Sub", "SubA", "SubB",  "SubC", "MEM", "None", "Other"};
constexpr std::size_t kOwnVfoNames = 7;

// Digits with an optional leading '-' (a passband may be "-1").
bool isInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && allDigits(text);
}

// A plain decimal as clients write frequencies: "145500000", "145500000.000000".
bool isDecimal(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    return !whole.empty() && allDigits(whole) && allDigits(fraction);
}

bool isVfoName(std::string_view name) {
    return std::find(kVfoNames.begin(), kVfoNames.end(), name) != kVfoNames.end();
}

bool isOwnVfo(std::string_view name) {
    return std::find(kVfoNames.begin(), kVfoNames.begin() + kOwnVfoNames, name) !=
           kVfoNames.begin() + kOwnVfoNames;
}

int statusOf(RigControl::Result result) {
    switch (result) {
    case RigControl::Result::Ok:
        return kRigOk;
    case RigControl::Result::OutOfBand:
        return kRigInvalidArgument;
    case RigControl::Result::Rejected:
        return kRigRejected;
    }
    return kRigRejected;
}

RigAnswer value(std::string_view label, std::string text) {
    return {kRigOk, {{std::string(label), std::move(text)}}};
}

RigAnswer status(int code) {
    return {code, {}};
}

RigAnswer getFreq(RigControl& rig, const RigArgs&) {
    return value("Frequency", std::to_string(rig.frequencyHz()));
}

RigAnswer setFreq(RigControl& rig, const RigArgs& args) {
    if (!isDecimal(args[0])) {
        return status(kRigInvalidArgument);
    }
    return status(statusOf(rig.tune(leadingNumber(args[0]))));
}

RigAnswer getPtt(RigControl& rig, const RigArgs&) {
    return value("PTT", rig.transmitting() ? "1" : "0");
}

// 0 is receive; 1 and the microphone and data variants 2 and 3 all transmit.
RigAnswer setPtt(RigControl& rig, const RigArgs& args) {
    constexpr std::array<std::string_view, 4> kLevels = {"0", "1", "2", "3"};
    if (std::find(kLevels.begin(), kLevels.end(), args[0]) == kLevels.end()) {
        return status(kRigInvalidArgument);
    }
    return status(statusOf(rig.setTransmit(args[0] != "0")));
}

// The receiver's FM and its own filter, whatever a client asked for.
RigAnswer getMode(RigControl&, const RigArgs&) {
    RigAnswer answer = value("Mode", std::string(kMode));
    answer.values.emplace_back("Passband", kPassbandHz);
    return answer;
}

// FM, wide or narrow, with or without a passband: the radio has FM only and
// its filter is its own, so every one of them leaves it as it is.
RigAnswer setMode(RigControl&, const RigArgs& args) {
    const bool fm = args[0] == kMode || args[0] == kNarrowMode;
    const bool passbandOk = args.size() == 1 || isInteger(args[1]);
    return status(fm && passbandOk ? kRigOk : kRigInvalidArgument);
}

RigAnswer getVfo(RigControl&, const RigArgs&) {
    return value("VFO", std::string(kVfo));
}

// The one VFO is taken; a VFO the radio does not have is not available.
RigAnswer setVfo(RigControl&, const RigArgs& args) {
    if (!isVfoName(args[0])) {
        return status(kRigInvalidArgument);
    }
    return status(isOwnVfo(args[0]) ? kRigOk : kRigNotAvailable);
}

RigAnswer getSplit(RigControl&, const RigArgs&) {
    RigAnswer answer = value("Split", "0");
    answer.values.emplace_back("TX VFO", kVfo);
    return answer;
}

// Split off is all there is, whichever VFO a client names with it; split on
// is not available with any.
RigAnswer setSplit(RigControl&, const RigArgs& args) {
    if (args.size() == 2 && !isVfoName(args[1])) {
        return status(kRigInvalidArgument);
    }
    if (args[0] == "1") {
        return status(kRigNotAvailable);
    }
    return status(args[0] == "0" ? kRigOk : kRigInvalidArgument);
}

RigAnswer checkVfo(RigControl&, const RigArgs&) {
    return value("ChkVFO", "0");
}

RigAnswer powerStatus(RigControl&, const RigArgs&) {
    RigAnswer answer = value("Power Status", std::string(kPowerOn));
    answer.lineEndAfterValues = true;
    return answer;
}

// The radio is on while the program runs and cannot be switched off or to
// standby from here: "on" is taken as it is, any other state is not available.
RigAnswer setPowerStatus(RigControl&, const RigArgs& args) {
    if (!isInteger(args[0])) {
        return status(kRigInvalidArgument);
    }
    return status(args[0] == kPowerOn ? kRigOk : kRigNotAvailable);
}

RigAnswer lockMode(RigControl&, const RigArgs&) {
    RigAnswer answer = value("Locked", "0");
    answer.lineEndAfterValues = true;
    answer.statusAfterValues = true;
    return answer;
}

// The sign of the transmit offset as a repeater shift: "-" transmits below.
RigAnswer repeaterShift(RigControl& rig, const RigArgs&) {
    const std::int64_t shift = rig.transmitShiftHz();
    return value("Rptr Shift", shift < 0 ? "-" : shift > 0 ? "+" : "None");
}

// The size of the transmit offset, Hz.
RigAnswer repeaterOffset(RigControl& rig, const RigArgs&) {
    const std::int64_t shift = rig.transmitShiftHz();
    return value("Rptr Offset", std::to_string(shift < 0 ? -shift : shift));
}

RigAnswer carrierDetect(RigControl& rig, const RigArgs&) {
    return value("DCD", rig.busy() ? "1" : "0");
}

RigAnswer info(RigControl& rig, const RigArgs&) {
    return value("Info", rig.info());
}

// What a client learns of one VFO in one answer: for the radio's one VFO its
// frequency, FM, the passband, no split and no satellite mode.
RigAnswer vfoInfo(RigControl& rig, const RigArgs& args) {
    if (!isVfoName(args[0])) {
        return status(kRigInvalidArgument);
    }
    if (!isOwnVfo(args[0])) {
        return status(kRigNotAvailable);
    }
    return {kRigOk,
            {{"Freq", std::to_string(rig.frequencyHz())},
             {"Mode", std::string(kMode)},
             {"Width", std::string(kPassbandHz)},
             {"Split", "0"},
             {"SatMode", "0"}}};
}

// The CRC-32 (as zlib computes it) that ends the rig's summary, so that a
// client can tell a whole one from a cut one.
std::uint32_t crc32(std::string_view text) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char byte : text) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::string hex8(std::uint32_t number) {
    std::string text = "0x00000000";
    for (std::size_t at = text.size() - 1; number != 0; --at, number >>= 4) {
        text[at] = "0123456789abcdef"[number & 0xF];
    }
    return text;
}

// The rig's summary a client reads in one go, lines of key=value ending in a
// checksum of the lines before it: the main VFO receives and transmits, the
// radio has no sub VFO (no frequency, no mode), no split and no satellite mode.
RigAnswer rigInfo(RigControl& rig, const RigArgs&) {
    std::string text = "VFO=Main Freq=" + std::to_string(rig.frequencyHz()) +
                       " Mode=" + std::string(kMode) + " Width=" + std::string(kPassbandHz) +
                       " RX=1 TX=1\n"
                       "VFO=Sub Freq=0 Mode=None Width=0 RX=0 TX=0\n"
                       "Split=0 SatMode=0\n"
                       "Rig=VOLNA144\n"
                       "App=VOLNA144\n"
                       "Version=20210506 1.0.0\n";
    text += "CRC=" + hex8(crc32(text)) + "\n";
    RigAnswer answer = value("", std::move(text));
    answer.lineEndAfterValues = true;
    return answer;
}

// A frequency range of the capability block: the band, FM, VFO A, no antenna
// choice, and the power in mW from low to high.
std::string rangeLine(const RigControl& rig, std::string_view powers) {
    return std::to_string(rig.lowestHz()) + ' ' + std::to_string(rig.highestHz()) + ' ' +
           std::string(kModeBits) + ' ' + std::string(powers) + ' ' + std::string(kVfoBits) +
           " 0x0";
}

// The capability block a client reads when it opens (protocol version 1): the
// band as the one receive and transmit range, FM only, the slider's current
// step as the one tuning step (a client that rounds to it lands on a notch), one
// filter, no RIT, XIT, preamp, attenuator, functions or levels, then the
// settings that tell the client to key through this protocol and to stay on
// one VFO. It is one value of many lines, as rigctld writes it.
RigAnswer dumpState(RigControl& rig, const RigArgs&) {
    const std::string step = std::string(kModeBits) + ' ' + std::to_string(rig.stepHz());
    const std::string filter = std::string(kModeBits) + ' ' + std::string(kPassbandHz);
    const std::vector<std::string> lines = {"1",
                                            "2",
                                            "1", // protocol version, model, ITU region
                                            rangeLine(rig, kReceivePowers),
                                            std::string(kRangeEnd),
                                            rangeLine(rig, kTransmitPowers),
                                            std::string(kRangeEnd),
                                            step,
                                            "0 0",
                                            filter,
                                            "0 0",
                                            "0",
                                            "0",
                                            "0",
                                            "0", // max RIT, max XIT, max IF shift, announcements
                                            "",
                                            "", // preamp and attenuator steps
                                            "0x0",
                                            "0x0",
                                            "0x0",
                                            "0x0",
                                            "0x0",
                                            "0x0", // functions, levels, parameters
                                            "vfo_ops=0x0",
                                            "ptt_type=0x1",
                                            "targetable_vfo=0x0",
                                            "has_set_vfo=0",
                                            "has_get_vfo=1",
                                            "done"};
    std::string block;
    for (const std::string& line : lines) {
        block += block.empty() ? line : '\n' + line;
    }
    RigAnswer answer = value("", std::move(block));
    answer.lineEndAfterValues = true;
    return answer;
}

using Form = RigReplyForm;

// Every command of the rigctld language, by its one-byte name and its long
// name. A row with a handler is a command the radio answers: how the answer
// is written, what works it out, and the fewest and most arguments it takes
// (reads take any). The radio answers the others "not available".
constexpr RigCommand kCommands[] = {
    {'1', "dump_caps"},
    {'2', "power2mW"},
    {'4', "mW2power"},
    {'A', "set_trn"},
    {'B', "set_bank"},
    {'C', "set_ctcss_tone"},
    {'D', "set_dcs_code"},
    {'E', "set_mem"},
    {'F', "set_freq", Form::Status, setFreq, 1, 1},
    {'G', "vfo_op"},
    {'H', "set_channel"},
    {'I', "set_split_freq"},
    {'J', "set_rit"},
    {'L', "set_level"},
    {'M', "set_mode", Form::Status, setMode, 1, 2},
    {'N', "set_ts"},
    {'O', "set_rptr_offs"},
    {'P', "set_parm"},
    {'R', "set_rptr_shift"},
    {'S', "set_split_vfo", Form::Status, setSplit, 1, 2},
    {'T', "set_ptt", Form::Status, setPtt, 1, 1},
    {'U', "set_func"},
    {'V', "set_vfo", Form::Status, setVfo, 1, 1},
    {'W', "send_cmd_rx"},
    {'X', "set_split_mode"},
    {'Y', "set_ant"},
    {'Z', "set_xit"},
    {'_', "get_info", Form::Values, info},
    {'a', "get_trn"},
    {'b', "send_morse"},
    {'c', "get_ctcss_tone"},
    {'d', "get_dcs_code"},
    {'e', "get_mem"},
    {'f', "get_freq", Form::Values, getFreq},
    {'g', "scan"},
    {'h', "get_channel"},
    {'i', "get_split_freq"},
    {'j', "get_rit"},
    {'l', "get_level"},
    {'m', "get_mode", Form::Values, getMode},
    {'n', "get_ts"},
    {'o', "get_rptr_offs", Form::Values, repeaterOffset},
    {'p', "get_parm"},
    {'r', "get_rptr_shift", Form::Values, repeaterShift},
    {'s', "get_split_vfo", Form::Values, getSplit},
    {'t', "get_ptt", Form::Values, getPtt},
    {'u', "get_func"},
    {'v', "get_vfo", Form::Values, getVfo},
    {'w', "send_cmd"},
    {'x', "get_split_mode"},
    {'y', "get_ant"},
    {'z', "get_xit"},
    {'*', "reset"},
    {0x87, "set_powerstat", Form::Status, setPowerStatus, 1, 1},
    {0x88, "get_powerstat", Form::Values, powerStatus},
    {0x89, "send_dtmf"},
    {0x8A, "recv_dtmf"},
    {0x8B, "get_dcd", Form::Values, carrierDetect},
    {0x90, "set_ctcss_sql"},
    {0x91, "get_ctcss_sql"},
    {0x92, "set_dcs_sql"},
    {0x93, "get_dcs_sql"},
    {0xBB, "stop_morse"},
    {0xBC, "wait_morse"},
    {0xF3, "get_vfo_info", Form::Values, vfoInfo, 1, 1},
    {0xF5, "get_rig_info", Form::Values, rigInfo},
    {kNoShortName, "chk_vfo", Form::Bare, checkVfo},
    {kNoShortName, "dump_state", Form::Values, dumpState},
    {kNoShortName, "get_lock_mode", Form::Values, lockMode},
};

} // namespace

RigAnswer RigCommand::run(RigControl& rig, const RigArgs& args) const {
    if (args.size() < fewestArgs || args.size() > mostArgs) {
        return status(kRigInvalidArgument);
    }
    return handler(rig, args);
}

std::string_view rigctldLongName(std::string_view word) {
    if (word.size() > 1 && word.front() == '\\') {
        return word.substr(1);
    }
    if (word.size() != 1) {
        return {};
    }
    const auto byte = static_cast<unsigned char>(word.front());
    for (const RigCommand& command : kCommands) {
        if (command.shortName != kNoShortName && command.shortName == byte) {
            return command.longName;
        }
    }
    return {};
}

const RigCommand* findRigCommand(std::string_view word) {
    const std::string_view name = rigctldLongName(word);
    for (const RigCommand& command : kCommands) {
        if (!name.empty() && command.handler != nullptr && command.longName == name) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace volna
