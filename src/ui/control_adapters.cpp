// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_adapters.h"

#include "ui/caption_fit.h"

#include "toolkit/controls.h"
#include "toolkit/program.h"
#include "ui/translate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QValidator>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <limits>

namespace volna {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A label that reports a press of the left mouse button as a click. A label
// that opens something takes the keyboard focus too, shows it with a dotted
// frame in its own colour (the display is black), and takes Enter and Space
// as a click.
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
    void keyPressEvent(QKeyEvent* event) override {
        const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                           event->key() == Qt::Key_Space;
        if (press && onClick && !event->isAutoRepeat() &&
            (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            onClick();
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

// A slider whose Page Up and Page Down move by kPageNotches: onPage gets the
// notches (+ up, - down) and moves the slider through the program, as a drag.
class KeySlider : public QSlider {
public:
    static constexpr int kPageNotches = 10;
    using QSlider::QSlider;
    std::function<void(int)> onPage;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && onPage) {
            event->accept();
            onPage(key == Qt::Key_PageUp ? kPageNotches : -kPageNotches);
            return;
        }
        QSlider::keyPressEvent(event);
    }
};

// A caption as a button of the given width can show it: when it does not fit
// on one line, it breaks at the blank nearest the middle, as the
// console's buttons and boxes have always wrapped their captions, where two lines have room.
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

// drawn holds the items the list widget shows, so that a frame compares
// them without converting a thousand of them.
void renderList(const ListBox& list, QListWidget* view, std::vector<std::string>& drawn) {
    if (drawn != list.items) {
        QStringList items;
        for (const std::string& item : list.items) {
            items << qt(item);
        }
        view->clear();
        view->addItems(items);
        drawn = list.items;
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

// The typed halves of an adapter: the control of kind C and its widget W.
template <class C, class W> class KindAdapter : public BoundControl {
protected:
    KindAdapter(C& control, W* view)
        : BoundControl(control, view), control_(control), view_(view) {}
    C& control_;
    W* view_;
};

// A label: its caption and colour; a left click is a click on it.
class LabelAdapter : public KindAdapter<Label, ClickLabel> {
public:
    LabelAdapter(Label& label, QWidget* parent) : KindAdapter(label, new ClickLabel(parent)) {
        view_->setTextFormat(Qt::PlainText); // a comment with "<" in it is no markup
    }
    void connectInput(const InputRoute& route) override {
        view_->onClick = [&program = route.program, &label = control_] { program.click(label); };
        if (control_.onClick) {
            view_->setFocusPolicy(Qt::StrongFocus);
        }
    }

protected:
    const std::string* caption() const override { return &control_.caption; }
    void renderCaption() override { view_->setText(shown(control_.caption)); }
    void renderState() override { setColour(view_, control_.foreColour); }
};

// A frame: a titled box that holds other widgets and takes no input.
class FrameAdapter : public KindAdapter<Frame, QGroupBox> {
public:
    FrameAdapter(Frame& frame, QWidget* parent) : KindAdapter(frame, new QGroupBox(parent)) {}

protected:
    const std::string* caption() const override { return &control_.caption; }
    void renderCaption() override { view_->setTitle(shown(control_.caption)); }
};

// A command button, its caption broken onto two lines where one is too narrow.
class ButtonAdapter : public KindAdapter<Button, QPushButton> {
public:
    ButtonAdapter(Button& button, QWidget* parent) : KindAdapter(button, new QPushButton(parent)) {}
    void connectInput(const InputRoute& route) override {
        QObject::connect(view_, &QPushButton::clicked, route.context,
                         [&program = route.program, &button = control_] { program.click(button); });
    }

protected:
    const std::string* caption() const override { return &control_.caption; }
    void renderCaption() override {
        view_->setText(fitted(shown(control_.caption), view_->fontMetrics(), view_->width() - 6,
                              view_->height()));
    }
};

// A check box: a click goes to the model, which decides the tick.
class CheckBoxAdapter : public KindAdapter<CheckBox, QCheckBox> {
public:
    CheckBoxAdapter(CheckBox& box, QWidget* parent) : KindAdapter(box, new QCheckBox(parent)) {}
    void connectInput(const InputRoute& route) override {
        QObject::connect(view_, &QCheckBox::clicked, route.context,
                         [&program = route.program, &box = control_] { program.click(box); });
    }

protected:
    const std::string* caption() const override { return &control_.caption; }
    void renderCaption() override {
        view_->setText(fitted(shown(control_.caption), view_->fontMetrics(), view_->width() - 20,
                              view_->height()));
    }
    void renderState() override { view_->setChecked(control_.checked()); }
};

// The option buttons' group of a container: not exclusive, since the model
// keeps the choice. The buttons stay auto-exclusive for what they are: Qt
// tells a screen reader that an auto-exclusive button is a radio button and
// any other a check box, and a group's exclusivity overrides theirs.
QButtonGroup* optionButtonsOf(QWidget* parent) {
    auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (group == nullptr) {
        group = new QButtonGroup(parent);
        group->setExclusive(false);
    }
    return group;
}

// An option button. The model keeps the group, so Qt's own exclusivity is off.
class OptionAdapter : public KindAdapter<OptionButton, QRadioButton> {
public:
    OptionAdapter(OptionButton& option, QWidget* parent)
        : KindAdapter(option, new QRadioButton(parent)) {
        optionButtonsOf(parent)->addButton(view_);
    }
    void connectInput(const InputRoute& route) override {
        QObject::connect(view_, &QRadioButton::clicked, route.context,
                         [&program = route.program, &option = control_] { program.click(option); });
    }

protected:
    const std::string* caption() const override { return &control_.caption; }
    void renderCaption() override { view_->setText(shown(control_.caption)); }
    void renderState() override { view_->setChecked(control_.selected()); }
};

// A text box: the operator's edits within the box's typing limit.
class TextBoxAdapter : public KindAdapter<TextBox, QLineEdit> {
public:
    TextBoxAdapter(TextBox& box, QWidget* parent) : KindAdapter(box, new QLineEdit(parent)) {
        // QLineEdit cuts every text at 32767 characters unless told otherwise.
        view_->setMaxLength(std::numeric_limits<int>::max());
        if (box.maxLength > 0) {
            view_->setValidator(new TypingLimitValidator(box, view_));
        }
    }
    void connectInput(const InputRoute& route) override {
        QObject::connect(
            view_, &QLineEdit::textEdited, route.context,
            [&program = route.program, &text = control_, edit = view_](const QString& typed) {
                // Undo can bring back a text longer than the limit
                // now allows without asking the validator: the box
                // goes back to the model's text.
                if (overLimit(text, typed)) {
                    edit->setText(qt(text.text()));
                    return;
                }
                program.type(text, typed.toStdString());
            });
    }

protected:
    void renderState() override {
        if (view_->text() != qt(control_.text())) {
            view_->setText(qt(control_.text()));
        }
    }
};

// A list box. The selection, not the current row, is the operator's choice:
// Qt makes the first row current (without selecting it) when the list takes
// the focus, and that must not pick an entry nobody chose.
class ListAdapter : public KindAdapter<ListBox, QListWidget> {
public:
    ListAdapter(ListBox& list, QWidget* parent) : KindAdapter(list, new QListWidget(parent)) {}
    void connectInput(const InputRoute& route) override {
        QObject::connect(view_, &QListWidget::itemSelectionChanged, route.context,
                         [&program = route.program, &list = control_, view = view_,
                          rendering = &route.rendering] {
                             if (!*rendering) {
                                 program.select(list, selectedRow(view));
                             }
                         });
    }

protected:
    void renderState() override { renderList(control_, view_, drawnItems_); }

private:
    std::vector<std::string> drawnItems_;
};

// A horizontal slider moved one step at a time; only the operator's moves
// are reported, not the ones a redraw makes.
class SliderAdapter : public KindAdapter<Slider, KeySlider> {
public:
    SliderAdapter(Slider& slider, QWidget* parent)
        : KindAdapter(slider, new KeySlider(Qt::Horizontal, parent)) {
        view_->setMinimum(0);
        view_->setSingleStep(1);
        view_->setPageStep(1);
    }
    void connectInput(const InputRoute& route) override {
        QObject::connect(view_, &QSlider::valueChanged, route.context,
                         [&program = route.program, &slider = control_,
                          rendering = &route.rendering](int value) {
                             if (!*rendering) {
                                 program.scroll(slider, value);
                             }
                         });
        view_->onPage = [&program = route.program, &slider = control_](int notches) {
            const int target =
                std::clamp(slider.value() + notches, 0, std::max(0, slider.maximum()));
            if (target != slider.value()) {
                program.scroll(slider, target);
            }
        };
    }

protected:
    void renderState() override {
        view_->setMaximum(control_.maximum());
        view_->setValue(control_.value());
    }
};

// The adapter A when the control is of kind C, otherwise nothing.
template <class C, class A>
std::unique_ptr<BoundControl> bindAs(Control& control, QWidget* parent) {
    auto* typed = dynamic_cast<C*>(&control);
    return typed == nullptr ? nullptr : std::make_unique<A>(*typed, parent);
}

using Binder = std::unique_ptr<BoundControl> (*)(Control&, QWidget*);

// One row per kind of control.
constexpr std::array<Binder, 8> kBinders{
    &bindAs<Label, LabelAdapter>,         &bindAs<Frame, FrameAdapter>,
    &bindAs<Button, ButtonAdapter>,       &bindAs<CheckBox, CheckBoxAdapter>,
    &bindAs<OptionButton, OptionAdapter>, &bindAs<TextBox, TextBoxAdapter>,
    &bindAs<ListBox, ListAdapter>,        &bindAs<Slider, SliderAdapter>,
};

} // namespace

void BoundControl::render() {
    widget_->setVisible(control_.visible);
    widget_->setEnabled(control_.drawnEnabled());
    if (!drawn_ || shownToolTip_ != control_.toolTip) {
        shownToolTip_ = control_.toolTip;
        widget_->setToolTip(shown(control_.toolTip));
    }
    const QSignalBlocker blocker(widget_);
    if (const std::string* shown = caption()) {
        if (!drawn_ || shownCaption_ != *shown) {
            shownCaption_ = *shown;
            renderCaption();
            refitCaption(widget_);
        }
    }
    drawn_ = true;
    renderState();
}

std::unique_ptr<BoundControl> bindControl(Control& control, QWidget* parent) {
    for (Binder bind : kBinders) {
        if (std::unique_ptr<BoundControl> bound = bind(control, parent)) {
            return bound;
        }
    }
    return std::make_unique<BoundControl>(control, new QWidget(parent));
}

} // namespace volna
