// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/LivesArea.h"

#include "glimform/Colours.h"
#include "glimform/glimform.h"
#include "settings/Utils.h"

#include <QPainter>

LivesArea::LivesArea(TGlimmerForm* form_, QWidget* parent) : QWidget(parent), form(form_) {}

void LivesArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    form->livesAreaPaint(painter);
}

QImage LivesFace(std::uint32_t lives, int size, std::uint32_t background)
{
    const int s4 = 4 * size;
    if (lives == 0 || s4 <= 8) {
        return {};
    }
    const auto percent = [s4](int p) { return (s4 * p + 50) / 100; };
    const int e = percent(25);
    const int z = percent(15);
    const int m = percent(24);
    const int p = percent(5);
    const int q = p / 2 + 2;
    const std::uint32_t colour = lives == 1 ? 0x0080FFu : lives == 2 ? 0x15CAF7u : 0x00FFFFu;

    QImage large(s4, s4, QImage::Format_RGB888);
    large.fill(BgrColour(background));
    {
        QPainter painter(&large);
        painter.setPen(QPen(Qt::black, p));
        painter.setBrush(BgrColour(colour));
        painter.drawEllipse(QRect(q, q, s4 - 2 * q, s4 - 2 * q));
        if (z > 0) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::black);
            painter.drawEllipse(QRect(e, e, z, z));
            painter.drawEllipse(QRect(s4 - e - z, e, z, z));
            painter.setPen(QPen(Qt::black, p));
            // Qt's angles run counter-clockwise from three o'clock in sixteenths of a degree.
            if (lives >= 3) {
                painter.drawArc(QRect(m, m, s4 - 2 * m, s4 - 2 * m), 180 * 16, 180 * 16);
            } else if (lives == 2) {
                const int inset = percent(20);
                painter.fillRect(QRect(inset, percent(60), s4 - 2 * inset, p), Qt::black);
            } else {
                const int k = percent(50) - m;
                painter.drawArc(QRect(m, m + k, s4 - 2 * m, s4 - 2 * m), 0, 180 * 16);
            }
        }
    }
    QImage small(size, size, QImage::Format_RGB888);
    ShrinkBitmap(large, small);
    return small;
}
