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
    return {false, {}, fillText(what, {path, std::strerror(error)})};
}

// Writes all of text to fd, retrying short writes.
bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
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

// Why a file that opened cannot be read as a whole: not a regular file, or
// larger than maxBytes; 0 when it can.
int unreadable(int fd, std::size_t maxBytes, std::size_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    if (!S_ISREG(info.st_mode)) {
        return EINVAL;
    }
    size = static_cast<std::size_t>(info.st_size);
    return size > maxBytes ? EFBIG : 0;
}

} // namespace

TextFileResult readTextFile(const std::string& path, std::size_t maxBytes) {
    // A pipe or a device is refused before it is opened: opening a pipe
    // without a writer would wait for one, and with it the whole program.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return failure(kCannotReadTemplate, path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
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
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return failure(kCannotWriteTemplate, path, errno);
    }
    // mkstemp makes the file private; a saved file gets the usual rights.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) {
        return {true, {}, {}};
    }
    ::unlink(temporary.c_str());
    return failure(kCannotWriteTemplate, path, error);
}

} // namespace volna
