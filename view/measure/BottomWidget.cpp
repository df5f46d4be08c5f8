#include "BottomWidget.h"

#include "FileListWidget.h"
#include "GlobalConfig.h"
#include "ParameterListWidget.h"
#include "SetupWidget.h"

#include <QHBoxLayout>

BottomWidget::BottomWidget(QWidget *parent)
    : Widget(parent)
{
}

void BottomWidget::initData()
{
}

void BottomWidget::initUi()
{
    const GlobalConfig *config = GlobalConfig::instance();
    parameterListWidget = new ParameterListWidget;
    parameterListWidget->setFixedWidth(int(kParameterListWidth * config->xScale));
    fileListWidget = new FileListWidget;
    fileListWidget->setFixedWidth(int(kFileListWidth * config->xScale));
    setupWidget = new SetupWidget;
    parameterListWidget->init();
    fileListWidget->init();
    setupWidget->init();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(parameterListWidget);
    layout->addWidget(fileListWidget);
    layout->addWidget(setupWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(config->margin);
}

void BottomWidget::initConnect()
{
    connect(setupWidget, &SetupWidget::convertToMeasureMode, this, [this] {
        emit convertToMeasureMode();
    });
}

void BottomWidget::initStyle()
{
    parameterListWidget->setStyleSheet("ParameterListWidget { background-color:white; }");
}

void BottomWidget::retranslateUi()
{
}

void BottomWidget::setAbbottFirestoneMode(bool on)
{
    parameterListWidget->setMode(on ? ParameterListWidget::AbbottFirestoneMode : ParameterListWidget::ParameterMode);
}

bool BottomWidget::isCalibrationAllowed()
{
    return setupWidget->isCalibrationAllowed();
}
