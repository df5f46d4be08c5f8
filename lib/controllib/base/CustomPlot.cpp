#include "CustomPlot.h"

#include <QApplication>
#include <QLineF>
#include <QTouchEvent>
#include <QtMath>
#include <cmath>

namespace {

// Half the height of the view around a flat curve or a single point; the data
// gives no span to widen, so the view must not depend on the previous one.
constexpr double flatHalfBand = 1.0;
// The view for a plot without data.
const QCPRange emptyView(0.0, 5.0);

QPen linePen(const QColor &color)
{
    return QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::SvgMiterJoin);
}

void fitAxis(QCPAxis *axis, bool found, const QCPRange &data, double factor)
{
    if (!found) {
        axis->setRange(emptyView);
    } else if (data.lower == data.upper) {
        axis->setRange(data.lower - flatHalfBand, data.upper + flatHalfBand);
    } else {
        axis->setRange(data);
        axis->scaleRange(factor, axis->range().center());
    }
}

}

CustomPlot::CustomPlot(QWidget *parent)
    : QCustomPlot(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    installEventFilter(this);

    axisPen = linePen(QColor(225, 225, 225));
    gridPen = linePen(QColor(255, 255, 255));
    subGridPen = gridPen;

    const QList<QCPAxis *> axes = {xAxis, yAxis, xAxis2, yAxis2};
    for (QCPAxis *axis : axes) {
        axis->setBasePen(axisPen);
        axis->setTickPen(QPen(Qt::black, 1, Qt::SolidLine));
        axis->setSubTickPen(QPen(Qt::black, 1, Qt::SolidLine));
        axis->setTickLength(1, 0);
        axis->setTickLabelColor(QColor(0, 0, 1));
        axis->setTickLabels(true);
        axis->setTickLabelPadding(12);
        axis->setTickLabelSide(QCPAxis::lsOutside);
    }
    xAxis2->setVisible(false);
    yAxis2->setVisible(false);
    xAxis->setTickLabels(false);
    yAxis->setTickLabels(true);
    yAxis->setTickLabelRotation(0);
    connect(xAxis, SIGNAL(rangeChanged(QCPRange)), xAxis2, SLOT(setRange(QCPRange)));
    connect(yAxis, SIGNAL(rangeChanged(QCPRange)), yAxis2, SLOT(setRange(QCPRange)));

    for (QCPAxis *axis : {xAxis, yAxis}) {
        axis->grid()->setPen(gridPen);
        axis->grid()->setSubGridPen(subGridPen);
        axis->grid()->setZeroLinePen(gridPen);
        axis->grid()->setVisible(true);
        axis->grid()->setSubGridVisible(true);
    }

    rescaleAxes();
    replot(QCustomPlot::rpRefreshHint);

    axisRect()->setMinimumMargins(QMargins(0, 0, 0, 0));
    axisRect()->setBackground(QBrush(Qt::white));
    setBackground(QBrush(Qt::white));
    replot(QCustomPlot::rpRefreshHint);
}

void CustomPlot::setScaleFactors(double x, double y)
{
    xScaleFactor = x;
    yScaleFactor = y;
}

void CustomPlot::rescaleWithMargins(double x, double y)
{
    bool keysFound = false;
    bool valuesFound = false;
    QCPRange keys;
    QCPRange values;
    for (int i = 0; i < plottableCount(); ++i) {
        bool found = false;
        const QCPRange keyRange = plottable(i)->getKeyRange(found);
        if (found) {
            keys = keysFound ? QCPRange(qMin(keys.lower, keyRange.lower), qMax(keys.upper, keyRange.upper)) : keyRange;
            keysFound = true;
        }
        const QCPRange valueRange = plottable(i)->getValueRange(found);
        if (found) {
            values = valuesFound ? QCPRange(qMin(values.lower, valueRange.lower), qMax(values.upper, valueRange.upper))
                                 : valueRange;
            valuesFound = true;
        }
    }
    fitAxis(yAxis, valuesFound, values, y);
    fitAxis(xAxis, keysFound, keys, x);
}

void CustomPlot::setGraphCurve(int index, const QVector<double> &keys, const QVector<double> &values,
                               const QColor &color)
{
    while (graphCount() <= index)
        addGraph(xAxis, yAxis);
    graph(index)->setData(keys, values);
    graph(index)->setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    rescaleWithMargins(xScaleFactor, yScaleFactor);
    replot(QCustomPlot::rpRefreshHint);
}

void CustomPlot::setGraphData(const QVector<double> &keys, const QVector<double> &values)
{
    setGraphCurve(0, keys, values, QColor("#3399FF"));
}

void CustomPlot::setSecondGraphData(const QVector<double> &keys, const QVector<double> &values)
{
    setGraphCurve(1, keys, values, QColor("#3399FF"));
}

void CustomPlot::setGraphValues(const QVector<double> &values)
{
    QVector<double> keys(values.size());
    for (int i = 0; i < keys.size(); ++i)
        keys[i] = i;
    setGraphCurve(0, keys, values, QColor("#3D90F0"));
}

void CustomPlot::setAxisRanges(double xLower, double xUpper, double yLower, double yUpper)
{
    if (xLower > xUpper)
        std::swap(xLower, xUpper);
    if (yLower > yUpper)
        std::swap(yLower, yUpper);
    xAxis->setRange(xLower, xUpper);
    yAxis->setRange(yLower, yUpper);
}

