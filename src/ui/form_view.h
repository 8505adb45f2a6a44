// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window of the program drawn from its form model: one widget per control,
// named as the control, placed where its window's layout table puts it, and redrawn from the
// model after every event. Clicks, typing and slider moves go to the Program as
// operator input; the widgets hold no behaviour of their own.

#include "console/keyboard_shortcuts.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace volna {

class AccessibleTexts;
class BoundControl;
class Program;
class Window;

// Where a control sits, in twips (15 twips are one pixel at 96 dpi). A control
// inside a frame counts from the frame's top left corner. A placement without
// a widget names a control or timer that is drawn nowhere by design.
struct Placement {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* parent = nullptr; // the frame holding it, if any
    bool hasWidget = true;
};

// The placement of a control or timer that has no widget.
constexpr Placement withoutWidget(const char* name) {
    return {name, 0, 0, 0, 0, nullptr, false};
}

inline int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// What is wrong between a window's controls and a layout for it, one line per
// fault: a control without a placement or placed twice, a placement naming no
// control, a frame named before it is placed. Empty when they match.
std::vector<std::string> layoutFaults(const Window& model, std::span<const Placement> layout);

class FormView : public QWidget {
public:
    // Client area in twips; the height follows the model's window height less
    // the caption bar (heightTwips - captionTwips) when captionTwips is set.
    // Throws std::logic_error naming the window and every fault of the layout
    // when it does not match the window's controls.
    FormView(Window& model, std::span<const Placement> layout, int clientWidthTwips,
             int clientHeightTwips, int captionTwips = 0);
    ~FormView() override;

    Window& model() const { return model_; }
    QWidget* widget(const std::string& name) const;

    // Makes every widget show what its control holds, and the window itself.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Fits every caption to its control before the window first shows.
    void showEvent(QShowEvent* event) override;
    // Fits every caption to its control from the font each has now: for a
    // window that sets its own fonts after the view was made.
    void fitCaptions();
    // Enter and Escape the focused control left unused: the window's keys
    // (ui/keyboard.h).
    void keyPressEvent(QKeyEvent* event) override;
    // What a shortcut of the window's keyboard map does when it is no click:
    // set by the window that has such a row.
    std::function<void(KeyAction)> keyAction;

private:
    void place(const Placement& placement);
    void resizeToModel();

    Window& model_;
    Program& program_;
    int clientWidthTwips_;
    int clientHeightTwips_;
    int captionTwips_;
    std::map<std::string, QWidget*> widgets_;
    std::vector<std::unique_ptr<BoundControl>> bound_;
    std::unique_ptr<AccessibleTexts> accessible_; // what a screen reader says of the widgets
    bool rendering_ = false;
    bool fitted_ = false; // captions fitted to their controls (at the first show)
    std::string title_;   // the model's caption the window's title was last drawn from
    bool titled_ = false;
    unsigned long appliedFocusRequests_ = 0;
};

} // namespace volna
