// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

// Where a window whose saved place is `frame` opens: there, when at least a third of it lies on
// one of `screens` (their available areas); otherwise, as after a second monitor was unplugged,
// centred on `primary`, keeping its size where that fits and shrinking to it where not.
QRect PlaceOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

class QWidget;
// Moves a window restored from its saved place onto a screen of this desktop, as above.
void KeepOnScreen(QWidget& window);
