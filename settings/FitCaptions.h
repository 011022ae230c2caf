// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Captions sit in boxes of the sizes the windows were designed with, for English texts. A longer
// translation is drawn in a smaller font rather than cut off.

// Whether the caption of `control` (a label, button or check box) shows whole at its
// font: its letters inside the box, or, for a wrapping label, its lines within the box's height.
// Other widgets, rich text and empty captions always fit.
bool CaptionFits(const QWidget& control);

// Shrinks the font of each caption of `window` that does not fit, a step at a time, to no less
// than three quarters of its size. Captions that fit keep their font.
void FitCaptions(QWidget& window);
