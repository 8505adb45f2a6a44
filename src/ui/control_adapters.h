// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget of one control and how it is bound: one adapter per kind of
// control makes the widget, forwards the operator's input on it to the Program
// and draws the control's state on it. bindControl picks the adapter once.

#include <memory>
#include <string>

class QObject;
class QWidget;

namespace volna {

class Control;
class Program;

// Where an adapter sends the operator's input: the program, the object whose
// lifetime the connections follow, and whether the view is redrawing (a change
// the redraw itself makes on a widget is not the operator's).
struct InputRoute {
    Program& program;
    QObject* context;
    const bool& rendering;
};

// A control and its widget. The common part of a redraw (shown, enabled, tool
// tip, caption) lives here, with the texts last put on the widget, so that a
// redraw that changes nothing costs little; a kind adds its own state.
class BoundControl {
public:
    BoundControl(Control& control, QWidget* widget) : control_(control), widget_(widget) {}
    virtual ~BoundControl() = default;
    BoundControl(const BoundControl&) = delete;
    BoundControl& operator=(const BoundControl&) = delete;

    Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // Sends the operator's input on the widget to the program; once, after the
    // widget has its name and geometry.
    virtual void connectInput(const InputRoute& /*route*/) {}
    // Makes the widget show what its control holds, without raising signals.
    void render();

protected:
    // The caption of a labelled control as it is now in the model, or nullptr.
    virtual const std::string* caption() const { return nullptr; }
    virtual void renderCaption() {}
    virtual void renderState() {}

private:
    Control& control_;
    QWidget* widget_;
    std::string shownCaption_;
    std::string shownToolTip_;
    bool drawn_ = false;
};

// Creates the widget of a control under parent with the adapter of its kind; a
// control of no known kind gets a plain widget that only shows and hides.
std::unique_ptr<BoundControl> bindControl(Control& control, QWidget* parent);

} // namespace volna
