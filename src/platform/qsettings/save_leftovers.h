#pragma once
// Clears what a save killed half-way leaves next to the store file. QSettings
// writes an unnamed temporary file, syncs it to the disk, links it in as
// "<file>.XXXXXX" and renames that over the file, all under "<file>.lock"; a
// kill between the link and the rename leaves the temporary name and the lock.

#include <QString>

namespace volna {

// Removes "<storeFile>.XXXXXX" (six letters, not a plain word such as
// "backup") and a stale
// "<storeFile>.lock". It works only while it holds the lock itself, so never
// while another running instance is in the middle of a save; a lock whose
// owner is gone, or that names no owner (its writer was killed before it
// wrote one), is taken over. Returns the number of temporary files removed.
int removeSaveLeftovers(const QString& storeFile);

} // namespace volna
