// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

class TGlimmerForm;

// The paint box of the lives: the main window draws it.
class LivesArea : public QWidget {
public:
    LivesArea(TGlimmerForm* form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGlimmerForm* form;
};

// One lives symbol, `size` pixels square, on `background` (0x00BBGGRR): an orange frown for one
// life, an amber straight mouth for two, a yellow smile for three or more. Drawn at four times
// the size and reduced for a smooth edge. A null image when 4 * size is 8 or less.
QImage LivesFace(std::uint32_t lives, int size, std::uint32_t background);
