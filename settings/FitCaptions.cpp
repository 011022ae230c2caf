// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FitCaptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <cmath>

namespace {

// The caption as drawn: a single & marks the accelerator and is not shown; && shows one &.
QString Shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

// Whether the letters of `text` end within `room` pixels; the last letter's blank side does not count.
bool InkFits(const QWidget& control, const QString& text, int room)
{
    return text.isEmpty() || control.fontMetrics().boundingRect(text).right() <= room;
}

}  // namespace

bool CaptionFits(const QWidget& control)
{
    const QStyle* style = control.style();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || Qt::mightBeRichText(label->text()) || label->textFormat() == Qt::RichText)
            return true;
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        const QString text = label->buddy() ? Shown(label->text()) : label->text();
        return InkFits(control, text, label->contentsRect().width() - 2 * label->margin());
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &control) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &control);
        return InkFits(control, Shown(box->text()), control.width() - indicator);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control) + 1;
        return InkFits(control, Shown(button->text()), control.width() - 2 * frame);
    }
    return true;
}

void FitCaptions(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (CaptionFits(*control))
            continue;
        QFont font = control->font();
        const bool pixels = font.pixelSize() > 0;
        const double size = pixels ? font.pixelSize() : font.pointSizeF();
        for (double smaller = size - 1; smaller >= std::ceil(size * 3 / 4) && !CaptionFits(*control); --smaller) {
            if (pixels)
                font.setPixelSize(static_cast<int>(smaller));
            else
                font.setPointSizeF(smaller);
            control->setFont(font);
        }
    }
}
