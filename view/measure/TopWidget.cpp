#include "TopWidget.h"

#include "GlobalConfig.h"
#include "GlobalManager.h"
#include "NetworkController.h"
#include "SensorIndicator.h"
#include "WaveformWidget.h"

#include <QHBoxLayout>

TopWidget::TopWidget(QWidget *parent)
    : Widget(parent)
{
}

double TopWidget::gaugeValue(int needlePosition)
{
    return double(int(needlePosition * 1000.0 / 60000.0 - 500.0));
}

void TopWidget::showMeasurementCurve()
{
    waveformWidget->showMeasurementCurve();
}

void TopWidget::initData()
{
}

void TopWidget::initUi()
{
    const GlobalConfig *config = GlobalConfig::instance();
    sensorIndicator = new SensorIndicator;
    sensorIndicator->setFixedWidth(int(30 * config->yScale));
    sensorIndicator->setStyle(SensorIndicator::Bar);
    waveformWidget = new WaveformWidget;
    waveformWidget->init();
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(config->margin);
    layout->addWidget(sensorIndicator);
    layout->addWidget(waveformWidget);
    setLayout(layout);
}

void TopWidget::initConnect()
{
    connect(GlobalManager::instance()->networkController, &NetworkController::needlePosition, this, [this](int value) {
        sensorIndicator->setValue(gaugeValue(value));
    });
    connect(waveformWidget, &WaveformWidget::checkAbbottFirestoneButton, this, [this] {
        emit checkAbbottFirestoneButton();
    });
    connect(waveformWidget, &WaveformWidget::uncheckAbbottFirestoneButton, this, [this] {
        emit uncheckAbbottFirestoneButton();
    });
}

void TopWidget::initStyle()
{
}

void TopWidget::retranslateUi()
{
}
