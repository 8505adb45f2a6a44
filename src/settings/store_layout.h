#pragma once
// The names under which the program keeps its state in the settings store: the
// six sections, the keys of "Flags" and "Settings", and the "$n" keys of the
// channel and library slots. Every reader and writer takes its names from here.

#include <string>
#include <string_view>

namespace volna {

inline constexpr std::string_view kSectionFlags = "Flags";
inline constexpr std::string_view kSectionSettings = "Settings";
inline constexpr std::string_view kSectionRxChannels = "Channels(RX)";
inline constexpr std::string_view kSectionTxChannels = "Channels(TX)";
inline constexpr std::string_view kSectionRxComments = "Channels(RX-cmt)";
inline constexpr std::string_view kSectionLibrary = "Library";

// "Flags": first-run marker ("1" once initialised), pending re-range of the
// tuning slider ("0" pending, "1" idle), and the read-out's frequency at the last
// "Exit", kHz.
inline constexpr std::string_view kKeyNew = "NEW";
inline constexpr std::string_view kKeyLock = "LOCK";
inline constexpr std::string_view kKeyBack = "BACK";

// "Settings": band boundaries and the two offsets in kHz, the tick intervals of
// the three scans and the two delays of each clock step of a transfer in ms.
inline constexpr std::string_view kKeyLowerBound = "Buttom_boundary";
inline constexpr std::string_view kKeyUpperBound = "Top_boundary";
inline constexpr std::string_view kKeyIfOffset = "GUN";
inline constexpr std::string_view kKeyTxShift = "FR_";
inline constexpr std::string_view kKeyBandScanSpeed = "Scan_speed";
inline constexpr std::string_view kKeyRangeScanSpeed = "Scan_speed_from_and_up_to";
inline constexpr std::string_view kKeyChannelScanSpeed = "Channel_scanspeed";
inline constexpr std::string_view kKeyDelay1 = "Delay1";
// The second delay is written as "Delay2" and read by the console as "delay2";
// the store matches names without regard to case, so both reach one value.
inline constexpr std::string_view kKeyDelay2 = "Delay2";
inline constexpr std::string_view kKeyDelay2Read = "delay2";

// Slots 1..kChannelCount of the three channel sections and 1..kLibraryCapacity
// of "Library".
inline constexpr int kChannelCount = 10;
inline constexpr int kLibraryCapacity = 100;

// The key of slot n: a dollar sign and n in decimal ("$1", "$10", "$100").
inline std::string slotKey(int n) {
    return "$" + std::to_string(n);
}

} // namespace volna
