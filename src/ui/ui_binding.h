// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the program's form models on Qt's event loop: redraws every window
// after each event (after a timer's tick or a client's request at most once a
// frame) and as a message box opens, mirrors the
// models' timers with deadline timers, turns Qt's focus
// changes into the program's activations (only between its own windows), and
// leaves the event loop when the program ends.

#include "toolkit/event.h"
#include "ui/deadline_timer.h"

#include <QObject>
#include <QTimer>

#include <functional>
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

    // Redraws at once, rearms timers and follows the model's active window.
    void sync();

    // Delivers one tick of a model timer, as its platform timer does: the model runs the
    // tick at once and the redraw after it waits for the frame.
    void deliverTick(Timer& timer);

    // Runs a rig-control client's request: the model runs it at once, and the
    // redraw after it waits for the frame, so the reply does not wait for it.
    void runRequest(const std::function<void()>& request);

    // The longest a redraw waits after a timer's tick: about one screen frame.
    static constexpr int kFrameMs = 16;

protected:
    // A message box about to show: the handler that opens it has not
    // returned, so the windows are drawn now, as the model stands, rather
    // than once the box has been answered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TimerMirror {
        std::unique_ptr<DeadlineTimer> timer;
        unsigned long generation = 0;
    };

    // After every event: as sync(), except that after a tick or a request the
    // redraw waits for the frame, so a fast scan's ticks share one.
    void afterEvent();
    void render();
    void syncTimers();
    void followActiveWindow();
    void focusChanged(QWindow* window);
    FormView* viewOf(QWindow* window) const;

    Program& program_;
    std::vector<FormView*> views_;
    std::map<Timer*, TimerMirror> timers_;
    FormView* lastFocused_ = nullptr;
    Window* followed_ = nullptr; // the active window the focus was last moved to
    QTimer frame_;               // single shot: the redraw after ticks and requests
    bool drawAtFrame_ = false;   // the event running is a tick or a client's request
    Subscription afterEvent_;
};

} // namespace volna
