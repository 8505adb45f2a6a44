#include "ui/form_view.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "toolkit/window.h"
#include "ui/fonts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QValidator>

#include <cstdlib>
#include <functional>
#include <limits>

namespace volna {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A label that reports a press of the left mouse button as a click.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && onClick) {
            onClick();
        }
        QLabel::mousePressEvent(event);
    }
};

// A caption as a button of the given width can show it: when it does not fit
// on one line, it breaks at the blank nearest the middle, as the design's
// buttons and boxes wrap their captions, where two lines have room.
QString fitted(const QString& caption, const QFontMetrics& metrics, int width, int height) {
    if (metrics.horizontalAdvance(caption) <= width || height < 2 * metrics.lineSpacing() - 4) {
        return caption;
    }
    int best = -1;
    for (int at = caption.indexOf(' '); at >= 0; at = caption.indexOf(' ', at + 1)) {
        if (best < 0 || std::abs(at - caption.size() / 2) < std::abs(best - caption.size() / 2)) {
            best = at;
        }
    }
    if (best < 0) {
        return caption;
    }
    QString broken = caption;
    broken[best] = '\n';
    return broken;
}

// Whether a typed text is longer than the box lets the operator leave it,
// counted in characters as the model counts them.
bool overLimit(const TextBox& box, const QString& typed) {
    const int limit = box.typingLimit();
    return limit > 0 && typed.size() > limit && typed.toUcs4().size() > limit;
}

// Holds a box's length limit for the operator's edits only. QLineEdit's own
// maximum length would also cut what the program shows, so a text from the
// store longer than the limit would show cut and a save would store the cut.
// An edit that would leave the text longer than the box's typing limit is
// refused and undone by the line edit, as a full box refuses a key.
class TypingLimitValidator : public QValidator {
public:
    TypingLimitValidator(const TextBox& box, QObject* parent) : QValidator(parent), box_(box) {}

    State validate(QString& input, int& /*pos*/) const override {
        return overLimit(box_, input) ? Invalid : Acceptable;
    }

private:
    const TextBox& box_;
};

// The row the operator selected, or -1.
int selectedRow(const QListWidget* view) {
    const QList<QListWidgetItem*> selected = view->selectedItems();
    return selected.isEmpty() ? -1 : view->row(selected.front());
}

void renderList(const ListBox& list, QListWidget* view) {
    QStringList items;
    for (const std::string& item : list.items) {
        items << qt(item);
    }
    QStringList shown;
    for (int row = 0; row < view->count(); ++row) {
        shown << view->item(row)->text();
    }
    if (shown != items) {
        view->clear();
        view->addItems(items);
    }
    if (selectedRow(view) != list.selectedIndex) {
        view->setCurrentRow(list.selectedIndex);
    }
}

void setColour(QWidget* widget, const Colour& colour) {
    const QColor wanted(colour.red, colour.green, colour.blue);
    if (widget->palette().color(QPalette::WindowText) == wanted) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}

} // namespace

FormView::FormView(Window& model, std::span<const Placement> layout, int clientWidthTwips,
                   int clientHeightTwips, int captionTwips)
    : model_(model), program_(model.program()), clientWidthTwips_(clientWidthTwips),
      clientHeightTwips_(clientHeightTwips), captionTwips_(captionTwips) {
    setObjectName(qt(model.name()));
    setFont(controlFont());
    for (const Placement& place : layout) {
        Control* control = model.findControl(place.name);
        if (control == nullptr) {
            continue;
        }
        QWidget* parent = this;
        if (place.parent != nullptr && widgets_.count(place.parent) != 0) {
            parent = widgets_.at(place.parent);
        }
        QWidget* widget = createWidget(*control, parent);
        widget->setObjectName(qt(control->name()));
        widget->setGeometry(twipsToPixels(place.left), twipsToPixels(place.top),
                            twipsToPixels(place.width), twipsToPixels(place.height));
        widgets_[control->name()] = widget;
        bound_.push_back({control, widget, {}, {}});
        connectInput(*control, widget);
    }
    resizeToModel();
    render();
}

QWidget* FormView::widget(const std::string& name) const {
    auto found = widgets_.find(name);
    return found == widgets_.end() ? nullptr : found->second;
}

QWidget* FormView::createWidget(Control& control, QWidget* parent) {
    if (dynamic_cast<Label*>(&control) != nullptr) {
        return new ClickLabel(parent);
    }
    if (dynamic_cast<Frame*>(&control) != nullptr) {
        return new QGroupBox(parent);
    }
    if (dynamic_cast<Button*>(&control) != nullptr) {
        return new QPushButton(parent);
    }
    if (dynamic_cast<CheckBox*>(&control) != nullptr) {
        return new QCheckBox(parent);
    }
    if (dynamic_cast<OptionButton*>(&control) != nullptr) {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // the model keeps the group
        return radio;
    }
    if (auto* box = dynamic_cast<TextBox*>(&control); box != nullptr) {
        auto* edit = new QLineEdit(parent);
        // QLineEdit cuts every text at 32767 characters unless told otherwise.
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (box->maxLength > 0) {
            edit->setValidator(new TypingLimitValidator(*box, edit));
        }
        return edit;
    }
    if (dynamic_cast<ListBox*>(&control) != nullptr) {
        return new QListWidget(parent);
    }
    if (dynamic_cast<Slider*>(&control) != nullptr) {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        slider->setMinimum(0);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        return slider;
    }
    return new QWidget(parent);
}

