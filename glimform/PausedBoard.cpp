// SPDX-License-Identifier: GPL-3.0-or-later
#include "glimform/PausedBoard.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

PausedBoard::PausedBoard(QWidget* parent)
    : QWidget(parent),
      message(new QLabel(tr("Paused: press Resume, Space or click to play on"), this)),
      resume(new QPushButton(tr("&Resume"), this))
{
    setObjectName(QStringLiteral("pausedBoard"));
    message->setObjectName(QStringLiteral("pausedMessage"));
    resume->setObjectName(QStringLiteral("resumeButton"));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    // A little larger than the window's text, which may be sized in pixels or in points.
    QFont font = message->font();
    font.pixelSize() > 0 ? font.setPixelSize(font.pixelSize() * 5 / 4) : font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    message->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(message);
    layout->addWidget(resume, 0, Qt::AlignHCenter);
    connect(resume, &QPushButton::clicked, this, &PausedBoard::resumed);
    hide();
}

void PausedBoard::ShowOver(const QRect& area)
{
    const int width = std::min(area.width(), 360);
    // The message wraps: its height follows from the width.
    const QMargins margins = layout()->contentsMargins();
    const int height = margins.top() + message->heightForWidth(width - margins.left() - margins.right()) +
                       layout()->spacing() + resume->sizeHint().height() + margins.bottom();
    const QSize size(width, height);
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    show();
    raise();
    resume->setFocus();
}

void PausedBoard::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit resumed();
}

void PausedBoard::keyPressEvent(QKeyEvent* event)
{
    // Letters and every other key stay here: they must not reach the hidden board.
    event->accept();
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit resumed();
}

void PausedBoard::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.setRenderHint(QPainter::Antialiasing);
    canvas.setPen(palette().color(QPalette::Dark));
    canvas.setBrush(palette().color(QPalette::Window));
    canvas.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
