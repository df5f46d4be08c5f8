#include "MeasurePage.h"

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
    const int margin = GlobalConfig::instance()->margin;
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(topWidget);
    setLayout(layout);
}

void MeasurePage::initConnect()
{
    connect(topWidget, &TopWidget::checkAbbottFirestoneButton, this, [this] {
        abbottFirestoneMode = true;
    });
    connect(topWidget, &TopWidget::uncheckAbbottFirestoneButton, this, [this] {
        abbottFirestoneMode = false;
    });
}

void MeasurePage::initStyle()
{
}

void MeasurePage::retranslateUi()
{
}
