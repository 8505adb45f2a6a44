// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names under which the program keeps its flags and settings in the
// settings store: the two sections and their keys. The channel sections and the
// library are reached through the channel store (settings/channel_store.h).

#include <string_view>

namespace volna {

inline constexpr std::string_view kSectionFlags = "Flags";
inline constexpr std::string_view kSectionSettings = "Settings";

// "Program": the program's own section beside the ones its windows share, for what
// no other section holds: where its extra windows were left (window_place.h)
// and the language it speaks ("ru" or "en"). Nothing in the shared
// sections depends on it.
inline constexpr std::string_view kSectionProgram = "Program";
inline constexpr std::string_view kKeyLanguage = "Language";
// The frequencies the scans pass over, kHz, comma-separated.
inline constexpr std::string_view kKeyLockouts = "Lockouts";
// The scans' timed resume and hang time, whole seconds; 0 or missing: off.
inline constexpr std::string_view kKeyScanResume = "ScanResume";
inline constexpr std::string_view kKeyScanHang = "ScanHang";
// The transmit time-out in whole minutes, "0" for none (settings_dialog.h).
inline constexpr std::string_view kKeyTransmitTimeout = "TransmitTimeout";

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

} // namespace volna
