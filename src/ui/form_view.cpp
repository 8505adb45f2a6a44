// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_view.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "ui/accessibility.h"
#include "ui/caption_fit.h"
#include "ui/control_adapters.h"
#include "ui/fonts.h"
#include "ui/keyboard.h"
#include "ui/translate.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace volna {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A disabled window whose control is usable all the same stays enabled as a
// widget; each of its widgets is then disabled but that control's.
bool widgetEnabled(const Window& model) {
    return model.enabled ||
           std::any_of(model.controls().begin(), model.controls().end(),
                       [](const Control* control) {
                           return control->enabled && control->usableInDisabledWindow;
                       });
}

bool hasTimer(const Window& model, const std::string& name) {
    return std::any_of(model.timers().begin(), model.timers().end(),
                       [&name](const Timer* timer) { return timer->name() == name; });
}

// What the view of the window cannot be built from, as one message.
std::string refusal(const Window& model, const std::vector<std::string>& faults) {
    std::string message = "window " + model.name() + ": the layout does not match its controls";
    for (const std::string& fault : faults) {
        message += "; " + fault;
    }
    return message;
}

} // namespace

std::vector<std::string> layoutFaults(const Window& model, std::span<const Placement> layout) {
    std::vector<std::string> faults;
    std::set<std::string> placed;
    std::set<std::string> drawn; // the placements with a widget so far
    for (const Placement& placement : layout) {
        const std::string name = placement.name;
        const bool known =
            model.findControl(name) != nullptr || (!placement.hasWidget && hasTimer(model, name));
        if (!known) {
            faults.push_back("placement " + name + " names no control");
        } else if (!placed.insert(name).second) {
            faults.push_back("control " + name + " is placed twice");
        }
        if (placement.parent != nullptr && drawn.count(placement.parent) == 0) {
            faults.push_back("frame " + std::string(placement.parent) + " of " + name +
                             " is not placed before it");
        }
        if (known && placement.hasWidget) {
            drawn.insert(name);
        }
    }
    for (const Control* control : model.controls()) {
        if (placed.count(control->name()) == 0) {
            faults.push_back("control " + control->name() + " has no placement");
        }
    }
    return faults;
}

FormView::FormView(Window& model, std::span<const Placement> layout, int clientWidthTwips,
                   int clientHeightTwips, int captionTwips)
    : model_(model), program_(model.program()), clientWidthTwips_(clientWidthTwips),
      clientHeightTwips_(clientHeightTwips), captionTwips_(captionTwips) {
    const std::vector<std::string> faults = layoutFaults(model, layout);
    if (!faults.empty()) {
        throw std::logic_error(refusal(model, faults));
    }
    setObjectName(qt(model.name()));
    setFont(controlFont());
    for (const Placement& placement : layout) {
        place(placement);
    }
    accessible_ = std::make_unique<AccessibleTexts>(model_, widgets_);
    resizeToModel();
    installShortcuts(*this, model, [this](KeyAction action) {
        if (keyAction) {
            keyAction(action);
        }
    });
    render();
}

FormView::~FormView() = default;

// Creates the widget of a placed control with the adapter of its kind, at its
// geometry inside its frame or the window, and connects its input.
void FormView::place(const Placement& placement) {
    if (!placement.hasWidget) {
        return;
    }
    Control& control = *model_.findControl(placement.name);
    QWidget* parent = placement.parent == nullptr ? this : widgets_.at(placement.parent);
    std::unique_ptr<BoundControl> bound = bindControl(control, parent);
    QWidget* widget = bound->widget();
    widget->setObjectName(qt(control.name()));
    widget->setGeometry(twipsToPixels(placement.left), twipsToPixels(placement.top),
                        twipsToPixels(placement.width), twipsToPixels(placement.height));
    widgets_[control.name()] = widget;
    bound->connectInput({program_, this, rendering_});
    bound_.push_back(std::move(bound));
}

QWidget* FormView::widget(const std::string& name) const {
    auto found = widgets_.find(name);
    return found == widgets_.end() ? nullptr : found->second;
}

void FormView::resizeToModel() {
    int heightTwips = clientHeightTwips_;
    if (captionTwips_ > 0 && model_.heightTwips > 0) {
        heightTwips = model_.heightTwips - captionTwips_;
    }
    const QSize size(twipsToPixels(clientWidthTwips_), twipsToPixels(heightTwips));
    if (this->size() != size) {
        setFixedSize(size);
    }
}

void FormView::render() {
    rendering_ = true;
    if (!titled_ || title_ != model_.caption) {
        titled_ = true;
        title_ = model_.caption;
        setWindowTitle(shown(title_));
    }
    setEnabled(widgetEnabled(model_));
    resizeToModel();
    for (const std::unique_ptr<BoundControl>& bound : bound_) {
        bound->render();
    }
    if (model_.focusRequests() != appliedFocusRequests_ && model_.focused() != nullptr) {
        appliedFocusRequests_ = model_.focusRequests();
        if (QWidget* view = widget(model_.focused()->name())) {
            view->setFocus();
        }
    }
    accessible_->update();
    setVisible(model_.shown());
    rendering_ = false;
}

void FormView::showEvent(QShowEvent* event) {
    if (!fitted_) {
        fitCaptions();
    }
    QWidget::showEvent(event);
}

void FormView::fitCaptions() {
    fitted_ = true;
    for (const auto& [name, widget] : widgets_) {
        widget->ensurePolished(); // the style's own font first
        fitCaption(widget, FitFrom::PresentFont);
    }
}

void FormView::keyPressEvent(QKeyEvent* event) {
    if (pressUnusedKey(model_, *event, QApplication::focusWidget())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormView::closeEvent(QCloseEvent* event) {
    event->ignore(); // the model decides what a close does; render follows it
    program_.close(model_);
}

} // namespace volna
