// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --export-csv and --import-csv: a list moved between the settings store and
// a CHIRP CSV file without any window, for scripts. The store is the one the
// program uses; whatever it would tell the operator in a box goes to standard
// error, and a question it would ask is answered No.

#include "app/options.h"
#include "toolkit/prompter.h"
#include "ui/translate.h"

namespace volna {

// Prints each message box to standard error as "volna144: text" and answers a
// question No and a notice Ok, so that nothing is changed on a guess. Counts
// the boxes, so the caller knows whether the store had something to report.
class StderrPrompter : public Prompter {
public:
    Answer ask(const Message& message) override;
    int told() const { return told_; }

private:
    int told_ = 0;
};

// Runs the export or import the options ask for. Returns the exit status: 0
// when the file was written or the import stored, 1 (with the reason on
// standard error) otherwise.
int runCsvCommand(const Options& options, LanguageSwitch& languages);

} // namespace volna
