#pragma once
// The first-run initialisation of the settings store: on a store that has never
// been initialised it asks the operator for leave, then fills every section with
// its starting values. It talks to the store and to the operator's message boxes.

#include "settings/settings_store.h"
#include "toolkit/prompter.h"
#include "toolkit/text_templates.h"
#include "version.h"

#include <string>

namespace volna {

// The question asked before the store is first filled, and the report after.
inline const std::string kFirstRunQuestion =
    fillText(kFirstRunQuestionTemplate, {VOLNA144_VERSION});
inline constexpr const char* kFirstRunDone = "Изменения были внесены успешно!";

// Writes every channel, library slot, flag and setting with its starting value,
// without a sync.
void writeStartingValues(SettingsStore& store);

// Returns true when the store is ready: it was initialised before ("Flags"/"NEW"
// holds anything but "!!!"), or the operator answered Yes and every channel,
// library slot, flag and setting now holds its starting value (one sync). The
// report that the values were saved comes only when the sync succeeded.
// Returns false, with nothing written, when the operator declined; the caller
// then ends the program and the question comes again at the next start.
bool initialiseStoreOnFirstRun(SettingsStore& store, Prompter& prompter);

} // namespace volna
