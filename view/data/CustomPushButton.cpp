#include "CustomPushButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTouchEvent>
#include <QtMath>

namespace {

enum ButtonStyle { GreyStyle = 0, WhiteStyle = 1, BlueStyle = 2, FramedLabelStyle = 3 };

constexpr int narrowTextWidth = 26;
constexpr int narrowLabelWidth = 42;
constexpr int textPadding = 16;

} // namespace

CustomPushButton::CustomPushButton(QWidget *parent)
    : QWidget(parent)
{
    textLabel = new QLabel;
    textLabel->setProperty("CustomPushButton", "textLabel");
    textLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(textLabel);
    setLayout(layout);
}

QString CustomPushButton::text() const
{
    return textLabel->text();
}

void CustomPushButton::setText(const QString &text)
{
    const int width = QFontMetrics(font()).horizontalAdvance(text);
    textLabel->setFixedWidth(width < narrowTextWidth ? narrowLabelWidth : width + textPadding);
    textLabel->setText(text);
}

void CustomPushButton::setStyle(int type)
{
    normalStyle.clear();
    pressedStyle.clear();
    checkedStyle.clear();
    switch (type) {
    case GreyStyle:
        normalStyle = "CustomPushButton{ background-color: #E6E6E6; color: #13334c; border:0px solid #13334c; }";
        pressedStyle = "CustomPushButton{ background-color: #DCDCDC; color: black; border:0px solid #CCCCCC; }";
        checkedStyle = "CustomPushButton{ background-color: #CACACA; color: black; border:0px solid #CCCCCC; }";
        break;
    case WhiteStyle:
        normalStyle = QString("QLabel{ color: black; border:0px solid #13334c; }") +
                      "CustomPushButton{ background-color: white; color: black; border:0px solid #BEBEBE; }";
        pressedStyle = QString("QLabel{ color: white; border:0px solid #CCCCCC; }") +
                       "CustomPushButton{ background-color: #09AFFF; color: black; border:0px solid #CCCCCC; }";
        checkedStyle = "CustomPushButton{ background-color: #CACACA; color: white; border:0px solid #CCCCCC; }";
        break;
    case BlueStyle:
        normalStyle = QString("QLabel{ color: white; border:0px solid #13334c; }") +
                      "CustomPushButton{ background-color: #09AFFF; color: white; border:0px solid #13334c; }";
        pressedStyle = QString("QLabel{ color: white; border:0px solid #CCCCCC; }") +
                       "CustomPushButton{ background-color: #195EAF; color: white; border:0px solid #CCCCCC; }";
        checkedStyle = "CustomPushButton{ background-color: #CACACA; color: white; border:0px solid #CCCCCC; }";
        break;
    case FramedLabelStyle:
        normalStyle = "QLabel { border:1px solid #CCCCCC; background-color: white;            color: black; "
                      "border-radius: 3px; }";
        pressedStyle = "QLabel { border:0px solid #CCCCCC; background-color: rgb(56,139,255);  color: white; "
                       "border-radius: 3px; }";
        checkedStyle = pressedStyle;
        textLabel->setAlignment(Qt::AlignCenter);
        break;
    default:
        break;
    }
    applyStyle();
}

void CustomPushButton::setCheckedLook(bool value)
{
    checked = value;
    applyStyle();
}

void CustomPushButton::applyStyle()
{
    setStyleSheet(checked ? checkedStyle : normalStyle);
}

bool CustomPushButton::isInside(const QPoint &point) const
{
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

bool CustomPushButton::event(QEvent *event)
{
    if (!isEnabled() || checked)
        return QWidget::event(event);
    switch (event->type()) {
    case QEvent::TouchBegin:
        setStyleSheet(pressedStyle);
        event->accept();
        return true;
    case QEvent::TouchUpdate: {
        const auto points = static_cast<QTouchEvent *>(event)->touchPoints();
        if (!points.isEmpty() && isInside(points.first().pos().toPoint()))
            setStyleSheet(pressedStyle);
        else
            applyStyle();
        event->accept();
        return true;
    }
    case QEvent::TouchEnd:
        applyStyle();
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void CustomPushButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed = true;
    moved = false;
    const QPoint point = event->localPos().toPoint();
    pressX = point.x();
    pressY = point.y();
    if (!checked)
        setStyleSheet(pressedStyle);
}

void CustomPushButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed)
        return;
    const QPoint point = event->localPos().toPoint();
    const double dx = point.x() - pressX;
    const double dy = point.y() - pressY;
    if (qSqrt(dx * dx + dy * dy) > 1.0)
        moved = true;
    if (checked)
        return;
    if (isInside(point))
        setStyleSheet(pressedStyle);
    else
        applyStyle();
}

void CustomPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (pressed) {
        pressed = false;
        if (!moved && isInside(event->localPos().toPoint()))
            emit clicked();
    }
    if (!checked)
        applyStyle();
}

void CustomPushButton::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
