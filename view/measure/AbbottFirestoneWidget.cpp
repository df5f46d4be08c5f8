#include "AbbottFirestoneWidget.h"

#include "CustomPlot.h"

namespace {

constexpr double kTurningKey = 100.0;

}

AbbottFirestoneWidget::AbbottFirestoneWidget(QWidget *parent)
    : QWidget(parent)
{
    abbottFirestonePlot = new CustomPlot(this);
    abbottFirestonePlot->setScaleFactors(1.03, 1.03);
    amplitudePlot = new CustomPlot(this);
    amplitudePlot->setScaleFactors(1.03, 1.03);
}

void AbbottFirestoneWidget::setAbbottFirestoneLabels(const QString &xLabel, const QString &yLabel)
{
    abbottFirestonePlot->setAxisLabels(xLabel, yLabel);
}

void AbbottFirestoneWidget::setAmplitudeLabels(const QString &xLabel, const QString &yLabel)
{
    amplitudePlot->setAxisLabels(xLabel, yLabel);
}

void AbbottFirestoneWidget::setAbbottFirestoneData(const QVector<double> &keys, const QVector<double> &values)
{
    abbottFirestonePlot->setGraphData(keys, values);
}

void AbbottFirestoneWidget::setAmplitudeData(const QVector<double> &keys, const QVector<double> &values)
{
    QVector<double> firstKeys;
    QVector<double> firstValues;
    QVector<double> secondKeys;
    QVector<double> secondValues;
    bool rising = true;
    for (double key : keys) {
        (rising ? firstKeys : secondKeys).append(key);
        if (rising && key == kTurningKey)
            rising = false;
    }
    for (int i = 0; i < values.size(); ++i)
        (i < firstKeys.size() ? firstValues : secondValues).append(values.at(i));
    amplitudePlot->setGraphData(firstKeys, firstValues);
    amplitudePlot->setSecondGraphData(secondKeys, secondValues);
}

void AbbottFirestoneWidget::resizeEvent(QResizeEvent *event)
{
    // Placed by hand rather than by a layout: squares in a layout would make
    // their size the widget's minimum and so widen the window.
    const int side = qMin(height(), width() / 2);
    const int gap = (width() - 2 * side) / 3;
    const int top = (height() - side) / 2;
    abbottFirestonePlot->setGeometry(gap, top, side, side);
    amplitudePlot->setGeometry(2 * gap + side, top, side, side);
    QWidget::resizeEvent(event);
}
