// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel library drawn: the memory channels and the library side by side
// with the copy buttons between them and a delete button under each, the
// search below the channels, the counters below the library, the two CSV
// buttons at the bottom left and the two closing buttons at the bottom right.

#include "ui/form_view.h"

namespace volna {

class Form6;

class ChannelLibraryWindow : public FormView {
public:
    explicit ChannelLibraryWindow(Form6& library);
};

} // namespace volna
