#pragma once
// Runs the program's form models on Qt's event loop: redraws every window
// after each event, mirrors the models' timers with QTimers, turns Qt's focus
// changes into the program's activations (only between its own windows), and
// leaves the event loop when the program ends.

#include "toolkit/event.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

class QWindow;

namespace volna {

class FormView;
class Program;
class Timer;
class Window;

class UiBinding : public QObject {
public:
    explicit UiBinding(Program& program);

    // The view takes part from now on; the binding does not own it.
    void addView(FormView& view);

    // Redraws, rearms timers and follows the model's active window. Runs after
    // every event of the program.
    void sync();

private:
    struct TimerMirror {
        std::unique_ptr<QTimer> timer;
        unsigned long generation = 0;
    };

    void syncTimers();
    void followActiveWindow();
    void focusChanged(QWindow* window);
    FormView* viewOf(QWindow* window) const;

    Program& program_;
    std::vector<FormView*> views_;
    std::map<Timer*, TimerMirror> timers_;
    FormView* lastFocused_ = nullptr;
    Window* followed_ = nullptr; // the active window the focus was last moved to
    Subscription afterEvent_;
};

} // namespace volna
