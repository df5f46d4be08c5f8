#ifndef SHAPEREMOVALWIDGET_H
#define SHAPEREMOVALWIDGET_H

#include "CustomPlot.h"

// The form-removed profile of the last evaluation.
class ShapeRemovalWidget : public CustomPlot
{
public:
    explicit ShapeRemovalWidget(QWidget *parent = nullptr);
};

#endif
