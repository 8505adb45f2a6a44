// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialog a window uses to ask the operator which file to read or to
// write. The real one is the platform's file dialog (ui/); tests use a
// scripted one that answers as the scenario says.

#include <string>

namespace volna {

struct FileRequest {
    std::string title;
    // What the dialog offers first, e.g. "CSV (*.csv)"; all files stay reachable.
    std::string filter;
    // The name a save dialog proposes; empty for none.
    std::string suggestedName;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Blocks until the operator picks an existing file or cancels; the file's
    // path, or the empty text when cancelled.
    virtual std::string openFile(const FileRequest& request) = 0;
    // Blocks until the operator names a file to write or cancels; the path, or
    // the empty text when cancelled. Overwriting is confirmed by the dialog.
    virtual std::string saveFile(const FileRequest& request) = 0;
};

} // namespace volna
