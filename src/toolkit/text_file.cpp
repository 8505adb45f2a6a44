// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and the atomic writing of whole text files with POSIX calls, the
// errno text of a failure kept for the operator's message.

#include "toolkit/text_file.h"

#include "toolkit/text_templates.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace volna {

namespace {

TextFileResult failure(std::string_view what, const std::string& path, int error) {
    return {false, {}, fillText(what, {path, std::strerror(error)}), error};
}

// Writes all of text to fd, retrying short writes; a write that makes no
// progress fails with EIO.
bool writeAll(FileCalls& calls, int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = calls.write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            errno = n == 0 ? EIO : errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::size_t size, std::string& text) {
    text.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, text.data() + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break; // the file shrank while being read
        }
        done += static_cast<std::size_t>(n);
    }
    text.resize(done);
    return true;
}

// EISDIR for a folder, EINVAL for a pipe or a device, 0 for a regular file.
int notRegular(const struct stat& info) {
    return S_ISREG(info.st_mode) ? 0 : S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
}

// Why a file that opened cannot be read as a whole: not a regular file, or
// larger than maxBytes; 0 when it can.
int unreadable(int fd, std::size_t maxBytes, std::size_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return errno;
    }
    if (const int error = notRegular(info); error != 0) {
        return error;
    }
    size = static_cast<std::size_t>(info.st_size);
    return size > maxBytes ? EFBIG : 0;
}

// The file a write to path replaces: the target of a symbolic link, so that
// a link into another folder stays a link; path itself otherwise (a dangling
// link is replaced by the file).
std::string replacedFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;
    }
    std::string target(real);
    std::free(real);
    return target;
}

// The permissions the new file gets: those of the file it replaces, or the
// usual ones for a new file.
mode_t permissionsFor(const struct stat* replaced) {
    if (replaced != nullptr) {
        return replaced->st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the rename itself durable. A folder that cannot be synced (some file
// systems refuse it) still holds the new file; nothing is lost by going on.
void syncFolderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int FileCalls::createTemporary(char* pattern) {
    return ::mkostemp(pattern, O_CLOEXEC);
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileCalls::sync(int fd) {
    return ::fsync(fd);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

TextFileResult readTextFile(const std::string& path, std::size_t maxBytes) {
    // A pipe or a device is refused before it is opened: opening a pipe
    // without a writer would wait for one, and with it the whole program.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return failure(kCannotReadTemplate, path, notRegular(info));
    }
    // O_NONBLOCK still, should a pipe take the file's place in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return failure(kCannotReadTemplate, path, errno);
    }
    std::size_t size = 0;
    if (const int error = unreadable(fd, maxBytes, size); error != 0) {
        ::close(fd);
        return failure(kCannotReadTemplate, path, error);
    }
    TextFileResult result;
    result.ok = readAll(fd, size, result.text);
    const int error = errno;
    ::close(fd);
    return result.ok ? result : failure(kCannotReadTemplate, path, error);
}

TextFileResult writeTextFile(const std::string& path, const std::string& text) {
    FileCalls calls;
    return writeTextFile(path, text, calls);
}

TextFileResult writeTextFile(const std::string& path, const std::string& text, FileCalls& calls) {
    const std::string target = replacedFile(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) { // a rename would put a file in place of a device
        return failure(kCannotWriteTemplate, path, notRegular(info));
    }
    std::string temporary = target + kTemporarySuffix + "XXXXXX";
    const int fd = calls.createTemporary(temporary.data());
    if (fd < 0) {
        return failure(kCannotWriteTemplate, path, errno);
    }
    ::fchmod(fd, permissionsFor(exists ? &info : nullptr));
    bool ok = writeAll(calls, fd, text) && calls.sync(fd) == 0;
    int error = ok ? 0 : errno;
    if (calls.close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && calls.rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failure(kCannotWriteTemplate, path, error);
    }
    syncFolderOf(target);
    return {true, {}, {}, 0};
}

bool isTemporaryFileOf(const std::string& name, const std::string& target) {
    const std::string prefix = fileNameOf(target) + kTemporarySuffix;
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

} // namespace volna
