// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a window as plain values: what the operator sees (caption,
// text, enabled, visible, tooltip) and the handler a click runs. The Qt layer
// draws them; the Program delivers the operator's input to them.

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace volna {

class Window;

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};
inline constexpr Colour kGreen{0, 255, 0};
inline constexpr Colour kRed{255, 0, 0};

// Every control belongs to one window and registers itself there under its name
// ("Command4", "Check2_3" for element 3 of the array Check2).
class Control {
public:
    Control(Window& owner, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Window& window() const { return owner_; }
    // Takes operator input: enabled, visible, and its window shown and enabled
    // (or the control usable while its window is disabled).
    bool takesInput() const;
    // Enabled as drawn: the control's own flag, and its window enabled unless
    // the control stays usable while its window is disabled.
    bool drawnEnabled() const;

    bool enabled = true;
    bool visible = true;
    // Takes input while another window disables this one (the transmit switch
    // while it offers the way back to receive); false for every other control.
    bool usableInDisabledWindow = false;
    std::string toolTip;

private:
    Window& owner_;
    std::string name_;
};

class Label : public Control {
public:
    Label(Window& owner, std::string name, std::string caption = {});
    std::string caption;
    Colour foreColour = kGreen;
    std::function<void()> onClick;
};

class Frame : public Control {
public:
    Frame(Window& owner, std::string name, std::string caption = {});
    std::string caption;
};

class Button : public Control {
public:
    Button(Window& owner, std::string name, std::string caption = {});
    std::string caption;
    std::function<void()> onClick;
};

// A check box. Changing its value from code runs its click handler at once, as
// an operator's click does.
class CheckBox : public Control {
public:
    CheckBox(Window& owner, std::string name, std::string caption = {});
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // Puts the tick back without a click: the program undoing a change of the
    // operator's that it refused.
    void restore(bool checked) { checked_ = checked; }
    std::string caption;
    std::function<void()> onClick;

private:
    bool checked_ = false;
};

class OptionButton;

// Option buttons of one container: exactly one of them is selected.
class OptionGroup {
public:
    void add(OptionButton& option) { members_.push_back(&option); }
    const std::vector<OptionButton*>& members() const { return members_; }

private:
    std::vector<OptionButton*> members_;
};

// An option button. Selecting it, by the operator or from code, deselects the
// others of its group and runs its own click handler; selecting the option that
// is already selected runs nothing.
class OptionButton : public Control {
public:
    OptionButton(Window& owner, std::string name, OptionGroup& group, std::string caption = {});
    bool selected() const { return selected_; }
    void select();
    // Marks the option selected without running anything (the state a window opens with).
    void setInitiallySelected();
    std::string caption;
    std::function<void()> onClick;

private:
    OptionGroup& group_;
    bool selected_ = false;
};

// A text box. maxLength (in characters, 0 = no limit) limits what the operator
// types, not what the program sets: a longer text from the store is kept whole,
// and typing may shorten it but not lengthen it. A change of text from anywhere
// runs onChange.
class TextBox : public Control {
public:
    TextBox(Window& owner, std::string name, int maxLength = 0);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The longest text typing may leave: maxLength, or the length of the text
    // now held when that is longer; 0 when there is no limit.
    int typingLimit() const;
    // The operator's typing: the text cut to typingLimit() characters.
    void typeText(const std::string& text);
    void setFocus();
    int maxLength;
    std::function<void()> onChange;

private:
    std::string text_;
};

class ListBox : public Control {
public:
    ListBox(Window& owner, std::string name);
    std::vector<std::string> items;
    int selectedIndex = -1; // -1: nothing selected
    void addItem(std::string item) { items.push_back(std::move(item)); }
    void removeItem(int index);
    void clear();
    int count() const { return static_cast<int>(items.size()); }
};

// A horizontal slider from 0 to maximum. The program's own changes of value and
// maximum never run onScroll; only the operator's moves do.
class Slider : public Control {
public:
    Slider(Window& owner, std::string name);
    int value() const { return value_; }
    int maximum() const { return maximum_; }
    // Sets the position, held within 0..maximum.
    void setValue(int value);
    // Sets the maximum (0 or more); the position follows when it lies beyond.
    void setMaximum(int maximum);
    std::function<void()> onScroll;

private:
    int value_ = 0;
    int maximum_ = 0;
};

// An interval timer of a window. Its ticks run between events, one at a time.
// Switching it on or changing its interval starts a new countdown.
class Timer {
public:
    Timer(Window& owner, std::string name);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Interval in milliseconds; below 1 it is taken as 1.
    int interval() const { return interval_; }
    void setInterval(int ms);
    // Grows with every new countdown, so a scheduler can tell that it must rearm.
    unsigned long generation() const { return generation_; }
    std::function<void()> onTick;
    // Set on a timer whose work also runs after every event (the channel
    // indicator's refresh): between events it finds nothing new, so the
    // platform does not wake for it. The model still ticks it on its own clock.
    bool refreshedByEvents = false;

private:
    std::string name_;
    bool enabled_ = false;
    int interval_ = 1;
    unsigned long generation_ = 0;
};

// Enables or disables the controls in the order given.
inline void setEnabled(std::initializer_list<Control*> controls, bool enabled) {
    for (Control* control : controls) {
        control->enabled = enabled;
    }
}

// A control array: elements named "<name>_<index>".
template <class T, std::size_t N> class ControlArray {
public:
    template <class... Args> ControlArray(Window& owner, const std::string& name, Args&&... args) {
        for (std::size_t i = 0; i < N; ++i) {
            items_[i] = std::make_unique<T>(owner, name + "_" + std::to_string(i), args...);
        }
    }
    T& operator[](std::size_t i) { return *items_.at(i); }
    const T& operator[](std::size_t i) const { return *items_.at(i); }
    static constexpr std::size_t size() { return N; }

private:
    std::array<std::unique_ptr<T>, N> items_;
};

} // namespace volna
