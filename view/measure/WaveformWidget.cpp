#include "WaveformWidget.h"

#include "AbbottFirestoneWidget.h"
#include "CalculateModel.h"
#include "GlobalConfig.h"
#include "GlobalData.h"
#include "GlobalManager.h"
#include "Language.h"
#include "MeasureWaveformWidget.h"
#include "NetworkController.h"
#include "PushButton.h"
#include "RoughnessWidget.h"
#include "ShapeRemovalWidget.h"
#include "WavinessWidget.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QVector<double> toVector(const QList<double> &list)
{
    return QVector<double>(list.cbegin(), list.cend());
}

// Room a curve button keeps on either side of its text.
constexpr int kButtonTextPadding = 6;
constexpr int kSmallestButtonFont = 12;

// Sets the text in the application font, smaller where a translation would
// not fit the button's fixed width.
void setFittingText(QPushButton *button, const QString &text)
{
    button->setFont(
        fittingFont(GlobalData::instance()->font, text, button->width() - 2 * kButtonTextPadding, kSmallestButtonFont));
    button->setText(text);
}

QList<double> scaled(QList<double> samples, double factor)
{
    for (double &sample : samples)
        sample *= factor;
    return samples;
}

}

WaveformWidget::WaveformWidget(QWidget *parent)
    : Widget(parent)
{
}

void WaveformWidget::initData()
{
}

void WaveformWidget::initUi()
{
    plotStack = new QStackedWidget;
    measureWaveformWidget = new MeasureWaveformWidget;
    roughnessWidget = new RoughnessWidget;
    shapeRemovalWidget = new ShapeRemovalWidget;
    wavinessWidget = new WavinessWidget;
    abbottFirestoneWidget = new AbbottFirestoneWidget;
    plotStack->addWidget(measureWaveformWidget);
    plotStack->addWidget(roughnessWidget);
    plotStack->addWidget(shapeRemovalWidget);
    plotStack->addWidget(wavinessWidget);
    plotStack->addWidget(abbottFirestoneWidget);
    plotStack->setCurrentWidget(measureWaveformWidget);

    const GlobalConfig *config = GlobalConfig::instance();
    buttonColumn = new QWidget;
    auto *buttonLayout = new QVBoxLayout;
    for (PushButton **button : {&measurementCurveButton, &shapeRemovalButton, &wavinessProfileButton,
                                &roughnessProfileButton, &abbottFirestoneCurveButton}) {
        *button = new PushButton;
        (*button)->setStyle(2);
        (*button)->setFixedSize(int(140 * config->xScale), int(45 * config->yScale));
        (*button)->setCheckable(true);
        connect(*button, &QPushButton::clicked, this, &WaveformWidget::onWaveformSwitched);
        buttonLayout->addWidget(*button);
        curveButtons.append(*button);
    }
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(5);
    buttonLayout->addStretch();
    buttonColumn->setLayout(buttonLayout);
    measurementCurveButton->setChecked(true);

    separatorLine = new QWidget;
    separatorLine->setFixedWidth(1);
    auto *frameLayout = new QHBoxLayout;
    frameLayout->addWidget(plotStack);
    frameLayout->addWidget(separatorLine);
    frameLayout->addWidget(buttonColumn);
    plotFrame = new QWidget;
    plotFrame->setLayout(frameLayout);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(plotFrame);
    setLayout(layout);
}

void WaveformWidget::initConnect()
{
    GlobalData *data = GlobalData::instance();
    GlobalManager *manager = GlobalManager::instance();
    connect(data, &GlobalData::measureDataListChanged, this, &WaveformWidget::updateMeasureCurve);
    connect(manager->calculateModel, &CalculateModel::parameterCalculated, this,
            &WaveformWidget::updateCalculatedCurves);
    connect(manager->networkController, &NetworkController::realTimeDataRecved, this,
            [this](const QList<double> &dataList) {
                measureWaveformWidget->setData(scaled(dataList, GlobalData::instance()->calibrationFactor),
                                               MeasureWaveformWidget::LiveMode);
            });
    connect(data, &GlobalData::calcutateResultChanged, this, &WaveformWidget::updateCalculatedCurves);
    connect(manager->networkController, &NetworkController::stopMeasurement, this, [this] {
        measureWaveformWidget->clearData();
        measureWaveformWidget->clearGraphs();
        measureWaveformWidget->replot(QCustomPlot::rpRefreshHint);
    });
}

