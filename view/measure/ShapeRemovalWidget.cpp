#include "ShapeRemovalWidget.h"

ShapeRemovalWidget::ShapeRemovalWidget(QWidget *parent)
    : CustomPlot(parent)
{
}
