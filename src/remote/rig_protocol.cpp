// SPDX-License-Identifier: GPL-3.0-or-later
// The rigctld text protocol: the two reply forms around the answers of
// rig_commands. Plain replies give a read's values one per line and a
// setting's "RPRT n"; the extended form ("+", or ";" "|" "," for one line)
// names the command with its arguments, labels every value and ends with
// "RPRT n", for refusals too.

#include "remote/rig_protocol.h"

#include "remote/rig_commands.h"

namespace volna {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The words of a line, split on runs of blanks.
RigArgs splitWords(std::string_view line) {
    RigArgs words;
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

std::string statusLine(int code) {
    return "RPRT " + std::to_string(code) + "\n";
}

std::string plainReply(RigReplyForm form, const RigAnswer& answer) {
    if (form == RigReplyForm::Status || answer.status != kRigOk) {
        return statusLine(answer.status);
    }
    std::string reply;
    for (const auto& [label, text] : answer.values) {
        reply += text;
        reply += '\n';
    }
    return answer.statusAfterValues ? reply + statusLine(kRigOk) : reply;
}

// The VFO-mode check in the extended form: its labelled value alone, and in
// the one-line forms an empty line after it, as rigctld writes it.
std::string bareReply(const RigAnswer& answer, char separator) {
    std::string reply;
    for (const auto& [label, text] : answer.values) {
        reply += label + ": " + text + "\n";
    }
    return separator == '\n' ? reply : reply + "\n";
}

// "get_freq:" SEP "Frequency: 145500000" SEP "RPRT 0"; the command's arguments
// follow its name. SEP is a line end for "+".
std::string extendedReply(std::string_view name, const RigAnswer& answer, const RigArgs& args,
                          char separator) {
    std::string reply(name);
    reply += ':';
    for (std::string_view arg : args) {
        reply += ' ';
        reply += arg;
    }
    if (answer.status == kRigOk) {
        for (const auto& [label, text] : answer.values) {
            reply += separator;
            reply += label.empty() ? text : label + ": " + text;
        }
    }
    reply += answer.status == kRigOk && answer.lineEndAfterValues ? '\n' : separator;
    return reply + statusLine(answer.status);
}

bool isExtendedPrefix(char c) {
    return c == '+' || c == ';' || c == '|' || c == ',';
}

// A command the radio does not answer: not available, under rigctld's own
// name for it in the extended form.
std::string notAvailableReply(std::string_view word, const RigArgs& args, char separator) {
    const std::string_view name = rigctldLongName(word);
    if (separator == 0 || name.empty()) {
        return statusLine(kRigNotAvailable);
    }
    return extendedReply(name, {kRigNotAvailable, {}}, args, separator);
}

} // namespace

std::string RigProtocol::lineTooLong() {
    return statusLine(kRigProtocolError);
}

std::string RigProtocol::answerLine(std::string_view line) {
    RigArgs words = splitWords(line);
    if (words.empty()) {
        return {};
    }
    std::string_view name = words.front();
    words.erase(words.begin());
    char separator = 0;
    if (name.size() > 1 && isExtendedPrefix(name.front())) {
        separator = name.front() == '+' ? '\n' : name.front();
        name.remove_prefix(1);
    }
    if (name == "q" || name == "Q") {
        endSession();
        return statusLine(kRigOk);
    }
    const RigCommand* command = findRigCommand(name);
    if (command == nullptr) {
        return notAvailableReply(name, words, separator);
    }
    const RigAnswer answer = command->run(rig_, words);
    if (separator == 0) {
        return plainReply(command->form, answer);
    }
    return command->form == RigReplyForm::Bare
               ? bareReply(answer, separator)
               : extendedReply(command->longName, answer, words, separator);
}

} // namespace volna
