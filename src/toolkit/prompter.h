// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal message box every window uses to tell the operator something or to
// ask a Yes/No question. The real one is a QMessageBox (ui/); tests use a
// scripted one that checks every box against what the scenario expects.

#include <string>

namespace volna {

enum class MessageIcon { Critical, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Critical;
    MessageButtons buttons = MessageButtons::Ok;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the box and blocks until the operator answers. Closing a Yes/No box
    // any other way counts as No; closing an OK box counts as Ok.
    virtual Answer ask(const Message& message) = 0;
};

// The program's four kinds of box, each with its fixed title, icon and buttons.
inline constexpr const char* kErrorTitle = "Ошибка";
inline constexpr const char* kWarningTitle = "Предупреждение!";
inline constexpr const char* kMessageTitle = "Сообщение";
inline constexpr const char* kSearchTitle = "Поиск";

inline Message errorBox(std::string text) {
    return {std::move(text), kErrorTitle, MessageIcon::Critical, MessageButtons::Ok};
}
inline Message questionBox(std::string text) {
    return {std::move(text), kWarningTitle, MessageIcon::Exclamation, MessageButtons::YesNo};
}
inline Message informationBox(std::string text, std::string title = kMessageTitle) {
    return {std::move(text), std::move(title), MessageIcon::Information, MessageButtons::Ok};
}

} // namespace volna
