// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shared library opened when a port first needs it: an adapter's library
// (libftdi1 with the USB library, libgpiod) is not loaded at all by a start
// on another port, which saves the loading and linking at every start, and
// a machine without it still runs the other ports. Once opened, the library
// stays in the process until it ends: the USB library runs threads of its own.

#include <dlfcn.h>

#include <string>

namespace volna {

class SharedLibrary {
public:
    // soname: the library's file name with its ABI version ("libgpiod.so.2").
    explicit SharedLibrary(const char* soname)
        : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
        if (handle_ == nullptr) {
            error_ = reason();
        }
    }
    ~SharedLibrary() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // Points function at the library's function name (or one of the
    // libraries it needs); false, with error() saying why, when there is none.
    template <typename Function> bool find(Function*& function, const char* name) {
        if (handle_ == nullptr) {
            return false;
        }
        dlerror();
        void* address = dlsym(handle_, name);
        if (address == nullptr) {
            error_ = reason();
            return false;
        }
        function = reinterpret_cast<Function*>(address);
        return true;
    }

    // Why the library or one of its functions could not be had; empty when all was.
    const std::string& error() const { return error_; }

private:
    static std::string reason() {
        const char* text = dlerror();
        return text != nullptr ? text : "unknown error";
    }

    void* handle_;
    std::string error_;
};

} // namespace volna
