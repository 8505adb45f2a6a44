// The rigctld text protocol: the command table and the two reply
// forms. Plain replies give a get command's values one per line and a set
// command's "RPRT n"; the extended form ("+", or ";" "|" "," for one line)
// names the command, labels every value and always ends with "RPRT n".

#include "remote/rig_protocol.h"

#include "settings/numbers.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace volna {

namespace {

using Args = std::vector<std::string_view>;

// What one command answers, before it is put in the plain or extended form.
struct Answer {
    int status = kRigOk;
    std::vector<std::pair<std::string, std::string>> values; // label, value
    // rigctld ends some values with a line end even in the one-line forms.
    bool lineEndAfterValues = false;
};

struct Command {
    unsigned char shortName; // 0: the long form only
    std::string_view longName;
    bool sets; // answers with its status only
    Answer (*run)(RigControl& rig, const Args& args);
};

constexpr std::string_view kMode = "FM";
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

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The words of a line, split on runs of blanks.
Args splitWords(std::string_view line) {
    Args words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isBlank(line[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && !isBlank(line[at])) {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
    }
    return words;
}

// Digits with an optional leading '-' (a passband may be "-1").
bool isInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
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
    return !whole.empty() && std::all_of(whole.begin(), whole.end(), isDigit) &&
           std::all_of(fraction.begin(), fraction.end(), isDigit);
}

bool isVfo(std::string_view name) {
    return name == kVfo || name == "Main" || name == "currVFO";
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

Answer value(std::string_view label, std::string text) {
    return {kRigOk, {{std::string(label), std::move(text)}}};
}

Answer status(int code) {
    return {code, {}};
}

Answer getFreq(RigControl& rig, const Args&) {
    return value("Frequency", std::to_string(rig.frequencyHz()));
}

Answer setFreq(RigControl& rig, const Args& args) {
    if (args.size() != 1 || !isDecimal(args[0])) {
        return status(kRigInvalidArgument);
    }
    return status(statusOf(rig.tune(leadingNumber(args[0]))));
}

Answer getPtt(RigControl& rig, const Args&) {
    return value("PTT", rig.transmitting() ? "1" : "0");
}

// 0 is receive; 1 and the microphone and data variants 2 and 3 all transmit.
Answer setPtt(RigControl& rig, const Args& args) {
    constexpr std::array<std::string_view, 4> kLevels = {"0", "1", "2", "3"};
    if (args.size() != 1 || std::find(kLevels.begin(), kLevels.end(), args[0]) == kLevels.end()) {
        return status(kRigInvalidArgument);
    }
    return status(statusOf(rig.setTransmit(args[0] != "0")));
}

Answer getMode(RigControl&, const Args&) {
    Answer answer = value("Mode", std::string(kMode));
    answer.values.emplace_back("Passband", kPassbandHz);
    return answer;
}

// FM, with or without a passband; the passband itself is the receiver's own.
Answer setMode(RigControl&, const Args& args) {
    const bool passbandOk = args.size() == 1 || (args.size() == 2 && isInteger(args[1]));
    return status(!args.empty() && args[0] == kMode && passbandOk ? kRigOk : kRigInvalidArgument);
}

Answer getVfo(RigControl&, const Args&) {
    return value("VFO", std::string(kVfo));
}

Answer setVfo(RigControl&, const Args& args) {
    return status(args.size() == 1 && isVfo(args[0]) ? kRigOk : kRigInvalidArgument);
}

Answer getSplit(RigControl&, const Args&) {
    Answer answer = value("Split", "0");
    answer.values.emplace_back("TX VFO", kVfo);
    return answer;
}

// Split off is all there is; asking for split is a request for what the radio lacks.
Answer setSplit(RigControl&, const Args& args) {
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !isVfo(args[1]))) {
        return status(kRigInvalidArgument);
    }
    if (args[0] == "1") {
        return status(kRigNotAvailable);
    }
    return status(args[0] == "0" ? kRigOk : kRigInvalidArgument);
}

Answer checkVfo(RigControl&, const Args&) {
    return value("ChkVFO", "0");
}

Answer powerStatus(RigControl&, const Args&) {
    Answer answer = value("Power Status", std::string(kPowerOn));
    answer.lineEndAfterValues = true;
    return answer;
}

// The radio is on while the program runs and cannot be switched off or to
// standby from here: "on" is taken as it is, any other state is not available.
Answer setPowerStatus(RigControl&, const Args& args) {
    if (args.size() != 1 || !isInteger(args[0])) {
        return status(kRigInvalidArgument);
    }
    return status(args[0] == kPowerOn ? kRigOk : kRigNotAvailable);
}

Answer lockMode(RigControl&, const Args&) {
    return value("Locked", "0");
}

// The sign of the transmit offset as a repeater shift: "-" transmits below.
Answer repeaterShift(RigControl& rig, const Args&) {
    const std::int64_t shift = rig.transmitShiftHz();
    return value("Rptr Shift", shift < 0 ? "-" : shift > 0 ? "+" : "None");
}

