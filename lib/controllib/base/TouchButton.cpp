#include "TouchButton.h"

#include <QMouseEvent>
#include <QTouchEvent>

namespace {

struct Look {
    const char *normal;
    const char *pressed;
    // Added to both sheets: a disabled button must never look tappable, not
    // even when it was disabled while pressed.
    const char *disabled;
};

const Look looks[] = {
    {"QPushButton{ border:1px solid #CCCCCC; background-color: white; color: black; border-radius: 6px; }",
     "QPushButton{ color: white; background-color: #9B59B6; border-radius: 6px; border:0px solid #CCCCCC; }",
     "QPushButton:!enabled{ border:1px solid #CCCCCC; background-color: #F0F0F0; color: #A0A0A0; }"},
    {"QPushButton{ border:0px solid #CCCCCC; background-color: transparent; }",
     "QPushButton{  border:0px solid #CCCCCC; background-color: transparent; }",
     "QPushButton:!enabled{ color: #A0A0A0; }"},
    {"QPushButton{ background-color: #0D97FF; color:white; border-radius: 20px; border:0px solid #CCCCCC; }",
     "QPushButton{ background-color: #0F87E4; color:white; border-radius: 20px; border:0px solid #CCCCCC; }",
     "QPushButton:!enabled{ background-color: #E6E6E6; color: #A0A0A0; }"},
    {"QPushButton{ background-color: #F0F0F0; color:black; border-radius: 20px; border:0px solid #CCCCCC; }"
     "QPushButton:!enabled{ background-color: #E6E6E6; }",
     "QPushButton{ background-color: #DCDCDC; color:black; border-radius: 20px; border:0px solid #CCCCCC; }",
     "QPushButton:!enabled{ background-color: #E6E6E6; color: #A0A0A0; }"},
    {"QPushButton{ background-color: rgb(155,89,182);  color:white; border-radius: 20px; border:0px solid #CCCCCC; }",
     "QPushButton{ background-color: rgb(119,25,170); color:white; border-radius: 20px; border:0px solid #CCCCCC; }",
     "QPushButton:!enabled{ background-color: #E6E6E6; color: #A0A0A0; }"},
    {"QPushButton{ background-color: transparent; color:white; border-radius: 5px; border:0px; }",
     "QPushButton{ background-color: #DCDCDC;  color:white; border-radius: 5px; border:0px; }",
     "QPushButton:!enabled{ background-color: transparent; color: #A0A0A0; }"},
    {"QPushButton{ border:1px solid #CCCCCC; background-color: white;   color: black; border-radius: 6px; }"
     "QPushButton:!enabled{ background-color: rgb(230,230,230); color:black;  border:1px solid #CCCCCC; "
     "border-radius: 6px; }",
     "QPushButton{ border:0px solid #CCCCCC; background-color: #9B59B6; color: white; border-radius: 6px; }",
     "QPushButton:!enabled{ border:1px solid #CCCCCC; background-color: rgb(230,230,230); color: #A0A0A0; }"},
    {"QPushButton{ background-color: rgb(155,89,182);  color:white; border-radius: 6px; border:0px solid #CCCCCC; }",
     "QPushButton{ background-color: rgb(119,25,170); color:white; border-radius: 6px; border:0px solid #CCCCCC; }",
     "QPushButton:!enabled{ background-color: #E6E6E6; color: #A0A0A0; }"},
    {"QPushButton{ border:1px solid #CCCCCC; background-color: white;   color: black; border-radius: 6px; }",
     "QPushButton{ border:0px solid #CCCCCC; background-color: #F0F0F0; color: black; border-radius: 6px; }",
     "QPushButton:!enabled{ border:1px solid #CCCCCC; background-color: #F0F0F0; color: #A0A0A0; }"},
    {"QPushButton{ border:0px; background-color:#E6E6E6; }",
     "QPushButton{ border:0px; background-color:#E6E6E6; padding-left: 4px; padding-top: 4px;}",
     "QPushButton:!enabled{ background-color: #F0F0F0; color: #A0A0A0; padding-left: 0px; padding-top: 0px; }"},
};

// The mouse events a platform makes from a touch that this button already
// handled; Qt itself only synthesises them for touches nobody accepted.
bool synthesised(const QMouseEvent *event)
{
    return event->source() == Qt::MouseEventSynthesizedBySystem;
}

}

TouchButton::TouchButton(QWidget *parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void TouchButton::setStyle(int type)
{
    normalStyle.clear();
    pressedStyle.clear();
    if (type >= 0 && type < int(std::size(looks))) {
        const QString disabled = QString::fromUtf8(looks[type].disabled);
        normalStyle = QString::fromUtf8(looks[type].normal) + disabled;
        pressedStyle = QString::fromUtf8(looks[type].pressed) + disabled;
    }
    setStyleSheet(normalStyle);
}

bool TouchButton::isInside(const QPointF &pos) const
{
    return pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
}

bool TouchButton::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    // The pressed look must not outlive the touch, even when the button was
    // disabled while the finger was down.
    if (type == QEvent::TouchEnd || type == QEvent::TouchCancel) {
        setStyleSheet(normalStyle);
        const auto *touch = static_cast<QTouchEvent *>(event);
        if (type == QEvent::TouchEnd && isEnabled() && !touch->touchPoints().isEmpty() &&
            isInside(touch->touchPoints().first().pos()))
            click();
        return true;
    }
    if (!isEnabled())
        return QPushButton::event(event);
    if (type == QEvent::TouchBegin) {
        setStyleSheet(pressedStyle);
        return true;
    }
    if (type == QEvent::TouchUpdate) {
        const auto *touch = static_cast<QTouchEvent *>(event);
        if (!touch->touchPoints().isEmpty())
            setStyleSheet(isInside(touch->touchPoints().first().pos()) ? pressedStyle : normalStyle);
        return true;
    }
    return QPushButton::event(event);
}

void TouchButton::mousePressEvent(QMouseEvent *event)
{
    if (synthesised(event)) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton)
        setStyleSheet(pressedStyle);
    QAbstractButton::mousePressEvent(event);
}

void TouchButton::mouseMoveEvent(QMouseEvent *event)
{
    if (synthesised(event)) {
        event->ignore();
        return;
    }
    setStyleSheet(isInside(event->pos()) ? pressedStyle : normalStyle);
    QAbstractButton::mouseMoveEvent(event);
}

void TouchButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (synthesised(event)) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton)
        setStyleSheet(normalStyle);
    QAbstractButton::mouseReleaseEvent(event);
}
