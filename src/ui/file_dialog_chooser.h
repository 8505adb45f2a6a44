// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operator's file choice as the platform's file dialog (QFileDialog): a
// modal dialog over the active window, the program's CSV filter first, and an
// overwrite question from the dialog itself when saving over a file.

#include "toolkit/file_chooser.h"

namespace volna {

class FileDialogChooser : public FileChooser {
public:
    std::string openFile(const FileRequest& request) override;
    std::string saveFile(const FileRequest& request) override;
};

} // namespace volna
