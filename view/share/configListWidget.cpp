#include "configListWidget.h"

configListWidget::configListWidget(QWidget *parent)
    : TitledRowList("actuatorMeasurementConfiguration", ":/resources/image/measurepage/config.png", parent)
{
}
