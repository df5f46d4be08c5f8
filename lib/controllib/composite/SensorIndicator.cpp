#include "SensorIndicator.h"

#include <QDebug>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cmath>

namespace {

constexpr int firstInterval = 10;
constexpr int updateInterval = 2;
// The fixed half range of the ruled scales of styles 1 to 3.
constexpr double ruledHalfRange = 500.0;

const QColor framePen("#222831");
const QColor blockColour("#393E46");
const QColor arrowColour("#50C1E9");

QLinearGradient barGradient(double top, double bottom)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor("#FF2E2E"));
    gradient.setColorAt(0.5, QColor("#96C120"));
    gradient.setColorAt(1, QColor("#DADDD8"));
    return gradient;
}

QLine line(double x1, double y1, double x2, double y2)
{
    return QLine(int(x1), int(y1), int(x2), int(y2));
}

void drawPointer(QPainter &painter, double k, double p, double blockLeft, double blockRight, double halfHeight,
                 double tip)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(blockColour);
    painter.drawRect(QRectF(blockLeft * k, (p - halfHeight) * k, (blockRight - blockLeft) * k, 2 * halfHeight * k));
    painter.setBrush(arrowColour);
    const QPointF arrow[] = {
        {blockRight * k, (p - halfHeight) * k}, {blockRight * k, (p + halfHeight) * k}, {tip * k, p * k}};
    painter.drawPolygon(arrow, 3);
}

}

SensorIndicator::SensorIndicator(QWidget *parent)
    : QWidget(parent)
    , animationTimer(new QTimer(this))
{
    update();
    connect(animationTimer, SIGNAL(timeout()), this, SLOT(onAnimationTimerTimeout()));
    animationTimer->start(firstInterval);
}

void SensorIndicator::setValue(double value)
{
    targetValue = qBound(minValue, value, maxValue);
    if (!animationTimer->isActive())
        animationTimer->start(updateInterval);
}

void SensorIndicator::setStyle(int style)
{
    paintStyle = style;
    update();
}

void SensorIndicator::onAnimationTimerTimeout()
{
    if (!(currentValue == targetValue))
        currentValue = targetValue;
    else
        animationTimer->stop();
    update();
}

void SensorIndicator::updateRange(int value)
{
    // Every drawing divides by the range; an empty or inverted one cannot be shown.
    if (value <= 0) {
        qDebug() << "Gauge range refused:" << value;
        return;
    }
    maxValue = value;
    minValue = -value;
    if (targetValue > maxValue || targetValue < minValue) {
        targetValue = qBound(minValue, targetValue, maxValue);
        currentValue = targetValue;
    }
    update();
}

void SensorIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    switch (paintStyle) {
    case Ruled:
        drawStyle1(painter);
        break;
    case RuledEnds:
        drawStyle2(painter);
        break;
    case Slim:
        drawStyle3(painter);
        break;
    case Frame:
        drawStyle4(painter);
        break;
    case FramePointer:
        drawStyle5(painter);
        break;
    case Thermometer:
        drawStyle6(painter);
        break;
    case Bar:
        drawStyle7(painter);
        break;
    case VoltageBar:
        drawStyle8(painter);
        break;
    default:
        break;
    }
}

double SensorIndicator::fillFraction() const
{
    return (currentValue - minValue) / (2 * maxValue);
}

void SensorIndicator::fitDesignBox(QPainter &painter, double boxWidth, double boxHeight, double originOffset)
{
    const double w = width();
    const double h = height();
    scale = w / h > boxWidth / boxHeight ? h / boxHeight : w / boxWidth;
    origin = QPointF(w / 2 + originOffset * scale, h / 2);
    painter.translate(origin);
}

