// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws a side window of the program with the view made for its type.

#include <memory>

namespace volna {

class Form2;
class Form3;
class Form5;
class Form6;
class FormView;

// The view of each side window: the channel editor, the add-channel dialog,
// the settings dialog and the channel library.
std::unique_ptr<FormView> makeSideView(Form2& channelEditor);
std::unique_ptr<FormView> makeSideView(Form3& addChannelDialog);
std::unique_ptr<FormView> makeSideView(Form5& settingsDialog);
std::unique_ptr<FormView> makeSideView(Form6& channelLibrary);

} // namespace volna
