#pragma once
// Whole text files for the windows' import and export: a file read at once
// up to a size limit, and a file written through a temporary file renamed
// over it, so that a failed write never leaves half a file behind. Failures
// come back as a Russian sentence for the operator's error box.

#include <cstddef>
#include <string>

namespace volna {

struct TextFileResult {
    bool ok = false;
    std::string text;  // the file's bytes when reading succeeded
    std::string error; // why it failed, naming the file; empty on success
};

// Reads the whole file at path; a file over maxBytes is refused unread.
TextFileResult readTextFile(const std::string& path, std::size_t maxBytes);

// Writes text to path: a temporary file beside it, flushed to the disk, then
// renamed over path. On failure path is left as it was.
TextFileResult writeTextFile(const std::string& path, const std::string& text);

} // namespace volna
