// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ui_binding.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "ui/form_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace volna {

UiBinding::UiBinding(Program& program) : program_(program) {
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMs);
    connect(&frame_, &QTimer::timeout, this, [this] { render(); });
    afterEvent_ = program_.addAfterEvent([this] { afterEvent(); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this](QWindow* window) { focusChanged(window); });
    qApp->installEventFilter(this);
}

bool UiBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isModal() && !program_.quitting()) {
        render();
    }
    return false;
}

void UiBinding::addView(FormView& view) {
    views_.push_back(&view);
}

void UiBinding::sync() {
    drawAtFrame_ = false;
    afterEvent();
}

void UiBinding::afterEvent() {
    if (program_.quitting()) {
        frame_.stop();
        for (auto& [timer, mirror] : timers_) {
            mirror.timer->stop();
        }
        QCoreApplication::exit(0);
        return;
    }
    syncTimers();
    if (!drawAtFrame_) {
        render();
    } else if (!frame_.isActive()) {
        frame_.start(); // the model moves on with every tick; the widgets follow once a frame
    }
}

// A window neither shown nor to be shown is not drawn: it is drawn whole
// when its model shows it.
void UiBinding::render() {
    frame_.stop();
    for (FormView* view : views_) {
        if (view->isVisible() || view->model().shown()) {
            view->render();
        }
    }
    followActiveWindow();
}

void UiBinding::deliverTick(Timer& timer) {
    runRequest([&] { program_.tick(timer); });
}

// A message box opened inside may run further events; each keeps the way of
// drawing of the event it runs in. While a box is open, the handler that
// opened it has not returned, so no event ends and nothing else redraws: a
// request or tick served then (a client's or the time-out's drop to receive)
// is drawn at the next frame.
void UiBinding::runRequest(const std::function<void()>& request) {
    const bool outer = drawAtFrame_;
    drawAtFrame_ = true;
    request();
    drawAtFrame_ = outer;
    if (!frame_.isActive() && QApplication::activeModalWidget() != nullptr) {
        frame_.start();
    }
}

void UiBinding::syncTimers() {
    for (FormView* view : views_) {
        for (Timer* timer : view->model().timers()) {
            if (timer->refreshedByEvents) {
                continue; // nothing for it to do between events
            }
            TimerMirror& mirror = timers_[timer];
            if (!mirror.timer) {
                mirror.timer =
                    std::make_unique<DeadlineTimer>([this, timer] { deliverTick(*timer); });
            }
            if (!timer->enabled()) {
                if (mirror.timer->isActive()) {
                    mirror.timer->stop(); // a system call: only when it runs
                }
            } else if (!mirror.timer->isActive() || mirror.generation != timer->generation()) {
                mirror.generation = timer->generation();
                mirror.timer->start(timer->interval());
            }
        }
    }
}

// Without a window manager nothing activates a window when another one hides,
// so the model's active window is brought forward explicitly, once each time
// it changes (moving the focus in the middle of a click would cancel the click).
void UiBinding::followActiveWindow() {
    Window* active = program_.activeWindow();
    if (active == followed_) {
        return; // only a change of the model's active window moves the focus
    }
    followed_ = active;
    for (FormView* view : views_) {
        if (&view->model() == active && view->isVisible() && !view->isActiveWindow()) {
            view->raise();
            view->activateWindow();
        }
    }
}

FormView* UiBinding::viewOf(QWindow* window) const {
    for (FormView* view : views_) {
        if (view->windowHandle() == window) {
            return view;
        }
    }
    return nullptr;
}

// A change of the focus window is an activation only when it moves between
// windows of the program; message boxes and other applications do not count.
void UiBinding::focusChanged(QWindow* window) {
    if (window == nullptr) {
        return;
    }
    FormView* view = viewOf(window);
    if (view == nullptr || view == lastFocused_) {
        return;
    }
    lastFocused_ = view;
    program_.activate(view->model());
}

} // namespace volna
