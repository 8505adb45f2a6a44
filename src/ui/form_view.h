#pragma once
// A window of the program drawn from its form model: one widget per control,
// named as the control, placed at its designed geometry, and redrawn from the
// model after every event. Clicks, typing and slider moves go to the Program as
// operator input; the widgets hold no behaviour of their own.

#include <QWidget>

#include <map>
#include <span>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace volna {

class Control;
class ListBox;
class Program;
class TextBox;
class Window;

// Where a control sits, in twips (15 twips are one pixel at 96 dpi). A control
// inside a frame counts from the frame's top left corner.
struct Placement {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* parent = nullptr; // the frame holding it, if any
};

inline int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

class FormView : public QWidget {
public:
    // Client area in twips; the height follows the model's window height less
    // the caption bar (heightTwips - captionTwips) when captionTwips is set.
    FormView(Window& model, std::span<const Placement> layout, int clientWidthTwips,
             int clientHeightTwips, int captionTwips = 0);

    Window& model() const { return model_; }
    QWidget* widget(const std::string& name) const;

    // Makes every widget show what its control holds, and the window itself.
    void render();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createWidget(Control& control, QWidget* parent);
    void connectInput(Control& control, QWidget* widget);
    void connectText(TextBox& text, QLineEdit* edit);
    void connectList(ListBox& list, QListWidget* view);
    // A control and its widget, with the texts last put on the widget, so that
    // a redraw that changes nothing costs little.
    struct Bound {
        Control* control;
        QWidget* widget;
        std::string shownCaption;
        std::string shownToolTip;
        bool drawn = false;
    };
    void renderControl(Bound& bound);
    void renderCaption(Control& control, QWidget* widget);
    void resizeToModel();

    Window& model_;
    Program& program_;
    int clientWidthTwips_;
    int clientHeightTwips_;
    int captionTwips_;
    std::map<std::string, QWidget*> widgets_;
    std::vector<Bound> bound_;
    bool rendering_ = false;
    unsigned long appliedFocusRequests_ = 0;
};

} // namespace volna
