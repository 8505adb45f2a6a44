// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the rigctld protocol this radio answers, each as what it
// asks of the RigControl and what it answers, before the answer is put in the
// plain or extended reply form; and rigctld's own names for the commands the
// radio does not have, so that their refusals name them as rigctld would.

#include "remote/rig_protocol.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace volna {

using RigArgs = std::vector<std::string_view>;

// What one command answers.
struct RigAnswer {
    int status = kRigOk;
    std::vector<std::pair<std::string, std::string>> values; // label, value
    // rigctld ends some values with a line end even in the one-line forms.
    bool lineEndAfterValues = false;
    // rigctld gives some reads a status line in the plain form too.
    bool statusAfterValues = false;
};

// How a command's answer is written.
enum class RigReplyForm {
    Values, // a read: its values, or its status when it fails
    Status, // a setting: its status only
    Bare,   // the VFO-mode check: a value line and nothing else in either form
};

// The short name of a command that has only a long one.
inline constexpr unsigned char kNoShortName = 0;
// The most arguments of a command that reads them all or none.
inline constexpr std::size_t kAnyArgCount = std::numeric_limits<std::size_t>::max();

// One command of the rigctld language, a row of the one table that lookup by
// either name uses: its one-byte name, its long name, and for a command the
// radio answers how its answer is written, what works it out and how many
// arguments it takes. The radio's answer to the others is "not available".
struct RigCommand {
    unsigned char shortName = kNoShortName;
    std::string_view longName;
    RigReplyForm form = RigReplyForm::Values;
    RigAnswer (*handler)(RigControl& rig, const RigArgs& args) = nullptr;
    std::size_t fewestArgs = 0;
    std::size_t mostArgs = kAnyArgCount;

    // The handler's answer to args; invalid argument, without running it,
    // when there are fewer than fewestArgs or more than mostArgs.
    RigAnswer run(RigControl& rig, const RigArgs& args) const;
};

// The command a word names: "\get_freq" by its long name, "f" by its one
// byte; nullptr when the radio does not answer it.
const RigCommand* findRigCommand(std::string_view word);

// The long name of the command a word names, whether or not the radio
// answers it: rigctld's name of a one-byte command ("set_level" for "L"), the
// word itself without its backslash for a long one; empty for anything else.
std::string_view rigctldLongName(std::string_view word);

} // namespace volna
