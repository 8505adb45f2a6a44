// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says in English before any translation: why a port did
// not open or was lost, the back ends' lines of --help, and the troubles of a
// start (no display, no lock on the store). Each is one whole template with
// numbered places (%1..%9), filled by fillText; the user interface finds the
// template again from the filled text and shows its translation, the pieces
// translated too (a piece may itself be one of these, "the FTDI adapter
// \"%1\""). Pieces from the system (strerror, libftdi) stay as they come.

#include <array>
#include <string_view>

namespace volna {

// Shared by the back ends and the port table.
inline constexpr std::string_view kCannotOpenMessage = "cannot open %1: %2";
inline constexpr std::string_view kPortNotInBuildMessage = "the %1 port is not in this build (%2)";
inline constexpr std::string_view kBuiltWithoutMessage = "built without %1";
inline constexpr std::string_view kPortNotAvailableMessage =
    "the %1 port is not available on this machine";
inline constexpr std::string_view kUnknownPortMessage = "unknown port '%1'";
inline constexpr std::string_view kPinsNotApplicableMessage =
    "--pins does not apply to the %1 port";
inline constexpr std::string_view kPinOutOfRangeMessage =
    "--pins: the %1 pin must be a number from 0 to %2";
inline constexpr std::string_view kPinsSharedMessage = "--pins: %1 and %2 are both on pin %3";
// The automatic choice: the reasons of each back end, joined, then the outcome.
inline constexpr std::string_view kReasonsMessage = "%1; %2";
inline constexpr std::string_view kNoParallelPortMessage = "no parallel port on this machine";
inline constexpr std::string_view kRunningSimulatedMessage = "running the simulated radio";
inline constexpr std::string_view kNoSimulatedRadioMessage = "and no simulated radio in this build";

// The parallel port through ppdev; %1 is the device node.
inline constexpr std::string_view kNoParallelPortAtMessage =
    "no parallel port at %1 (are the modules parport_pc and ppdev loaded?)";
inline constexpr std::string_view kNoPermissionLpMessage =
    "no permission to use %1: add yourself to group lp and log in again";
inline constexpr std::string_view kInUseMessage = "%1 is in use by another program";
inline constexpr std::string_view kNotParallelPortMessage = "%1 is not a parallel port device";
inline constexpr std::string_view kInUseOrLpDriverMessage =
    "%1 is in use by another program or driver (another copy of this program, or the lp printer "
    "driver?)";
inline constexpr std::string_view kCannotClaimMessage = "cannot claim %1: %2";
inline constexpr std::string_view kLostParallelPortMessage =
    "lost the parallel port %1: the port is gone (a USB adapter pulled out, or its driver "
    "unloaded)";
inline constexpr std::string_view kCannotWriteDataMessage =
    "cannot write to the data register of %1: %2";
inline constexpr std::string_view kPortWriteFailedMessage =
    "cannot write to the data register of the parallel port %1: %2";
inline constexpr std::string_view kPortReadFailedMessage =
    "cannot read the status register of the parallel port %1: %2";

// An FTDI adapter in bit-bang mode; a named one is "the FTDI adapter \"%1\"".
inline constexpr std::string_view kFtdiAdapterMessage = "the FTDI adapter";
inline constexpr std::string_view kNamedFtdiAdapterMessage = "the FTDI adapter \"%1\"";
inline constexpr std::string_view kUnknownSerialMessage = "unknown";
inline constexpr std::string_view kNoFtdiAdapterMessage = "no FTDI adapter is attached";
inline constexpr std::string_view kNoFtdiPluggedMessage =
    "no FTDI adapter is attached (is it plugged in?)";
inline constexpr std::string_view kNoFtdiNamedMessage =
    "no attached FTDI adapter has the serial number or description \"%1\" (%2 attached)";
inline constexpr std::string_view kFtdiSameNameMessage =
    "%1 attached FTDI adapters have the serial number or description \"%2\" (serial numbers "
    "%3): %4";
inline constexpr std::string_view kSeveralFtdiMessage =
    "%1 FTDI adapters attached (serial numbers %2): %3";
inline constexpr std::string_view kSharedSerialMessage =
    "they share a serial number, so attach only the one to use";
inline constexpr std::string_view kNameOneFtdiMessage = "name one with --port=ftdi:SERIAL";
inline constexpr std::string_view kFtdiPermissionMessage =
    "no permission to use the FTDI adapter: install a udev rule, a file "
    "/etc/udev/rules.d/99-ftdi-bitbang.rules with the line SUBSYSTEM==\"usb\", "
    "ATTRS{idVendor}==\"0403\", MODE=\"0660\", GROUP=\"plugdev\", add yourself to group "
    "plugdev, log in again and plug the adapter in again";
inline constexpr std::string_view kFtdiBusyMessage =
    "%1 is in use by another program or by the ftdi_sio serial driver (close that program, or "
    "unload the driver: sudo modprobe -r ftdi_sio)";
inline constexpr std::string_view kCannotBitBangMessage = "cannot put %1 into bit-bang mode: %2";
inline constexpr std::string_view kCannotSetRateMessage = "cannot set the bit-bang rate of %1: %2";
inline constexpr std::string_view kCannotWritePinsMessage = "cannot write to the pins of %1: %2";
inline constexpr std::string_view kCannotListFtdiMessage = "cannot look for FTDI adapters: %1";
inline constexpr std::string_view kFtdiLostReadingMessage =
    "the FTDI adapter was unplugged or stopped answering while reading the busy pin (%1)";
inline constexpr std::string_view kFtdiLostWritingMessage =
    "the FTDI adapter was unplugged or stopped answering while writing to its pins (%1)";

// GPIO lines of a chip; %1 is the chip ("gpiochip0").
inline constexpr std::string_view kGpioLineMessage = "GPIO line %1 of %2";
inline constexpr std::string_view kLostGpioChipMessage =
    "lost GPIO chip %1: the device is gone (unplugged, or its driver unloaded)";
inline constexpr std::string_view kNoPermissionGpioMessage =
    "no permission to use GPIO chip %1: add yourself to group gpio and log in again, or give "
    "/dev/gpiochip* to a group you are in with a udev rule";
inline constexpr std::string_view kNoGpioChipMessage =
    "no GPIO chip %1 (the chips of this machine are /dev/gpiochip*)";
inline constexpr std::string_view kNotGpioChipMessage = "%1 is not a GPIO chip";
inline constexpr std::string_view kCannotOpenGpioMessage = "cannot open GPIO chip %1: %2";
inline constexpr std::string_view kGpioLinesInUseMessage =
    "one of GPIO lines %1, %2, %3, %4 of %5 is in use by another program or driver";
inline constexpr std::string_view kLineInUseByMessage =
    "%1 is in use by another program or driver (\"%2\")";
inline constexpr std::string_view kLineInUseMessage = "%1 is in use by another program or driver";
inline constexpr std::string_view kCannotTakeLineMessage = "cannot take %1: %2";
inline constexpr std::string_view kLineBeyondChipMessage =
    "--pins: the %1 line %2 is beyond GPIO chip %3, which has lines 0 to %4";
inline constexpr std::string_view kLineBeyondEmptyChipMessage =
    "--pins: the %1 line %2 is beyond GPIO chip %3, which has no lines";
inline constexpr std::string_view kGpioReadFailedMessage =
    "cannot read the busy line of GPIO chip %1: %2";
inline constexpr std::string_view kGpioWriteFailedMessage =
    "cannot set the lines of GPIO chip %1: %2";

// The simulated radio's band file (--sim-band); %1 of the line is its number.
inline constexpr std::string_view kBandLineMessage = "--sim-band: line %1: %2";
inline constexpr std::string_view kBandFileMessage = "--sim-band: %1";
inline constexpr std::string_view kBandFieldsMessage =
    "a signal is a frequency in kHz, a width in kHz and a pattern, separated by commas";
inline constexpr std::string_view kBandFrequencyMessage =
    "the frequency \"%1\" is not a number of kHz from 1 to 10000000";
inline constexpr std::string_view kBandWidthMessage =
    "the width \"%1\" is not a number of kHz from 0 to 10000";
inline constexpr std::string_view kBandPatternMessage =
    "the pattern \"%1\" is none of: always, every P on D [at S], bursts D% of L";
inline constexpr std::string_view kBandPeriodMessage =
    "in \"every P on D at S\", P is 1 to 86400 seconds and D and S are 0 to P";
inline constexpr std::string_view kBandBurstsMessage =
    "in \"bursts D% of L\", D is 0 to 100 percent and L is 1 to 60000 ms";
inline constexpr std::string_view kBandTooManyMessage = "--sim-band: more than %1 signals";

// The port trace that VOLNA144_PORT_TRACE asks for.
inline constexpr std::string_view kCannotOpenTraceMessage =
    "cannot open the port trace file %1: %2";
inline constexpr std::string_view kNoTraceMessage = "no port trace: %1";

// The back ends' lines of --help and the lines under them.
inline constexpr std::string_view kSimulatedHelp = "the simulated radio";
inline constexpr std::string_view kPpdevHelp = "the parallel port DEV through ppdev (default %1)";
inline constexpr std::string_view kFtdiHelp =
    "an FTDI USB adapter in bit-bang mode, DEV its serial number or description (default: the "
    "only one attached); pins are D0 to D7";
inline constexpr std::string_view kGpioHelp =
    "GPIO lines of chip DEV (default %1); pins are line offsets, the default ones on Raspberry "
    "Pi header pins 11, 13, 15, 16 and 18";
inline constexpr std::string_view kNotInBuildHelp = "not in this build (%1)";
inline constexpr std::string_view kPinsDefaultHelp = "--pins default %1 (pins 0 to %2)";

// The troubles of a start: the store's lock, the second start's call, and a
// missing display (said before any window or translation; --lang and the
// store's language choose it all the same).
inline constexpr std::string_view kNoStoreLockMessage = "running without the store's lock: %1";
inline constexpr std::string_view kNoCallMessage =
    "a second start cannot bring this console forward: %1";
inline constexpr std::string_view kNoDisplayPlatformMessage =
    "no display: the Qt platform \"%1\" could not start (--export-csv and --import-csv work "
    "without one)";
inline constexpr std::string_view kNoDisplaySetMessage =
    "no display: DISPLAY is not set (--export-csv and --import-csv work without one)";
inline constexpr std::string_view kNoDisplayConnectMessage =
    "no display: cannot connect to %1 (--export-csv and --import-csv work without one)";

// Every template above, the more particular before the more general: a text
// is matched against them in this order and the first match wins.
inline constexpr auto kEnglishMessages = std::to_array<std::string_view>({
    kPortWriteFailedMessage,
    kPortReadFailedMessage,
    kCannotWriteDataMessage,
    kCannotOpenGpioMessage,
    kCannotOpenTraceMessage,
    kCannotOpenMessage,
    kPortNotInBuildMessage,
    kBuiltWithoutMessage,
    kPortNotAvailableMessage,
    kUnknownPortMessage,
    kPinsNotApplicableMessage,
    kPinOutOfRangeMessage,
    kLineBeyondChipMessage,
    kLineBeyondEmptyChipMessage,
    kPinsSharedMessage,
    kNoParallelPortMessage,
    kRunningSimulatedMessage,
    kNoSimulatedRadioMessage,
    kNoParallelPortAtMessage,
    kNoPermissionLpMessage,
    kNotParallelPortMessage,
    kInUseOrLpDriverMessage,
    kCannotClaimMessage,
    kLostParallelPortMessage,
    kFtdiAdapterMessage,
    kNamedFtdiAdapterMessage,
    kUnknownSerialMessage,
    kNoFtdiAdapterMessage,
    kNoFtdiPluggedMessage,
    kNoFtdiNamedMessage,
    kFtdiSameNameMessage,
    kSeveralFtdiMessage,
    kSharedSerialMessage,
    kNameOneFtdiMessage,
    kFtdiPermissionMessage,
    kFtdiBusyMessage,
    kCannotBitBangMessage,
    kCannotSetRateMessage,
    kCannotWritePinsMessage,
    kCannotListFtdiMessage,
    kFtdiLostReadingMessage,
    kFtdiLostWritingMessage,
    kGpioLineMessage,
    kLostGpioChipMessage,
    kNoPermissionGpioMessage,
    kNoGpioChipMessage,
    kNotGpioChipMessage,
    kGpioLinesInUseMessage,
    kLineInUseByMessage,
    kLineInUseMessage,
    kInUseMessage,
    kCannotTakeLineMessage,
    kGpioReadFailedMessage,
    kGpioWriteFailedMessage,
    kNoTraceMessage,
    kBandLineMessage,
    kBandTooManyMessage,
    kBandFileMessage,
    kBandFieldsMessage,
    kBandFrequencyMessage,
    kBandWidthMessage,
    kBandPatternMessage,
    kBandPeriodMessage,
    kBandBurstsMessage,
    kNoStoreLockMessage,
    kNoCallMessage,
    kNoDisplayPlatformMessage,
    kNoDisplaySetMessage,
    kNoDisplayConnectMessage,
    kSimulatedHelp,
    kPpdevHelp,
    kFtdiHelp,
    kGpioHelp,
    kNotInBuildHelp,
    kPinsDefaultHelp,
    kReasonsMessage,
});

} // namespace volna