void SensorIndicator::drawStyle1(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 40, 140, 5);
    const double k = scale;
    painter.setPen(QPen(framePen, 1.5));
    painter.drawLine(line(0, -60 * k, 0, 60 * k));
    float y = -60;
    for (int i = 1; i <= 20; ++i) {
        y += 6;
        if (i % 5 != 0)
            painter.drawLine(line(-5 * k, y * k, 0, y * k));
    }
    for (double major : {-60.0, 0.0, 60.0})
        painter.drawLine(line(-10 * k, major * k, 0, major * k));
    for (double major : {-30.0, 30.0})
        painter.drawLine(line(-8 * k, major * k, 0, major * k));
    QFont font;
    if (k > 0)
        font.setPointSizeF(0.05 * k);
    painter.setFont(font);
    const int side = int(12 * k);
    const char *const labels[] = {"+500", "+250", " 0", "-250", "-500"};
    for (int i = 0; i < 5; ++i) {
        const double level = -60 + 30 * i;
        painter.drawText(QRectF(2 * k, level * k - side / 2, side, side), Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
    }
    const double p = -currentValue * 60 / ruledHalfRange;
    painter.setPen(QPen(blockColour, 2));
    painter.drawLine(line(-18 * k, -60 * k, -18 * k, 60 * k));
    painter.drawLine(line(-20 * k, -60 * k, -16 * k, -60 * k));
    painter.drawLine(line(-20 * k, 60 * k, -16 * k, 60 * k));
    drawPointer(painter, k, p, -22, -14, 1.5, -11);
    painter.restore();
}

void SensorIndicator::drawStyle2(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 40, 140, 5);
    const double k = scale;
    painter.setPen(QPen(framePen, 2));
    painter.drawLine(line(0, -60 * k, 0, 60 * k));
    for (double minor : {12.0, 24.0, 36.0, 48.0}) {
        painter.drawLine(line(-5 * k, minor * k, 0, minor * k));
        painter.drawLine(line(-5 * k, -minor * k, 0, -minor * k));
    }
    for (double major : {-60.0, 0.0, 60.0})
        painter.drawLine(line(-7 * k, major * k, 0, major * k));
    QFont font(QStringLiteral("黑体"));
    if (k > 0)
        font.setPointSizeF(0.05 * k);
    painter.setFont(font);
    painter.drawText(QRectF(-10 * k, -70 * k, 10 * k, 10 * k), Qt::AlignCenter, "+500");
    painter.drawText(QRectF(-10 * k, 60 * k, 10 * k, 10 * k), Qt::AlignCenter, "-500");
    drawPointer(painter, k, -currentValue * 60 / ruledHalfRange, -19, -11, 1.5, -8);
    painter.restore();
}

void SensorIndicator::drawStyle3(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 20, 120, 7);
    const double k = scale;
    painter.setPen(QPen(framePen, 2));
    painter.drawLine(line(0, -60 * k, 0, 60 * k));
    for (int tick = -60; tick <= 60; tick += 12) {
        if (tick != 0)
            painter.drawLine(line(-5 * k, tick * k, 0, tick * k));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#41924B"));
    painter.drawRect(QRect(0, int(-2 * k), int(-6.5 * k), 5));
    QFont font;
    font.setWeight(QFont::Bold);
    if (k > 0)
        font.setPointSizeF(0.01 * k);
    painter.setFont(font);
    painter.setPen(QColor("#1F6ED4"));
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QRectF(-8 * k, -71 * k, 10 * k, 10 * k), Qt::AlignHCenter | Qt::AlignBottom, "+500");
    painter.drawText(QRectF(-8 * k, 61 * k, 10 * k, 10 * k), Qt::AlignHCenter | Qt::AlignTop, "-500");
    drawPointer(painter, k, -currentValue * 60 / ruledHalfRange, -15, -9, 1, -7);
    painter.restore();
}

void SensorIndicator::drawFramedScale(QPainter &painter, int minorTickStart, double labelLeft)
{
    const double k = scale;
    painter.setPen(QPen(framePen, 2));
    painter.drawLine(line(0, -320 * k, 0, 320 * k));
    painter.drawLine(line(-60 * k, -320 * k, -60 * k, 320 * k));
    painter.drawLine(line(-60 * k, -320 * k, 0, -320 * k));
    painter.drawLine(line(-60 * k, 320 * k, 0, 320 * k));
    for (double tick : {60.0, 120.0, 180.0, 240.0}) {
        painter.drawLine(line(minorTickStart * k, tick * k, 0, tick * k));
        painter.drawLine(line(minorTickStart * k, -tick * k, 0, -tick * k));
    }
    for (double major : {-300.0, 0.0, 300.0})
        painter.drawLine(line(-12 * k, major * k, 0, major * k));
    painter.drawText(QRectF(labelLeft * k, -330 * k, 60 * k, 60 * k), Qt::AlignCenter, "+500");
    painter.drawText(QRectF(labelLeft * k, -30 * k, 60 * k, 60 * k), Qt::AlignCenter, "0");
    painter.drawText(QRectF(labelLeft * k, 270 * k, 60 * k, 60 * k), Qt::AlignCenter, "-500");
}

