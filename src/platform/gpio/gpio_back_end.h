// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GPIO lines as the command line offers them: --port=gpio[:CHIP] with the
// synthesizer's lines given by line offsets (--pins), by default the pins of a
// Raspberry Pi header in BCM numbering. Never taken by --port=auto.

#include "platform/gpio/gpio_chip.h"
#include "synth/port_back_end.h"

#include <functional>
#include <memory>

namespace volna {

// The back end's row on libgpiod; in a build without the library a row that
// says so and never opens.
PortBackEnd gpioBackEnd();

// The same row on the chips that makeChip gives (a recording chip in tests).
PortBackEnd gpioBackEnd(std::function<std::unique_ptr<GpioChip>()> makeChip);

} // namespace volna
