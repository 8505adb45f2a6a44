// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "toolkit/window.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <string_view>

namespace volna {

namespace {

template <class Kind> bool clickAs(Program& program, Control& control, bool& clicked) {
    auto* typed = dynamic_cast<Kind*>(&control);
    if (typed == nullptr) {
        return false;
    }
    clicked = program.click(*typed);
    return true;
}

// The table's spelling of an Enter or Escape without modifiers, or nullptr.
const char* unusedKeyName(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        return nullptr;
    }
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Return";
    case Qt::Key_Escape:
        return "Esc";
    default:
        return nullptr;
    }
}

} // namespace

bool clickControl(Program& program, Control& control) {
    bool clicked = false;
    clickAs<Button>(program, control, clicked) || clickAs<Label>(program, control, clicked) ||
        clickAs<CheckBox>(program, control, clicked) ||
        clickAs<OptionButton>(program, control, clicked);
    return clicked;
}

void installShortcuts(QWidget& view, Window& model, const std::function<void(KeyAction)>& other) {
    for (const KeyboardShortcut& row : keyboardShortcuts()) {
        if (row.reach != KeyReach::Window || model.name() != row.window) {
            continue;
        }
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(row.keys)), &view);
        shortcut->setContext(Qt::WindowShortcut);
        Control* control = row.control == nullptr ? nullptr : model.findControl(row.control);
        QObject::connect(shortcut, &QShortcut::activated, &view,
                         [&program = model.program(), control, other, action = row.action] {
                             if (control != nullptr) {
                                 clickControl(program, *control);
                             } else if (other) {
                                 other(action);
                             }
                         });
    }
}

bool pressUnusedKey(Window& model, const QKeyEvent& event, QWidget* focused) {
    const char* key = unusedKeyName(event);
    if (key == nullptr || event.isAutoRepeat()) {
        return false;
    }
    auto* button = qobject_cast<QPushButton*>(focused);
    if (button != nullptr && std::string_view(key) == "Return") {
        button->click();
        return true;
    }
    const std::string focusedName =
        focused == nullptr ? std::string{} : focused->objectName().toStdString();
    const KeyboardShortcut* row = unusedKeyRow(model.name().c_str(), key, focusedName.c_str());
    if (row == nullptr) {
        return false;
    }
    if (Control* control = model.findControl(row->control)) {
        clickControl(model.program(), *control);
    }
    return true;
}

} // namespace volna
