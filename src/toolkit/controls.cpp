// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/controls.h"

#include "toolkit/text.h"
#include "toolkit/window.h"

#include <algorithm>

namespace volna {

Control::Control(Window& owner, std::string name) : owner_(owner), name_(std::move(name)) {
    owner_.controls_.push_back(this);
}

bool Control::takesInput() const {
    return drawnEnabled() && visible && owner_.shown();
}

bool Control::drawnEnabled() const {
    return enabled && (owner_.enabled || usableInDisabledWindow);
}

Label::Label(Window& owner, std::string name, std::string text)
    : Control(owner, std::move(name)), caption(std::move(text)) {}

Frame::Frame(Window& owner, std::string name, std::string text)
    : Control(owner, std::move(name)), caption(std::move(text)) {}

Button::Button(Window& owner, std::string name, std::string text)
    : Control(owner, std::move(name)), caption(std::move(text)) {}

CheckBox::CheckBox(Window& owner, std::string name, std::string text)
    : Control(owner, std::move(name)), caption(std::move(text)) {}

void CheckBox::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    if (onClick) {
        onClick();
    }
}

OptionButton::OptionButton(Window& owner, std::string name, OptionGroup& group, std::string text)
    : Control(owner, std::move(name)), caption(std::move(text)), group_(group) {
    group_.add(*this);
}

void OptionButton::select() {
    if (selected_) {
        return;
    }
    for (OptionButton* other : group_.members()) {
        other->selected_ = false;
    }
    selected_ = true;
    if (onClick) {
        onClick();
    }
}

void OptionButton::setInitiallySelected() {
    for (OptionButton* other : group_.members()) {
        other->selected_ = false;
    }
    selected_ = true;
}

TextBox::TextBox(Window& owner, std::string name, int longest)
    : Control(owner, std::move(name)), maxLength(longest) {}

void TextBox::setText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    if (onChange) {
        onChange();
    }
}

int TextBox::typingLimit() const {
    return maxLength > 0 ? std::max(maxLength, characterCount(text_)) : 0;
}

void TextBox::typeText(const std::string& text) {
    const int limit = typingLimit();
    setText(limit > 0 ? firstCharacters(text, limit) : text);
}

void TextBox::setFocus() {
    window().focused_ = this;
    ++window().focusRequests_;
}

ListBox::ListBox(Window& owner, std::string name) : Control(owner, std::move(name)) {}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    items.erase(items.begin() + index);
    if (index == selectedIndex) {
        selectedIndex = -1;
    } else if (index < selectedIndex) {
        --selectedIndex;
    }
}

void ListBox::clear() {
    items.clear();
    selectedIndex = -1;
}

Slider::Slider(Window& owner, std::string name) : Control(owner, std::move(name)) {}

void Slider::setValue(int value) {
    value_ = std::clamp(value, 0, maximum_);
}

void Slider::setMaximum(int maximum) {
    maximum_ = std::max(maximum, 0);
    value_ = std::min(value_, maximum_);
}

Timer::Timer(Window& owner, std::string name) : name_(std::move(name)) {
    owner.timers_.push_back(this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled && !enabled_) {
        ++generation_;
    }
    enabled_ = enabled;
}

void Timer::setInterval(int ms) {
    int interval = std::max(ms, 1);
    if (interval != interval_) {
        interval_ = interval;
        ++generation_;
    }
}

} // namespace volna
