// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts with a number or a name inside a sentence: each is one whole template
// with numbered places (%1..%9), filled by fillText. The table lists every
// template the core fills, so that a translation of the whole sentence can be
// found from the filled text and filled again with the same pieces.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace volna {

// The import report of a CHIRP CSV file (its first line) and a refused row.
inline constexpr std::string_view kImportCountsTemplate =
    "Импорт в список «%1»: строк к записи — %2, заполненных записей они заменят — %3.";
inline constexpr std::string_view kImportEmptyTemplate = "Импорт в список «%1»: %2";
inline constexpr std::string_view kFaultAtLocationTemplate = "  Location %1: %2";
inline constexpr std::string_view kFaultAtTemplate = "  %1: %2";
inline constexpr std::string_view kFaultLineTemplate = "строка %1";
// An imported CSV row whose Mode the radio cannot take; %1 is the mode.
inline constexpr std::string_view kModeChangedTemplate = "строка %1 импортирована как FM";
// The channel editor's refusal of a save: the channel number, then the check's message.
inline constexpr std::string_view kChannelFaultTemplate = "Канал %1: %2";
// Its plural groups are chosen by toolkit/plural.h.
inline constexpr std::string_view kMoreFaultsTemplate =
    "и ещё %1 {строка|строки|строк} с ошибками не {импортируется|импортируются|импортируются}";
inline constexpr std::string_view kLocationRangeTemplate = "Номер ячейки (Location) вне 1..%1!";
inline constexpr std::string_view kFrequencyDigitsTemplate = "В частоте больше %1 цифр (кГц)!";
inline constexpr std::string_view kCommentLengthTemplate = "Комментарий длиннее %1 символов!";
// A CSV row refused for its band: the frequency at fault and the band, in kHz.
inline constexpr std::string_view kReceiveOutOfBandTemplate =
    "Частота приёма %1 кГц вне диапазона %2–%3 кГц!";
inline constexpr std::string_view kTransmitOutOfBandTemplate =
    "Частота передачи %1 кГц вне диапазона %2–%3 кГц!";
// A column of the band-activity picture and how long ago it was busy.
inline constexpr std::string_view kNeverBusyTemplate = "%1 kHz: занятым не было";
inline constexpr std::string_view kBusyAgoTemplate = "%1 kHz: занято %2";
inline constexpr std::string_view kSecondsAgoTemplate = "%1 с назад";
inline constexpr std::string_view kMinutesAgoTemplate = "%1 мин %2 с назад";
inline constexpr std::string_view kHoursAgoTemplate = "%1 ч %2 мин назад";

// The settings store file's troubles: %1 is the copy of a damaged file, or
// the store file; %2 the reason the store file cannot be read.
inline constexpr std::string_view kDamagedFileSetAsideTemplate =
    "Файл настроек повреждён, часть настроек не удалось прочитать. Копия повреждённого файла "
    "сохранена: %1";
inline constexpr std::string_view kDuplicateKeysSetAsideTemplate =
    "В файле настроек повторяются %1: взяты последние значения. Копия файла сохранена: %2";
inline constexpr std::string_view kDamagedFileNotSetAsideTemplate =
    "Файл настроек %1 повреждён, а сохранить его копию не удалось. Чтобы не потерять его, "
    "программа не будет записывать настройки: изменения будут действовать только до выхода "
    "из программы.";
inline constexpr std::string_view kStoreNotWritableTemplate =
    "Не удалось записать файл настроек %1: %2. Изменения настроек, каналов и библиотеки не "
    "сохранены: программа запишет их при следующем изменении, если запись удастся, а иначе они "
    "пропадут при выходе из программы.";
inline constexpr std::string_view kStoreNotReadableTemplate =
    "Не удалось прочитать файл настроек %1: %2. Программа работает с начальными настройками и "
    "не будет изменять этот файл; изменения будут действовать только до выхода из программы.";
// The flags and settings given their starting values because the store lacked
// them or could not be read: %1 the names, "Settings/Top_boundary, Flags/NEW".
inline constexpr std::string_view kValuesResetTemplate =
    "В файле настроек не было или не удалось прочитать: %1. Им даны начальные значения.";
// A text file (a CSV file) that cannot be read or written: %1 its path, %2 why.
inline constexpr std::string_view kCannotReadTemplate = "Не удалось прочитать файл «%1»: %2";
inline constexpr std::string_view kCannotWriteTemplate = "Не удалось записать файл «%1»: %2";
// The question before the store is first filled; %1 is the program's version.
inline constexpr std::string_view kFirstRunQuestionTemplate =
    "Вы запустили программу VOLNA144 v%1 в первый раз. Для нормальной работы программе нужно "
    "внести изменения в системный реестр. Продолжить?";

// Every template above, the more particular before the more general: a text
// is matched against them in this order and the first match wins.
inline constexpr std::array<std::string_view, 27> kTextTemplates{
    kDamagedFileSetAsideTemplate,
    kDuplicateKeysSetAsideTemplate,
    kDamagedFileNotSetAsideTemplate,
    kStoreNotWritableTemplate,
    kStoreNotReadableTemplate,
    kValuesResetTemplate,
    kCannotReadTemplate,
    kCannotWriteTemplate,
    kFirstRunQuestionTemplate,
    kImportCountsTemplate,
    kImportEmptyTemplate,
    kFaultAtLocationTemplate,
    kModeChangedTemplate,
    kFaultLineTemplate,
    kChannelFaultTemplate,
    kMoreFaultsTemplate,
    kLocationRangeTemplate,
    kFrequencyDigitsTemplate,
    kCommentLengthTemplate,
    kReceiveOutOfBandTemplate,
    kTransmitOutOfBandTemplate,
    kNeverBusyTemplate,
    kBusyAgoTemplate,
    kMinutesAgoTemplate,
    kHoursAgoTemplate,
    kSecondsAgoTemplate,
    kFaultAtTemplate,
};

// names joined by ", ", to fill one place with a list ("Flags/NEW, Flags/BACK").
std::string joinedNames(const std::vector<std::string>& names);

// templ with each %n (n from 1 to 9) replaced by the n-th of args; a place
// without a piece and a % not followed by a digit stay as written.
std::string fillText(std::string_view templ, const std::vector<std::string>& args);
std::string fillText(std::string_view templ, std::initializer_list<std::string> args);

} // namespace volna
