#include "MeasureWaveformWidget.h"

#include "GlobalData.h"
#include "TouchButton.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kFullKeyStep = 0.25;
// Samples the live view keeps free to the right of the newest one.
constexpr int kLiveLead = 20;
constexpr double kLiveMargin = 1.05;
// Half the height of the live view around a flat curve or a single sample, as
// in the plots' own fit: without a span in the data the view must not depend
// on the previous one.
constexpr double kFlatHalfBand = 1.0;
// Pixels either side of the press at which a range line is looked for.
constexpr int kGrabReach = 30;
const QCPRange emptyView(-1.1, 0.1);

QPen rangeLinePen(const QColor &color, int width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QPen normalLinePen = rangeLinePen(QColor("#6b778d"), 1);
const QPen grabbedLinePen = rangeLinePen(QColor("#FF6E33"), 2);

QPen profilePen()
{
    return QPen(QColor("#3399FF"), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void placeLine(QCPItemLine *line, double key, const QCPRange &values)
{
    line->start->setCoords(key, values.lower);
    line->end->setCoords(key, values.upper);
}

}

MeasureWaveformWidget::MeasureWaveformWidget(QWidget *parent)
    : CustomPlot(parent)
{
    selectAreaButton = new TouchButton;
    selectAreaButton->setStyle(5);
    selectAreaButton->setCheckable(true);
    selectAreaButton->setFixedSize(45, 45);
    toolButtons.append(selectAreaButton);
    auto *toolLayout = new QHBoxLayout;
    toolLayout->addWidget(selectAreaButton);
    selectAreaButton->setChecked(false);
    selectAreaButton->setIconSize(QSize(35, 35));
    selectAreaButton->setIcon(QIcon(":/resources/image/measurepage/selectarea.png"));
    toolLayout->setSpacing(0);
    toolLayout->setContentsMargins(0, 0, 0, 0);
    toolBar = new QWidget(this);
    toolBar->setLayout(toolLayout);
    toolBar->adjustSize();

    for (QCPItemLine **line : {&leftLine, &rightLine}) {
        *line = new QCPItemLine(this);
        (*line)->setPen(normalLinePen);
        (*line)->setHead(QCPLineEnding(QCPLineEnding::esDisc, 8, 10));
        (*line)->setTail(QCPLineEnding(QCPLineEnding::esNone, 8, 10));
    }
    resetView();

    connect(yAxis, SIGNAL(rangeChanged(QCPRange)), this, SLOT(onRangeChanged(QCPRange)));
    connect(selectAreaButton, &QPushButton::clicked, this, [this] {
        setRangeLinesVisible(selectAreaButton->isChecked());
        replot(QCustomPlot::rpRefreshHint);
    });
    placeToolBar();
}

void MeasureWaveformWidget::setData(const QList<double> &data, int newMode)
{
    if (graphCount() == 0)
        addGraph(xAxis, yAxis);
    if (newMode == LiveMode)
        showLive(data);
    else if (newMode == FullMode)
        showFull(data);
    xAxis->setTickLabels(false);
    yAxis->setTickLabels(false);
    // In live mode the kept samples are on show even when a report brings none.
    if (newMode == LiveMode ? profileData.isEmpty() : data.isEmpty())
        resetView();
    mode = newMode;
}

void MeasureWaveformWidget::showLive(const QList<double> &data)
{
    setRangeLinesVisible(false);
    if (mode != LiveMode)
        profileData.clear();
    profileData.append(data);
    const int n = profileData.size();
    const int first = qMax(0, n - kLiveWindow);
    QVector<double> keys;
    QVector<double> values;
    keys.reserve(n - first);
    values.reserve(n - first);
    for (int i = first; i < n; ++i) {
        keys.append(i);
        values.append(profileData.at(i));
    }
    graph(0)->setData(keys, values);
    graph(0)->setPen(profilePen());
    if (n >= kLiveWindow)
        xAxis->setRange(n - kLiveWindow, n + kLiveLead);
    else
        xAxis->setRange(0, kLiveWindow + kLiveLead);

    if (!values.isEmpty()) {
        const auto [lowest, highest] = std::minmax_element(values.cbegin(), values.cend());
        if (*lowest == *highest)
            yAxis->setRange(*lowest - kFlatHalfBand, *highest + kFlatHalfBand);
        else
            yAxis->setRange(*lowest, *highest);
    }
    yAxis->scaleRange(kLiveMargin, yAxis->range().center());
    xAxis->scaleRange(kLiveMargin, xAxis->range().center());
    replot(QCustomPlot::rpRefreshHint);
}

void MeasureWaveformWidget::showFull(const QList<double> &data)
{
    setRangeLinesVisible(true);
    profileData = data;
    const int n = data.size();
    setCalculateRange(0, int(n * kFullKeyStep));
    QVector<double> keys(n);
    for (int i = 0; i < n; ++i)
        keys[i] = i * kFullKeyStep;
    setGraphData(keys, QVector<double>(data.cbegin(), data.cend()));
}

void MeasureWaveformWidget::setCalculateRange(int left, int right)
{
    qDebug() << "setCalculateRange left: " << left << " right:" << right;
    rangeLeft = left;
    rangeRight = right;
    const QCPRange values = yAxis->range();
    placeLine(leftLine, left, values);
    placeLine(rightLine, right, values);
    GlobalData::instance()->setCalculateRange(int(std::trunc(4.0 * left)), int(std::trunc(4.0 * right)));
}

void MeasureWaveformWidget::clearData()
{
    profileData.clear();
}

void MeasureWaveformWidget::setRangeLinesVisible(bool visible)
{
    leftLine->setVisible(visible);
    rightLine->setVisible(visible);
    selectAreaButton->setChecked(visible);
}

void MeasureWaveformWidget::resetView()
{
    xAxis->setRange(emptyView);
    yAxis->setRange(emptyView);
    replot(QCustomPlot::rpRefreshHint);
}

void MeasureWaveformWidget::onRangeChanged(QCPRange range)
{
    for (QCPItemLine *line : {leftLine, rightLine})
        placeLine(line, line->start->coords().x(), range);
}

bool MeasureWaveformWidget::linesCanBeGrabbed() const
{
    return mode == FullMode && !profileData.isEmpty() && leftLine->visible();
}

void MeasureWaveformWidget::press(const QPointF &pos)
{
    pressed = true;
    lastX = pos.x();
    lastY = pos.y();
    grabbedLine = nullptr;
    if (!linesCanBeGrabbed())
        return;
    const int centre = int(pos.x());
    for (int x = centre - kGrabReach; x < centre + kGrabReach; ++x) {
        QCPAbstractItem *item = itemAt(QPointF(x, pos.y()), false);
        if (item == leftLine || item == rightLine) {
            grabbedLine = static_cast<QCPItemLine *>(item);
            grabbedLine->setPen(grabbedLinePen);
            return;
        }
    }
}

void MeasureWaveformWidget::drag(const QPointF &pos)
{
    const double dx = pos.x() - lastX;
    const QPointF start = grabbedLine->start->pixelPosition();
    const QPointF end = grabbedLine->end->pixelPosition();
    grabbedLine->start->setPixelPosition(QPointF(start.x() + dx, start.y()));
    grabbedLine->end->setPixelPosition(QPointF(end.x() + dx, end.y()));
    const double key = xAxis->pixelToCoord((start.x() + end.x()) / 2.0 + dx);
    if (grabbedLine == leftLine)
        rangeLeft = key;
    else
        rangeRight = key;
    GlobalData::instance()->setCalculateRange(int(std::trunc(4.0 * rangeLeft)), int(std::trunc(4.0 * rangeRight)));
    replot(QCustomPlot::rpRefreshHint);
    lastX = pos.x();
    lastY = pos.y();
}

void MeasureWaveformWidget::release()
{
    pressed = false;
    if (grabbedLine == leftLine || grabbedLine == rightLine) {
        grabbedLine->setPen(normalLinePen);
        replot(QCustomPlot::rpRefreshHint);
    }
}

bool MeasureWaveformWidget::selectWholeProfile()
{
    if (profileData.isEmpty()) {
        resetView();
        return true;
    }
    if (mode != FullMode)
        return false;
    setCalculateRange(0, int((profileData.size() - 1) * kFullKeyStep));
    return false;
}

void MeasureWaveformWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        press(QPointF(event->pos()));
    QCustomPlot::mousePressEvent(event);
}

void MeasureWaveformWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (pressed && grabbedLine) {
        drag(QPointF(event->pos()));
        return;
    }
    QCustomPlot::mouseMoveEvent(event);
}

void MeasureWaveformWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        release();
    QCustomPlot::mouseReleaseEvent(event);
}

void MeasureWaveformWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton) && selectWholeProfile())
        return;
    CustomPlot::mouseDoubleClickEvent(event);
}

void MeasureWaveformWidget::onDoubleTap()
{
    if (!selectWholeProfile())
        CustomPlot::onDoubleTap();
}

bool MeasureWaveformWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const bool handled = CustomPlot::eventFilter(watched, event);
        const auto points = static_cast<QTouchEvent *>(event)->touchPoints();
        if (!points.isEmpty())
            press(points.first().pos());
        return handled;
    }
    case QEvent::TouchUpdate: {
        const auto points = static_cast<QTouchEvent *>(event)->touchPoints();
        if (points.size() == 1 && touchMode != TwoFingers && pressed && grabbedLine) {
            recordTap(event);
            drag(points.first().pos());
            return true;
        }
        return CustomPlot::eventFilter(watched, event);
    }
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        release();
        return CustomPlot::eventFilter(watched, event);
    default:
        return CustomPlot::eventFilter(watched, event);
    }
}

void MeasureWaveformWidget::resizeEvent(QResizeEvent *event)
{
    CustomPlot::resizeEvent(event);
    placeToolBar();
}

void MeasureWaveformWidget::placeToolBar()
{
    toolBar->move(width() - toolBar->width(), 0);
}
