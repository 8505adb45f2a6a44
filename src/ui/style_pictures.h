// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures Qt's style draws the windows with, read before the first window
// is painted. Qt asks every installed image format plugin whether it reads a
// picture before it reads one itself, so the first frame of a frame control
// (a group box, drawn from a PNG picture) would load them all: the GIF, ICO
// and JPEG plugins and the JPEG library, some 2 ms of every start. Read here,
// with no plugin in reach, the picture waits in Qt's pixmap cache for the style.

namespace volna {

// Once, after the application object is made and before the first window shows.
void preloadStylePictures();

} // namespace volna
