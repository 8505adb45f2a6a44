// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/program.h"

#include "toolkit/controls.h"
#include "toolkit/window.h"

#include <algorithm>

namespace volna {

namespace {

// An activation may show or hide windows again; a ring of windows activating
// each other is cut off after this many rounds.
constexpr int kMaxActivationRounds = 16;

} // namespace

void Program::registerWindow(Window& window) {
    windows_.push_back(&window);
}

void Program::unregisterWindow(Window& window) {
    std::erase(windows_, &window);
    std::erase(zOrder_, &window);
    if (active_ == &window) {
        active_ = nullptr;
    }
    for (Timer* timer : window.timers()) {
        countdowns_.erase(timer);
    }
}

void Program::show(Window& window) {
    window.shown_ = true;
    std::erase(zOrder_, &window);
    zOrder_.insert(zOrder_.begin(), &window);
}

void Program::hide(Window& window) {
    window.shown_ = false;
    std::erase(zOrder_, &window);
}

void Program::quit() {
    quitting_ = true;
}

Subscription Program::addAfterEvent(std::function<void()> listener) {
    return afterEvent_.subscribe(std::move(listener));
}

bool Program::accepts(const Window& window) const {
    return !quitting_ && window.shown() && window.enabled;
}

void Program::runEvent(const std::function<void()>& action) {
    if (quitting_) {
        return;
    }
    if (depth_ > 0) {
        action();
        return;
    }
    ++depth_;
    action();
    --depth_;
    finishEvent();
}

void Program::finishEvent() {
    ++depth_;
    deliverActivation();
    --depth_;
    rearmTimers();
    afterEvent_.raise();
}

void Program::deliverActivation() {
    for (int round = 0; round < kMaxActivationRounds && !quitting_; ++round) {
        Window* front = zOrder_.empty() ? nullptr : zOrder_.front();
        if (front == active_) {
            return;
        }
        active_ = front;
        if (front != nullptr) {
            front->Form_Activate();
        }
    }
}

bool Program::click(Button& button) {
    if (!button.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] {
        if (button.onClick) {
            button.onClick();
        }
    });
    return true;
}

bool Program::click(Label& label) {
    if (!label.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] {
        if (label.onClick) {
            label.onClick();
        }
    });
    return true;
}

bool Program::click(CheckBox& box) {
    if (!box.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] { box.setChecked(!box.checked()); });
    return true;
}

bool Program::click(OptionButton& option) {
    if (!option.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] { option.select(); });
    return true;
}

bool Program::scroll(Slider& slider, int value) {
    if (!slider.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] {
        slider.setValue(value);
        if (slider.onScroll) {
            slider.onScroll();
        }
    });
    return true;
}

bool Program::type(TextBox& box, const std::string& text) {
    if (!box.takesInput() || quitting_) {
        return false;
    }
    runEvent([&] { box.typeText(text); });
    return true;
}

bool Program::select(ListBox& list, int index) {
    if (!list.takesInput() || quitting_ || index < -1 || index >= list.count()) {
        return false;
    }
    runEvent([&] { list.selectedIndex = index; });
    return true;
}

bool Program::activate(Window& window) {
    if (!accepts(window)) {
        return false;
    }
    runEvent([&] { show(window); });
    return true;
}

bool Program::close(Window& window) {
    if (!accepts(window)) { // a disabled window is not closed from its frame either
        return false;
    }
    runEvent([&] { window.closeRequested(); });
    return true;
}

bool Program::tick(Timer& timer) {
    if (!timer.enabled() || quitting_) {
        return false;
    }
    runEvent([&] {
        if (timer.onTick) {
            timer.onTick();
        }
    });
    return true;
}

void Program::rearmTimers() {
    for (Window* window : windows_) {
        for (Timer* timer : window->timers()) {
            if (!timer->enabled()) {
                countdowns_.erase(timer);
                continue;
            }
            auto found = countdowns_.find(timer);
            if (found == countdowns_.end() || found->second.generation != timer->generation()) {
                countdowns_[timer] = {timer->generation(), now_ + timer->interval()};
            }
        }
    }
}

Timer* Program::nextDueTimer(std::int64_t until) const {
    Timer* next = nullptr;
    std::int64_t nextDue = until + 1;
    // Windows in creation order, timers in declaration order: ties go to the first.
    for (Window* window : windows_) {
        for (Timer* timer : window->timers()) {
            auto found = countdowns_.find(timer);
            if (timer->enabled() && found != countdowns_.end() && found->second.due < nextDue) {
                next = timer;
                nextDue = found->second.due;
            }
        }
    }
    return next;
}

void Program::advance(std::int64_t ms) {
    const std::int64_t until = now_ + ms;
    rearmTimers();
    while (!quitting_) {
        Timer* timer = nextDueTimer(until);
        if (timer == nullptr) {
            break;
        }
        Countdown& countdown = countdowns_[timer];
        now_ = countdown.due;
        countdown.due = now_ + timer->interval();
        tick(*timer);
    }
    now_ = std::max(now_, until);
}

} // namespace volna
