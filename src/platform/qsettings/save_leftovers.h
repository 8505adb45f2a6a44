// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Clears what a save killed half-way leaves next to the store file: its
// temporary file, "<file>.volna144-new-XXXXXX" (toolkit/text_file.h). No
// other file is ever removed, whatever its name: an operator's own copies
// ("VOLNA144.conf.BACKUP", "VOLNA144.conf.oldCFG") stay where they are.

#include <QString>

namespace volna {

// Removes the temporary files of storeFile's saves. Call it only while this
// program holds the store alone (the instance lock): another instance's
// temporary file may be a save in progress. Returns the number removed.
int removeSaveLeftovers(const QString& storeFile);

} // namespace volna