void SensorIndicator::drawStyle4(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 100, 750, 30);
    const double k = scale;
    drawFramedScale(painter, -10, -60);
    const double p = -currentValue * 300 / maxValue;
    painter.setPen(Qt::NoPen);
    painter.setBrush(blockColour);
    const QPointF level[] = {{-60 * k, (p - 5) * k}, {0, (p - 5) * k}, {0, 305 * k}, {-60 * k, 305 * k}};
    painter.drawPolygon(level, 4);
    painter.restore();
}

void SensorIndicator::drawStyle5(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 100, 750, 30);
    const double k = scale;
    drawFramedScale(painter, -12, -65);
    const double p = -currentValue * 300 / maxValue;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#1D1D1F"));
    const QPointF pointer[] = {{-27 * k, (p - 7) * k}, {-27 * k, (p + 7) * k}, {-12 * k, p * k}};
    painter.drawPolygon(pointer, 3);
    painter.restore();
}

void SensorIndicator::drawStyle6(QPainter &painter)
{
    painter.save();
    fitDesignBox(painter, 100, 400, 5);
    const double k = scale;
    painter.setPen(QPen(framePen, 2 * k));
    painter.drawRoundedRect(QRectF(-30 * k, -170 * k, 30 * k, 340 * k), 3, 3);
    for (double tick : {-170.0, -85.0, 0.0, 85.0, 170.0})
        painter.drawLine(line(10 * k, tick * k, 20 * k, tick * k));
    const double p = -currentValue * 170 / maxValue;
    painter.setPen(Qt::NoPen);
    painter.setBrush(barGradient(-200 * k, 200 * k));
    painter.drawRoundedRect(QRectF(-29 * k, (p + 1) * k, 28 * k, (168 - p) * k), 3, 3);
    painter.restore();
}

void SensorIndicator::drawStyle7(QPainter &painter)
{
    painter.save();
    const double w = width();
    const double h = height();
    painter.setPen(QPen(framePen, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 4, 4);
    const double fill = (h - 6) * fillFraction();
    painter.setPen(Qt::NoPen);
    painter.setBrush(barGradient(0, h));
    painter.drawRoundedRect(QRectF(3, h - 3 - fill, w - 6, fill), 4, 4);
    painter.restore();
}

void SensorIndicator::drawStyle8(QPainter &painter)
{
    painter.save();
    const double w = width();
    const double h = height();
    painter.setPen(QPen(framePen, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(120, 10, w - 130, h - 20), 4, 4);
    const double s = h - 22;
    const double fill = s * fillFraction();
    painter.setPen(Qt::NoPen);
    painter.setBrush(barGradient(0, h));
    painter.drawRoundedRect(QRectF(121, s + 11 - fill, w - 132, fill), 4, 4);
    struct Mark {
        const char *text;
        double volts;
        QColor colour;
    };
    const QColor inner(155, 89, 182);
    const QColor outer(223, 108, 117);
    const Mark marks[] = {{"+0.6V ->", 0.6, inner},
                          {"+0V ->", 0, inner},
                          {"-0.6V ->", -0.6, inner},
                          {"+1.82V ->", 1.82, outer},
                          {"-1.82V ->", -1.82, outer}};
    painter.setFont(font());
    for (const Mark &mark : marks) {
        painter.setPen(QPen(mark.colour, 1.0));
        painter.drawText(QRectF(0, s * (1.82 - mark.volts) / 3.64, 110, 22), Qt::AlignRight | Qt::AlignVCenter,
                         mark.text);
    }
    painter.restore();
}
