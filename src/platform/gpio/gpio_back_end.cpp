// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gpio/gpio_back_end.h"

#include "platform/gpio/gpio_port.h"
#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

namespace volna {

namespace {

// Line offsets of GPIO 17, 27, 22, 23 and 24 (BCM numbering), header pins 11,
// 13, 15, 16 and 18 of a Raspberry Pi: next to one another, and none of them
// doubles as the header's I2C, SPI or UART lines.
constexpr PinMap kRaspberryPiPins{17, 27, 22, 23, 24};

// Offsets the command line accepts; the chip's own line count is checked
// when it is opened.
constexpr int kMaxLines = 64;

} // namespace

PortBackEnd gpioBackEnd(std::function<std::unique_ptr<GpioChip>()> makeChip) {
    PortBackEnd backEnd;
    backEnd.name = "gpio";
    backEnd.defaultDevice = "gpiochip0";
    backEnd.help = fillText(kGpioHelp, {backEnd.defaultDevice});
    backEnd.pinCount = kMaxLines;
    backEnd.defaultPins = kRaspberryPiPins;
    // The lines could be wired to anything: only used when named.
    backEnd.automatic = false;
    backEnd.available = [] { return true; };
    backEnd.open = [makeChip](const std::string& device, const PinMap& pins,
                              std::string& error) -> std::unique_ptr<ParallelPort> {
        return GpioPort::open(makeChip(), device, pins, error);
    };
    return backEnd;
}

PortBackEnd gpioBackEnd() {
#ifdef VOLNA144_HAVE_LIBGPIOD
    return gpioBackEnd([] { return makeLibgpiodChip(); });
#else
    PortBackEnd backEnd = gpioBackEnd([] { return std::unique_ptr<GpioChip>(); });
    backEnd.missing = fillText(kBuiltWithoutMessage, {"libgpiod"});
    backEnd.available = [] { return false; };
    return backEnd;
#endif
}

} // namespace volna
