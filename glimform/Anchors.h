// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Keeps child widgets at their designed places as their parent resizes: an edge that is
// anchored keeps its distance from the same edge of the parent; a control anchored on both
// opposite edges stretches.
class Anchors {
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8, All = 15 };

    // designedParent is the parent's client size that the rectangles were designed for.
    explicit Anchors(QSize designedParent) : designed(designedParent) {}

    // Places the widget at its designed rectangle and remembers how it follows its parent.
    void Place(QWidget* widget, QRect designedRect, int edges);
    // Moves every placed widget for the parent's new client size.
    void Apply(QSize parentSize) const;

private:
    struct Entry {
        QWidget* widget;
        QRect rect;
        int edges;
    };
    QSize designed;
    std::vector<Entry> entries;
};
