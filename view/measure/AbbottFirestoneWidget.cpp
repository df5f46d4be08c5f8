#include "AbbottFirestoneWidget.h"

#include "CustomPlot.h"

#include <QHBoxLayout>

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

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(0);
    layout->addStretch(40);
    layout->addWidget(abbottFirestonePlot);
    layout->addStretch(40);
    layout->addWidget(amplitudePlot);
    layout->addStretch(40);
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
    // As high as the widget, unless two squares of that size would not fit
    // its width: a fixed size wider than the widget would widen the window.
    const int side = qMin(height(), width() / 2);
    abbottFirestonePlot->setFixedSize(side, side);
    amplitudePlot->setFixedSize(side, side);
    QWidget::resizeEvent(event);
}