// The size of the transmit offset, Hz.
Answer repeaterOffset(RigControl& rig, const Args&) {
    const std::int64_t shift = rig.transmitShiftHz();
    return value("Rptr Offset", std::to_string(shift < 0 ? -shift : shift));
}

// The offset is the operator's setting in "Config"; a client cannot change it.
Answer notAvailable(RigControl&, const Args&) {
    return status(kRigNotAvailable);
}

Answer carrierDetect(RigControl& rig, const Args&) {
    return value("DCD", rig.busy() ? "1" : "0");
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
// one VFO.
Answer dumpState(RigControl& rig, const Args&) {
    const std::string receive = rangeLine(rig, kReceivePowers);
    const std::string transmit = rangeLine(rig, kTransmitPowers);
    const std::vector<std::string> lines = {"1",
                                            "2",
                                            "1",
                                            receive,
                                            std::string(kRangeEnd),
                                            transmit,
                                            std::string(kRangeEnd),
                                            std::string(kModeBits) + ' ' +
                                                std::to_string(rig.stepHz()),
                                            "0 0",
                                            std::string(kModeBits) + ' ' + std::string(kPassbandHz),
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
    Answer answer;
    for (const std::string& line : lines) {
        answer.values.emplace_back("", line);
    }
    return answer;
}

constexpr unsigned char kDcdByte = 0x8B;

constexpr std::array<Command, 20> kCommands = {{
    {'f', "get_freq", false, getFreq},
    {'F', "set_freq", true, setFreq},
    {'t', "get_ptt", false, getPtt},
    {'T', "set_ptt", true, setPtt},
    {'m', "get_mode", false, getMode},
    {'M', "set_mode", true, setMode},
    {'v', "get_vfo", false, getVfo},
    {'V', "set_vfo", true, setVfo},
    {'s', "get_split_vfo", false, getSplit},
    {'S', "set_split_vfo", true, setSplit},
    {'r', "get_rptr_shift", false, repeaterShift},
    {'R', "set_rptr_shift", true, notAvailable},
    {'o', "get_rptr_offs", false, repeaterOffset},
    {'O', "set_rptr_offs", true, notAvailable},
    {0, "chk_vfo", false, checkVfo},
    {0, "dump_state", false, dumpState},
    {0, "get_powerstat", false, powerStatus},
    {0, "set_powerstat", true, setPowerStatus},
    {0, "get_lock_mode", false, lockMode},
    {kDcdByte, "get_dcd", false, carrierDetect},
}};

// The command a word names: "\get_freq" by its long name, "f" by its one byte.
const Command* findCommand(std::string_view word) {
    for (const Command& command : kCommands) {
        if (word.size() > 1 && word.front() == '\\' && word.substr(1) == command.longName) {
            return &command;
        }
        if (word.size() == 1 && command.shortName != 0 &&
            static_cast<unsigned char>(word.front()) == command.shortName) {
            return &command;
        }
    }
    return nullptr;
}

std::string statusLine(int code) {
    return "RPRT " + std::to_string(code) + "\n";
}

std::string plainReply(const Command& command, const Answer& answer) {
    if (command.sets || answer.status != kRigOk) {
        return statusLine(answer.status);
    }
    std::string reply;
    for (const auto& [label, text] : answer.values) {
        reply += text;
        reply += '\n';
    }
    return reply;
}

// "get_freq:" SEP "Frequency: 145500000" SEP "RPRT 0"; a set command echoes its
// arguments after its name. SEP is a line end for "+".
std::string extendedReply(const Command& command, const Answer& answer, const Args& args,
                          char separator) {
    std::string reply(command.longName);
    reply += ':';
    if (command.sets) {
        for (std::string_view arg : args) {
            reply += ' ';
            reply += arg;
        }
    }
    if (answer.status == kRigOk) {
        for (const auto& [label, text] : answer.values) {
            reply += separator;
            reply += label.empty() ? text : label + ": " + text;
        }
    }
    reply += answer.status == kRigOk && answer.lineEndAfterValues ? '\n' : separator;
    reply += statusLine(answer.status);
    return reply;
}

bool isExtendedPrefix(char c) {
    return c == '+' || c == ';' || c == '|' || c == ',';
}

} // namespace

std::string RigProtocol::lineTooLong() {
    return statusLine(kRigProtocolError);
}

std::string RigProtocol::answerLine(std::string_view line) {
    Args words = splitWords(line);
    if (words.empty()) {
        return {};
    }
    std::string_view name = words.front();
    char separator = 0;
    if (name.size() > 1 && isExtendedPrefix(name.front())) {
        separator = name.front() == '+' ? '\n' : name.front();
        name.remove_prefix(1);
    }
    if (name == "q" || name == "Q") {
        endSession();
        return statusLine(kRigOk);
    }
    const Command* command = findCommand(name);
    if (command == nullptr) {
        return statusLine(kRigNotAvailable);
    }
    words.erase(words.begin());
    const Answer answer = command->run(rig_, words);
    return separator == 0 ? plainReply(*command, answer)
                          : extendedReply(*command, answer, words, separator);
}

} // namespace volna
