// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files, the one way the program reads and replaces them: the settings
// store, the CSV command and the windows' import and export. A file is read at
// once up to a size limit, never blocking on a pipe or a device; it is replaced
// through a temporary file beside it that is written, synced, closed and then
// renamed over it, every step checked, so that a failed write never leaves
// half a file behind nor an empty one in place of a good one. Failures come
// back as a sentence for the operator and as the errno that caused them.

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace volna {

struct TextFileResult {
    bool ok = false;
    std::string text;    // the file's bytes when reading succeeded
    std::string error;   // why it failed, naming the file; empty on success
    int errorNumber = 0; // the errno of the failure (ENOENT: no such file)
};

// The calls a replace makes, each of which can fail on a real disk (a full
// one fails the write, a network one the sync or the close); tests stand in
// for one of them to fail it. The real ones are the POSIX calls.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // mkstemp: creates the file the pattern names, its last six X replaced.
    virtual int createTemporary(char* pattern);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int sync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};

// What the program names its temporary files: "<file>.volna144-new-" and six
// random letters or digits. Nothing else ever bears such a name, so leftovers
// of a killed save can be told from the operator's own files.
inline constexpr const char* kTemporarySuffix = ".volna144-new-";

// Reads the whole file at path; a file over maxBytes, a directory, a pipe or
// a device is refused unread.
TextFileResult readTextFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at path with text, or creates it. A symbolic link is
// followed, and a file that exists keeps its permissions. On any failure the
// file at path is left as it was, and no temporary file stays behind.
TextFileResult writeTextFile(const std::string& path, const std::string& text);
TextFileResult writeTextFile(const std::string& path, const std::string& text, FileCalls& calls);

// Whether name (a file name without its folder) is a temporary file that
// writeTextFile makes for a file named target.
bool isTemporaryFileOf(const std::string& name, const std::string& target);

} // namespace volna
