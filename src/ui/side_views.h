#pragma once
// Draws a side window of the program with the view made for it.

#include <memory>

namespace volna {

class FormView;
class Window;

// The view of a side window; nullptr for a window that has none.
std::unique_ptr<FormView> makeSideView(Window& window);

} // namespace volna
