#include "glimform/LivesArea.h"

#include "glimform/glimform.h"

#include <QPainter>

LivesArea::LivesArea(TGlimmerForm* form_, QWidget* parent) : QWidget(parent), form(form_) {}

void LivesArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    form->livesAreaPaint(painter);
}
