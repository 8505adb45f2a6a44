// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ftdi/ftdi_port.h"

#include "toolkit/english_messages.h"
#include "toolkit/text_templates.h"

namespace volna {

namespace {

// Pins D0..D7 of the bit-bang port (ADBUS0..7 on the two- and four-channel
// chips).
constexpr int kFtdiPins = 8;

// On an FT232R board: FRAME on D0 (TXD), CLOCK on D1 (RXD), DATA on D2 (RTS#),
// TX on D3 (CTS#), BUSY on D7 (RI#).
constexpr PinMap kFtdiDefaultPins{0, 1, 2, 3, 7};

// Whether exactly one adapter is attached, for the automatic choice.
bool soleAdapter(const FtdiChipFactory& makeChip, std::string& why) {
    const std::unique_ptr<FtdiChip> chip = makeChip();
    std::vector<FtdiAdapter> attached;
    if (!chip->listDevices(attached)) {
        why = fillText(kCannotListFtdiMessage, {chip->errorText()});
        return false;
    }
    if (attached.size() == 1) {
        return true;
    }
    why = attached.empty() ? std::string(kNoFtdiAdapterMessage) : severalAdapters(attached);
    return false;
}

} // namespace

PortBackEnd ftdiBackEnd(FtdiChipFactory makeChip) {
    PortBackEnd backEnd;
    backEnd.name = "ftdi";
    // No device: the only adapter attached.
    backEnd.deviceOptional = true;
    backEnd.help = kFtdiHelp;
    backEnd.pinCount = kFtdiPins;
    backEnd.defaultPins = kFtdiDefaultPins;
    backEnd.automatic = true;
    if (!makeChip) {
        backEnd.missing = fillText(kBuiltWithoutMessage, {"libftdi1"});
        backEnd.available = [] { return false; };
        backEnd.open = [](const std::string&, const PinMap&,
                          std::string& error) -> std::unique_ptr<ParallelPort> {
            error = fillText(kPortNotInBuildMessage,
                             {"ftdi", fillText(kBuiltWithoutMessage, {"libftdi1"})});
            return nullptr;
        };
        return backEnd;
    }
    // Whether an adapter is attached is found by opening it, which says why not.
    backEnd.available = [] { return true; };
    backEnd.open = [makeChip](const std::string& device, const PinMap& pins,
                              std::string& error) -> std::unique_ptr<ParallelPort> {
        return FtdiPort::open(makeChip(), device, pins, error);
    };
    backEnd.soleDevice = [makeChip](std::string& why) { return soleAdapter(makeChip, why); };
    return backEnd;
}

PortBackEnd ftdiBackEnd() {
#ifdef VOLNA144_HAVE_LIBFTDI1
    return ftdiBackEnd([] { return makeLibftdiChip(); });
#else
    return ftdiBackEnd(nullptr);
#endif
}

} // namespace volna
