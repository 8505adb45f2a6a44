// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions that fit their controls whatever font the system has: a face wider
// than the one a window was laid out for gets a smaller size, never a clipped
// word. Only the size changes; the control keeps its place and its text.

class QWidget;

namespace volna {

// Sets widget's font to the largest size, from the size its window gave it
// down to a smallest readable one, at which its caption (every line of it,
// with a check box's or option's indicator) fits its width. Labels, buttons,
// check boxes, option buttons and frames; other widgets are left alone.
// PresentFont starts from the widget's font as it is now (its window has
// just set it); KeptFont from the size kept at the last PresentFont fit.
enum class FitFrom { PresentFont, KeptFont };
void fitCaption(QWidget* widget, FitFrom from);

// fitCaption again for a widget fitted before (its caption changed); nothing
// for one never fitted, whose window may still be setting its fonts.
void refitCaption(QWidget* widget);

// Whether widget's caption fits its width at its present font. A label that
// wraps its words always fits.
bool captionFits(const QWidget* widget);

} // namespace volna
