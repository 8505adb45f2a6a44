// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says about the controls of a window: an accessible
// name and description for each control, in the program's language, from one
// table keyed by window and control. A text with %1 is filled with what a
// control of the same window shows (its caption or text), so a read-out's
// name follows the read-out; when such a text changes at a redraw, the widget
// gets the new text and Qt sends the screen reader a name or description
// change. The words that open windows are offered as buttons with a press
// action. Talks to the window's model and to its widgets only.

#include <QString>

#include <map>
#include <string>
#include <vector>

class QWidget;

namespace volna {

class Window;

// One control's texts. %1 in either stands for what `source` shows (the
// control itself when source is null), translated; %2 for `number` (the row
// of a channel).
struct AccessibleRow {
    const char* window;
    const char* control;
    const char* name;
    const char* description;
    const char* source = nullptr;
    bool pressable = false; // a label whose click does something: a button to a screen reader
    int number = 0;
};

// The row of control in window, or nullptr.
const AccessibleRow* accessibleRow(const std::string& window, const std::string& control);

// The row's text (its name or description), already translated, with %1
// filled with piece and %2 with the row's number; a ":" or blank left at the
// end by an empty piece is dropped.
QString filledText(const AccessibleRow& row, QString filled, const QString& piece);

class AccessibleTexts {
public:
    // Sets every widget's texts and marks the pressable labels; before the
    // widgets are first drawn, so that the press action is there from the start.
    AccessibleTexts(const Window& model, const std::map<std::string, QWidget*>& widgets);

    // Puts the texts that follow what a control shows on the widgets whose
    // source changed since the last call; nothing else is looked at.
    void update();

private:
    struct Followed {
        const AccessibleRow* row;
        QWidget* widget;
        const std::string* source; // what the source control shows, held by it
        std::string seen;          // what it showed at the last update
        QString name;              // the row's name and description translated, once
        QString description;
    };
    void apply(Followed& followed);

    std::vector<Followed> followed_;
};

} // namespace volna
