// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program object: its windows, which of them is shown and active, the
// operator's input, and the timers. It makes the platform's event semantics
// explicit: one event at a time; a window's activation is posted and runs after
// the handler that showed or hid windows has returned, and only when the active
// window changes between the program's own windows; timer ticks run between
// events; a disabled window or a hidden or disabled control takes no input,
// except a control marked usable in a disabled window (controls.h).
// Tests drive it with a virtual clock; the Qt layer drives it from real events.

#include "toolkit/event.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace volna {

class Button;
class CheckBox;
class Label;
class ListBox;
class OptionButton;
class Slider;
class TextBox;
class Timer;
class Window;

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // --- what the forms call ---
    void show(Window& window);
    void hide(Window& window);
    // Ends the program: no further event runs.
    void quit();
    bool quitting() const { return quitting_; }

    // --- what the platform delivers; each returns whether the input was taken ---
    bool click(Button& button);
    bool click(Label& label);
    bool click(CheckBox& box); // toggles the tick and runs the handler
    bool click(OptionButton& option);
    bool scroll(Slider& slider, int value);
    bool type(TextBox& box, const std::string& text);
    bool select(ListBox& list, int index);
    // The operator brought one of the program's windows to the front.
    bool activate(Window& window);
    // The operator closed a window through its frame.
    bool close(Window& window);
    // One tick of a timer (from a platform timer); ignored when it is off.
    bool tick(Timer& timer);
    // Any other event (start-up steps, network requests): runs action as one event.
    void runEvent(const std::function<void()>& action);

    Window* activeWindow() const { return active_; }
    const std::vector<Window*>& windows() const { return windows_; }

    // Called after every event, once its posted activations have run (the
    // settings store syncs here, the Qt layer redraws), for as long as the
    // returned subscription is kept.
    [[nodiscard]] Subscription addAfterEvent(std::function<void()> listener);

    // --- the clock ---
    // The program's time, ms: the platform's clock when one is set, otherwise
    // the virtual clock that advance() moves (tests).
    std::int64_t now() const { return clock_ ? clock_() : now_; }
    // The platform's monotonic clock, ms, for now(); timers still run on the
    // platform's own timers.
    void setClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    // Moves the clock on by ms, running every timer tick that falls due, in order.
    void advance(std::int64_t ms);

private:
    friend class Window;
    void registerWindow(Window& window);
    void unregisterWindow(Window& window);
    bool accepts(const Window& window) const;
    void finishEvent();
    void deliverActivation();
    void rearmTimers();
    Timer* nextDueTimer(std::int64_t until) const;

    struct Countdown {
        unsigned long generation = 0;
        std::int64_t due = 0;
    };

    std::vector<Window*> windows_;
    std::vector<Window*> zOrder_; // shown windows, front first
    Window* active_ = nullptr;
    bool quitting_ = false;
    int depth_ = 0; // nesting of events (a handler showing a modal box, ...)
    Event<> afterEvent_;
    std::int64_t now_ = 0;
    std::function<std::int64_t()> clock_;
    std::map<Timer*, Countdown> countdowns_;
};

} // namespace volna
