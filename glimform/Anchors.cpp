// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/Anchors.h"

#include <QWidget>

#include <algorithm>

void Anchors::Place(QWidget* widget, QRect designedRect, int edges)
{
    widget->setGeometry(designedRect);
    entries.push_back({widget, designedRect, edges});
}

void Anchors::Apply(QSize parentSize) const
{
    const int dw = parentSize.width() - designed.width();
    const int dh = parentSize.height() - designed.height();
    for (const Entry& e : entries) {
        QRect r = e.rect;
        if ((e.edges & Right) && (e.edges & Left)) {
            r.setWidth(std::max(0, r.width() + dw));
        } else if (e.edges & Right) {
            r.moveLeft(r.left() + dw);
        }
        if ((e.edges & Bottom) && (e.edges & Top)) {
            r.setHeight(std::max(0, r.height() + dh));
        } else if (e.edges & Bottom) {
            r.moveTop(r.top() + dh);
        }
        e.widget->setGeometry(r);
    }
}
