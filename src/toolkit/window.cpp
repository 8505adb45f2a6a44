// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"

namespace volna {

Window::Window(Program& program, std::string name) : program_(program), name_(std::move(name)) {
    program_.registerWindow(*this);
}

Window::~Window() {
    program_.unregisterWindow(*this);
}

void Window::closeRequested() {
    hide();
}

void Window::show() {
    program_.show(*this);
}

void Window::hide() {
    program_.hide(*this);
}

Control* Window::findControl(const std::string& name) const {
    for (Control* control : controls_) {
        if (control->name() == name) {
            return control;
        }
    }
    return nullptr;
}

} // namespace volna
