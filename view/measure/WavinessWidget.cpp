#include "WavinessWidget.h"

WavinessWidget::WavinessWidget(QWidget *parent)
    : CustomPlot(parent)
{
}