void WaveformWidget::initStyle()
{
    const QString border = GlobalConfig::instance()->borderColor;
    plotFrame->setProperty("QWidget", "widget");
    plotFrame->setStyleSheet(
        QString("QWidget[QWidget=\"widget\"] { border: 1px solid %1; background-color: rgb(255,255,255); }")
            .arg(border));
    plotStack->setStyleSheet(".QStackedWidget{ background-color: rgb(255,255,255); }");
    separatorLine->setStyleSheet(QString(".QWidget{ background-color: %1; }").arg(border));
    buttonColumn->setStyleSheet(".QWidget{ background-color: rgb(255,255,255); }");
}

void WaveformWidget::retranslateUi()
{
    Language *language = Language::instance();
    setFittingText(measurementCurveButton, language->text("measurementCurve"));
    setFittingText(shapeRemovalButton, language->text("shapeRemoval"));
    setFittingText(wavinessProfileButton, language->text("wavinessProfile"));
    setFittingText(roughnessProfileButton, language->text("roughnessProfile"));
    setFittingText(abbottFirestoneCurveButton, language->text("abbottFirestoneCurve"));
    for (CustomPlot *plot : std::initializer_list<CustomPlot *>{measureWaveformWidget, roughnessWidget,
                                                                shapeRemovalWidget, wavinessWidget})
        CustomPlot::setAxisLabel(plot->yAxis, "μm");
    abbottFirestoneWidget->setAbbottFirestoneLabels("%   " + language->text("abbottFirestoneCurve"), "%");
    abbottFirestoneWidget->setAmplitudeLabels("%   " + language->text("amplitudeCurve"), "μm");
    updateMeasureCurve();
    updateCalculatedCurves();
}

void WaveformWidget::onWaveformSwitched()
{
    auto *button = static_cast<PushButton *>(sender());
    for (PushButton *each : curveButtons)
        each->setChecked(false);
    if (button)
        button->setChecked(true);
    const QList<QWidget *> plots{measureWaveformWidget, shapeRemovalWidget, wavinessWidget, roughnessWidget,
                                 abbottFirestoneWidget};
    const int index = curveButtons.indexOf(button);
    if (index < 0)
        return;
    plotStack->setCurrentWidget(plots.at(index));
    if (button == abbottFirestoneCurveButton)
        emit checkAbbottFirestoneButton();
    else
        emit uncheckAbbottFirestoneButton();
}

void WaveformWidget::showMeasurementCurve()
{
    emit measurementCurveButton->clicked(false);
}

void WaveformWidget::updateMeasureCurve()
{
    // A copy: showing the profile may evaluate it, which rewrites the result.
    const CalculateResult result = GlobalManager::instance()->calculateModel->calculateResult();
    measureWaveformWidget->setData(scaled(result.measureDataList, GlobalData::instance()->calibrationFactor),
                                   MeasureWaveformWidget::FullMode);
}

void WaveformWidget::updateCalculatedCurves()
{
    const CalculateResult result = GlobalManager::instance()->calculateModel->calculateResult();
    roughnessWidget->setGraphData(toVector(result.roughnessDataList_x), toVector(result.roughnessDataList_y));
    shapeRemovalWidget->setGraphData(toVector(result.shapeRemovalDataList_x), toVector(result.shapeRemovalDataList_y));
    wavinessWidget->setGraphData(toVector(result.wavinessDataList_x), toVector(result.wavinessDataList_y));
    abbottFirestoneWidget->setAbbottFirestoneData(toVector(result.abbottFirestoneDataList_x),
                                                  toVector(result.abbottFirestoneDataList_y));
    abbottFirestoneWidget->setAmplitudeData(toVector(result.amplitudeCurveDataList_x),
                                            toVector(result.amplitudeCurveDataList_y));
}
