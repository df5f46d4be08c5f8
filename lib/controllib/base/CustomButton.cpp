#include "CustomButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QtMath>

CustomButton::CustomButton(QWidget *parent)
    : QWidget(parent)
{
}

void CustomButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed = true;
        moved = false;
        pressPos = event->pos();
    }
    QWidget::mousePressEvent(event);
}

void CustomButton::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed) {
        const QPoint delta = event->pos() - pressPos;
        if (qSqrt(double(delta.x()) * delta.x() + double(delta.y()) * delta.y()) > 1.0)
            moved = true;
    }
    QWidget::mouseMoveEvent(event);
}

void CustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && pressed) {
        pressed = false;
        const QPoint pos = event->pos();
        const bool inside = pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
        if (!moved && inside)
            emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}

void CustomButton::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
