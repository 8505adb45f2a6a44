// SPDX-License-Identifier: GPL-3.0-or-later
// The GPIO chip on libgpiod 1.x: the one file of the program that calls the
// library. Errors come back as the errno value the library left. The library
// is opened with the first chip made, so that a start on another port does
// not load it.

#include "platform/gpio/gpio_chip.h"
#include "platform/gpio/handle_descriptor.h"
#include "platform/shared_library.h"

#include <cerrno>
#include <vector>

#include <gpiod.h>

namespace volna {

namespace {

constexpr const char* kConsumer = "volna144";
constexpr const char* kOwnDescriptors = "/proc/self/fd";

// errno after a failed call, or fallback where the library left none.
int lastError(int fallback) {
    return errno != 0 ? errno : fallback;
}

// The functions of libgpiod that a chip calls.
struct GpiodLibrary {
    explicit GpiodLibrary(const char* soname) : library(soname) {
        usable = library.find(openChip, "gpiod_chip_open_lookup") &&
                 library.find(closeChip, "gpiod_chip_close") &&
                 library.find(lineCount, "gpiod_chip_num_lines") &&
                 library.find(getLine, "gpiod_chip_get_line") &&
                 library.find(getLines, "gpiod_chip_get_lines") &&
                 library.find(requestOutputs, "gpiod_line_request_bulk_output") &&
                 library.find(requestInput, "gpiod_line_request_input_flags") &&
                 library.find(setValues, "gpiod_line_set_value_bulk") &&
                 library.find(getValue, "gpiod_line_get_value") &&
                 library.find(updateLine, "gpiod_line_update") &&
                 library.find(lineUsed, "gpiod_line_is_used") &&
                 library.find(consumer, "gpiod_line_consumer");
    }

    SharedLibrary library;
    bool usable = false;
    decltype(&gpiod_chip_open_lookup) openChip = nullptr;
    decltype(&gpiod_chip_close) closeChip = nullptr;
    decltype(&gpiod_chip_num_lines) lineCount = nullptr;
    decltype(&gpiod_chip_get_line) getLine = nullptr;
    decltype(&gpiod_chip_get_lines) getLines = nullptr;
    decltype(&gpiod_line_request_bulk_output) requestOutputs = nullptr;
    decltype(&gpiod_line_request_input_flags) requestInput = nullptr;
    decltype(&gpiod_line_set_value_bulk) setValues = nullptr;
    decltype(&gpiod_line_get_value) getValue = nullptr;
    decltype(&gpiod_line_update) updateLine = nullptr;
    decltype(&gpiod_line_is_used) lineUsed = nullptr;
    decltype(&gpiod_line_consumer) consumer = nullptr;
};

// Holds one chip and the lines requested on it; the output request is one
// bulk request of four lines, the busy input a request of its own. Closing
// the chip releases them all.
class LibgpiodChip : public GpioChip {
public:
    explicit LibgpiodChip(const char* soname) : lib_(soname) {}
    ~LibgpiodChip() override { release(); }

    // ELIBACC where the library could not be loaded.
    int open(const std::string& device) override {
        if (!lib_.usable) {
            return ELIBACC;
        }
        errno = 0;
        chip_ = lib_.openChip(device.c_str());
        return chip_ != nullptr ? 0 : lastError(ENODEV);
    }

    int lineCount() const override {
        return chip_ != nullptr ? static_cast<int>(lib_.lineCount(chip_)) : 0;
    }

    int requestOutputs(const GpioOutputs& offsets) override;

    int setOutputs(const GpioOutputs& levels) override {
        if (!outputsRequested_) {
            return EBADF;
        }
        int values[4] = {levels[0], levels[1], levels[2], levels[3]};
        errno = 0;
        return lib_.setValues(&outputs_, values) == 0 ? 0 : lastError(EIO);
    }

    int requestInput(int offset) override;

    int readInput(int& high) override {
        if (input_ == nullptr) {
            return EBADF;
        }
        errno = 0;
        const int value = lib_.getValue(input_);
        if (value < 0) {
            return lastError(EIO);
        }
        high = value;
        return 0;
    }

    bool lineInUse(int offset, std::string& consumer) override;

    void release() override {
        // Closing the chip releases every line requested on it.
        if (chip_ != nullptr) {
            lib_.closeChip(chip_);
        }
        chip_ = nullptr;
        input_ = nullptr;
        outputsRequested_ = false;
        outputDescriptor_ = -1;
    }

    int outputDescriptor() const override { return outputDescriptor_; }

private:
    GpiodLibrary lib_;
    gpiod_chip* chip_ = nullptr;
    gpiod_line_bulk outputs_{};
    bool outputsRequested_ = false;
    gpiod_line* input_ = nullptr;
    int outputDescriptor_ = -1;
};

// The library does not hand out the request's descriptor; it is the one
// GPIO handle the request added to the process.
int LibgpiodChip::requestOutputs(const GpioOutputs& offsets) {
    if (chip_ == nullptr) {
        return EBADF;
    }
    unsigned int lines[4];
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        lines[i] = static_cast<unsigned int>(offsets[i]);
    }
    gpiod_line_bulk_init(&outputs_);
    errno = 0;
    if (lib_.getLines(chip_, lines, 4, &outputs_) != 0) {
        return lastError(EINVAL);
    }
    const std::vector<int> before = gpioHandleDescriptors(kOwnDescriptors);
    const int levels[4] = {0, 0, 0, 0};
    errno = 0;
    if (lib_.requestOutputs(&outputs_, kConsumer, levels) != 0) {
        return lastError(EIO);
    }
    outputsRequested_ = true;
    outputDescriptor_ = addedDescriptor(before, gpioHandleDescriptors(kOwnDescriptors));
    return 0;
}

int LibgpiodChip::requestInput(int offset) {
    if (chip_ == nullptr) {
        return EBADF;
    }
    errno = 0;
    gpiod_line* line = lib_.getLine(chip_, static_cast<unsigned int>(offset));
    if (line == nullptr) {
        return lastError(EINVAL);
    }
    errno = 0;
    if (lib_.requestInput(line, kConsumer, GPIOD_LINE_REQUEST_FLAG_BIAS_PULL_UP) != 0) {
        return lastError(EIO);
    }
    input_ = line;
    return 0;
}

bool LibgpiodChip::lineInUse(int offset, std::string& consumer) {
    if (chip_ == nullptr) {
        return false;
    }
    gpiod_line* line = lib_.getLine(chip_, static_cast<unsigned int>(offset));
    if (line == nullptr || lib_.updateLine(line) != 0 || !lib_.lineUsed(line)) {
        return false;
    }
    const char* name = lib_.consumer(line);
    consumer = name != nullptr ? name : "";
    return true;
}

} // namespace

std::unique_ptr<GpioChip> makeLibgpiodChip(const char* soname) {
    return std::make_unique<LibgpiodChip>(soname);
}

} // namespace volna
