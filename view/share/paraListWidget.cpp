#include "paraListWidget.h"

paraListWidget::paraListWidget(QWidget *parent)
    : TitledRowList("parameterCalculationResults", ":/resources/image/measurepage/paralist.png", parent)
{
}
