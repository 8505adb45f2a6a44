// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The band as the store holds it, read one way for every window that checks a
// frequency against it (the console, the channel editor, the add-channel
// dialog, the CSV import), so that a frequency inside the band for one is
// inside it for all: the lower edge rounded to a whole kHz (it is slider
// position 0), the upper edge as stored; a missing edge reads as 0.

#include "domain/band.h"
#include "settings/settings_store.h"

namespace volna {

// The edges from the store, with the raster and step the caller tunes in.
Band storedBand(SettingsStore& store, int rasterKHz, int stepFactor = 1);

} // namespace volna
