#include "RoughnessWidget.h"

RoughnessWidget::RoughnessWidget(QWidget *parent)
    : CustomPlot(parent)
{
}
