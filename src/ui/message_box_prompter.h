// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operator's message boxes as QMessageBox: the title, text, icon and
// buttons the program asks for; Yes is the default of a question, and closing
// a question any other way answers No.

#include "toolkit/prompter.h"

namespace volna {

class MessageBoxPrompter : public Prompter {
public:
    Answer ask(const Message& message) override;
};

} // namespace volna