void FormView::connectInput(Control& control, QWidget* widget) {
    Program& program = program_;
    if (auto* label = dynamic_cast<Label*>(&control)) {
        static_cast<ClickLabel*>(widget)->onClick = [&program, label] { program.click(*label); };
    } else if (auto* button = dynamic_cast<Button*>(&control)) {
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [&program, button] { program.click(*button); });
    } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                [&program, box] { program.click(*box); });
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                [&program, option] { program.click(*option); });
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        connectText(*text, static_cast<QLineEdit*>(widget));
    } else if (auto* list = dynamic_cast<ListBox*>(&control)) {
        connectList(*list, static_cast<QListWidget*>(widget));
    } else if (auto* slider = dynamic_cast<Slider*>(&control)) {
        connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this,
                [this, &program, slider](int value) {
                    if (!rendering_) {
                        program.scroll(*slider, value);
                    }
                });
    }
}

void FormView::connectText(TextBox& text, QLineEdit* edit) {
    Program& program = program_;
    connect(edit, &QLineEdit::textEdited, this, [&program, &text, edit](const QString& typed) {
        // Undo can bring back a text longer than the limit now allows without
        // asking the validator: the box goes back to the model's text.
        if (overLimit(text, typed)) {
            edit->setText(qt(text.text()));
            return;
        }
        program.type(text, typed.toStdString());
    });
}

// The selection, not the current row, is the operator's choice: Qt makes the
// first row current (without selecting it) when the list takes the focus, and
// that must not pick an entry nobody chose.
void FormView::connectList(ListBox& list, QListWidget* view) {
    Program& program = program_;
    connect(view, &QListWidget::itemSelectionChanged, this, [this, &program, &list, view] {
        if (!rendering_) {
            program.select(list, selectedRow(view));
        }
    });
}

// The caption of a labelled control, as it is now in the model.
static const std::string* captionOf(Control& control) {
    if (auto* label = dynamic_cast<Label*>(&control)) {
        return &label->caption;
    }
    if (auto* frame = dynamic_cast<Frame*>(&control)) {
        return &frame->caption;
    }
    if (auto* button = dynamic_cast<Button*>(&control)) {
        return &button->caption;
    }
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        return &box->caption;
    }
    if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        return &option->caption;
    }
    return nullptr;
}

void FormView::renderControl(Bound& bound) {
    Control& control = *bound.control;
    QWidget* widget = bound.widget;
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
    if (!bound.drawn || bound.shownToolTip != control.toolTip) {
        bound.shownToolTip = control.toolTip;
        widget->setToolTip(qt(control.toolTip));
    }
    const QSignalBlocker blocker(widget);
    if (const std::string* caption = captionOf(control)) {
        if (!bound.drawn || bound.shownCaption != *caption) {
            bound.shownCaption = *caption;
            renderCaption(control, widget);
        }
    }
    bound.drawn = true;
    if (auto* label = dynamic_cast<Label*>(&control)) {
        setColour(widget, label->foreColour);
    } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        static_cast<QCheckBox*>(widget)->setChecked(box->checked());
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        static_cast<QRadioButton*>(widget)->setChecked(option->selected());
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        auto* view = static_cast<QLineEdit*>(widget);
        if (view->text() != qt(text->text())) {
            view->setText(qt(text->text()));
        }
    } else if (auto* list = dynamic_cast<ListBox*>(&control)) {
        renderList(*list, static_cast<QListWidget*>(widget));
    } else if (auto* slider = dynamic_cast<Slider*>(&control)) {
        auto* view = static_cast<QSlider*>(widget);
        view->setMaximum(slider->maximum());
        view->setValue(slider->value());
    }
}

void FormView::renderCaption(Control& control, QWidget* widget) {
    if (auto* label = dynamic_cast<Label*>(&control)) {
        static_cast<QLabel*>(widget)->setText(qt(label->caption));
    } else if (auto* frame = dynamic_cast<Frame*>(&control)) {
        static_cast<QGroupBox*>(widget)->setTitle(qt(frame->caption));
    } else if (auto* button = dynamic_cast<Button*>(&control)) {
        auto* view = static_cast<QPushButton*>(widget);
        view->setText(
            fitted(qt(button->caption), view->fontMetrics(), view->width() - 6, view->height()));
    } else if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        auto* view = static_cast<QCheckBox*>(widget);
        view->setText(
            fitted(qt(box->caption), view->fontMetrics(), view->width() - 20, view->height()));
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        static_cast<QRadioButton*>(widget)->setText(qt(option->caption));
    }
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
    setWindowTitle(qt(model_.caption));
    setEnabled(model_.enabled);
    resizeToModel();
    for (Bound& bound : bound_) {
        renderControl(bound);
    }
    if (model_.focusRequests() != appliedFocusRequests_ && model_.focused() != nullptr) {
        appliedFocusRequests_ = model_.focusRequests();
        if (QWidget* view = widget(model_.focused()->name())) {
            view->setFocus();
        }
    }
    setVisible(model_.shown());
    rendering_ = false;
}

void FormView::closeEvent(QCloseEvent* event) {
    event->ignore(); // the model decides what a close does; render follows it
    program_.close(model_);
}

} // namespace volna
