// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of the program as a form model: caption, shown, enabled, height,
// its controls and timers, and the event procedures the Program runs on it.
// Windows are shown and hidden through the Program, which delivers activation.

#include <string>
#include <vector>

namespace volna {

// The caption of the button that closes a side window without storing.
inline constexpr const char* kExitCaption = "Выход";

class Control;
class Program;
class TextBox;
class Timer;

class Window {
public:
    Window(Program& program, std::string name);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& name() const { return name_; }
    Program& program() const { return program_; }

    // Runs each time this window becomes the active window of the program.
    virtual void Form_Activate() {}
    // The operator closed the window through its frame. Hides it unless a form
    // says otherwise.
    virtual void closeRequested();

    void show();
    void hide();
    bool shown() const { return shown_; }

    std::string caption;
    bool enabled = true;
    int heightTwips = 0;
    int widthTwips = 0;

    // The text box holding the keyboard focus, or nullptr.
    TextBox* focused() const { return focused_; }
    // Grows with every request to move the focus, so a view applies each once.
    unsigned long focusRequests() const { return focusRequests_; }

    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Timer*>& timers() const { return timers_; }
    Control* findControl(const std::string& name) const;

private:
    friend class Control;
    friend class Timer;
    friend class TextBox;
    friend class Program;

    Program& program_;
    std::string name_;
    bool shown_ = false;
    TextBox* focused_ = nullptr;
    unsigned long focusRequests_ = 0;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
};

} // namespace volna