void CustomPlot::rescaleAndReplot()
{
    rescaleAxes();
    replot(QCustomPlot::rpRefreshHint);
}

void CustomPlot::setAxisLabel(QCPAxis *axis, const QString &text)
{
    axis->setLabel(text);
    axis->setLabelColor(Qt::black);
}

void CustomPlot::setAxisLabels(const QString &xText, const QString &yText)
{
    setAxisLabel(xAxis, xText);
    setAxisLabel(yAxis, yText);
}

int CustomPlot::lineDirection(double x1, double y1, double x2, double y2)
{
    double angle = std::atan((y2 - y1) / (x2 - x1)) * 180.0 / 3.141592653589793;
    while (angle >= 360)
        angle -= 360;
    while (angle < 0)
        angle += 360;
    if ((angle >= 0 && angle <= 22.5) || (angle >= 337.5 && angle < 360) || (angle >= 157.5 && angle <= 202.5))
        return ZoomHorizontal;
    if ((angle > 67.5 && angle <= 112.5) || (angle >= 247.5 && angle < 292.5))
        return ZoomVertical;
    return ZoomBoth;
}

void CustomPlot::recordTap(QEvent *event)
{
    const auto *touch = static_cast<QTouchEvent *>(event);
    const QList<QTouchEvent::TouchPoint> points = touch->touchPoints();
    const int slop = QApplication::startDragDistance();
    switch (event->type()) {
    case QEvent::TouchBegin:
        tapStart = points.isEmpty() ? QPointF() : points.first().pos();
        tapMoved = points.size() != 1;
        break;
    case QEvent::TouchUpdate:
        if (points.size() != 1 || QLineF(tapStart, points.first().pos()).length() > slop)
            tapMoved = true;
        break;
    case QEvent::TouchEnd:
        if (tapMoved || touchMode != OneFinger) {
            lastTap.invalidate();
        } else if (lastTap.isValid() && lastTap.elapsed() <= QApplication::doubleClickInterval()) {
            lastTap.invalidate();
            onDoubleTap();
        } else {
            lastTap.start();
        }
        break;
    default:
        lastTap.invalidate();
        break;
    }
}

bool CustomPlot::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const auto *touch = static_cast<QTouchEvent *>(event);
        touchMode = OneFinger;
        if (!touch->touchPoints().isEmpty()) {
            const QPointF p = touch->touchPoints().first().pos();
            panStartX = xAxis->pixelToCoord(p.x());
            panStartY = yAxis->pixelToCoord(p.y());
        }
        recordTap(event);
        return true;
    }
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        pinchStart = true;
        recordTap(event);
        return true;
    case QEvent::TouchUpdate: {
        recordTap(event);
        const QList<QTouchEvent::TouchPoint> points = static_cast<QTouchEvent *>(event)->touchPoints();
        if (points.size() == 1 && touchMode == OneFinger) {
            const QPointF p = points.first().pos();
            const double dx = xAxis->pixelToCoord(p.x()) - panStartX;
            const double dy = yAxis->pixelToCoord(p.y()) - panStartY;
            const double xUpper = xAxis->range().upper;
            xAxis->setRangeLower(xAxis->range().lower - dx);
            xAxis->setRangeUpper(xUpper - dx);
            const double yUpper = yAxis->range().upper;
            yAxis->setRangeLower(yAxis->range().lower - dy);
            yAxis->setRangeUpper(yUpper - dy);
            replot(QCustomPlot::rpRefreshHint);
            pinchStart = true;
        } else if (points.size() == 2) {
            touchMode = TwoFingers;
            const QPointF a = points.first().pos();
            const QPointF b = points.last().pos();
            if (pinchStart) {
                pinchStart = false;
                lastDistance = currentDistance = QLineF(a, b).length();
                pinchCenterX = xAxis->pixelToCoord((a.x() + b.x()) * 0.5);
                pinchCenterY = yAxis->pixelToCoord((a.y() + b.y()) * 0.5);
                zoomAxes = lineDirection(a.x(), a.y(), b.x(), b.y());
            }
            currentDistance = QLineF(a, b).length();
            zoomFactor = lastDistance / currentDistance;
            lastDistance = currentDistance;
            if (zoomAxes & ZoomHorizontal) {
                const QCPRange r = xAxis->range();
                xAxis->setRange(pinchCenterX - (pinchCenterX - r.lower) * zoomFactor,
                                pinchCenterX + (r.upper - pinchCenterX) * zoomFactor);
            }
            if (zoomAxes & ZoomVertical) {
                const QCPRange r = yAxis->range();
                yAxis->setRange(pinchCenterY - (pinchCenterY - r.lower) * zoomFactor,
                                pinchCenterY + (r.upper - pinchCenterY) * zoomFactor);
            }
            replot(QCustomPlot::rpRefreshHint);
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void CustomPlot::paintEvent(QPaintEvent *event)
{
    emit axisGlobalRectChanged(axisRect()->rect());
    QCustomPlot::paintEvent(event);
}

void CustomPlot::onDoubleTap()
{
    rescaleWithMargins(xScaleFactor, yScaleFactor);
    replot(QCustomPlot::rpRefreshHint);
}

void CustomPlot::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        rescaleWithMargins(xScaleFactor, yScaleFactor);
        replot(QCustomPlot::rpRefreshHint);
    }
    QCustomPlot::mouseDoubleClickEvent(event);
}
