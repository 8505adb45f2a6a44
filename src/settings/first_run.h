// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first-run initialisation of the settings store: on a store that has never
// been initialised it asks the operator for leave, then fills every section with
// its starting values. It talks to the store and to the operator's message boxes.

#include "settings/settings_store.h"
#include "toolkit/prompter.h"
#include "toolkit/text_templates.h"
#include "version.h"

#include <string>
#include <vector>

namespace volna {

// The question asked before the store is first filled, and the report after.
inline const std::string kFirstRunQuestion =
    fillText(kFirstRunQuestionTemplate, {VOLNA144_VERSION});
inline constexpr const char* kFirstRunDone = "Изменения были внесены успешно!";

// Writes every channel, library slot, flag and setting with its starting value,
// without a sync.
void writeStartingValues(SettingsStore& store);

// Whether the store has never been initialised: "Flags"/"NEW" holds "!!!",
// or it is missing and the store holds none of the program's flags,
// settings, channels and library entries. A store that holds some of them
// has lost its flag to damage, not to a first run.
bool storeNeedsFirstRun(SettingsStore& store);

// Returns true when the store is ready: it needs no first run, or the
// operator answered Yes and every channel, library slot, flag and setting now
// holds its starting value (one sync). The report that the values were saved
// comes only when the sync succeeded. Returns false, with nothing written,
// when the operator declined; the caller then ends the program and the
// question comes again at the next start.
bool initialiseStoreOnFirstRun(SettingsStore& store, Prompter& prompter);

// On a store that needs no first run, gives every flag or setting that is
// missing, unreadable or unusable its starting value (resetUnusableValues)
// and tells the operator which, in one box. Runs before the console loads.
void repairStore(SettingsStore& store, Prompter& prompter);

// The flags and settings the store lacks, or holds as a text that is no
// number, or as a number the console cannot work with (a scan tick of 0 ms or
// less, an upper band edge not above the lower), each written with its
// starting value; their names, "section/key", each once. Nothing else is
// touched.
std::vector<std::string> resetUnusableValues(SettingsStore& store);

} // namespace volna
