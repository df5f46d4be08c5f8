#include "MeasurePage.h"

#include "BottomWidget.h"
#include "GlobalConfig.h"
#include "TopWidget.h"

#include <QVBoxLayout>

MeasurePage::MeasurePage(QWidget *parent)
    : Widget(parent)
{
}

void MeasurePage::initData()
{
    abbottFirestoneMode = false;
}

void MeasurePage::initUi()
{
    topWidget = new TopWidget;
    topWidget->init();
    bottomWidget = new BottomWidget;
    bottomWidget->init();
    bottomWidget->setFixedHeight(int(BottomWidget::kHeight * GlobalConfig::instance()->yScale));
    const int margin = GlobalConfig::instance()->margin;
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(topWidget);
    layout->addWidget(bottomWidget);
    setLayout(layout);
}

void MeasurePage::initConnect()
{
    connect(topWidget, &TopWidget::checkAbbottFirestoneButton, this, [this] {
        bottomWidget->setAbbottFirestoneMode(true);
        abbottFirestoneMode = true;
    });
    connect(topWidget, &TopWidget::uncheckAbbottFirestoneButton, this, [this] {
        bottomWidget->setAbbottFirestoneMode(false);
        abbottFirestoneMode = false;
    });
    connect(bottomWidget, &BottomWidget::convertToMeasureMode, topWidget, &TopWidget::showMeasurementCurve);
}

void MeasurePage::initStyle()
{
}

void MeasurePage::retranslateUi()
{
    bottomWidget->setAbbottFirestoneMode(abbottFirestoneMode);
}

bool MeasurePage::isCalibrationAllowed()
{
    return bottomWidget->isCalibrationAllowed();
}
