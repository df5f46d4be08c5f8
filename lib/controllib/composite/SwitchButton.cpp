#include "SwitchButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

constexpr int slideInterval = 3;

template <typename T> bool assignChanged(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

}

SwitchButton::SwitchButton(QWidget *parent)
    : QWidget(parent)
    , bgColorOn("#00A0FF")
    , bgColorOff(111, 122, 126)
    , sliderColorOn(255, 255, 255, 255)
    , sliderColorOff(Qt::white)
    , textColor(Qt::white)
    , timer(new QTimer(this))
{
    timer->setInterval(slideInterval);
    connect(timer, SIGNAL(timeout()), this, SLOT(updateValue()));
}

void SwitchButton::setSpace(int space)
{
    if (assignChanged(this->space, space))
        update();
}

void SwitchButton::setRadius(int radius)
{
    if (assignChanged(this->radius, radius))
        update();
}

void SwitchButton::setShowText(bool show)
{
    if (assignChanged(showText, show))
        update();
}

void SwitchButton::setShowCircle(bool show)
{
    if (assignChanged(showCircle, show))
        update();
}

void SwitchButton::setAnimation(bool ok)
{
    if (assignChanged(animation, ok))
        update();
}

void SwitchButton::setBgColorOn(const QColor &color)
{
    if (assignChanged(bgColorOn, color))
        update();
}

void SwitchButton::setBgColorOff(const QColor &color)
{
    if (assignChanged(bgColorOff, color))
        update();
}

void SwitchButton::setSliderColorOn(const QColor &color)
{
    if (assignChanged(sliderColorOn, color))
        update();
}

void SwitchButton::setSliderColorOff(const QColor &color)
{
    if (assignChanged(sliderColorOff, color))
        update();
}

void SwitchButton::setTextColor(const QColor &color)
{
    if (assignChanged(textColor, color))
        update();
}

void SwitchButton::setTextOn(const QString &text)
{
    if (assignChanged(textOn, text))
        update();
}

void SwitchButton::setTextOff(const QString &text)
{
    if (assignChanged(textOff, text))
        update();
}

void SwitchButton::setChecked(bool checked)
{
    if (assignChanged(this->checked, checked))
        startSlide();
}

void SwitchButton::mousePressEvent(QMouseEvent *)
{
    checked = !checked;
    emit statusChanged(checked);
    startSlide();
}

void SwitchButton::startSlide()
{
    step = width() / 100.0;
    endX = checked ? width() - height() : 0;
    if (animation) {
        timer->start();
    } else {
        startX = endX;
        update();
    }
}

void SwitchButton::updateValue()
{
    if (checked ? endX > startX : startX > endX) {
        startX += checked ? step : -step;
    } else {
        startX = endX;
        timer->stop();
    }
    update();
}

void SwitchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawBackground(painter);
    drawSlider(painter);
}

void SwitchButton::drawBackground(QPainter &painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(checked ? bgColorOn : bgColorOff);
    const int w = width();
    const int h = height();
    const int d = qMin(w, h);
    QPainterPath track;
    track.addEllipse(QRectF(0, 0, d, d));
    track.addEllipse(QRectF(w - d, 0, d, d));
    track.addRect(QRectF(d / 2, 0, w - d, h));
    track.setFillRule(Qt::WindingFill);
    painter.drawPath(track);
    const int textWidth = d - 2 * space - 5;
    painter.setPen(textColor);
    painter.setFont(font());
    if (checked)
        painter.drawText(QRect(0, 0, w - textWidth, h), Qt::AlignHCenter | Qt::AlignVCenter, textOn);
    else
        painter.drawText(QRect(textWidth, 0, w - textWidth, h), Qt::AlignHCenter | Qt::AlignVCenter, textOff);
    painter.restore();
}

void SwitchButton::drawSlider(QPainter &painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(checked ? sliderColorOn : sliderColorOff);
    const int d = qMin(width(), height());
    const int knob = d - 2 * space;
    painter.drawEllipse(QRect(int(space + startX), space, knob, knob));
    painter.restore();
}
